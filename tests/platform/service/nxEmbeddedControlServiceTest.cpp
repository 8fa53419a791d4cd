#include <map>
#include <set>
#include <thread>

#include "contracts/nxApplicationScheduleAssignment.h"
#include "nxEmbeddedPlatformFixture.h"
#include "nxLogCapture.h"
#include "status/nxApplicationControlCallback.h"

namespace
{
using EmbeddedPlatform = nxEmbeddedPlatformFixture;

std::set<std::string> Ids(const nxRecordingControlCallback::Batch& batch)
{
    std::set<std::string> ids;
    for (const auto& status : batch)
        ids.insert(status->GetApplicationID().GetApplicationID());
    return ids;
}

bool IsRunning(const nxApplicationStatus& status)
{
    const uint32_t value = status.GetApplicationStatus().GetValue();
    return value == nxAppStatus::Starting || value == nxAppStatus::Running;
}

size_t RunningCount(const nxRecordingControlCallback::Batch& batch)
{
    return static_cast<size_t>(
        std::count_if(batch.begin(), batch.end(), [](const auto& status) { return IsRunning(*status); }));
}

// Where the demonstration schemes stand at the fixture's start instant.
const std::map<std::string, bool> kOpenAtStart = {{"Weekdays", true},      {"LondonHours", true},
                                                  {"NewYorkHours", false}, {"TokyoHours", false},
                                                  {"24x7", true},          {"FuturesOvernight", true}};

// Sends the answers of removals to a recorder while it lives.
class ResponseRecorder : public nxRecordingControlCallback
{
public:
    ResponseRecorder() : m_previous(nxControlInterface::GetResponseCallback())
    {
        nxControlInterface::SetResponseCallback(this);
    }
    ~ResponseRecorder() override { nxControlInterface::SetResponseCallback(m_previous); }

private:
    nxControlCallback* m_previous;
};
} // namespace

TEST_F(EmbeddedPlatform, EachSubscribedKindGetsItsWholeImageOncePerPeriod)
{
    m_options.statusPeriodSeconds = 0.5;
    nxEmbeddedControlService& service = Make();
    nxRecordingControlCallback servers;
    nxRecordingControlCallback clients;
    Subscribe(servers, nxServerValue);
    service.RunFor(2.0);
    Subscribe(clients, nxClientValue);
    service.RunFor(3.0);

    EXPECT_DOUBLE_EQ(service.GetPlatformSeconds(), 5.0);
    ASSERT_EQ(servers.BatchCount(), 10u);
    EXPECT_EQ(clients.BatchCount(), 6u);
    for (const auto& batch : servers.Batches())
    {
        ASSERT_EQ(batch.size(), m_options.serverCount);
        EXPECT_EQ(Ids(batch).size(), batch.size()) << "each application once";
        for (const auto& status : batch)
            EXPECT_EQ(status->GetApplicationType().GetClientServer().GetValue(), nxServerValue);
    }
    EXPECT_EQ(clients.LastBatch().size(), m_options.clientCount);
    EXPECT_EQ(Ids(servers.Batches().front()), Ids(servers.LastBatch()));
    EXPECT_EQ(service.GetApplicationCount(), m_options.serverCount + m_options.clientCount);

    Unsubscribe(servers, nxServerValue);
    service.RunFor(2.0);
    EXPECT_EQ(servers.BatchCount(), 10u) << "nothing after the unsubscribe";
    Unsubscribe(clients, nxClientValue);
}

