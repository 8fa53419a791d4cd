#include "platform/grid/window/CCustomizeViewColoursPropertyPage.h"

#include "platform/grid/CGridStyleManager.h"
#include "platform/ui/nxDialogTemplateTable.h"

namespace
{
struct DrawTypeName
{
    nxBidPriceDrawType type;
    const char* name;
};

constexpr DrawTypeName kDrawTypes[] = {
    {nxBidPriceDrawType::None, "Not shown"}, {nxBidPriceDrawType::Background, "Background"},
    {nxBidPriceDrawType::Text, "Text"},      {nxBidPriceDrawType::Underline, "Underline"},
    {nxBidPriceDrawType::Frame, "Frame"},
};

using Page = CCustomizeViewColoursPropertyPage;
} // namespace

unsigned CCustomizeViewColoursPropertyPage::Template()
{
    using K = nxControlKind;
    nxDialogTemplateTable::Register(
        {IDD,
         "Colours",
         220,
         150,
         {
             {-1, K::GroupBox, "Late heartbeat", {7, 7, 206, 46}},
             {-1, K::Static, "Shown as:", {15, 21, 70, 8}},
             {Page::IDC_BID_DRAW_TYPE, K::DropDownList, "", {95, 19, 90, 60}},
             {-1, K::Static, "Colour", {15, 37, 70, 8}},
             {Page::IDC_BID_SWATCH, K::Static, "", {95, 35, 18, 12}, nxStyle::SS_SUNKEN},
             {Page::IDC_BID_COLOUR, K::PushButton, "Colour...", {120, 34, 50, 14}},
             {-1, K::Static, "Stale rows' text", {15, 66, 75, 8}},
             {Page::IDC_STALE_SWATCH, K::Static, "", {95, 64, 18, 12}, nxStyle::SS_SUNKEN},
             {Page::IDC_STALE_COLOUR, K::PushButton, "Colour...", {120, 63, 50, 14}},
             {-1, K::Static, "Warning wash", {15, 86, 75, 8}},
             {Page::IDC_WARNING_SWATCH, K::Static, "", {95, 84, 18, 12}, nxStyle::SS_SUNKEN},
             {Page::IDC_WARNING_COLOUR, K::PushButton, "Colour...", {120, 83, 50, 14}},
             {Page::IDC_FRAME_SELECTIONS,
              K::CheckBox,
              "Frame several selected rows instead of filling them",
              {15, 108, 195, 10}},
         }});
    return IDD;
}

CCustomizeViewColoursPropertyPage::CCustomizeViewColoursPropertyPage(CCustomizeViewDlg* dialog)
    : CCustomizeViewPropertyPage(dialog, Template())
{
    MapNotify(IDC_BID_DRAW_TYPE, nxNotify::CBN_SELCHANGE,
              [this]
              {
                  const int selected = m_bidDrawType.GetCurSel();
                  if (selected == CB_ERR)
                      return;
                  GetStyleManager().SetBidPriceDrawType(
                      static_cast<uint32_t>(m_bidDrawType.GetItemData(selected)));
                  SetModified();
              });
    MapNotify(IDC_FRAME_SELECTIONS, nxNotify::BN_CLICKED,
              [this]
              {
                  GetStyleManager().SetHighlightMultipleSelectionsWithFrameRect(
                      m_frameSelections.GetCheck() == BST_CHECKED);
                  SetModified();
              });
    CGridStyleManager& styles = GetStyleManager();
    m_swatches.Add(
        IDC_BID_SWATCH, [&styles] { return styles.GetBidPriceColor(); },
        [&styles](COLORREF colour) { styles.SetBidPriceColor(colour); });
    m_swatches.Add(
        IDC_STALE_SWATCH, [&styles] { return styles.GetStaleTextColor(); },
        [&styles](COLORREF colour) { styles.SetStaleTextColor(colour); });
    m_swatches.Add(
        IDC_WARNING_SWATCH, [&styles] { return styles.GetWarningColor(); },
        [&styles](COLORREF colour) { styles.SetWarningColor(colour); });
    const int buttons[] = {IDC_BID_COLOUR, IDC_STALE_COLOUR, IDC_WARNING_COLOUR};
    for (size_t index = 0; index < 3; ++index)
        MapNotify(buttons[index], nxNotify::BN_CLICKED,
                  [this, index]
                  {
                      if (m_swatches.Pick(index, this))
                          SetModified();
                  });
}

void CCustomizeViewColoursPropertyPage::DoDataExchange()
{
    DDX_Control(IDC_BID_DRAW_TYPE, m_bidDrawType);
    DDX_Control(IDC_FRAME_SELECTIONS, m_frameSelections);
    DDX_Control(IDC_BID_SWATCH, m_swatches.Control(0));
    DDX_Control(IDC_STALE_SWATCH, m_swatches.Control(1));
    DDX_Control(IDC_WARNING_SWATCH, m_swatches.Control(2));
}

bool CCustomizeViewColoursPropertyPage::OnInitDialog()
{
    CCustomizeViewPropertyPage::OnInitDialog();
    const CGridStyleManager& styles = GetStyleManager();
    m_bidDrawType.ResetContent();
    for (const DrawTypeName& entry : kDrawTypes)
    {
        const int index = m_bidDrawType.AddString(entry.name);
        m_bidDrawType.SetItemData(index, static_cast<uintptr_t>(entry.type));
        if (entry.type == styles.GetBidPriceDrawType())
            m_bidDrawType.SetCurSel(index);
    }
    m_frameSelections.SetCheck(styles.GetHighlightMultipleSelectionsWithFrameRect() ? BST_CHECKED
                                                                                    : BST_UNCHECKED);
    m_swatches.Refresh();
    return true;
}

std::optional<QColor> CCustomizeViewColoursPropertyPage::OnCtlColor(int id) const
{
    return m_swatches.ColourOf(id);
}
