#pragma once

#include "platform/grid/nxGridTypes.h"
#include "platform/grid/window/CCustomizeViewPropertyPage.h"
#include "platform/grid/window/nxColourSwatches.h"
#include "platform/ui/CBrush.h"
#include "platform/ui/CButton.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CStatic.h"

// "Updates": how value changes flash, for how long, and in which colours, and,
// for grids that offer them, whether the view sends desktop notifications. Its
// helpers serve every page that offers a flash type or a colour.
class CCustomizeViewUpdatesPropertyPage : public CCustomizeViewPropertyPage
{
    Q_OBJECT

public:
    static constexpr unsigned IDD = 20102;
    enum ControlId
    {
        IDC_FLASH_TYPE = 1001,
        IDC_FLASH_DURATION = 1002,
        IDC_UP_SWATCH = 1010,
        IDC_DOWN_SWATCH = 1011,
        IDC_CHANGE_SWATCH = 1012,
        IDC_UP_COLOUR = 1020,
        IDC_DOWN_COLOUR = 1021,
        IDC_CHANGE_COLOUR = 1022,
        IDC_DESKTOP_NOTIFICATIONS = 1030,
    };

    explicit CCustomizeViewUpdatesPropertyPage(CCustomizeViewDlg* dialog);

    // Fills the combo with the flash types (with "Default" first when asked) and selects the current one.
    static void FillUpdateTypeCombo(CComboBox& combo, nxGridFlashType current, bool includeDefault);
    // The type the combo shows; Background when it shows none.
    static nxGridFlashType GetFlashType(CComboBox& combo);
    // Lets the operator pick a colour, starting from the given one. 1 when one was
    // chosen: the colour, the brush and the swatch then show it; 0 when cancelled.
    static int DoColorDialog(COLORREF& colour, CBrush& brush, CStatic& swatch, CPropertyPage* page);

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    bool OnApply() override;
    std::optional<QColor> OnCtlColor(int id) const override;

private:
    static unsigned Template();

    CComboBox m_flashType;
    CEdit m_duration;
    CButton m_notifications;
    nxColourSwatches m_swatches;
    bool m_initialising = false;
};
