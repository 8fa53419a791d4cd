#include <QItemSelectionModel>
#include <memory>

#include "contracts/nxApplicationStatus.h"
#include "grids/nxServerControlGridManager.h"
#include "nxModalDriver.h"
#include "nxScheduleDialogFixture.h"
#include "platform/base/nxSteadyClock.h"
#include "platform/grid/window/nxGridTableModel.h"
#include "platform/grid/window/nxGridTableView.h"
#include "platform/grid/window/nxGridWndTemplate.h"
#include "platform/service/nxEmbeddedPlatformFixture.h"
#include "schedules/CApplicationScheduleDlg.h"
#include "schedules/CAssignScheduleSchemeDlg.h"
#include "status/nxControlDataInterest.h"
#include "status/nxControlDataManager.h"

using namespace nxOperator;

namespace
{
constexpr int kName = 1008, kRegion = 1009, kWednesdayStart = 1016, kWednesdayStop = 1017;
constexpr int kAssignedScheme = 1030;
constexpr nxAttributeID kId = 9001, kStatus = 9005, kExpected = 9014, kSchedule = 9015;

// The schedule dialogs, run modally as the console runs them, and the server
// applications grid in its window, on a small embedded platform that the test moves
// on from Wednesday 11 June 2025 at 10:00 UTC (11:00 in London), with its own schemes
// file and the shipped time-zone table, where nothing goes wrong by chance.
class SchedulesOnTheEmbeddedPlatform : public nxEmbeddedPlatformFixture
{
protected:
    void SetUp() override
    {
        nxEmbeddedPlatformFixture::SetUp();
        m_options.serverCount = 30;
        m_options.clientCount = 4;
        WithoutIncidents();
        Make();

        ASSERT_TRUE(m_data->Create());
        m_window = std::make_unique<nxGridWndTemplate<nxServerControlGridManager, 0>>();
        m_window->resize(900, 400);
        m_window->show();
        auto* interest = new nxControlDataInterest();
        interest->SetClientServer(nxClientServerEnum(nxServerValue));
        ASSERT_TRUE(Grid().AddDataInterest(interest, true).IsOK());
        interest->FetchDataObjects();
        std::vector<nxGridManager::ColumnSetting> columns = Grid().GetColumnSettings();
        for (nxAttributeID id : {kStatus, kExpected, kSchedule})
        {
            nxGridManager::ColumnSetting column;
            column.attributeId = id;
            column.order = static_cast<int>(columns.size());
            columns.push_back(column);
        }
        Grid().SetColumnSettings(columns);
        RunTo(1);
    }

    void TearDown() override
    {
        m_window.reset();
        m_data->Destroy();
        nxEmbeddedPlatformFixture::TearDown();
    }

    nxServerControlGridManager& Grid() { return *m_window->GetGridManager(); }
    nxGridTableModel& Model() { return *m_window->GetModel(); }

    // Moves the platform on; its batches arrive on this thread and the grid takes them in.
    void RunTo(double platformSeconds)
    {
        ASSERT_TRUE(m_service->AdvanceTo(platformSeconds));
        m_window->FlushNow();
    }

    int Column(nxAttributeID id)
    {
        const auto columns = Grid().GetColumnSettings();
        for (size_t index = 0; index < columns.size(); ++index)
            if (columns[index].attributeId == id)
                return static_cast<int>(index);
        return -1;
    }
    int Row(const std::string& id)
    {
        for (int row = 0; row < Model().rowCount(); ++row)
            if (Shown(row, kId) == id)
                return row;
        return -1;
    }
    std::string Shown(int row, nxAttributeID id)
    {
        return Model().index(row, Column(id)).data().toString().toStdString();
    }
    std::string Shown(const std::string& application, nxAttributeID id)
    {
        return Shown(Row(application), id);
    }

    // Two servers of their own (no partner to take over), running as their schemes expect.
    std::vector<std::string> TwoSettledStandaloneServers()
    {
        std::vector<std::string> ids;
        for (int row = 0; row < Model().rowCount() && ids.size() < 2; ++row)
        {
            nxApplicationStatus status;
            const std::string id = Shown(row, kId);
            if (m_service->GetApplicationStatus(id, status) &&
                status.GetFTState().GetValue() == nxFTState::Standalone && Shown(row, kStatus) == "Running" &&
                Shown(row, kExpected) == "OK")
                ids.push_back(id);
        }
        return ids;
    }

