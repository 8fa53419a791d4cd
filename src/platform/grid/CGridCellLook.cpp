#include "platform/grid/CGridCellLook.h"

#include <algorithm>
#include <cmath>

#include "platform/grid/CGridStyle.h"
#include "platform/grid/CGridStyleManager.h"

namespace
{
COLORREF FlashColour(CGridStyle::Flash kind, const CGridStyleManager& styles)
{
    switch (kind)
    {
    case CGridStyle::Flash::Up:
        return styles.GetFlashUpColor();
    case CGridStyle::Flash::Down:
        return styles.GetFlashDownColor();
    default:
        return styles.GetFlashChangeColor();
    }
}

void ApplyBidPrice(CGridCellLook& look, const CGridStyleManager& styles)
{
    switch (styles.GetBidPriceDrawType())
    {
    case nxBidPriceDrawType::Background:
        look.background = styles.GetBidPriceColor();
        break;
    case nxBidPriceDrawType::Text:
        look.text = styles.GetBidPriceColor();
        break;
    case nxBidPriceDrawType::Underline:
    case nxBidPriceDrawType::Frame:
        look.bidPriceDraw = styles.GetBidPriceDrawType();
        look.bidPriceColour = styles.GetBidPriceColor();
        break;
    case nxBidPriceDrawType::None:
        break;
    }
}

void ApplyFlash(CGridCellLook& look, const CGridStyle& style, const CGridStyleManager& styles, int64_t now)
{
    const CGridStyle::FlashState flash = style.GetFlash();
    const int64_t duration = styles.GetFlashDurationMilliseconds();
    const int64_t age = now - flash.startMilliseconds;
    if (flash.kind == CGridStyle::Flash::None || age < 0 || age >= duration)
        return;
    look.flashWeight = 1.0 - static_cast<double>(age) / static_cast<double>(duration);
    const COLORREF colour = FlashColour(flash.kind, styles);
    switch (styles.GetEffectiveFlashType(style.GetCustomHighlightIndex()))
    {
    case nxGridFlashType::Background:
        look.background = CGridCellLook::Blend(colour, look.background, look.flashWeight);
        break;
    case nxGridFlashType::Text:
        look.text = CGridCellLook::Blend(colour, look.text, look.flashWeight);
        break;
    default:
        look.flashWeight = 0.0;
    }
}
} // namespace

CGridCellLook CGridCellLook::Resolve(const CGridStyle& style, const CGridStyleManager& styles, int64_t now)
{
    CGridCellLook look;
    look.text = style.GetTextColor();
    look.background = style.GetBackgroundColor();
    if (const int highlight = style.GetCustomHighlightIndex(); highlight > 0)
        look.background = styles.GetCustomHighlightColor(highlight);
    if (style.GetIsBidPriceHighlighted())
        ApplyBidPrice(look, styles);
    if (style.GetIsStale())
    {
        // Stale data does not flash: its changes are not news.
        look.text = styles.GetStaleTextColor();
        look.italic = true;
        return look;
    }
    ApplyFlash(look, style, styles, now);
    return look;
}

COLORREF CGridCellLook::Blend(COLORREF a, COLORREF b, double weight)
{
    weight = std::clamp(weight, 0.0, 1.0);
    const auto channel = [weight](uint8_t x, uint8_t y)
    { return static_cast<uint8_t>(std::lround(x * weight + y * (1.0 - weight))); };
    return nxRGB(channel(nxGetRValue(a), nxGetRValue(b)), channel(nxGetGValue(a), nxGetGValue(b)),
                 channel(nxGetBValue(a), nxGetBValue(b)));
}
