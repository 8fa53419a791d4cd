#include <memory>

#include "contracts/nxApplicationScheduleAssignment.h"
#include "grids/nxClientControlGridManager.h"
#include "grids/nxServerControlGridManager.h"
#include "nxControlGridFixture.h"
#include "platform/grid/nxGridColumn.h"
#include "platform/grid/nxGridEventToResponseMapper.h"
#include "platform/grid/nxGridSortOptions.h"
#include "status/nxApplicationControlCallback.h"

namespace
{
constexpr uint32_t kOK = 8201, kMissing = 8202, kUnexpected = 8203, kFTState = 8204;

template <class Manager> using EitherGrid = nxControlGridFixture<Manager>;
using GridKinds = ::testing::Types<nxServerControlGridManager, nxClientControlGridManager>;
TYPED_TEST_SUITE(EitherGrid, GridKinds);

using ServerGrid = nxControlGridFixture<nxServerControlGridManager>;

// A data object of another kind than application status.
class OtherRow : public nxGridDataObject
{
public:
    nxGridDataManager* GetDataManager() const override { return nullptr; }
};

std::vector<std::pair<std::string, std::string>>
Pairs(const std::vector<nxApplicationScheduleAssignment*>& list)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const nxApplicationScheduleAssignment* assignment : list)
        pairs.emplace_back(assignment->GetApplicationID().GetApplicationID(),
                           assignment->GetApplicationScheduleName());
    return pairs;
}

} // namespace

TYPED_TEST(EitherGrid, ANewGridShowsHostNameAndIdInItsOwnStyleInAscendingIdOrder)
{
    this->Batch({{.id = "ORR-3"}, {.id = "ORR-1"}, {.id = "MDS-2"}});
    EXPECT_EQ(this->Column(2), (std::vector<std::string>{"MDS-2", "ORR-1", "ORR-3"}));
    EXPECT_EQ(this->Column(1), (std::vector<std::string>{"App-MDS-2", "App-ORR-1", "App-ORR-3"}));
    EXPECT_EQ(this->Column(0), (std::vector<std::string>(3, "host1")));

    auto& grid = *this->m_grid;
    const nxAttributeID expectedColumns[] = {9003, 9002, 9001};
    ASSERT_EQ(grid.GetColumnCount(), 3u);
    for (size_t index = 0; index < 3; ++index)
    {
        const nxGridColumn& column = *grid.GetColumn(index);
        EXPECT_EQ(column.GetAttributeID(), expectedColumns[index]);
        EXPECT_EQ(column.GetCustomHeading(), "") << "the attribute's own name is the heading";
        EXPECT_EQ(column.GetStyle().GetTextColor(), 0x000000u);
        EXPECT_EQ(column.GetStyle().GetBackgroundColor(), 0xFFE1E1u);
        EXPECT_EQ(column.GetStyle().GetAlignment(), 8u);
    }

    const nxGridSortOptions& sort = *grid.GetSortOptions();
    ASSERT_EQ(sort.GetMandatoryRowSortAttributes().size(), 1u);
    EXPECT_EQ(sort.GetMandatoryRowSortAttributes()[0].GetAttributeID(), 9001u);
    EXPECT_TRUE(sort.GetMandatoryRowSortAttributes()[0].IsAscending());
    EXPECT_TRUE(sort.GetRowSortAttributes().empty());
    std::vector<nxAttributeID> everyStatusAttribute;
    for (nxAttributeID id = 9001; id <= 9017; ++id)
        everyStatusAttribute.push_back(id);
    EXPECT_EQ(sort.GetAvailableRowSortAttributeIDs(), everyStatusAttribute);

    const CGridStyleManager& styles = grid.GetStyleManager();
    EXPECT_TRUE(styles.GetHighlightMultipleSelectionsWithFrameRect());
    EXPECT_EQ(styles.GetBidPriceDrawType(), nxBidPriceDrawType::Frame);
    EXPECT_EQ(styles.GetBidPriceColor(), 0x00FFA4A4u);
    for (nxGridEvent event : {nxGridEvent::DoubleClick, nxGridEvent::ReturnKey, nxGridEvent::DeleteKey})
        EXPECT_EQ(grid.GetEventToResponseMapper()->GetResponse(event), 0u);
}

TYPED_TEST(EitherGrid, TakesApplicationStatusRowsOnly)
{
    auto& grid = *this->m_grid;
    OtherRow other;
    grid.OnAddGridDataObject(*grid.GetDataInterests().front(), &other, false);
    EXPECT_EQ(grid.GetHeldRowCount(), 0u);
    this->Batch({{.id = "A"}});
    EXPECT_EQ(grid.GetHeldRowCount(), 1u);
}

