#include "platform/grid/window/nxColourSwatches.h"

#include "platform/grid/window/CCustomizeViewUpdatesPropertyPage.h"

void nxColourSwatches::Add(int swatchId, std::function<COLORREF()> get, std::function<void(COLORREF)> set)
{
    m_swatches.push_back({swatchId, std::move(get), std::move(set), {}, {}});
}

void nxColourSwatches::Refresh()
{
    for (Swatch& swatch : m_swatches)
    {
        swatch.brush.CreateSolidBrush(swatch.get());
        swatch.control.Invalidate();
    }
}

std::optional<QColor> nxColourSwatches::ColourOf(int controlId) const
{
    for (const Swatch& swatch : m_swatches)
        if (swatch.swatchId == controlId)
            return swatch.brush.GetColor();
    return std::nullopt;
}

bool nxColourSwatches::Pick(size_t index, CPropertyPage* page)
{
    Swatch& swatch = m_swatches[index];
    COLORREF colour = swatch.get();
    if (CCustomizeViewUpdatesPropertyPage::DoColorDialog(colour, swatch.brush, swatch.control, page) != 1)
        return false;
    swatch.set(colour);
    return true;
}