TEST_F(EmbeddedPlatform, SnapshotsAreAnsweredOnTheNextStepAndDroppedWithTheSubscription)
{
    nxEmbeddedControlService& service = Make();
    nxRecordingControlCallback clients;
    Subscribe(clients, nxClientValue);
    ASSERT_TRUE(
        service.GetApplicationStatusSnapshot(&clients, nullptr, nxClientServerEnum(nxClientValue)).IsOK());
    EXPECT_TRUE(clients.Snapshots().empty());
    service.RunPending();
    ASSERT_EQ(clients.Snapshots().size(), 1u);
    EXPECT_EQ(clients.Snapshots()[0].size(), m_options.clientCount);
    EXPECT_EQ(clients.BatchCount(), 0u) << "no time passed";

    service.GetApplicationStatusSnapshot(&clients, nullptr, nxClientServerEnum(nxClientValue));
    Unsubscribe(clients, nxClientValue);
    service.RunFor(1);
    EXPECT_EQ(clients.Snapshots().size(), 1u);

    const nxErrorEnum unknownKind =
        service.GetApplicationStatusSnapshot(&clients, nullptr, nxClientServerEnum(5));
    EXPECT_EQ(unknownKind.GetValue(), nxErrorEnum::InvalidArgument);
    EXPECT_FALSE(
        service.SubscribeApplicationStatus(nullptr, nullptr, nxClientServerEnum(72), nullptr).IsOK());
}

TEST_F(EmbeddedPlatform, TheSameSeedGivesTheSamePlatformEventsAndLog)
{
    m_options.restartsPerHour = 30;
    m_options.lateHeartbeatsPerHour = 60;
    m_options.logMessagesPerSecond = 50;
    auto run = [this](uint64_t seed)
    {
        m_options.seed = seed;
        nxEmbeddedControlService& service = Make();
        nxRecordingControlCallback servers;
        Subscribe(servers, nxServerValue);
        service.SubscribeLogMessages(&servers, nullptr);
        service.RunFor(120);
        Unsubscribe(servers, nxServerValue);
        service.UnsubscribeLogMessages(&servers);
        std::vector<std::string> facts;
        for (const auto& status : servers.LastBatch())
            facts.push_back(status->GetApplicationID().GetApplicationID() + " " + status->GetHostName() +
                            " " + std::to_string(status->GetProcessID()) + " " +
                            std::to_string(status->GetHeartbeatLatency()));
        for (const auto& message : servers.Messages())
            facts.push_back(message->GetApplicationName() + " " + message->GetLogEntry());
        return facts;
    };
    const auto first = run(7);
    EXPECT_GT(first.size(), 1000u);
    EXPECT_EQ(run(7), first);
    EXPECT_NE(run(8), first);
}

TEST_F(EmbeddedPlatform, HeartbeatsVaryAndApplicationsAreLateRestartOrGoMissing)
{
    m_options.lateHeartbeatsPerHour = 120;
    m_options.restartsPerHour = 20;
    m_options.stopsReportingPerHour = 20;
    nxEmbeddedControlService& service = Make();
    nxRecordingControlCallback clients;
    Subscribe(clients, nxClientValue);
    std::map<std::string, uint32_t> firstPids;
    std::set<double> latencies;
    bool late = false, restarted = false, missing = false;
    for (int second = 0; second < 600; ++second)
    {
        service.RunFor(1);
        for (const auto& status : clients.LastBatch())
        {
            const std::string id = status->GetApplicationID().GetApplicationID();
            const uint32_t delta = status->GetHeartbeatDelta().GetValue();
            late |= delta >= 1 && delta <= 30 && IsRunning(*status);
            restarted |=
                firstPids.emplace(id, status->GetProcessID()).first->second != status->GetProcessID();
            missing |= status->GetExpectedApplicationStatus().GetValue() == nxExpectedStatus::Missing &&
                       status->GetApplicationStatus().GetValue() == nxAppStatus::NotResponding;
            latencies.insert(status->GetHeartbeatLatency());
        }
    }
    EXPECT_TRUE(late);
    EXPECT_TRUE(restarted);
    EXPECT_TRUE(missing);
    EXPECT_GT(latencies.size(), 100u);
    Unsubscribe(clients, nxClientValue);
}

