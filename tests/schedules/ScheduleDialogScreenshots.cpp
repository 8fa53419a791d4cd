#include <QDir>
#include <QPixmap>

#include "nxScheduleDialogFixture.h"
#include "schedules/CApplicationScheduleDlg.h"
#include "schedules/CConfigureApplicationScheduleSchemesDlg.h"

// Not a check: renders the dialogs for docs/images, run on demand with
//   test_schedules --gtest_also_run_disabled_tests --gtest_filter='*Screenshots*'
namespace
{
class ScheduleScreenshots : public nxScheduleDialogTest
{
protected:
    static void Save(QWidget& dialog, const char* name)
    {
        const QString folder = QString(VSM_DATA_DIR) + "/../docs/images";
        QDir().mkpath(folder);
        EXPECT_TRUE(dialog.grab().save(folder + "/" + name));
    }
};
} // namespace

TEST_F(ScheduleScreenshots, DISABLED_RenderTheScheduleDialogs)
{
    m_zones.m_regions = {"Europe/London", "America/New_York", "Asia/Tokyo", "Europe/Berlin", "Asia/Hong_Kong"};
    CApplicationScheduleDlg created(nullptr);
    created.SetNew(true);
    created.Create();
    Save(created, "schedule-definition-new.png");

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
    Save(updated, "schedule-definition-update-evening.png");

    for (const char* name : {"LondonCash", "NewYorkOpen", "TokyoEquities", "Berlin", "Weekdays"})
        Hold(Scheme(name, "Europe/London", 1));
    CConfigureApplicationScheduleSchemesDlg list(nullptr);
    list.Create();
    nxOperator::SelectEntry(list, 1002, "NewYorkOpen");
    Save(list, "schedule-schemes.png");
}
