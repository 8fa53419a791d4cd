#pragma once

#include <QColor>
#include <functional>
#include <optional>
#include <vector>

#include "platform/grid/nxGridTypes.h"
#include "platform/ui/CBrush.h"
#include "platform/ui/CStatic.h"

class CPropertyPage;

// The colour swatches of a page: each shows one colour of the style manager in a
// static control and changes it through the colour dialog.
class nxColourSwatches
{
public:
    struct Swatch
    {
        int swatchId;
        std::function<COLORREF()> get;
        std::function<void(COLORREF)> set;
        CStatic control;
        CBrush brush;
    };

    void Add(int swatchId, std::function<COLORREF()> get, std::function<void(COLORREF)> set);
    CStatic& Control(size_t index) { return m_swatches[index].control; }
    size_t GetCount() const { return m_swatches.size(); }

    // Every swatch shows its current colour.
    void Refresh();
    // The colour a swatch control is painted with, or nothing for other controls.
    std::optional<QColor> ColourOf(int controlId) const;
    // Runs the colour dialog for one swatch; true when a colour was chosen and stored.
    bool Pick(size_t index, CPropertyPage* page);

private:
    std::vector<Swatch> m_swatches;
};
