#include "nxScheduleDialogFixture.h"
#include "schedules/CApplicationScheduleDlg.h"
#include "schedules/CConfigureApplicationScheduleSchemesDlg.h"

// Not a check: renders the dialogs for docs/images, run on demand with
//   test_schedules --gtest_also_run_disabled_tests --gtest_filter='*Screenshots*'
namespace
{
using ScheduleScreenshots = nxScheduleDialogTest;
} // namespace

TEST_F(ScheduleScreenshots, DISABLED_RenderTheScheduleDialogs)
{
    m_zones.m_regions = {"Europe/London", "America/New_York", "Asia/Tokyo", "Europe/Berlin",
                         "Asia/Hong_Kong"};
    CApplicationScheduleDlg created(nullptr);
    created.SetNew(true);
    created.Create();
    SaveScreenshot(created, "schedule-definition-new.png");

    auto source = std::make_unique<nxApplicationSchedule>(Scheme("TokyoEquities", "Asia/Tokyo", 4));
    source->SetStartsInTheEvening(true);
    for (int day = 1; day <= 5; ++day)
    {
        source->GetScheduleForDay(day).SetStartTime(nxTime(23, 30));
        source->GetScheduleForDay(day).SetStopTime(nxTime(15, 15));
    }
    CApplicationScheduleDlg updated(nullptr);
    updated.SetSourceSchedule(std::move(source));
    updated.Create();
    SaveScreenshot(updated, "schedule-definition-update-evening.png");

    for (const char* name : {"LondonCash", "NewYorkOpen", "TokyoEquities", "Berlin", "Weekdays"})
        Hold(Scheme(name, "Europe/London", 1));
    CConfigureApplicationScheduleSchemesDlg list(nullptr);
    list.Create();
    nxOperator::SelectEntry(list, 1002, "NewYorkOpen");
    SaveScreenshot(list, "schedule-schemes.png");
}
