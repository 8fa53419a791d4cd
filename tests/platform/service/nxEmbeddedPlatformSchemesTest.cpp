#include <fstream>
#include <sstream>

#include "contracts/nxApplicationScheduleAssignment.h"
#include "nxEmbeddedPlatformFixture.h"
#include "nxLogCapture.h"

namespace
{
using Schemes = nxEmbeddedPlatformFixture;

nxApplicationSchedule Scheme(const std::string& name, uint32_t version = nxUInt32ValueWrapper::NullValue)
{
    nxApplicationSchedule scheme;
    scheme.SetScheduleName(name);
    scheme.SetTimeZoneRegion("Europe/Paris");
    scheme.SetVersion(nxUInt32ValueWrapper(version));
    scheme.GetScheduleForDay(2).SetStartTime(nxTime(9, 0));
    scheme.GetScheduleForDay(2).SetStopTime(nxTime(17, 0));
    return scheme;
}

std::unique_ptr<nxApplicationSchedule> Read(nxControlInterface& service, const std::string& name)
{
    nxApplicationSchedule* schedule = nullptr;
    EXPECT_TRUE(service.GetApplicationScheduleDefinition(name, schedule).IsOK()) << name;
    return std::unique_ptr<nxApplicationSchedule>(schedule);
}

std::vector<std::string> Names(nxControlInterface& service)
{
    std::vector<std::string> names;
    EXPECT_TRUE(service.GetApplicationScheduleInstanceList(names).IsOK());
    return names;
}

bool Lists(nxControlInterface& service, const std::string& name)
{
    const std::vector<std::string> names = Names(service);
    return std::find(names.begin(), names.end(), name) != names.end();
}

nxErrorEnum Assign(nxControlInterface& service, std::vector<std::pair<std::string, std::string>> pairs)
{
    std::vector<std::unique_ptr<nxApplicationScheduleAssignment>> owned;
    std::vector<nxApplicationScheduleAssignment*> assignments;
    for (const auto& [id, scheme] : pairs)
    {
        owned.push_back(std::make_unique<nxApplicationScheduleAssignment>());
        owned.back()->SetApplicationID(nxApplicationID(id));
        owned.back()->SetApplicationScheduleName(scheme);
        assignments.push_back(owned.back().get());
    }
    return service.SaveApplicationScheduleAssignments(assignments);
}

std::string FileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
} // namespace

TEST_F(Schemes, ANewSchemeGetsVersionOneAndEverySaveIncrementsItAcrossARestart)
{
    nxEmbeddedControlService& service = Make();
    for (const char* demo : {"Weekdays", "LondonHours", "NewYorkHours", "TokyoHours", "24x7", "Ignore"})
        EXPECT_TRUE(Lists(service, demo)) << demo;

    ASSERT_TRUE(service.SaveApplicationScheduleDefinition(Scheme("Paris"), false).IsOK());
    std::unique_ptr<nxApplicationSchedule> read = Read(service, "Paris");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->GetVersion().GetValue(), 1u);
    EXPECT_EQ(read->GetScheduleForDay(2).GetStopTime(), nxTime(17, 0));

    read->GetScheduleForDay(3) = read->GetScheduleForDay(2);
    ASSERT_TRUE(service.SaveApplicationScheduleDefinition(*read, false).IsOK());
    Make(); // a restart reads the file
    read = Read(*m_service, "Paris");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->GetVersion().GetValue(), 2u);
    EXPECT_EQ(read->GetScheduleForDay(3).GetStartTime(), nxTime(9, 0));
    EXPECT_EQ(m_service->GetStartupProblems(), "");
}

