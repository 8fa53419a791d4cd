#include <gtest/gtest.h>

#include "nxGridFixture.h"
#include "platform/grid/CGridStyleManager.h"
#include "platform/xml/nxXMLDocument.h"

namespace
{
class GridStyles : public nxGridFixture
{
protected:
    const CGridStyle& StyleOf(const std::string& id, size_t column = 0)
    {
        return *Row(id)->Cell(column)->Style();
    }
    void AddColumn(nxAttributeID id)
    {
        auto columns = m_grid->GetColumnSettings();
        nxGridManager::ColumnSetting delta;
        delta.attributeId = id;
        delta.order = 3;
        columns.push_back(delta);
        m_grid->SetColumnSettings(columns);
    }
};
} // namespace

TEST(CGridStyle, AttributeHighlightBitsBecomeCellStyleBits)
{
    struct Case
    {
        nxAttributeHighlightBitMask mask;
        uint32_t bits;
    };
    const Case cases[] = {
        {0x100, CGridStyle::Custom1Highlight},
        {0x200, CGridStyle::Custom2Highlight},
        {0x400, CGridStyle::Custom3Highlight},
        {0x800, CGridStyle::Custom4Highlight},
        {0x10, CGridStyle::BidPriceHighlight},
        {0x1000000000000000ull, CGridStyle::StaleHighlight},
        {0x810, CGridStyle::Custom4Highlight | CGridStyle::BidPriceHighlight},
        {0x1, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CGridStyle::HighlightBitsFromAttributeHighlight(c.mask), c.bits) << std::hex << c.mask;
}

TEST_F(GridStyles, ChangesFlashUpDownOrAsAChangeAndFadeAfterTheDuration)
{
    AddColumn(9017);
    Batch({{.id = "A", .delta = 1}});
    EXPECT_EQ(StyleOf("A", 3).GetFlash().kind, CGridStyle::Flash::None) << "a new row does not flash";

    const auto flashAfter = [&](uint32_t delta)
    {
        m_clock.AdvanceSeconds(5);
        Deliver({{.id = "A", .delta = delta}});
        const CGridFlushResult result = Flush();
        EXPECT_TRUE(result.flashed);
        return StyleOf("A", 3).GetFlash();
    };
    EXPECT_EQ(flashAfter(5).kind, CGridStyle::Flash::Up);
    EXPECT_EQ(flashAfter(2).kind, CGridStyle::Flash::Down);
    const CGridStyle::FlashState change = flashAfter(0xFFFFFFFF);
    EXPECT_EQ(change.kind, CGridStyle::Flash::Change);
    EXPECT_EQ(change.startMilliseconds, CGridManager::NowMilliseconds());
    EXPECT_EQ(StyleOf("A", 0).GetFlash().kind, CGridStyle::Flash::None) << "an unchanged cell does not flash";

    const int64_t duration = m_grid->GetStyleManager().GetFlashDurationMilliseconds();
    EXPECT_TRUE(m_grid->HasFadingCells(0, 0, CGridManager::NowMilliseconds() + duration - 1));
    EXPECT_FALSE(m_grid->HasFadingCells(0, 0, CGridManager::NowMilliseconds() + duration));
}

TEST_F(GridStyles, OnlyTheChangedCellsAreRepaintedInMergedRanges)
{
    AddColumn(9016);
    std::vector<nxApplicationStatus*> image;
    for (char id = 'A'; id <= 'J'; ++id)
        image.push_back(MakeStatus({.id = std::string(1, id)}));
    Deliver(image);
    Flush();
    image.clear();
    for (char id = 'A'; id <= 'J'; ++id)
        image.push_back(MakeStatus({.id = std::string(1, id),
                                    .location = (id == 'B' || id == 'C' || id == 'H') ? "Oslo" : "London"}));
    Deliver(image);
    Flush();
    EXPECT_EQ(m_signals.changedRows, (std::vector<std::pair<size_t, size_t>>{{1, 2}, {7, 7}}));
}

TEST(CGridStyleManager, SettingsSurviveXMLAndBadValuesKeepTheirDefaults)
{
    CGridStyleManager styles;
    styles.SetCustomHighlight2Color(0x123456);
    styles.SetCustomHighlightFlashType(3, nxGridFlashType::Text);
    styles.SetBidPriceDrawType(4u);
    styles.SetFlashDurationMilliseconds(900);
    styles.SetHighlightMultipleSelectionsWithFrameRect(true);
    nxXMLDocument document("Styles");
    nxXMLElement root = document.GetRootElement();
    styles.SaveToXML(root);

    CGridStyleManager loaded;
    nxXMLElement reader = document.GetRootElement();
    loaded.LoadFromXML(reader);
    EXPECT_EQ(loaded, styles);

    nxXMLDocument bad;
    ASSERT_TRUE(bad.LoadFromString("<Styles><FlashDuration>abc</FlashDuration><FlashType>99</FlashType>"
                                   "<CustomHighlight1Color>-5</CustomHighlight1Color></Styles>")
                    .IsOK());
    CGridStyleManager defaults;
    nxXMLElement badRoot = bad.GetRootElement();
    defaults.LoadFromXML(badRoot);
    EXPECT_EQ(defaults, CGridStyleManager());

    defaults.SetFlashDurationMilliseconds(0);
    EXPECT_EQ(defaults.GetFlashDurationMilliseconds(), 100u);
    defaults.SetBidPriceDrawType(77u);
    EXPECT_EQ(defaults.GetBidPriceDrawType(), nxBidPriceDrawType::None);
    EXPECT_EQ(defaults.GetEffectiveFlashType(3), nxGridFlashType::Background);
    defaults.SetCustomHighlightFlashType(3, nxGridFlashType::Default);
    defaults.SetFlashType(nxGridFlashType::Text);
    EXPECT_EQ(defaults.GetEffectiveFlashType(3), nxGridFlashType::Text);
}