TEST_F(EmbeddedPlatform, ExpectedStatusFollowsTheWindowOfEachApplicationsScheme)
{
    m_options.serverCount = 60;
    m_options.clientCount = 200;
    nxEmbeddedControlService& service = Make();
    nxRecordingControlCallback clients;
    Subscribe(clients, nxClientValue);
    service.RunFor(1);
    std::map<uint32_t, int> seen;
    for (const auto& status : clients.LastBatch())
    {
        const uint32_t expected = status->GetExpectedApplicationStatus().GetValue();
        ++seen[expected];
        const auto window = kOpenAtStart.find(status->GetApplicationScheduleName());
        const bool running = IsRunning(*status);
        if (window == kOpenAtStart.end())
            EXPECT_EQ(expected, nxExpectedStatus::OK)
                << "not judged: " << status->GetApplicationScheduleName();
        else
            EXPECT_EQ(expected == nxExpectedStatus::Unexpected, running != window->second)
                << status->GetApplicationID().GetApplicationID();
    }
    EXPECT_GT(seen[nxExpectedStatus::OK], 150);
    EXPECT_EQ(seen[nxExpectedStatus::Unexpected], 0) << "every application starts in line";
    Unsubscribe(clients, nxClientValue);
}

TEST_F(EmbeddedPlatform, StopStopsTheApplicationAndAnswersTheCallback)
{
    nxEmbeddedControlService& service = Make();
    nxRecordingControlCallback servers;
    Subscribe(servers, nxServerValue);
    service.RunFor(1);
    const std::string id =
        FindId(servers, [](const nxApplicationStatus& status)
               { return status.GetApplicationScheduleName() == "24x7" && IsRunning(status); });
    ASSERT_FALSE(id.empty());

    nxRecordingControlCallback answers;
    int context = 0;
    EXPECT_TRUE(service.ShutdownApplication(&answers, &context, nxApplicationID(id)).IsOK());
    service.RunFor(1);
    const nxApplicationStatus* stopped = servers.Find(servers.LastBatch(), id);
    ASSERT_TRUE(stopped);
    EXPECT_EQ(stopped->GetApplicationStatus().GetValue(), nxAppStatus::Stopped);
    EXPECT_EQ(stopped->GetExpectedApplicationStatus().GetValue(), nxExpectedStatus::Unexpected)
        << "stopped inside its window";
    EXPECT_TRUE(stopped->GetHeartbeatDelta().IsNull());
    ASSERT_EQ(answers.Answers().size(), 1u);
    EXPECT_EQ(answers.Answers()[0].operation, "stop");
    EXPECT_TRUE(answers.Answers()[0].error.IsOK());

    const nxErrorEnum again = service.ShutdownApplication(&answers, nullptr, nxApplicationID(id));
    EXPECT_EQ(again.GetLongDescription(), "Application '" + id + "' is already stopped");
    const nxErrorEnum unknown = service.ShutdownApplication(&answers, nullptr, nxApplicationID("NOPE-0001"));
    EXPECT_EQ(unknown.GetLongDescription(), "The platform has no application 'NOPE-0001'");
    service.RunPending();
    ASSERT_EQ(answers.Answers().size(), 3u);
    EXPECT_EQ(answers.Answers()[2].error.GetLongDescription(), unknown.GetLongDescription());
    Unsubscribe(servers, nxServerValue);
}