TEST_F(Schemes, AStaleVersionATakenNameOrADeletedSchemeIsRefusedAndChangesNothing)
{
    nxEmbeddedControlService& service = Make();
    ASSERT_TRUE(service.SaveApplicationScheduleDefinition(Scheme("Paris"), false).IsOK());
    ASSERT_TRUE(service.SaveApplicationScheduleDefinition(Scheme("Paris", 1), false).IsOK());

    nxApplicationSchedule stale = Scheme("Paris", 1);
    stale.SetTimeZoneRegion("Europe/Berlin");
    const nxErrorEnum refused = service.SaveApplicationScheduleDefinition(stale, false);
    EXPECT_EQ(refused.GetValue(), nxErrorEnum::VersionConflict);
    EXPECT_NE(refused.GetLongDescription().find("you edited version 1, the platform holds version 2"),
              std::string::npos)
        << refused.GetLongDescription();

    const nxErrorEnum taken = service.SaveApplicationScheduleDefinition(Scheme("Paris"), false);
    EXPECT_EQ(taken.GetValue(), nxErrorEnum::AlreadyExists);
    EXPECT_EQ(taken.GetLongDescription(),
              "A schedule scheme named 'Paris' already exists; choose another name");
    const std::unique_ptr<nxApplicationSchedule> opened = Read(service, "Paris");
    EXPECT_EQ(opened->GetTimeZoneRegion(), "Europe/Paris");
    EXPECT_EQ(opened->GetVersion().GetValue(), 2u);

    ASSERT_TRUE(service.DeleteApplicationScheduleInstance("Paris").IsOK());
    const nxErrorEnum deleted = service.SaveApplicationScheduleDefinition(*opened, false);
    EXPECT_EQ(deleted.GetValue(), nxErrorEnum::VersionConflict);
    EXPECT_EQ(
        deleted.GetLongDescription(),
        "Schedule scheme 'Paris' was deleted by someone else after you opened version 2. It was not saved; "
        "save it as a new scheme if it is still wanted");
    EXPECT_FALSE(Lists(service, "Paris")) << "not made again";
}

TEST_F(Schemes, InvalidSchemesAreRefusedWithTheReason)
{
    nxEmbeddedControlService& service = Make();
    nxApplicationSchedule noRegion = Scheme("NoRegion");
    noRegion.SetTimeZoneRegion("");
    nxApplicationSchedule unknownRegion = Scheme("Atlantis");
    unknownRegion.SetTimeZoneRegion("Atlantis/Capital");
    nxApplicationSchedule noStop = Scheme("NoStop");
    noStop.GetScheduleForDay(4).SetStartTime(nxTime(8, 0));
    const std::pair<nxApplicationSchedule, std::string> cases[] = {
        {Scheme(""), "A schedule scheme needs a name"},
        {noRegion, "Schedule scheme 'NoRegion' has no time-zone region"},
        {unknownRegion, "Schedule scheme 'Atlantis': the time-zone region 'Atlantis/Capital' is not in the "
                        "time-zone table"},
        {noStop, "Schedule scheme 'NoStop': Thursday has a start time but no stop time."},
    };
    for (const auto& [scheme, text] : cases)
    {
        const nxErrorEnum refused = service.SaveApplicationScheduleDefinition(scheme, false);
        EXPECT_EQ(refused.GetValue(), nxErrorEnum::InvalidArgument);
        EXPECT_EQ(refused.GetLongDescription(), text);
        EXPECT_FALSE(Lists(service, scheme.GetScheduleName()));
    }
    nxApplicationSchedule* none = reinterpret_cast<nxApplicationSchedule*>(1);
    const nxErrorEnum unknown = service.GetApplicationScheduleDefinition("Nowhere", none);
    EXPECT_EQ(unknown.GetLongDescription(), "There is no schedule scheme named 'Nowhere'");
    EXPECT_EQ(none, nullptr);
}

TEST_F(Schemes, DeletingNeedsAKnownSchemeThatNoApplicationUses)
{
    nxEmbeddedControlService& service = Make();
    const nxErrorEnum unknown = service.DeleteApplicationScheduleInstance("Nowhere");
    EXPECT_EQ(unknown.GetValue(), nxErrorEnum::NotFound);
    EXPECT_EQ(unknown.GetLongDescription(), "There is no schedule scheme named 'Nowhere'");

    nxRecordingControlCallback servers;
    Subscribe(servers, nxServerValue);
    service.RunFor(1);
    const auto batch = servers.LastBatch();
    const size_t users =
        std::count_if(batch.begin(), batch.end(),
                      [](const auto& status) { return status->GetApplicationScheduleName() == "24x7"; });
    ASSERT_GT(users, 0u);
    const nxErrorEnum used = service.DeleteApplicationScheduleInstance("24x7");
    EXPECT_EQ(used.GetValue(), nxErrorEnum::Refused);
    EXPECT_NE(used.GetLongDescription().find("is assigned to " + std::to_string(users) + " application"),
              std::string::npos)
        << used.GetLongDescription();
    EXPECT_TRUE(Lists(service, "24x7"));

    ASSERT_TRUE(service.DeleteApplicationScheduleInstance("FuturesOvernight").IsOK());
    EXPECT_FALSE(Lists(service, "FuturesOvernight"));
    Make();
    EXPECT_FALSE(Lists(*m_service, "FuturesOvernight")) << "the deletion was saved";
    Unsubscribe(servers, nxServerValue);
}