    // "LondonMidday": Wednesdays 11:30 to 12:30 in London, made in the definition dialog.
    void DefineLondonMidday()
    {
        CApplicationScheduleDlg definition(m_window.get());
        definition.SetNew(true);
        nxModalDriver operatorAtTheDialog(
            [&](QWidget*)
            {
                TypeName(definition, kName, "LondonMidday");
                Choose(definition, kRegion, "Europe/London");
                TypeTime(definition, kWednesdayStart, "1130");
                TypeTime(definition, kWednesdayStop, "1230");
                Finish(definition, IDOK);
            });
        EXPECT_EQ(definition.DoModal(), IDOK);
        EXPECT_TRUE(operatorAtTheDialog.Ran());
    }

    void SelectRows(const std::vector<std::string>& ids)
    {
        QItemSelection selection;
        for (const std::string& id : ids)
            selection.select(Model().index(Row(id), 0), Model().index(Row(id), Model().columnCount() - 1));
        m_window->GetTableView()->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    }

    void AssignLondonMidday()
    {
        CAssignScheduleSchemeDlg assign(&Grid(), m_window.get());
        nxModalDriver operatorAtTheDialog(
            [&](QWidget*)
            {
                Choose(assign, kAssignedScheme, "LondonMidday");
                Finish(assign, IDOK);
            });
        EXPECT_EQ(assign.DoModal(), IDOK);
        EXPECT_TRUE(operatorAtTheDialog.Ran());
    }

    nxScopedManualClock m_clock;
    std::unique_ptr<nxControlDataManager> m_data = std::make_unique<nxControlDataManager>();
    std::unique_ptr<nxGridWndTemplate<nxServerControlGridManager, 0>> m_window;
    nxMessageBoxInterceptor m_boxes;
};
} // namespace

TEST_F(SchedulesOnTheEmbeddedPlatform, AnAssignedSchemeShowsWithTheNextBatchAndTheApplicationsFollowIt)
{
    RunTo(600); // past the opening's incidents
    const std::vector<std::string> chosen = TwoSettledStandaloneServers();
    ASSERT_EQ(chosen.size(), 2u);
    std::string untouched = Shown(0, kId);
    for (int row = 1; untouched == chosen[0] || untouched == chosen[1]; ++row)
        untouched = Shown(row, kId);
    const std::string untouchedScheme = Shown(untouched, kSchedule);

    DefineLondonMidday();
    SelectRows(chosen);
    ASSERT_EQ(Grid().GetNoOfSelectedApplications(), 2u);
    const bool oneScheme = Shown(chosen[0], kSchedule) == Shown(chosen[1], kSchedule);
    AssignLondonMidday();
    EXPECT_EQ(m_boxes.Count(), oneScheme ? 0u : 1u) << "only the message about different schemes";

    RunTo(601);
    for (const std::string& id : chosen)
    {
        EXPECT_EQ(Shown(id, kSchedule), "LondonMidday") << id;
        // Outside its hours: Unexpected while it still runs, OK once it has stopped.
        EXPECT_EQ(Shown(id, kExpected), Shown(id, kStatus) == "Stopped" ? "OK" : "Unexpected") << id;
    }
    EXPECT_EQ(Shown(untouched, kSchedule), untouchedScheme);

    RunTo(1000);
    for (const std::string& id : chosen)
    {
        EXPECT_EQ(Shown(id, kStatus), "Stopped") << id;
        EXPECT_EQ(Shown(id, kExpected), "OK") << id;
    }

    RunTo(1800 + 300); // 11:35 in London
    for (const std::string& id : chosen)
    {
        EXPECT_EQ(Shown(id, kStatus), "Running") << id;
        EXPECT_EQ(Shown(id, kExpected), "OK") << id;
        EXPECT_EQ(Shown(id, kSchedule), "LondonMidday") << id;
    }
}
