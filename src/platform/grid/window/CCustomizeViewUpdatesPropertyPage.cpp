#include "platform/grid/window/CCustomizeViewUpdatesPropertyPage.h"

#include <QColorDialog>

#include "platform/base/nxStringHelper.h"
#include "platform/grid/CGridStyleManager.h"
#include "platform/grid/nxGridManager.h"
#include "platform/grid/window/nxGridQtConversions.h"
#include "platform/ui/nxDialogTemplateTable.h"

namespace
{
struct FlashTypeName
{
    nxGridFlashType type;
    const char* name;
};

constexpr FlashTypeName kFlashTypes[] = {
    {nxGridFlashType::Default, "Default"},
    {nxGridFlashType::None, "None"},
    {nxGridFlashType::Background, "Background"},
    {nxGridFlashType::Text, "Text"},
};

using Page = CCustomizeViewUpdatesPropertyPage;
} // namespace

unsigned CCustomizeViewUpdatesPropertyPage::Template()
{
    using K = nxControlKind;
    nxDialogTemplateTable::Register(
        {IDD,
         "Updates",
         220,
         150,
         {
             {-1, K::Static, "Value changes flash:", {7, 9, 80, 8}},
             {Page::IDC_FLASH_TYPE, K::DropDownList, "", {95, 7, 90, 60}},
             {-1, K::Static, "Flash lasts (ms):", {7, 27, 80, 8}},
             {Page::IDC_FLASH_DURATION, K::Edit, "", {95, 25, 50, 13}, nxStyle::ES_AUTOHSCROLL},
             {-1, K::GroupBox, "Flash colours", {7, 45, 206, 78}},
             {-1, K::Static, "Rising value", {15, 60, 70, 8}},
             {Page::IDC_UP_SWATCH, K::Static, "", {95, 58, 18, 12}, nxStyle::SS_SUNKEN},
             {Page::IDC_UP_COLOUR, K::PushButton, "Colour...", {120, 57, 50, 14}},
             {-1, K::Static, "Falling value", {15, 80, 70, 8}},
             {Page::IDC_DOWN_SWATCH, K::Static, "", {95, 78, 18, 12}, nxStyle::SS_SUNKEN},
             {Page::IDC_DOWN_COLOUR, K::PushButton, "Colour...", {120, 77, 50, 14}},
             {-1, K::Static, "Other change", {15, 100, 70, 8}},
             {Page::IDC_CHANGE_SWATCH, K::Static, "", {95, 98, 18, 12}, nxStyle::SS_SUNKEN},
             {Page::IDC_CHANGE_COLOUR, K::PushButton, "Colour...", {120, 97, 50, 14}},
             {Page::IDC_DESKTOP_NOTIFICATIONS, K::CheckBox, "&Desktop notifications", {7, 130, 150, 10}},
         }});
    return IDD;
}

CCustomizeViewUpdatesPropertyPage::CCustomizeViewUpdatesPropertyPage(CCustomizeViewDlg* dialog)
    : CCustomizeViewPropertyPage(dialog, Template())
{
    MapNotify(IDC_FLASH_TYPE, nxNotify::CBN_SELCHANGE,
              [this]
              {
                  GetStyleManager().SetFlashType(GetFlashType(m_flashType));
                  SetModified();
              });
    MapNotify(IDC_FLASH_DURATION, nxNotify::EN_CHANGE,
              [this]
              {
                  uint32_t milliseconds = 0;
                  if (m_initialising ||
                      !nxStringHelper::SetFromString(m_duration.GetWindowText(), milliseconds))
                      return;
                  GetStyleManager().SetFlashDurationMilliseconds(milliseconds);
                  SetModified();
              });
    CGridStyleManager& styles = GetStyleManager();
    m_swatches.Add(
        IDC_UP_SWATCH, [&styles] { return styles.GetFlashUpColor(); },
        [&styles](COLORREF colour) { styles.SetFlashUpColor(colour); });
    m_swatches.Add(
        IDC_DOWN_SWATCH, [&styles] { return styles.GetFlashDownColor(); },
        [&styles](COLORREF colour) { styles.SetFlashDownColor(colour); });
    m_swatches.Add(
        IDC_CHANGE_SWATCH, [&styles] { return styles.GetFlashChangeColor(); },
        [&styles](COLORREF colour) { styles.SetFlashChangeColor(colour); });
    MapNotify(IDC_DESKTOP_NOTIFICATIONS, nxNotify::BN_CLICKED, [this] { SetModified(); });
    const int buttons[] = {IDC_UP_COLOUR, IDC_DOWN_COLOUR, IDC_CHANGE_COLOUR};
    for (size_t index = 0; index < 3; ++index)
        MapNotify(buttons[index], nxNotify::BN_CLICKED,
                  [this, index]
                  {
                      if (m_swatches.Pick(index, this))
                          SetModified();
                  });
}