TEST_F(ServerGrid, StopAsksTheServiceToStopTheOneSelectedApplication)
{
    Batch({{.id = "A"}, {.id = "B"}});
    Select({"B"});
    m_grid->StopSelectedApplication();
    EXPECT_EQ(m_boxes.Count(), 0u);
    ASSERT_EQ(Requests("ShutdownApplication"), (std::vector<std::string>{"B"}));
    for (const auto& request : m_service.GetRequests())
        if (request.operation == "ShutdownApplication")
        {
            EXPECT_EQ(request.callback, &nxApplicationControlCallback::GetInstance());
        }

    m_service.SetResult("ShutdownApplication", nxErrorEnum(nxErrorEnum::Refused));
    m_grid->StopSelectedApplication();
    EXPECT_EQ(m_boxes.Count(), 0u) << "a refused stop is the callback's to report";
    EXPECT_EQ(Requests("ShutdownApplication").size(), 2u);
}

TEST_F(ServerGrid, StopWithNoneOrTwoSelectedSaysSoWhileTheSelectionStaysLocked)
{
    Batch({{.id = "A"}, {.id = "B"}});
    m_boxes.OnShow([this](const nxMessageBoxRequest&)
                   { EXPECT_TRUE(m_grid->GetSelectionLock().IsHeldByCurrentThread()); });
    for (auto selection : {std::initializer_list<const char*>{}, {"A", "B"}})
    {
        m_boxes.Clear();
        Select(selection);
        m_grid->StopSelectedApplication();
        ASSERT_EQ(m_boxes.Count(), 1u);
        const nxMessageBoxRequest box = m_boxes.Requests().front();
        EXPECT_EQ(box.text, "Stop applications is only valid when a single row is selected");
        EXPECT_EQ(box.caption, "");
        EXPECT_EQ(box.flags, unsigned(MB_OK));
        EXPECT_TRUE(box.owner.IsNull()) << "a grid without a window owns no box";
    }
    EXPECT_TRUE(Requests("ShutdownApplication").empty());
}

TEST_F(ServerGrid, ARemovableRowIsOneSelectedRowThatIsMissingOrScheduledIgnore)
{
    Batch({{.id = "A", .expected = kMissing, .schedule = "Weekdays"},
           {.id = "B", .expected = kOK, .schedule = "Ignore"},
           {.id = "C", .expected = kUnexpected, .schedule = "ignore"},
           {.id = "D", .expected = kFTState, .schedule = "Ignore "},
           {.id = "E", .expected = kMissing, .schedule = ""}});
    const std::pair<const char*, bool> cases[] = {
        {"A", true}, {"B", true}, {"C", false}, {"D", false}, {"E", true}};
    for (const auto& [id, removable] : cases)
    {
        Select({id});
        EXPECT_EQ(m_grid->GetHasSingleApplicationSelectedThatCanBeRemoved(), removable) << id;
    }
    Select({});
    EXPECT_FALSE(m_grid->GetHasSingleApplicationSelectedThatCanBeRemoved());
    Select({"A", "B"});
    EXPECT_FALSE(m_grid->GetHasSingleApplicationSelectedThatCanBeRemoved()) << "two removable rows";
    EXPECT_EQ(m_boxes.Count(), 0u);
}

TEST_F(ServerGrid, RemoveAsksTheServiceAndShowsARefusalAsAnError)
{
    Batch({{.id = "A", .expected = kMissing}, {.id = "B", .schedule = "Ignore"}});
    Select({"A"});
    m_grid->RemoveSelectedApplicationFromApplicationImage();
    EXPECT_EQ(m_boxes.Count(), 0u);
    EXPECT_EQ(Requests("RemoveApplicationFromApplicationStatusImage"), (std::vector<std::string>{"A"}));
    Flush();
    EXPECT_EQ(Column(2), (std::vector<std::string>{"A", "B"})) << "the row goes with a later batch";

    m_service.SetResult("RemoveApplicationFromApplicationStatusImage",
                        nxErrorEnum(nxErrorEnum::Refused, "The application is still running"));
    Select({"B"});
    m_grid->RemoveSelectedApplicationFromApplicationImage();
    EXPECT_EQ(m_boxes.Only(),
              nxMessageBoxInterceptor::Box("Error: The application is still running",
                                           "Failed to remove application", MB_OK | MB_ICONERROR));
}