TEST_F(EmbeddedPlatform, RemoveTakesOutMissingOrIgnoredApplicationsAndRefusesOthers)
{
    ResponseRecorder responses;
    nxEmbeddedControlService& service = Make();
    nxRecordingControlCallback clients;
    Subscribe(clients, nxClientValue);
    service.RunFor(1);
    std::vector<std::string> ids;
    for (const auto& status : clients.LastBatch())
        if (IsRunning(*status) && status->GetApplicationScheduleName() != "Ignore")
            ids.push_back(status->GetApplicationID().GetApplicationID());
    ASSERT_GE(ids.size(), 3u);
    const std::string silent = ids[0];
    const std::string ignored = ids[1];
    const std::string working = ids[2];
    ASSERT_TRUE(service.StopReporting(silent));
    nxApplicationScheduleAssignment toIgnore;
    toIgnore.SetApplicationID(nxApplicationID(ignored));
    toIgnore.SetApplicationScheduleName("Ignore");
    ASSERT_TRUE(service.SaveApplicationScheduleAssignments({&toIgnore}).IsOK());
    service.RunFor(m_options.missingAfterSeconds + 1);
    EXPECT_EQ(clients.Find(clients.LastBatch(), silent)->GetExpectedApplicationStatus().GetValue(),
              nxExpectedStatus::Missing);

    const nxErrorEnum refused = service.RemoveApplicationFromApplicationStatusImage(nxApplicationID(working));
    EXPECT_EQ(refused.GetValue(), nxErrorEnum::Refused);
    EXPECT_NE(refused.GetLongDescription().find("Only applications in the Missing state or with the schedule "
                                                "'Ignore' can be removed"),
              std::string::npos)
        << refused.GetLongDescription();
    EXPECT_TRUE(service.RemoveApplicationFromApplicationStatusImage(nxApplicationID(silent)).IsOK());
    EXPECT_TRUE(service.RemoveApplicationFromApplicationStatusImage(nxApplicationID(ignored)).IsOK());
    service.RunFor(1);
    const std::set<std::string> left = Ids(clients.LastBatch());
    EXPECT_EQ(left.count(silent), 0u);
    EXPECT_EQ(left.count(ignored), 0u);
    EXPECT_EQ(left.count(working), 1u);
    ASSERT_EQ(responses.Answers().size(), 3u);
    EXPECT_EQ(responses.Answers()[0].error.GetLongDescription(), refused.GetLongDescription());
    EXPECT_TRUE(responses.Answers()[1].error.IsOK());
    EXPECT_EQ(service.GetApplicationCount(), m_options.serverCount + m_options.clientCount - 2);
    Unsubscribe(clients, nxClientValue);
}

TEST_F(EmbeddedPlatform, TheConsolesRequestCallbackHearsTheOutcomeOfARemoval)
{
    nxLogCapture log;
    nxApplicationControlCallback::GetInstance();
    nxEmbeddedControlService& service = Make();
    service.RemoveApplicationFromApplicationStatusImage(nxApplicationID("NOPE-0001"));
    service.RunPending();
    const auto lines = log.FromSource("nxControlDataManager");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].level, 37u);
    EXPECT_NE(lines[0].line.find("The platform has no application 'NOPE-0001'"), std::string::npos)
        << lines[0].line;
}

TEST_F(EmbeddedPlatform, RightsComeFromTheOptions)
{
    Make();
    EXPECT_TRUE(m_service->CheckSecurity(nxFunctionEnum(nxFunction::SystemManagerAll)).IsOK());
    const nxErrorEnum refused = m_service->CheckSecurity(nxFunctionEnum(nxFunction::SystemManagerServers));
    EXPECT_EQ(refused.GetValue(), nxErrorEnum::NotPermissioned);
    EXPECT_EQ(refused.GetLongDescription().rfind("You do not hold the right 100919", 0), 0u);

    m_options.rights = {nxFunction::SystemManagerServers, nxFunction::SystemManagerClients};
    Make();
    EXPECT_EQ(nxSecurityInterface::GetInstance(), m_service.get());
    EXPECT_TRUE(nxSecurityInterface::GetInstance()->CheckSecurity(nxFunctionEnum(100919)).IsOK());
    EXPECT_TRUE(nxSecurityInterface::GetInstance()->CheckSecurity(nxFunctionEnum(100920)).IsOK());
    EXPECT_FALSE(nxSecurityInterface::GetInstance()->CheckSecurity(nxFunctionEnum(100006)).IsOK());
    m_service.reset();
    EXPECT_FALSE(nxSecurityInterface::GetInstance()->CheckSecurity(nxFunctionEnum(100919)).IsOK())
        << "the previous service is back";
}

