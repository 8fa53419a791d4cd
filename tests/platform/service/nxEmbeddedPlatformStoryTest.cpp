// What the default platform shows an operator: every kind of row and incident
// within its first minute, and over a day a log that tells what the grids show.
#include <algorithm>
#include <set>

#include "contracts/nxApplicationScheduleAssignment.h"

#include "nxEmbeddedPlatformFixture.h"
#include "nxPlatformAuditor.h"

namespace
{
// Sanitizer builds run many times slower. They look for races and memory faults,
// which four hours of one seed exercise as well as whole days of several; whether
// every kind of event was told is judged in the full run only.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr int kRunMinutes = 4 * 60;
constexpr uint64_t kDaySeeds[] = {3};
#else
constexpr int kRunMinutes = 24 * 60;
constexpr uint64_t kDaySeeds[] = {1, 2, 3};
#endif
constexpr bool kWholeDays = kRunMinutes == 24 * 60;

class EmbeddedPlatformStory : public nxEmbeddedPlatformFixture
{
protected:
    void SetUp() override
    {
        nxEmbeddedPlatformFixture::SetUp();
        m_options.serverCount = nxEmbeddedPlatformOptions().serverCount;
        m_options.clientCount = nxEmbeddedPlatformOptions().clientCount;
    }

    // A weekday morning in London, the London night (Tokyo's morning), and a Saturday
    // night when only round-the-clock servers run.
    static int64_t StartFor(uint64_t seed)
    {
        const int64_t starts[] = {Utc(2025, 6, 11, 10), Utc(2025, 6, 11, 23), Utc(2025, 6, 14, 3)};
        return starts[seed % 3];
    }
};

// What the server grid's rows show, batch by batch, as the console colours them.
class GridWatch : public nxControlCallback
{
public:
    void OnApplicationStatusUpdate(std::vector<nxApplicationStatus*>& statuses, void*) override
    {
        bool warning = false;
        for (const nxApplicationStatus* status : statuses)
        {
            const uint32_t expected = status->GetExpectedApplicationStatus().GetValue();
            const uint32_t delta = status->GetHeartbeatDelta().GetValue();
            const bool late = delta >= 1 && delta <= 0xFFFFFFFD;
            m_highlights.insert(expected);
            m_lateHeartbeat |= late && expected != nxExpectedStatus::Missing;
            m_removable |=
                expected == nxExpectedStatus::Missing || status->GetApplicationScheduleName() == "Ignore";
            warning |=
                late || expected == nxExpectedStatus::Unexpected || expected == nxExpectedStatus::Missing;
        }
        m_warnings.push_back(warning);
        DeleteStatuses(statuses);
    }

    // The warning overlay's cause is off, then on, then off again.
    bool WarningComesAndGoes() const
    {
        const auto on = std::find(m_warnings.begin(), m_warnings.end(), true);
        return !m_warnings.empty() && !m_warnings.front() &&
               std::find(on, m_warnings.end(), false) != m_warnings.end();
    }

    std::set<uint32_t> m_highlights;
    bool m_lateHeartbeat = false;
    bool m_removable = false;
    std::vector<bool> m_warnings;
};
} // namespace

TEST_F(EmbeddedPlatformStory, EveryKindOfRowAndIncidentShowsWithinTheFirstMinuteForEverySeed)
{
    m_options.logMessagesPerSecond = 0;
    for (uint64_t seed = 1; seed <= 30; ++seed)
    {
        m_options.seed = seed;
        m_options.startUtcMicroseconds = StartFor(seed);
        nxEmbeddedControlService& service = Make();
        GridWatch servers;
        Subscribe(servers, nxServerValue);
        service.RunFor(60);
        Unsubscribe(servers, nxServerValue);
        const std::set<uint32_t> all = {nxExpectedStatus::OK, nxExpectedStatus::Unexpected,
                                        nxExpectedStatus::FTState, nxExpectedStatus::Missing};
        EXPECT_EQ(servers.m_highlights, all) << "seed " << seed;
        EXPECT_TRUE(servers.m_lateHeartbeat) << "seed " << seed;
        EXPECT_TRUE(servers.m_removable) << "seed " << seed;
        EXPECT_TRUE(servers.WarningComesAndGoes()) << "seed " << seed;
    }
}

