#include <algorithm>
#include <memory>
#include <numeric>
#include <sstream>

#include <QLabel>

#include "grids/nxServerControlGridManager.h"
#include "nxGridRowTexts.h"
#include "nxScheduleDialogFixture.h"
#include "nxShadowFlushSink.h"
#include "nxTestStatus.h"
#include "platform/base/nxSteadyClock.h"
#include "platform/grid/CGridRow.h"
#include "schedules/CAssignScheduleSchemeDlg.h"
#include "status/nxControlDataInterest.h"
#include "status/nxControlDataManager.h"

using namespace nxOperator;

namespace
{
constexpr int kNames = 1030;
const char* const kSource = "AssignScheduleSchemeDlg";

// The assignment dialog over a server grid without a window, whose rows the scripted
// service delivers and whose selection the test makes.
class Assign : public nxScheduleDialogTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_data->Create());
        m_grid->Initialize();
        auto* interest = new nxControlDataInterest();
        interest->SetClientServer(nxClientServerEnum(nxServerValue));
        ASSERT_TRUE(m_grid->AddDataInterest(interest, true).IsOK());
        m_service.SetScheduleNames({"Weekdays", "TokyoHours", "LondonHours", "Ignore"});
        Rows({{"A", "TokyoHours"}, {"B", "TokyoHours"}, {"C", "LondonHours"}, {"D", ""}, {"E", ""}});
        m_service.ClearRequests();
    }
    void TearDown() override
    {
        m_grid.reset();
        m_data->Destroy();
    }

    void Rows(std::initializer_list<std::pair<const char*, const char*>> rows)
    {
        std::vector<nxApplicationStatus*> statuses;
        for (const auto& [id, schedule] : rows)
            statuses.push_back(MakeStatus({.id = id, .schedule = schedule}));
        m_service.DeliverStatusBatch(nxServerValue, std::move(statuses));
        m_service.WaitUntilDelivered();
        nxShadowFlushSink sink(*m_grid);
        m_grid->Flush(sink);
    }

    void Select(std::initializer_list<const char*> ids)
    {
        m_grid->ClearSelection();
        for (const char* id : ids)
            if (CGridRow* row = nxGridRowTexts::Find(*m_grid, 2, id))
                m_grid->OnCellSelectionChanged(row->Cell(0), true);
    }

    std::unique_ptr<CAssignScheduleSchemeDlg> Open()
    {
        auto dialog = std::make_unique<CAssignScheduleSchemeDlg>(m_grid.get(), nullptr);
        dialog->Create();
        Activate(*dialog);
        return dialog;
    }

    static std::vector<std::string> ComboEntries(CDialog& dialog)
    {
        auto* combo = qobject_cast<QComboBox*>(dialog.GetDlgItem(kNames));
        std::vector<std::string> entries;
        for (int index = 0; combo && index < combo->count(); ++index)
            entries.push_back(combo->itemText(index).toStdString());
        return entries;
    }
    static std::string Chosen(CDialog& dialog)
    {
        auto* combo = qobject_cast<QComboBox*>(dialog.GetDlgItem(kNames));
        return combo->currentIndex() < 0 ? "<nothing>" : combo->currentText().toStdString();
    }

    // Each save's "id=scheme;" pairs, sorted: the grid's selection has an order of its own.
    std::vector<std::string> Saves() const
    {
        std::vector<std::string> saves;
        for (const auto& request : m_service.GetRequests())
        {
            if (request.operation != "SaveApplicationScheduleAssignments")
                continue;
            std::vector<std::string> pairs;
            std::stringstream argument(request.argument);
            for (std::string pair; std::getline(argument, pair, ';');)
                pairs.push_back(pair + ";");
            std::sort(pairs.begin(), pairs.end());
            saves.push_back(std::accumulate(pairs.begin(), pairs.end(), std::string()));
        }
        return saves;
    }

    std::vector<std::string> LogLines() const
    {
        std::vector<std::string> lines;
        for (const nxLogRecord& record : m_log.FromSource(kSource))
            lines.push_back(std::to_string(record.level) + " " + record.line);
        return lines;
    }

    nxScopedManualClock m_clock;
    std::unique_ptr<nxControlDataManager> m_data = std::make_unique<nxControlDataManager>();
    std::unique_ptr<nxServerControlGridManager> m_grid =
        std::make_unique<nxServerControlGridManager>(nullptr);
};
} // namespace

TEST_F(Assign, OpensOnTheSchemeTheSelectedApplicationsShare)
{
    Select({"A", "B"});
    auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Assign Application Schedule ");
    EXPECT_EQ(dialog->GetTemplateID(), 136u);
    EXPECT_EQ(ComboEntries(*dialog),
              (std::vector<std::string>{"<NONE>", "Ignore", "LondonHours", "TokyoHours", "Weekdays"}));
    EXPECT_EQ(Chosen(*dialog), "TokyoHours");
    EXPECT_EQ(m_boxes.Count(), 0u);

    Click(*dialog, IDCANCEL);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(Saves().empty()) << "Cancel saves nothing";
}

