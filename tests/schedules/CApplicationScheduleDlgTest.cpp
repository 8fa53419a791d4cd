#include <memory>

#include "nxScheduleDialogFixture.h"
#include "schedules/CApplicationScheduleDlg.h"

using namespace nxOperator;

namespace
{
constexpr int kName = 1008, kRegion = 1009, kEvening = 1027, kIgnore = 1032;
constexpr int kStartLabel = 1028, kStopLabel = 1029;

int Start(int day)
{
    return 1010 + 2 * day;
}
int Stop(int day)
{
    return 1011 + 2 * day;
}

class ScheduleDefinition : public nxScheduleDialogTest
{
protected:
    // Opens the dialog in a mode, as the scheme list does.
    std::unique_ptr<CApplicationScheduleDlg> Open(bool isNew, bool isCopy,
                                                  std::unique_ptr<nxApplicationSchedule> source = nullptr)
    {
        auto dialog = std::make_unique<CApplicationScheduleDlg>(nullptr);
        dialog->SetNew(isNew);
        dialog->SetCopy(isCopy);
        dialog->SetSourceSchedule(std::move(source));
        dialog->Create();
        Activate(*dialog);
        return dialog;
    }

    // OK, then the one box it raised (or none) and whether the dialog closed.
    std::string PressOK(CApplicationScheduleDlg& dialog)
    {
        m_boxes.Clear();
        Click(dialog, IDOK);
        const std::vector<nxMessageBoxRequest> boxes = m_boxes.Requests();
        EXPECT_LE(boxes.size(), 1u);
        if (boxes.empty())
            return dialog.isVisible() ? "open, no message" : "saved";
        EXPECT_TRUE(dialog.isVisible()) << "a refusal keeps the dialog open";
        return boxes.front().text;
    }

    size_t Saves() const { return m_service.CountRequests("SaveApplicationScheduleDefinition"); }
};

// A scheme that the destroyed dialog must delete.
class WatchedSchedule : public nxApplicationSchedule
{
public:
    explicit WatchedSchedule(bool& deleted) : m_deleted(deleted) {}
    ~WatchedSchedule() override { m_deleted = true; }

private:
    bool& m_deleted;
};
} // namespace

TEST_F(ScheduleDefinition, ANewSchemeStartsFromTheDefaultsAndSavesWhatTheControlsShow)
{
    auto dialog = Open(true, false);
    EXPECT_EQ("Application Schedule", dialog->windowTitle().toStdString());
    EXPECT_EQ(std::vector<std::string>{"c:\\vantrel\\data\\trunk\\date_time_zonespec_minimal.csv"},
              m_zones.m_paths);
    auto* regions = qobject_cast<QComboBox*>(dialog->GetDlgItem(kRegion));
    ASSERT_EQ(4, regions->count());
    EXPECT_EQ("America/New_York", regions->itemText(0).toStdString()) << "regions are sorted";
    EXPECT_EQ(-1, regions->currentIndex());
    EXPECT_TRUE(dialog->GetDlgItem(kName)->isEnabled());
    EXPECT_EQ(dialog->GetDlgItem(kName), QApplication::focusWidget());
    for (int day = 1; day <= 5; ++day)
    {
        EXPECT_EQ("00:00", Shown(*dialog, Start(day))) << day;
        EXPECT_EQ("23:00", Shown(*dialog, Stop(day))) << day;
    }
    for (int day : {0, 6})
    {
        EXPECT_EQ("none", Shown(*dialog, Start(day))) << day;
        EXPECT_EQ("none", Shown(*dialog, Stop(day))) << day;
    }

    TypeName(*dialog, kName, "LondonCash");
    Choose(*dialog, kRegion, "Europe/London");
    Click(*dialog, kIgnore);
    TypeTime(*dialog, Start(1), "0730");
    Untick(*dialog, Start(3));
    Untick(*dialog, Stop(3));
    TypeTime(*dialog, Start(6), "0900");
    TypeTime(*dialog, Stop(6), "1200");
    EXPECT_EQ("saved", PressOK(*dialog));
    EXPECT_EQ(IDOK, dialog->result());
    EXPECT_EQ("LondonCash", dialog->GetSavedScheduleName());

    const std::optional<nxApplicationSchedule> saved = m_service.GetSavedSchedule("LondonCash");
    ASSERT_TRUE(saved);
    EXPECT_EQ("Europe/London", saved->GetTimeZoneRegion());
    EXPECT_FALSE(saved->GetStartsInTheEvening());
    EXPECT_TRUE(saved->GetIgnoreDailyShutdown());
    EXPECT_TRUE(saved->GetVersion().IsNull()) << "a new scheme carries no version";
    EXPECT_EQ(nxTime(7, 30), saved->GetScheduleForDay(1).GetStartTime());
    EXPECT_EQ(nxTime(23, 0), saved->GetScheduleForDay(1).GetStopTime());
    EXPECT_TRUE(saved->GetScheduleForDay(3).GetStartTime().IsNull())
        << "an unticked day saves two null times";
    EXPECT_TRUE(saved->GetScheduleForDay(3).GetStopTime().IsNull());
    EXPECT_TRUE(saved->GetScheduleForDay(0).GetStartTime().IsNull());
    EXPECT_TRUE(saved->GetScheduleForDay(0).GetStopTime().IsNull());
    EXPECT_EQ(nxTime(9, 0), saved->GetScheduleForDay(6).GetStartTime()) << "typing ticks a cleared picker";
    EXPECT_EQ(nxTime(12, 0), saved->GetScheduleForDay(6).GetStopTime());
}

