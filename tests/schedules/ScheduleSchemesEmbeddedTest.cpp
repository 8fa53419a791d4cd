#include <unistd.h>

#include <filesystem>
#include <memory>

#include "nxModalDriver.h"
#include "nxScheduleDialogFixture.h"
#include "platform/service/nxEmbeddedControlService.h"
#include "schedules/CConfigureApplicationScheduleSchemesDlg.h"

using namespace nxOperator;

namespace
{
constexpr int kNames = 1002, kAdd = 5003, kUpdate = 1005;
constexpr int kName = 1008, kRegion = 1009;
constexpr int kMondayStart = 1012, kMondayStop = 1013, kTuesdayStart = 1014;

// The scheme list and the definition dialog, run modally as the console runs them,
// on the embedded platform with its own schemes file and the shipped time-zone table.
class SchemesOnTheEmbeddedPlatform : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = std::filesystem::temp_directory_path() / ("vsm_schedules_" + std::to_string(getpid()));
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        nxEmbeddedControlService::Options options;
        options.serverCount = 12;
        options.clientCount = 20;
        options.logMessagesPerSecond = 0;
        options.dataFolder = m_folder.string();
        m_service = std::make_unique<nxEmbeddedControlService>(options);
    }

    void TearDown() override
    {
        m_service.reset();
        std::filesystem::remove_all(m_folder);
    }

    // Runs the definition dialog that the next click opens.
    static void InDefinition(CDialog& list, int button, const std::function<void(CDialog&)>& action)
    {
        nxModalDriver driver([&](QWidget* modal) { action(*qobject_cast<CDialog*>(modal)); });
        Click(list, button);
        EXPECT_TRUE(driver.Ran());
    }

    std::filesystem::path m_folder;
    std::unique_ptr<nxEmbeddedControlService> m_service;
    nxMessageBoxInterceptor m_boxes;
};
} // namespace

TEST_F(SchemesOnTheEmbeddedPlatform, ASchemeCreatedAndUpdatedInTheDialogsIsListedAndReadable)
{
    CConfigureApplicationScheduleSchemesDlg list(nullptr);
    nxModalDriver operatorAtTheList(
        [&](QWidget*)
        {
            InDefinition(list, kAdd,
                         [](CDialog& definition)
                         {
                             TypeName(definition, kName, "ParisLunch");
                             Choose(definition, kRegion, "Europe/Paris");
                             TypeTime(definition, kMondayStart, "1200");
                             TypeTime(definition, kMondayStop, "1400");
                             Finish(definition, IDOK);
                         });
            SelectEntry(list, kNames, "ParisLunch");
            InDefinition(list, kUpdate,
                         [](CDialog& definition)
                         {
                             EXPECT_EQ("12:00", Shown(definition, kMondayStart));
                             TypeTime(definition, kTuesdayStart, "0100");
                             Finish(definition, IDOK);
                         });
            Finish(list, IDCANCEL);
        });
    EXPECT_EQ(IDCANCEL, list.DoModal());
    EXPECT_TRUE(operatorAtTheList.Ran());
    EXPECT_EQ(0u, m_boxes.Count()) << (m_boxes.Count() ? m_boxes.Requests().front().text : "");

    std::vector<std::string> names;
    ASSERT_TRUE(m_service->GetApplicationScheduleInstanceList(names).IsOK());
    EXPECT_NE(names.end(), std::find(names.begin(), names.end(), "ParisLunch"));
    nxApplicationSchedule* read = nullptr;
    ASSERT_TRUE(m_service->GetApplicationScheduleDefinition("ParisLunch", read).IsOK());
    const std::unique_ptr<nxApplicationSchedule> scheme(read);
    ASSERT_TRUE(scheme);
    EXPECT_EQ("Europe/Paris", scheme->GetTimeZoneRegion());
    EXPECT_EQ(nxTime(12, 0), scheme->GetScheduleForDay(1).GetStartTime());
    EXPECT_EQ(nxTime(14, 0), scheme->GetScheduleForDay(1).GetStopTime());
    EXPECT_EQ(nxTime(1, 0), scheme->GetScheduleForDay(2).GetStartTime());
    EXPECT_EQ(2u, scheme->GetVersion().GetValue()) << "created at version 1, updated from it";
}
