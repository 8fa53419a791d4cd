#include <memory>

#include "nxModalDriver.h"
#include "nxScheduleDialogFixture.h"
#include "schedules/CConfigureApplicationScheduleSchemesDlg.h"

using namespace nxOperator;

namespace
{
constexpr int kNames = 1002, kAdd = 5003, kUpdate = 1005, kCopy = 1006, kDelete = 1007;
constexpr int kName = 1008, kRegion = 1009;
const char* const kSource = "ConfigureApplicationScheduleSchemesDlg";

class SchemeList : public nxScheduleDialogTest
{
protected:
    void SetUp() override
    {
        Hold(Scheme("LondonCash", "Europe/London", 3));
        Hold(Scheme("tokyo", "Asia/Tokyo", 1));
        Hold(Scheme("Berlin", "Europe/Berlin", 5));
        m_boxes.Clear();
    }

    std::unique_ptr<CConfigureApplicationScheduleSchemesDlg> Open()
    {
        auto dialog = std::make_unique<CConfigureApplicationScheduleSchemesDlg>(nullptr);
        dialog->Create();
        Activate(*dialog);
        return dialog;
    }

    bool ButtonsEnabled(CDialog& dialog) const
    {
        const bool update = dialog.GetDlgItem(kUpdate)->isEnabled();
        EXPECT_EQ(update, dialog.GetDlgItem(kCopy)->isEnabled());
        EXPECT_EQ(update, dialog.GetDlgItem(kDelete)->isEnabled());
        EXPECT_TRUE(dialog.GetDlgItem(kAdd)->isEnabled());
        return update;
    }

    size_t Lists() const { return m_service.CountRequests("GetApplicationScheduleInstanceList"); }

    // What the definition dialog the list opens shows, and what the operator does there.
    static CDialog* Definition(QWidget* modal)
    {
        auto* dialog = qobject_cast<CDialog*>(modal);
        EXPECT_TRUE(dialog && dialog->GetTemplateID() == 135u);
        return dialog;
    }
};
} // namespace

TEST_F(SchemeList, ListsTheServicesSchemesSortedWithButtonsFollowingTheSelection)
{
    auto dialog = Open();
    EXPECT_EQ("Configure Schedule Schemes", dialog->windowTitle().toStdString());
    EXPECT_EQ((std::vector<std::string>{"Berlin", "LondonCash", "tokyo"}), Entries(*dialog, kNames));
    EXPECT_FALSE(ButtonsEnabled(*dialog));
    SelectEntry(*dialog, kNames, "tokyo");
    EXPECT_TRUE(ButtonsEnabled(*dialog));
    EXPECT_EQ(0u, m_boxes.Count());
    Click(*dialog, IDCANCEL);
    EXPECT_FALSE(dialog->isVisible()) << "Close closes the dialog";
}

TEST_F(SchemeList, AFailedListIsReportedLoggedAndLeavesTheListEmptyButUsable)
{
    const nxErrorEnum refused(nxErrorEnum::NotConnected);
    m_service.SetResult("GetApplicationScheduleInstanceList", refused);
    auto dialog = Open();
    EXPECT_EQ(Box("Error: The control service is not connected",
                  "Failed to get list of application schedule names", MB_OK | MB_ICONERROR),
              m_boxes.Only());
    const std::vector<nxLogRecord> lines = m_log.FromSource(kSource);
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ(37u, lines.front().level);
    EXPECT_EQ("Failed to get list of application schedule names, err: " + ToLogText(refused),
              lines.front().line);
    EXPECT_TRUE(Entries(*dialog, kNames).empty());
    EXPECT_FALSE(ButtonsEnabled(*dialog));
}

TEST_F(SchemeList, AddOpensANewDefinitionAndRefreshesOnlyWhenItIsSaved)
{
    auto dialog = Open();
    {
        nxModalDriver cancel([&](QWidget* modal) { Finish(*Definition(modal), IDCANCEL); });
        Click(*dialog, kAdd);
        EXPECT_TRUE(cancel.Ran());
    }
    EXPECT_EQ(1u, Lists()) << "a cancelled Add leaves the list alone";

    nxModalDriver save(
        [&](QWidget* modal)
        {
            CDialog* definition = Definition(modal);
            EXPECT_TRUE(definition->GetDlgItemText(kName).empty());
            EXPECT_TRUE(definition->GetDlgItem(kName)->isEnabled());
            TypeName(*definition, kName, "NewYorkOpen");
            Choose(*definition, kRegion, "America/New_York");
            Finish(*definition, IDOK);
        });
    Click(*dialog, kAdd);
    EXPECT_TRUE(save.Ran());
    EXPECT_EQ(2u, Lists());
    EXPECT_EQ((std::vector<std::string>{"Berlin", "LondonCash", "NewYorkOpen", "tokyo"}),
              Entries(*dialog, kNames));
    EXPECT_EQ(0u, m_boxes.Count());
}

