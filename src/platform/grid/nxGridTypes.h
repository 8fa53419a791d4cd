#pragma once

#include <cstdint>

// Colours as the grid stores them: 0x00BBGGRR.
using COLORREF = uint32_t;

constexpr COLORREF nxRGB(uint8_t red, uint8_t green, uint8_t blue)
{
    return static_cast<COLORREF>(red) | (static_cast<COLORREF>(green) << 8) |
           (static_cast<COLORREF>(blue) << 16);
}
constexpr uint8_t nxGetRValue(COLORREF colour)
{
    return static_cast<uint8_t>(colour & 0xFF);
}
constexpr uint8_t nxGetGValue(COLORREF colour)
{
    return static_cast<uint8_t>((colour >> 8) & 0xFF);
}
constexpr uint8_t nxGetBValue(COLORREF colour)
{
    return static_cast<uint8_t>((colour >> 16) & 0xFF);
}

// The display a grid is shown on, as end-of-update handlers receive it; the grid
// has no use for it and passes null.
struct nxMonitor;
using HMONITOR = nxMonitor*;

// Text alignment of a cell, as the classic text-drawing flags.
inline constexpr uint32_t DT_LEFT = 0x0;
inline constexpr uint32_t DT_CENTER = 0x1;
inline constexpr uint32_t DT_RIGHT = 0x2;
inline constexpr uint32_t DT_VCENTER = 0x4;
inline constexpr uint32_t DT_BOTTOM = 0x8;

// How a cell shows a change of its value.
enum class nxGridFlashType : uint32_t
{
    // Leave it to the grid's own flash type (offered only where asked for).
    Default = 0,
    None = 1,
    Background = 2,
    Text = 3,
};

// How the bid-price highlight (a late heartbeat) is drawn in a cell.
enum class nxBidPriceDrawType : uint32_t
{
    None = 0,
    Background = 1,
    Text = 2,
    Underline = 3,
    Frame = 4,
};