TEST_F(ScheduleDefinition, OKChecksInItsOrderAndKeepsTheDialogOpenUntilTheServiceSaves)
{
    auto dialog = Open(true, false);
    EXPECT_EQ("No name specified", PressOK(*dialog));
    EXPECT_TRUE(m_boxes.Requests().front().caption.empty()) << "plain boxes take the application's title";
    EXPECT_EQ(unsigned(MB_OK), m_boxes.Requests().front().flags);

    const std::string tokens = "Name contains invalid tokens.\nThe following are invalid: *.<>%$?#~";
    for (char invalid : std::string("*.<>%$?#~"))
    {
        TypeName(*dialog, kName, std::string("Equities") + invalid + "EU");
        EXPECT_EQ(tokens, PressOK(*dialog)) << invalid;
    }
    TypeName(*dialog, kName, "Equities v1.2");
    EXPECT_EQ(tokens, PressOK(*dialog)) << "a dotted version number is refused too";

    TypeName(*dialog, kName, "Equities");
    EXPECT_EQ("No Time Zone Region selected", PressOK(*dialog));
    Choose(*dialog, kRegion, "Asia/Tokyo");

    Untick(*dialog, Stop(2));
    nxTimeField* thursdayStop = Picker(*dialog, Stop(4))->GetField();
    thursdayStop->setFocus();
    thursdayStop->selectAll();
    QTest::keyClick(thursdayStop, Qt::Key_Delete);
    EXPECT_EQ("Invalid time", PressOK(*dialog)) << "a blank picker is caught before the days are validated";
    EXPECT_TRUE(thursdayStop->hasFocus()) << "the faulty picker takes the focus";
    TypeTime(*dialog, Stop(4), "1700");

    EXPECT_EQ("Tuesday has a start time but no stop time.", PressOK(*dialog));
    TypeTime(*dialog, Stop(2), "1700");
    EXPECT_EQ(0u, Saves()) << "nothing was sent while a check failed";

    m_service.SetResult("SaveApplicationScheduleDefinition",
                        nxErrorEnum(nxErrorEnum::Refused, "The scheme store is read-only"));
    EXPECT_EQ("Error: The scheme store is read-only", PressOK(*dialog));
    EXPECT_EQ("Failed to save application schedule", m_boxes.Requests().front().caption);
    EXPECT_EQ(unsigned(MB_OK | MB_ICONERROR), m_boxes.Requests().front().flags);
    EXPECT_TRUE(dialog->GetSavedScheduleName().empty());

    m_service.SetResult("SaveApplicationScheduleDefinition", nxErrorEnum());
    EXPECT_EQ("saved", PressOK(*dialog));
    EXPECT_EQ(2u, Saves());
}

TEST_F(ScheduleDefinition, UpdateKeepsTheNameSkipsTheCharacterCheckAndSavesTheSourcesVersion)
{
    auto source = std::make_unique<nxApplicationSchedule>(Scheme("FX.Asia", "Pacific/Chatham", 7));
    source->SetStartsInTheEvening(true);
    source->SetIgnoreDailyShutdown(true);
    for (int day = 1; day <= 5; ++day)
    {
        source->GetScheduleForDay(day).SetStartTime(nxTime(22, 15));
        source->GetScheduleForDay(day).SetStopTime(nxTime(21, 0));
    }
    auto dialog = Open(false, false, std::move(source));

    EXPECT_FALSE(dialog->GetDlgItem(kName)->isEnabled());
    EXPECT_EQ("FX.Asia", dialog->GetDlgItemText(kName));
    auto* regions = qobject_cast<QComboBox*>(dialog->GetDlgItem(kRegion));
    EXPECT_EQ(5, regions->count()) << "the scheme's own region joins the converter's";
    EXPECT_EQ("Pacific/Chatham", regions->currentText().toStdString());
    EXPECT_TRUE(qobject_cast<QCheckBox*>(dialog->GetDlgItem(kEvening))->isChecked());
    EXPECT_TRUE(qobject_cast<QCheckBox*>(dialog->GetDlgItem(kIgnore))->isChecked());
    EXPECT_EQ("22:15", Shown(*dialog, Start(1)));
    EXPECT_EQ("21:00", Shown(*dialog, Stop(1)));
    EXPECT_EQ("22:15", Shown(*dialog, Start(5)));
    EXPECT_EQ("none", Shown(*dialog, Start(0)));
    EXPECT_GT(dialog->GetDlgItem(Start(1))->x(), dialog->GetDlgItem(Stop(1))->x())
        << "a scheme that starts in the evening shows its start column on the right";

    TypeTime(*dialog, Start(2), "2300");
    EXPECT_EQ("saved", PressOK(*dialog));
    const std::optional<nxApplicationSchedule> saved = m_service.GetSavedSchedule("FX.Asia");
    ASSERT_TRUE(saved);
    EXPECT_EQ(7u, saved->GetVersion().GetValue());
    EXPECT_EQ("Pacific/Chatham", saved->GetTimeZoneRegion());
    EXPECT_EQ(nxTime(23, 0), saved->GetScheduleForDay(2).GetStartTime());
    EXPECT_TRUE(saved->GetStartsInTheEvening());
}