TEST_F(ServerGrid, RemoveExplainsWhatItCannotRemove)
{
    Batch({{.id = "A", .expected = kMissing}, {.id = "B", .expected = kUnexpected, .schedule = "ignore"}});
    m_boxes.OnShow(
        [this](const nxMessageBoxRequest& box)
        {
            const bool countMessage = box.text.find("single row") != std::string::npos;
            EXPECT_EQ(m_grid->GetSelectionLock().IsHeldByCurrentThread(), countMessage) << box.text;
        });
    Select({"A", "B"});
    m_grid->RemoveSelectedApplicationFromApplicationImage();
    Select({"B"});
    m_grid->RemoveSelectedApplicationFromApplicationImage();

    const std::vector<nxMessageBoxRequest> boxes = m_boxes.Requests();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Remove application is only valid when a single row is selected");
    EXPECT_EQ(
        boxes[1].text,
        " Only applications in the Missing state or with a schedule of 'Ignore' can be removed this way");
    for (const nxMessageBoxRequest& box : boxes)
    {
        EXPECT_EQ(box.caption, "");
        EXPECT_EQ(box.flags, unsigned(MB_OK));
    }
    EXPECT_TRUE(Requests("RemoveApplicationFromApplicationStatusImage").empty());
}

// A row whose application left with a batch stays on screen, and selected, until the next flush.
TEST_F(ServerGrid, ASelectedRowWhoseApplicationHasGoneIsNeitherStoppedNorRemoved)
{
    Batch({{.id = "A", .expected = kMissing}, {.id = "B"}});
    Select({"A"});
    Deliver({{.id = "B"}});
    ASSERT_EQ(m_grid->GetNoOfSelectedApplications(), 1u);

    m_grid->StopSelectedApplication();
    EXPECT_EQ(m_boxes.Count(), 0u);
    EXPECT_FALSE(m_grid->GetHasSingleApplicationSelectedThatCanBeRemoved());
    m_grid->RemoveSelectedApplicationFromApplicationImage();
    ASSERT_EQ(m_boxes.Count(), 1u);
    EXPECT_EQ(m_boxes.Requests().front().text.find(" Only applications in the Missing state"), 0u);
    EXPECT_TRUE(Requests("ShutdownApplication").empty());
    EXPECT_TRUE(Requests("RemoveApplicationFromApplicationStatusImage").empty());
}

TEST_F(ServerGrid, AssignmentsAreAppendedForSelectedRowsThatStillHaveAnApplication)
{
    Batch({{.id = "A", .schedule = "LondonHours"},
           {.id = "B", .schedule = ""},
           {.id = "C", .schedule = "Ignore"}});
    Select({"A", "B", "C"});
    Deliver({{.id = "A", .schedule = "LondonHours"}, {.id = "B", .schedule = ""}});

    std::vector<nxApplicationScheduleAssignment*> out{new nxApplicationScheduleAssignment()};
    m_grid->GetSelectedApplicationScheduleAssignments(out);
    ASSERT_EQ(out.size(), 3u) << "appended to what was there";
    std::vector<nxApplicationScheduleAssignment*> added(out.begin() + 1, out.end());
    // The selection is ordered as the library orders its set, not by display.
    std::vector<std::pair<std::string, std::string>> expected;
    for (CGridRow* row : m_grid->GetSelectedRows())
        if (row == Row("A"))
            expected.emplace_back("A", "LondonHours");
        else if (row == Row("B"))
            expected.emplace_back("B", "");
    EXPECT_EQ(Pairs(added), expected);
    for (nxApplicationScheduleAssignment* assignment : out)
        delete assignment;
}

TEST_F(ServerGrid, TheWarningFollowsLateUnexpectedAndMissingRows)
{
    EXPECT_FALSE(m_grid->ShouldShowWarningAlphaBlend()) << "no rows";
    Batch({{.id = "A", .expected = kOK}, {.id = "B", .expected = kFTState}});
    EXPECT_FALSE(m_grid->ShouldShowWarningAlphaBlend()) << "OK and FT State do not warn";
    const nxStatusFields warnings[] = {{.id = "B", .expected = kUnexpected},
                                       {.id = "B", .expected = kMissing},
                                       {.id = "B", .expected = kFTState, .delta = 1}};
    for (const nxStatusFields& warning : warnings)
    {
        Batch({{.id = "A", .expected = kOK}, warning});
        EXPECT_TRUE(m_grid->ShouldShowWarningAlphaBlend()) << warning.expected << " " << warning.delta;
        Batch({{.id = "A", .expected = kOK}, {.id = "B", .expected = kOK}});
        EXPECT_FALSE(m_grid->ShouldShowWarningAlphaBlend());
    }
    Batch({{.id = "A", .expected = kOK}, {.id = "B", .expected = kMissing}});
    Batch({{.id = "A", .expected = kOK}});
    EXPECT_FALSE(m_grid->ShouldShowWarningAlphaBlend()) << "the row that raised it has gone";
}
