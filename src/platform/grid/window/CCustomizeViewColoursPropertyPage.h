#pragma once

#include "platform/grid/nxGridTypes.h"
#include "platform/grid/window/CCustomizeViewPropertyPage.h"
#include "platform/grid/window/nxColourSwatches.h"
#include "platform/ui/CBrush.h"
#include "platform/ui/CButton.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CStatic.h"

// "Colours": the late-heartbeat (bid-price) mark and its colour, stale text, the
// warning wash, and whether several selected rows are framed instead of filled.
class CCustomizeViewColoursPropertyPage : public CCustomizeViewPropertyPage
{
    Q_OBJECT

public:
    static constexpr unsigned IDD = 20103;
    enum ControlId
    {
        IDC_BID_DRAW_TYPE = 1001,
        IDC_BID_SWATCH = 1010,
        IDC_STALE_SWATCH = 1011,
        IDC_WARNING_SWATCH = 1012,
        IDC_BID_COLOUR = 1020,
        IDC_STALE_COLOUR = 1021,
        IDC_WARNING_COLOUR = 1022,
        IDC_FRAME_SELECTIONS = 1030,
    };

    explicit CCustomizeViewColoursPropertyPage(CCustomizeViewDlg* dialog);

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    std::optional<QColor> OnCtlColor(int id) const override;

private:
    static unsigned Template();

    CComboBox m_bidDrawType;
    CButton m_frameSelections;
    nxColourSwatches m_swatches;
};