TEST_F(ScheduleDefinition, ACopyIsCheckedAsANewNameAndCarriesNoVersion)
{
    nxApplicationSchedule copied = Scheme("Copy of FX.Asia", "Asia/Tokyo", 7);
    auto dialog = Open(true, true, std::make_unique<nxApplicationSchedule>(copied));
    EXPECT_TRUE(dialog->GetDlgItem(kName)->isEnabled());
    EXPECT_EQ("Name contains invalid tokens.\nThe following are invalid: *.<>%$?#~", PressOK(*dialog));
    TypeName(*dialog, kName, "FX Asia 2");
    EXPECT_EQ("saved", PressOK(*dialog));
    const std::optional<nxApplicationSchedule> saved = m_service.GetSavedSchedule("FX Asia 2");
    ASSERT_TRUE(saved);
    EXPECT_TRUE(saved->GetVersion().IsNull());
    EXPECT_EQ(nxTime(17, 30), saved->GetScheduleForDay(5).GetStopTime());
}

TEST_F(ScheduleDefinition, StartsInTheEveningSwapsTheColumnsAndTwiceReturnsThem)
{
    auto dialog = Open(true, false);
    const QRect startLabel = dialog->GetDlgItem(kStartLabel)->geometry();
    const QRect stopLabel = dialog->GetDlgItem(kStopLabel)->geometry();
    std::vector<QRect> starts;
    for (int day = 0; day < 7; ++day)
        starts.push_back(dialog->GetDlgItem(Start(day))->geometry());
    const int distance = dialog->GetDlgItem(Stop(0))->x() - starts[0].x();
    EXPECT_EQ(distance, dialog->GetColumnDistance());
    EXPECT_GT(distance, starts[0].width()) << "the columns do not overlap";

    Click(*dialog, kEvening);
    EXPECT_EQ(stopLabel.x() + distance, dialog->GetDlgItem(kStartLabel)->x());
    for (int day = 0; day < 7; ++day)
    {
        const QRect moved = dialog->GetDlgItem(Start(day))->geometry();
        EXPECT_EQ(dialog->GetDlgItem(Stop(day))->x() + distance, moved.x()) << day;
        EXPECT_EQ(starts[day].y(), moved.y()) << day;
        EXPECT_EQ(starts[day].size(), moved.size()) << day;
    }
    Click(*dialog, kEvening);
    EXPECT_EQ(startLabel, dialog->GetDlgItem(kStartLabel)->geometry());
    for (int day = 0; day < 7; ++day)
        EXPECT_EQ(starts[day], dialog->GetDlgItem(Start(day))->geometry()) << day;
}

TEST_F(ScheduleDefinition, AConverterThatFailsIsReportedAndOnlyASchemesOwnRegionCanBeChosen)
{
    m_zones.m_failure = "Time-zone table \"c:\\vantrel\\...\" was not found";
    auto dialog = Open(true, false);
    EXPECT_EQ(Box(m_zones.m_failure, "Failed to initialise Time Zone Converter", MB_OK | MB_ICONERROR),
              m_boxes.Only());
    EXPECT_EQ(0, qobject_cast<QComboBox*>(dialog->GetDlgItem(kRegion))->count());
    TypeName(*dialog, kName, "Anything");
    EXPECT_EQ("No Time Zone Region selected", PressOK(*dialog));

    auto update =
        Open(false, false, std::make_unique<nxApplicationSchedule>(Scheme("Kept", "Europe/Paris", 2)));
    EXPECT_EQ("saved", PressOK(*update));
    EXPECT_EQ("Europe/Paris", m_service.GetSavedSchedule("Kept")->GetTimeZoneRegion());
}

TEST_F(ScheduleDefinition, AnInitialisedConverterIsNotLoadedAgain)
{
    m_zones.m_initialised = true;
    auto dialog = Open(true, false);
    EXPECT_TRUE(m_zones.m_paths.empty());
    EXPECT_EQ(4, qobject_cast<QComboBox*>(dialog->GetDlgItem(kRegion))->count());
}

TEST_F(ScheduleDefinition, CancelSavesNothingAndTheDialogDeletesItsSource)
{
    bool deleted = false;
    auto dialog = Open(false, false, std::make_unique<WatchedSchedule>(deleted));
    QTest::keyClick(dialog->GetDlgItem(Start(1)), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(IDCANCEL, dialog->result());
    EXPECT_EQ(0u, Saves());
    EXPECT_FALSE(deleted);
    dialog.reset();
    EXPECT_TRUE(deleted);
}