TEST_F(EmbeddedPlatform, TheTimeZoneTableIsFoundByItsWindowsPathAndAMissingOneIsAStartupProblem)
{
    nxTimeZoneConverter& zones = Make();
    EXPECT_EQ(nxTimeZoneConverter::GetInstance(), &zones);
    EXPECT_FALSE(zones.IsInitialised());
    std::string error;
    ASSERT_TRUE(zones.Initialise(error, "c:\\vantrel\\data\\trunk\\date_time_zonespec_minimal.csv")) << error;
    std::vector<std::string> regions;
    zones.GetTimeZoneRegions(regions);
    EXPECT_NE(std::find(regions.begin(), regions.end(), "Europe/London"), regions.end());

    m_options.timeZoneFolder = m_folder.string();
    Make();
    EXPECT_NE(m_service->GetStartupProblems().find("schedules are judged in UTC"), std::string::npos);
}

TEST_F(EmbeddedPlatform, RequestKindsCanBeRefusedOnPurpose)
{
    m_options.refusedRequests = {nxEmbeddedPlatformOptions::Request::Remove};
    nxEmbeddedControlService& service = Make();
    const nxErrorEnum refused = service.RemoveApplicationFromApplicationStatusImage(nxApplicationID("X"));
    EXPECT_EQ(refused.GetValue(), nxErrorEnum::Refused);
    EXPECT_EQ(refused.GetLongDescription(),
              "The platform refused to remove the application (it was set to refuse such requests)");

    nxRecordingControlCallback callback;
    service.SetRequestRefused(nxEmbeddedPlatformOptions::Request::StatusSubscription, true);
    service.SetRequestRefused(nxEmbeddedPlatformOptions::Request::LogSubscription, true);
    service.SetRequestRefused(nxEmbeddedPlatformOptions::Request::ScheduleList, true);
    EXPECT_FALSE(
        service.SubscribeApplicationStatus(&callback, nullptr, nxClientServerEnum(72), nullptr).IsOK());
    EXPECT_FALSE(service.SubscribeLogMessagesForUser(&callback, nullptr, nxUInt32ValueWrapper()).IsOK());
    std::vector<std::string> names;
    EXPECT_FALSE(service.GetApplicationScheduleInstanceList(names).IsOK());
    service.RunFor(2);
    EXPECT_EQ(callback.BatchCount(), 0u);

    service.SetRequestRefused(nxEmbeddedPlatformOptions::Request::ScheduleList, false);
    EXPECT_TRUE(service.GetApplicationScheduleInstanceList(names).IsOK());
    EXPECT_FALSE(names.empty());
}