void CCustomizeViewUpdatesPropertyPage::DoDataExchange()
{
    DDX_Control(IDC_FLASH_TYPE, m_flashType);
    DDX_Control(IDC_FLASH_DURATION, m_duration);
    DDX_Control(IDC_DESKTOP_NOTIFICATIONS, m_notifications);
    DDX_Control(IDC_UP_SWATCH, m_swatches.Control(0));
    DDX_Control(IDC_DOWN_SWATCH, m_swatches.Control(1));
    DDX_Control(IDC_CHANGE_SWATCH, m_swatches.Control(2));
}

bool CCustomizeViewUpdatesPropertyPage::OnInitDialog()
{
    CCustomizeViewPropertyPage::OnInitDialog();
    m_initialising = true;
    FillUpdateTypeCombo(m_flashType, GetStyleManager().GetFlashType(), false);
    m_duration.SetWindowText(std::to_string(GetStyleManager().GetFlashDurationMilliseconds()));
    m_swatches.Refresh();
    // Grids with nothing to notify of do not offer it.
    m_notifications.ShowWindow(GetGridManager().SupportsDesktopNotifications());
    m_notifications.SetCheck(GetGridManager().AreDesktopNotificationsEnabled() ? BST_CHECKED : BST_UNCHECKED);
    m_initialising = false;
    return true;
}

bool CCustomizeViewUpdatesPropertyPage::OnApply()
{
    GetGridManager().SetDesktopNotificationsEnabled(m_notifications.GetCheck() == BST_CHECKED);
    return CCustomizeViewPropertyPage::OnApply();
}

std::optional<QColor> CCustomizeViewUpdatesPropertyPage::OnCtlColor(int id) const
{
    return m_swatches.ColourOf(id);
}

void CCustomizeViewUpdatesPropertyPage::FillUpdateTypeCombo(CComboBox& combo, nxGridFlashType current,
                                                            bool includeDefault)
{
    combo.ResetContent();
    for (const FlashTypeName& entry : kFlashTypes)
    {
        if (entry.type == nxGridFlashType::Default && !includeDefault)
            continue;
        const int index = combo.AddString(entry.name);
        combo.SetItemData(index, static_cast<uintptr_t>(entry.type));
        if (entry.type == current)
            combo.SetCurSel(index);
    }
}

nxGridFlashType CCustomizeViewUpdatesPropertyPage::GetFlashType(CComboBox& combo)
{
    const int selected = combo.GetCurSel();
    return selected == CB_ERR ? nxGridFlashType::Background
                              : static_cast<nxGridFlashType>(combo.GetItemData(selected));
}

int CCustomizeViewUpdatesPropertyPage::DoColorDialog(COLORREF& colour, CBrush& brush, CStatic& swatch,
                                                     CPropertyPage* page)
{
    QColorDialog dialog(nxToQColor(colour), page);
    dialog.setWindowTitle(QObject::tr("Colour"));
    if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid())
        return 0;
    colour = nxFromQColor(dialog.selectedColor());
    brush.CreateSolidBrush(colour);
    swatch.Invalidate();
    return 1;
}
