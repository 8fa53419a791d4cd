#include <gtest/gtest.h>

#include "nxGridFixture.h"
#include "nxLogCapture.h"
#include "platform/grid/nxGridSortOptions.h"
#include "platform/xml/nxXMLDocument.h"

namespace
{
class GridLayout : public nxGridFixture
{
protected:
    std::unique_ptr<nxTestGridManager> Reload(const std::string& text)
    {
        nxXMLDocument document;
        EXPECT_TRUE(document.LoadFromString(text).IsOK());
        auto grid = std::make_unique<nxTestGridManager>();
        grid->Initialize();
        nxXMLElement root = document.GetRootElement();
        EXPECT_TRUE(grid->LoadFromXML(root).IsOK());
        nxShadowFlushSink sink(*grid);
        grid->Flush(sink);
        return grid;
    }
    std::string Save(const nxGridManager& grid)
    {
        nxXMLDocument document("Grid");
        nxXMLElement root = document.GetRootElement();
        EXPECT_TRUE(grid.SaveToXML(root).IsOK());
        return document.SaveToString();
    }
    static std::vector<nxAttributeSortOptions> UserKeys(nxGridManager& grid)
    {
        CGridLockGuard guard(grid.GetSortOptionsLock());
        return grid.GetSortOptions()->GetRowSortAttributes();
    }
};

} // namespace

TEST_F(GridLayout, ColumnsSortKeysStylesAndTheInterestComeBackAsSaved)
{
    Deliver({{.id = "A"}, {.id = "B"}});
    auto columns = m_grid->GetColumnSettings();
    columns[0].width = 140;
    columns[0].order = 2;
    columns[2].order = 0;
    columns[1].visible = false;
    columns[1].customHeading = "Program";
    nxGridManager::ColumnSetting location;
    location.attributeId = 9016;
    location.order = 3;
    location.filterValues = {"London", "Oslo"};
    columns.push_back(location);
    m_grid->SetColumnSettings(columns);
    {
        CGridLockGuard guard(m_grid->GetSortOptionsLock());
        m_grid->GetSortOptions()->SetRowSortAttributes({{9016, false}, {9002, true}});
    }
    m_grid->ApplySortOptions();
    CGridStyleManager styles = m_grid->GetStyleManager();
    styles.SetCustomHighlight4Color(0x0000FF);
    styles.SetFlashDurationMilliseconds(2500);
    m_grid->SetStyleManager(styles);
    Flush();

    auto loaded = Reload(Save(*m_grid));
    EXPECT_EQ(loaded->GetColumnSettings(), m_grid->GetColumnSettings());
    EXPECT_EQ(UserKeys(*loaded), (std::vector<nxAttributeSortOptions>{{9016, false}, {9002, true}}));
    EXPECT_EQ(loaded->GetStyleManager(), m_grid->GetStyleManager());
    ASSERT_EQ(loaded->GetDataInterests().size(), 1u);
    auto* interest = dynamic_cast<nxControlDataInterest*>(loaded->GetDataInterests().front());
    ASSERT_NE(interest, nullptr);
    EXPECT_EQ(interest->GetClientServer().GetValue(), 72u);
    EXPECT_EQ(loaded->GetDisplayRowCount(), 2u) << "the restored interest fetched the rows that exist";
}

TEST_F(GridLayout, UnknownAttributesAndInterestClassesAreSkippedAndTheRestLoads)
{
    nxLogCapture log;
    auto loaded =
        Reload("<Grid><Columns>"
               "<Column><AttributeID>9002</AttributeID><Width>90</Width></Column>"
               "<Column><AttributeID>99999</AttributeID></Column>"
               "<Column><AttributeID>name</AttributeID></Column>"
               "</Columns>"
               "<SortKeys><SortKey><AttributeID>12</AttributeID></SortKey>"
               "<SortKey><AttributeID>9016</AttributeID><Ascending>0</Ascending></SortKey></SortKeys>"
               "<DataInterests><DataInterest><ClassName>nxNoSuchInterest</ClassName></DataInterest>"
               "</DataInterests></Grid>");
    ASSERT_EQ(loaded->GetColumnSettings().size(), 1u);
    EXPECT_EQ(loaded->GetColumnSettings()[0].attributeId, 9002u);
    EXPECT_EQ(loaded->GetColumnSettings()[0].width, 90);
    EXPECT_EQ(UserKeys(*loaded), (std::vector<nxAttributeSortOptions>{{9016, false}}));
    EXPECT_TRUE(loaded->HasDataInterests()) << "the manager's default interest stands in";
    const auto lines = log.FromSource("nxGridManager");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_NE(lines[0].line.find("99999"), std::string::npos);
    EXPECT_NE(lines[3].line.find("nxNoSuchInterest"), std::string::npos);
}

TEST_F(GridLayout, ALayoutWithNoKnownColumnKeepsTheGridsOwn)
{
    nxLogCapture log;
    auto loaded = Reload("<Grid><Columns><Column><AttributeID>1</AttributeID></Column></Columns></Grid>");
    EXPECT_EQ(loaded->GetColumnCount(), 3u);
    EXPECT_FALSE(loaded->HasDataInterests());
}