TEST_F(EmbeddedPlatformStory, OverADayTheLogTellsWhatTheGridsShowAndMissingRowsStayFew)
{
    m_options.logMessagesPerSecond = 2; // every message is checked; the volume adds nothing
    std::set<std::string> announced;
    for (const uint64_t seed : kDaySeeds)
    {
        m_options.seed = seed;
        m_options.startUtcMicroseconds = StartFor(seed);
        nxEmbeddedControlService& service = Make();
        nxPlatformAuditor auditor(service);
        auditor.Learn();
        ASSERT_EQ(auditor.ApplicationCount(), m_options.serverCount + m_options.clientCount);
        service.SubscribeLogMessages(&auditor, nullptr);
        double mostMissing = 0.0;
        for (int minute = 0; minute < kRunMinutes; ++minute)
        {
            service.RunFor(60);
            mostMissing = std::max(mostMissing, auditor.MissingShare());
        }
        service.UnsubscribeLogMessages(&auditor);

        for (size_t i = 0; i < std::min<size_t>(auditor.Faults().size(), 5); ++i)
            ADD_FAILURE() << "seed " << seed << ": " << auditor.Faults()[i];
        EXPECT_TRUE(auditor.Faults().empty()) << auditor.Faults().size() << " faults, seed " << seed;
        EXPECT_LT(mostMissing, 0.05) << "seed " << seed;
        const size_t fatal = auditor.Levels().count(38) ? auditor.Levels().at(38) : 0;
        EXPECT_GE(fatal, 1u) << "seed " << seed;
        EXPECT_LE(fatal, 10u) << "a few a day, seed " << seed;
        for (const auto& [kind, count] : auditor.Announcements())
            announced.insert(kind);
    }
    if (!kWholeDays)
        return;
    // A weekend day starts and stops no weekday schedule, so the kinds are counted over all runs.
    for (const char* kind : {" started by its schedule", " stopped by its schedule", " stopped reporting",
                             " is reporting again", " takes over as primary", " is primary again",
                             "Late heartbeat from ", " restarted: ", " crashed: ", "Schedule check"})
        EXPECT_EQ(announced.count(kind), 1u) << kind;
}

TEST_F(EmbeddedPlatformStory, RequestsAreAnnouncedWithTheirApplicationsAndSchemes)
{
    m_options.logMessagesPerSecond = 0;
    nxEmbeddedControlService& service = Make();
    nxPlatformAuditor auditor(service);
    auditor.Learn();
    service.SubscribeLogMessages(&auditor, nullptr);
    nxRecordingControlCallback log;
    service.SubscribeLogMessages(&log, nullptr);
    auto named = [&service](const std::string& id)
    {
        nxApplicationStatus status;
        EXPECT_TRUE(service.GetApplicationStatus(id, status)) << id;
        return id + " (" + status.GetApplicationName() + ") on " + status.GetHostName();
    };
    const std::string stopped = named("MDS-0001");
    const std::string silent = named("RSK-0002");
    const std::string assigned = named("RSK-0001");
    service.RunFor(1);
    ASSERT_TRUE(service.ShutdownApplication(&log, nullptr, nxApplicationID("MDS-0001")).IsOK());
    ASSERT_TRUE(service.StopReporting("RSK-0002"));
    service.RunFor(m_options.missingAfterSeconds + 2);
    ASSERT_TRUE(service.RemoveApplicationFromApplicationStatusImage(nxApplicationID("RSK-0002")).IsOK());
    nxApplicationScheduleAssignment assignment;
    assignment.SetApplicationID(nxApplicationID("RSK-0001"));
    assignment.SetApplicationScheduleName("Weekdays");
    ASSERT_TRUE(service.SaveApplicationScheduleAssignments({&assignment}).IsOK());
    nxApplicationSchedule* scheme = nullptr;
    ASSERT_TRUE(service.GetApplicationScheduleDefinition("TokyoHours", scheme).IsOK());
    ASSERT_TRUE(service.SaveApplicationScheduleDefinition(*scheme, false).IsOK());
    delete scheme;
    ASSERT_TRUE(service.DeleteApplicationScheduleInstance("FuturesOvernight").IsOK());
    service.RunPending();
    service.UnsubscribeLogMessages(&auditor);
    service.UnsubscribeLogMessages(&log);

    EXPECT_TRUE(auditor.Faults().empty()) << auditor.Faults().front();
    std::vector<std::string> announced;
    for (const auto& message : log.Messages())
        if (message->GetApplicationName() == "ControlServer")
            announced.push_back(message->GetLogEntry());
    for (const std::string& expected :
         {stopped + " stopped on request", silent + " stopped reporting: no heartbeat for 11.0 s",
          silent + " removed from the status image on request",
          assigned + " now follows the schedule scheme 'Weekdays'",
          std::string("Schedule scheme 'TokyoHours' saved at version 2"),
          std::string("Schedule scheme 'FuturesOvernight' deleted")})
        EXPECT_NE(std::find(announced.begin(), announced.end(), expected), announced.end()) << expected;
}
