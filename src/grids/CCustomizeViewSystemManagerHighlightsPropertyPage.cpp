#include "grids/CCustomizeViewSystemManagerHighlightsPropertyPage.h"

#include "platform/grid/window/CCustomizeViewUpdatesPropertyPage.h"
#include "platform/ui/nxDialogTemplateTable.h"

using Page = CCustomizeViewSystemManagerHighlightsPropertyPage;

// In the style manager's order: custom highlights 1 to 4.
const std::array<Page::Highlight, Page::Count> Page::s_highlights = {{
    {"OK", IDC_HIGHLIGHT1_FLASH_TYPE, IDC_HIGHLIGHT1_SWATCH, IDC_HIGHLIGHT1_COLOUR},
    {"Unexpected", IDC_HIGHLIGHT2_FLASH_TYPE, IDC_HIGHLIGHT2_SWATCH, IDC_HIGHLIGHT2_COLOUR},
    {"FT State", IDC_HIGHLIGHT3_FLASH_TYPE, IDC_HIGHLIGHT3_SWATCH, IDC_HIGHLIGHT3_COLOUR},
    {"Missing", IDC_HIGHLIGHT4_FLASH_TYPE, IDC_HIGHLIGHT4_SWATCH, IDC_HIGHLIGHT4_COLOUR},
}};

// Four group boxes one above the other, each with its flash type, swatch and button on one line.
unsigned CCustomizeViewSystemManagerHighlightsPropertyPage::Template()
{
    using K = nxControlKind;
    nxDialogTemplate page{IDD, "Highlights", 220, 210, {}};
    for (int index = 0; index < Count; ++index)
    {
        const Highlight& highlight = s_highlights[index];
        const int top = 7 + 49 * index;
        page.controls.push_back({-1, K::GroupBox, highlight.name, {11, top, 198, 42}});
        page.controls.push_back({highlight.flashTypeId, K::DropDownList, "", {22, top + 18, 78, 60}});
        page.controls.push_back(
            {highlight.swatchId, K::Static, "", {112, top + 19, 18, 12}, nxStyle::SS_SUNKEN});
        page.controls.push_back({highlight.colourId, K::PushButton, "Colour...", {140, top + 18, 50, 14}});
    }
    nxDialogTemplateTable::Register(page);
    return IDD;
}

CCustomizeViewSystemManagerHighlightsPropertyPage::CCustomizeViewSystemManagerHighlightsPropertyPage(
    CCustomizeViewDlg* dialog)
    : CCustomizeViewPropertyPage(dialog, Template())
{
    CGridStyleManager& styles = GetStyleManager();
    for (int index = 0; index < Count; ++index)
    {
        const Highlight& highlight = s_highlights[index];
        const int number = index + 1;
        m_swatches.Add(
            highlight.swatchId, [&styles, number] { return styles.GetCustomHighlightColor(number); },
            [&styles, number](COLORREF colour) { styles.SetCustomHighlightColor(number, colour); });
        MapNotify(highlight.flashTypeId, nxNotify::CBN_SELCHANGE,
                  [this, index]
                  {
                      GetStyleManager().SetCustomHighlightFlashType(
                          index + 1, CCustomizeViewUpdatesPropertyPage::GetFlashType(m_flashTypes[index]));
                      SetModified();
                  });
        MapNotify(highlight.colourId, nxNotify::BN_CLICKED,
                  [this, index]
                  {
                      if (m_swatches.Pick(static_cast<size_t>(index), this))
                          SetModified();
                  });
    }
}

void CCustomizeViewSystemManagerHighlightsPropertyPage::DoDataExchange()
{
    for (int index = 0; index < Count; ++index)
    {
        DDX_Control(s_highlights[index].flashTypeId, m_flashTypes[index]);
        DDX_Control(s_highlights[index].swatchId, m_swatches.Control(static_cast<size_t>(index)));
    }
}

bool CCustomizeViewSystemManagerHighlightsPropertyPage::OnInitDialog()
{
    CCustomizeViewPropertyPage::OnInitDialog();
    for (int index = 0; index < Count; ++index)
        CCustomizeViewUpdatesPropertyPage::FillUpdateTypeCombo(
            m_flashTypes[index], GetStyleManager().GetCustomHighlightFlashType(index + 1), false);
    m_swatches.Refresh();
    return true;
}

std::optional<QColor> CCustomizeViewSystemManagerHighlightsPropertyPage::OnCtlColor(int id) const
{
    if (std::optional<QColor> colour = m_swatches.ColourOf(id))
        return colour;
    return CCustomizeViewPropertyPage::OnCtlColor(id);
}
