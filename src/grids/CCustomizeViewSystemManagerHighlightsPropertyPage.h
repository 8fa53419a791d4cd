#pragma once

#include <array>

#include "platform/grid/CGridStyleManager.h"
#include "platform/grid/window/CCustomizeViewPropertyPage.h"
#include "platform/grid/window/nxColourSwatches.h"
#include "platform/ui/CComboBox.h"

// "Highlights": the colour and flash type of the four status highlights of the
// server applications grid ("OK", "Unexpected", "FT State", "Missing"), set on the
// customise-view dialog's copy of the style manager.
class CCustomizeViewSystemManagerHighlightsPropertyPage : public CCustomizeViewPropertyPage
{
    Q_OBJECT

public:
    static constexpr unsigned IDD = 106;
    enum ControlId
    {
        IDC_HIGHLIGHT1_FLASH_TYPE = 32780,
        IDC_HIGHLIGHT2_FLASH_TYPE = 32781,
        IDC_HIGHLIGHT1_COLOUR = 32782,
        IDC_HIGHLIGHT2_COLOUR = 32783,
        IDC_HIGHLIGHT1_SWATCH = 32784,
        IDC_HIGHLIGHT2_SWATCH = 32785,
        IDC_HIGHLIGHT3_FLASH_TYPE = 32786,
        IDC_HIGHLIGHT3_COLOUR = 32787,
        IDC_HIGHLIGHT3_SWATCH = 32788,
        IDC_HIGHLIGHT4_FLASH_TYPE = 32789,
        IDC_HIGHLIGHT4_COLOUR = 32790,
        IDC_HIGHLIGHT4_SWATCH = 32791,
    };

    explicit CCustomizeViewSystemManagerHighlightsPropertyPage(CCustomizeViewDlg* dialog);

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    // The swatches are painted with the page's brushes.
    std::optional<QColor> OnCtlColor(int id) const override;

private:
    struct Highlight
    {
        const char* name;
        int flashTypeId;
        int swatchId;
        int colourId;
    };
    static constexpr int Count = CGridStyleManager::CustomHighlightCount;
    static const std::array<Highlight, Count> s_highlights;

    static unsigned Template();

    std::array<CComboBox, Count> m_flashTypes;
    // The four swatches with their brushes.
    nxColourSwatches m_swatches;
};
