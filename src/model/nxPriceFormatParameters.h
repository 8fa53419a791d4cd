#pragma once

#include <cstdint>

// How the grid shows a price: its display format and the size of one point.
struct nxPriceFormatParameters
{
    uint32_t priceFormat = 0;
    double pointIncrementSize = 0.0;

    bool operator==(const nxPriceFormatParameters&) const = default;
};