TEST_F(Assign, ItsControlsShowTheirWholeTextAndNoneCoversAnother)
{
    auto dialog = Open();
    EXPECT_EQ(dialog->size(), dialog->MapDialogRect({0, 0, 226, 45}).size());
    const QList<QWidget*> controls = dialog->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(controls.size(), 4);
    for (QWidget* control : controls)
    {
        EXPECT_TRUE(dialog->rect().contains(control->geometry()));
        if (auto* label = qobject_cast<QLabel*>(control))
        {
            EXPECT_EQ(label->text(), "Schedule Name");
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
        }
        for (QWidget* other : controls)
        {
            EXPECT_TRUE(other == control || !other->geometry().intersects(control->geometry()));
        }
    }
}

TEST_F(Assign, ApplicationsWithoutASchemeOpenOnNoneAndOKSavesEmptyNamesForTheRowsSelectedThen)
{
    Select({"D", "E"});
    auto dialog = Open();
    EXPECT_EQ(Chosen(*dialog), "<NONE>");
    Select({"B", "D"});
    Click(*dialog, IDOK);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), IDOK);
    EXPECT_EQ(Saves(), (std::vector<std::string>{"B=;D=;"}));
}

TEST_F(Assign, ASchemeTheServiceNoLongerListsIsStillShownAndSelected)
{
    Rows({{"A", "Retired"}, {"B", "Retired"}});
    Select({"A", "B"});
    auto dialog = Open();
    EXPECT_EQ(ComboEntries(*dialog), (std::vector<std::string>{"<NONE>", "Ignore", "LondonHours", "Retired",
                                                               "TokyoHours", "Weekdays"}));
    EXPECT_EQ(Chosen(*dialog), "Retired");
    Click(*dialog, IDOK);
    EXPECT_EQ(Saves(), (std::vector<std::string>{"A=Retired;B=Retired;"}));
}

TEST_F(Assign, DifferentSchemesOpenBlankAndOKWaitsForAChoice)
{
    Select({"A", "C"});
    auto dialog = Open();
    EXPECT_EQ(m_boxes.Only(),
              Box("The selected applications do not all have the same schedule name!\n"
                  "The selection will start off blank as it cannot be determine which one is desired",
                  "Assign Schedules", MB_OK | MB_ICONERROR));
    EXPECT_EQ(Chosen(*dialog), "<nothing>");

    m_boxes.Clear();
    Click(*dialog, IDOK);
    EXPECT_EQ(m_boxes.Only(), Box("No schedule name selected", "", MB_OK)) << "the application's title";
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(Saves().empty());

    Choose(*dialog, kNames, "Weekdays");
    Click(*dialog, IDOK);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Saves().size(), 1u);
}

TEST_F(Assign, EveryStepOfASaveIsLogged)
{
    Select({"C"});
    auto dialog = Open();
    Choose(*dialog, kNames, "<NONE>");
    Click(*dialog, IDOK);
    EXPECT_EQ(LogLines(), (std::vector<std::string>{
                              "32 Preparing new application assignment for saving. ApplicationID: C "
                              "existingScheduleName: LondonHours newScheduleName: ",
                              "32 Sending request to server to SaveApplicationScheduleAssignments",
                              "32 Request succeeeded",
                          }));
}

TEST_F(Assign, ARefusedSaveIsShownAndLoggedAndTheDialogStaysOpenToTryAgain)
{
    const nxErrorEnum refused(nxErrorEnum::Refused, "There is no schedule scheme named 'Ignore'");
    m_service.SetResult("SaveApplicationScheduleAssignments", refused);
    Select({"A"});
    auto dialog = Open();
    Choose(*dialog, kNames, "Ignore");
    Click(*dialog, IDOK);
    EXPECT_EQ(m_boxes.Only(), Box("Error: There is no schedule scheme named 'Ignore'",
                                  "Failed to save changes", MB_OK | MB_ICONERROR));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(LogLines().back(), "32 Request failed, error: " + ToLogText(refused));

    m_service.SetResult("SaveApplicationScheduleAssignments", nxErrorEnum());
    Click(*dialog, IDOK);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Saves(), (std::vector<std::string>{"A=Ignore;", "A=Ignore;"}));
}

TEST_F(Assign, AListTheServiceRefusesIsReportedAndLeavesOnlyTheSharedScheme)
{
    const nxErrorEnum refused(nxErrorEnum::NotConnected);
    m_service.SetResult("GetApplicationScheduleInstanceList", refused);
    Select({"A", "B"});
    auto dialog = Open();
    EXPECT_EQ(m_boxes.Only(), Box("Error: The control service is not connected",
                                  "Failed to get list of application schedule names", MB_OK | MB_ICONERROR));
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{"37 Failed to get list of application schedule names, err: " +
                                        ToLogText(refused)}));
    EXPECT_EQ(ComboEntries(*dialog), (std::vector<std::string>{"TokyoHours"}));
    EXPECT_EQ(Chosen(*dialog), "TokyoHours");

    Select({"D"});
    auto blank = Open();
    EXPECT_TRUE(ComboEntries(*blank).empty()) << "no <NONE> without a list";
    EXPECT_EQ(Chosen(*blank), "<nothing>");
}

// Not a check: renders the dialog for docs/images, run on demand with
//   test_schedules --gtest_also_run_disabled_tests --gtest_filter='*Screenshots*'
using AssignScreenshots = Assign;

TEST_F(AssignScreenshots, DISABLED_RenderTheAssignmentDialog)
{
    Select({"A", "B"});
    auto dialog = Open();
    SaveScreenshot(*dialog, "schedule-assign.png");
}