TEST_F(EmbeddedPlatform, TheLogStreamKeepsItsRateAndCarriesEveryKindOfMessage)
{
    m_options.logMessagesPerSecond = 500;
    nxEmbeddedControlService& service = Make();
    nxRecordingControlCallback everyone;
    nxRecordingControlCallback addressed;
    ASSERT_TRUE(service.SubscribeLogMessages(&everyone, nullptr).IsOK());
    ASSERT_TRUE(service.SubscribeLogMessagesForUser(&addressed, nullptr, nxUInt32ValueWrapper()).IsOK());
    Subscribe(everyone, nxServerValue);
    Subscribe(everyone, nxClientValue);
    service.RunFor(40);

    // The rate is for a platform where everything runs; here about half does.
    const std::vector<nxRecordingControlCallback::Batch> batches = everyone.Batches();
    const double running = static_cast<double>(RunningCount(batches[batches.size() - 1]) +
                                               RunningCount(batches[batches.size() - 2]));
    const double expected = 500.0 * 40 * running / (m_options.serverCount + m_options.clientCount);
    const size_t total = everyone.MessageCount() + addressed.MessageCount();
    EXPECT_LT(running, 0.8 * (m_options.serverCount + m_options.clientCount));
    EXPECT_NEAR(static_cast<double>(total), expected, expected * 0.1);
    std::map<uint32_t, int> levels;
    int fromControlServer = 0;
    for (const auto& message : everyone.Messages())
    {
        const uint32_t level = message->GetLogLevel().GetValue();
        ++levels[level];
        fromControlServer += message->GetApplicationName() == "ControlServer";
        EXPECT_TRUE(message->GetDestinationUserID().IsNull());
        EXPECT_FALSE(message->GetLogEntry().empty());
        EXPECT_EQ(message->GetLogEntry().find('{'), std::string::npos) << message->GetLogEntry();
        if (level == nxLogLevel::Critical)
        {
            EXPECT_EQ(message->GetApplicationName(), "ControlServer") << "only announcements are fatal";
        }
    }
    EXPECT_EQ(levels.begin()->first, 31u);
    EXPECT_EQ(levels.rbegin()->first, 38u) << "the opening's crashed primary";
    EXPECT_EQ(levels.size(), 8u);
    EXPECT_EQ(levels[38], 1);
    EXPECT_GT(fromControlServer, 0);
    ASSERT_GT(addressed.MessageCount(), 0u);
    for (const auto& message : addressed.Messages())
        EXPECT_FALSE(service.GetUserNodeName(message->GetDestinationUserID().GetValue()).empty());

    service.UnsubscribeLogMessages(&everyone);
    service.UnsubscribeLogMessagesForUser(&addressed, nxUInt32ValueWrapper());
    Unsubscribe(everyone, nxServerValue);
    Unsubscribe(everyone, nxClientValue);
    const size_t before = everyone.MessageCount();
    service.RunFor(1);
    EXPECT_EQ(everyone.MessageCount(), before);
}

TEST_F(EmbeddedPlatform, AFeedFallsSilentForTheGivenTimeAndWhatWasAskedOverItIsLost)
{
    m_options.logMessagesPerSecond = 200;
    m_options.silences = {{nxEmbeddedPlatformOptions::Feed::Log, 0.0, 3.0}};
    nxEmbeddedControlService& service = Make();
    nxRecordingControlCallback callback;
    Subscribe(callback, nxClientValue);
    service.SubscribeLogMessages(&callback, nullptr);
    service.SilenceFeed(nxEmbeddedPlatformOptions::Feed::ClientStatus, 2.5);
    nxRecordingControlCallback clients;
    nxRecordingControlCallback servers;
    ASSERT_TRUE(
        service.GetApplicationStatusSnapshot(&clients, nullptr, nxClientServerEnum(nxClientValue)).IsOK());
    ASSERT_TRUE(
        service.GetApplicationStatusSnapshot(&servers, nullptr, nxClientServerEnum(nxServerValue)).IsOK());
    service.RunFor(2.9);
    EXPECT_EQ(callback.BatchCount(), 0u);
    EXPECT_EQ(callback.MessageCount(), 0u);
    EXPECT_TRUE(clients.Snapshots().empty());
    EXPECT_EQ(servers.Snapshots().size(), 1u) << "the other feed still answers";

    service.RunFor(2.1);
    EXPECT_EQ(callback.BatchCount(), 3u) << "at 3, 4 and 5 seconds";
    EXPECT_GT(callback.MessageCount(), 50u);
    EXPECT_TRUE(clients.Snapshots().empty()) << "what was asked over the silent link is lost";
    service.GetApplicationStatusSnapshot(&clients, nullptr, nxClientServerEnum(nxClientValue));
    service.RunPending();
    ASSERT_EQ(clients.Snapshots().size(), 1u);
    EXPECT_EQ(clients.Snapshots()[0].size(), m_options.clientCount);
    Unsubscribe(callback, nxClientValue);
    service.UnsubscribeLogMessages(&callback);
}