TEST_F(Schemes, AssignmentsShowInTheNextBatchAndSurviveARestart)
{
    nxEmbeddedControlService& service = Make();
    nxRecordingControlCallback clients;
    Subscribe(clients, nxClientValue);
    service.RunFor(1);
    const std::string first = clients.LastBatch().front()->GetApplicationID().GetApplicationID();
    const std::string second = clients.LastBatch().back()->GetApplicationID().GetApplicationID();

    ASSERT_TRUE(Assign(service, {{first, "TokyoHours"}, {second, ""}}).IsOK());
    service.RunFor(1);
    EXPECT_EQ(clients.Find(clients.LastBatch(), first)->GetApplicationScheduleName(), "TokyoHours");
    EXPECT_EQ(clients.Find(clients.LastBatch(), second)->GetApplicationScheduleName(), "");

    const nxErrorEnum unknownScheme = Assign(service, {{first, "Weekdays"}, {second, "Nowhere"}});
    EXPECT_EQ(unknownScheme.GetLongDescription(),
              "There is no schedule scheme named 'Nowhere'; no assignment was saved");
    const nxErrorEnum unknownApplication = Assign(service, {{"NOPE-0001", "Weekdays"}});
    EXPECT_EQ(unknownApplication.GetLongDescription(),
              "The platform has no application 'NOPE-0001'; no assignment was saved");
    service.RunFor(1);
    EXPECT_EQ(clients.Find(clients.LastBatch(), first)->GetApplicationScheduleName(), "TokyoHours")
        << "a refused request changes nothing";
    Unsubscribe(clients, nxClientValue);

    Make();
    Subscribe(clients, nxClientValue);
    m_service->RunFor(1);
    EXPECT_EQ(clients.Find(clients.LastBatch(), first)->GetApplicationScheduleName(), "TokyoHours");
    EXPECT_EQ(clients.Find(clients.LastBatch(), second)->GetApplicationScheduleName(), "");
    Unsubscribe(clients, nxClientValue);
}

TEST_F(Schemes, ADamagedFileIsKeptAsideAndTheDemoSchemesAreUsed)
{
    const std::filesystem::path file = m_folder / nxEmbeddedControlService::SchemesFileName;
    const std::string damaged[] = {
        "<ScheduleSchemes><Scheme name='A' version='1'",
        "<Workspace/>",
        "<ScheduleSchemes><Scheme name='A' region='UTC' version='1'><Day day='2' start='25:00' stop='26:00'/>"
        "</Scheme></ScheduleSchemes>",
        "<ScheduleSchemes><Scheme name='A' region='UTC' version='0'/></ScheduleSchemes>",
    };
    for (const std::string& text : damaged)
    {
        nxLogCapture log;
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        std::ofstream(file, std::ios::binary) << text;
        Make();
        EXPECT_TRUE(Lists(*m_service, "Weekdays")) << text;
        EXPECT_EQ(FileText(m_folder / (std::string(nxEmbeddedControlService::SchemesFileName) + ".corrupt")),
                  text);
        const std::string problem = m_service->GetStartupProblems();
        EXPECT_NE(problem.find(file.string()), std::string::npos) << problem;
        EXPECT_NE(problem.find(".corrupt"), std::string::npos) << problem;
        ASSERT_EQ(log.FromSource("nxScheduleSchemeStore").size(), 1u);
        EXPECT_EQ(log.FromSource("nxScheduleSchemeStore")[0].level, 37u);
        EXPECT_TRUE(m_service->SaveApplicationScheduleDefinition(Scheme("Paris"), false).IsOK());
    }
}

TEST_F(Schemes, AFileThatCannotBeWrittenRefusesTheChangeAndKeepsWhatWasSaved)
{
    nxEmbeddedControlService& service = Make();
    ASSERT_TRUE(service.SaveApplicationScheduleDefinition(Scheme("Paris"), false).IsOK());
    const std::filesystem::path file = m_folder / nxEmbeddedControlService::SchemesFileName;
    const std::string saved = FileText(file);
    std::filesystem::remove(file);
    std::filesystem::create_directory(file); // the file's place is taken

    const nxErrorEnum refused = service.SaveApplicationScheduleDefinition(Scheme("Rome"), false);
    EXPECT_EQ(refused.GetValue(), nxErrorEnum::FileError);
    EXPECT_EQ(refused.GetLongDescription().rfind("Schedule scheme 'Rome' was not saved: ", 0), 0u)
        << refused.GetLongDescription();
    EXPECT_FALSE(Lists(service, "Rome"));
    EXPECT_TRUE(Lists(service, "Paris"));
    EXPECT_FALSE(service.DeleteApplicationScheduleInstance("Paris").IsOK());
    EXPECT_TRUE(Lists(service, "Paris"));
    EXPECT_NE(saved.find("Paris"), std::string::npos);
}
