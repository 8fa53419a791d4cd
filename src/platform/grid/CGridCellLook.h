#pragma once

#include <cstdint>

#include "platform/grid/nxGridTypes.h"

class CGridStyle;
class CGridStyleManager;

// How a cell is to be drawn at one moment, decided in one place: stale over
// flash over highlight over the cell's own colours.
struct CGridCellLook
{
    COLORREF text = 0;
    COLORREF background = 0;
    bool italic = false;
    // The bid-price highlight where it is drawn as a line or frame; None otherwise.
    nxBidPriceDrawType bidPriceDraw = nxBidPriceDrawType::None;
    COLORREF bidPriceColour = 0;
    // How far a flash still shows, 1 when it starts, 0 once faded.
    double flashWeight = 0.0;

    static CGridCellLook Resolve(const CGridStyle& style, const CGridStyleManager& styles,
                                 int64_t nowMilliseconds);
    // weight of a, the rest of b.
    static COLORREF Blend(COLORREF a, COLORREF b, double weight);
};