TEST_F(SchemeList, UpdateByButtonOrDoubleClickEditsTheSchemeAsTheServiceHasItNow)
{
    nxApplicationSchedule changed = Scheme("LondonCash", "Europe/London", 4);
    changed.GetScheduleForDay(2).SetStartTime(nxTime(6, 45));
    auto dialog = Open();
    Hold(changed); // saved by someone else after the list was read

    SelectEntry(*dialog, kNames, "LondonCash");
    nxModalDriver viaButton(
        [&](QWidget* modal)
        {
            CDialog* definition = Definition(modal);
            EXPECT_EQ("LondonCash", definition->GetDlgItemText(kName));
            EXPECT_FALSE(definition->GetDlgItem(kName)->isEnabled());
            EXPECT_EQ("06:45", Shown(*definition, 1014));
            TypeTime(*definition, 1014, "0700");
            Finish(*definition, IDOK);
        });
    Click(*dialog, kUpdate);
    EXPECT_TRUE(viaButton.Ran());
    EXPECT_EQ(4u, m_service.GetSavedSchedule("LondonCash")->GetVersion().GetValue());
    EXPECT_EQ(nxTime(7, 0), m_service.GetSavedSchedule("LondonCash")->GetScheduleForDay(2).GetStartTime());
    EXPECT_EQ(0u, Lists()) << "an update does not refresh the list";

    nxModalDriver viaDoubleClick(
        [&](QWidget* modal)
        {
            EXPECT_EQ("tokyo", Definition(modal)->GetDlgItemText(kName));
            Finish(*Definition(modal), IDCANCEL);
        });
    DoubleClickEntry(*dialog, kNames, "tokyo");
    EXPECT_TRUE(viaDoubleClick.Ran());
    EXPECT_EQ(2u, m_service.CountRequests("GetApplicationScheduleDefinition"));
}

TEST_F(SchemeList, ASchemeThatCannotBeReadIsReportedPlainlyForUpdateAndCopy)
{
    m_service.SetScheduleNames({"Berlin", "Ghost"});
    auto dialog = Open();
    SelectEntry(*dialog, kNames, "Ghost");
    for (int button : {kUpdate, kCopy})
    {
        m_boxes.Clear();
        nxModalDriver none([](QWidget* modal) { modal->close(); }, 200);
        Click(*dialog, button);
        EXPECT_FALSE(none.Ran()) << "no definition dialog opens";
        EXPECT_EQ(Box("Error: Success", "Failed to get application schedule definition", MB_OK),
                  m_boxes.Only())
            << "the service answered OK without a scheme";
    }

    m_service.SetResult("GetApplicationScheduleDefinition", nxErrorEnum(nxErrorEnum::NotPermissioned));
    SelectEntry(*dialog, kNames, "Berlin");
    m_boxes.Clear();
    Click(*dialog, kUpdate);
    ASSERT_EQ(1u, m_boxes.Count());
    EXPECT_EQ("Error: You do not have permission for this request", m_boxes.Requests().front().text);
    EXPECT_TRUE(ButtonsEnabled(*dialog)) << "the list stays usable";
}

TEST_F(SchemeList, CopyOffersTheSchemeUnderANewNameSavesItAsNewAndSelectsIt)
{
    auto dialog = Open();
    SelectEntry(*dialog, kNames, "Berlin");
    nxModalDriver copy(
        [&](QWidget* modal)
        {
            CDialog* definition = Definition(modal);
            EXPECT_EQ("Copy of Berlin", definition->GetDlgItemText(kName));
            EXPECT_TRUE(definition->GetDlgItem(kName)->isEnabled());
            EXPECT_EQ("Europe/Berlin",
                      qobject_cast<QComboBox*>(definition->GetDlgItem(kRegion))->currentText().toStdString());
            Finish(*definition, IDOK);
        });
    Click(*dialog, kCopy);
    EXPECT_TRUE(copy.Ran());
    const std::optional<nxApplicationSchedule> saved = m_service.GetSavedSchedule("Copy of Berlin");
    ASSERT_TRUE(saved);
    EXPECT_TRUE(saved->GetVersion().IsNull()) << "a copy is a new scheme";
    EXPECT_EQ(nxTime(17, 30), saved->GetScheduleForDay(1).GetStopTime());
    EXPECT_EQ(5u, m_service.GetSavedSchedule("Berlin")->GetVersion().GetValue())
        << "the original is untouched";
    EXPECT_EQ(4u, Entries(*dialog, kNames).size());
    EXPECT_TRUE(IsSelected(*dialog, kNames, "Copy of Berlin"));
    EXPECT_TRUE(ButtonsEnabled(*dialog));
}

TEST_F(SchemeList, ARefusedDeleteKeepsTheListAndADeleteLogsAsksNothingAndRefreshesWithNothingSelected)
{
    auto dialog = Open();
    m_service.SetResult("DeleteApplicationScheduleInstance",
                        nxErrorEnum(nxErrorEnum::Refused, "2 applications still use LondonCash"));
    SelectEntry(*dialog, kNames, "LondonCash");
    Click(*dialog, kDelete);
    EXPECT_EQ(
        Box("Error: 2 applications still use LondonCash", "Failed to delete instance", MB_OK | MB_ICONERROR),
        m_boxes.Only());
    EXPECT_EQ(1u, Lists());
    EXPECT_TRUE(IsSelected(*dialog, kNames, "LondonCash"));
    EXPECT_TRUE(ButtonsEnabled(*dialog));

    m_service.SetResult("DeleteApplicationScheduleInstance", nxErrorEnum());
    m_boxes.Clear();
    const size_t linesBefore = m_log.FromSource(kSource).size();
    Click(*dialog, kDelete);
    EXPECT_EQ(0u, m_boxes.Count()) << "there is no confirmation";
    ASSERT_EQ(2u, m_service.CountRequests("DeleteApplicationScheduleInstance"));
    const std::vector<nxLogRecord> lines = m_log.FromSource(kSource);
    ASSERT_EQ(linesBefore + 1, lines.size());
    EXPECT_EQ(32u, lines.back().level);
    EXPECT_EQ("Attempting to delete application schedule instance: LondonCash", lines.back().line);
    EXPECT_EQ((std::vector<std::string>{"Berlin", "tokyo"}), Entries(*dialog, kNames));
    EXPECT_FALSE(ButtonsEnabled(*dialog));
}
