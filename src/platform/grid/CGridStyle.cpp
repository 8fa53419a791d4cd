#include "platform/grid/CGridStyle.h"

namespace
{
struct HighlightMapping
{
    nxAttributeHighlightBitMask attributeBit;
    uint32_t styleBit;
};

constexpr HighlightMapping kHighlightMappings[] = {
    {0x100, CGridStyle::Custom1Highlight}, {0x200, CGridStyle::Custom2Highlight},
    {0x400, CGridStyle::Custom3Highlight}, {0x800, CGridStyle::Custom4Highlight},
    {0x10, CGridStyle::BidPriceHighlight}, {0x1000000000000000ull, CGridStyle::StaleHighlight},
};
} // namespace

CGridStyle::CGridStyle(COLORREF textColour, COLORREF backgroundColour, uint32_t alignment)
    : m_textColour(textColour), m_backgroundColour(backgroundColour), m_alignment(alignment)
{
}

CGridStyle::CGridStyle(const CGridStyle& other)
    : m_textColour(other.m_textColour), m_backgroundColour(other.m_backgroundColour),
      m_alignment(other.m_alignment), m_highlight(other.m_highlight.load(std::memory_order_acquire)),
      m_flash(other.m_flash.load(std::memory_order_acquire))
{
}

CGridStyle& CGridStyle::operator=(const CGridStyle& other)
{
    m_textColour = other.m_textColour;
    m_backgroundColour = other.m_backgroundColour;
    m_alignment = other.m_alignment;
    m_highlight.store(other.m_highlight.load(std::memory_order_acquire), std::memory_order_release);
    m_flash.store(other.m_flash.load(std::memory_order_acquire), std::memory_order_release);
    return *this;
}

int CGridStyle::GetCustomHighlightIndex() const
{
    const uint32_t bits = GetHighlightBits();
    if (bits & Custom4Highlight)
        return 4;
    if (bits & Custom3Highlight)
        return 3;
    if (bits & Custom2Highlight)
        return 2;
    return (bits & Custom1Highlight) ? 1 : 0;
}

void CGridStyle::SetFlash(Flash kind, int64_t startMilliseconds)
{
    const uint64_t packed = (static_cast<uint64_t>(startMilliseconds) << 2) | static_cast<uint64_t>(kind);
    m_flash.store(packed, std::memory_order_release);
}

CGridStyle::FlashState CGridStyle::GetFlash() const
{
    const uint64_t packed = m_flash.load(std::memory_order_acquire);
    return {static_cast<Flash>(packed & 0x3), static_cast<int64_t>(packed >> 2)};
}

uint32_t CGridStyle::HighlightBitsFromAttributeHighlight(nxAttributeHighlightBitMask mask)
{
    uint32_t bits = 0;
    for (const HighlightMapping& mapping : kHighlightMappings)
        if (mask & mapping.attributeBit)
            bits |= mapping.styleBit;
    return bits;
}

CGridStyle::Flash CGridStyle::FlashFromChanges(nxAttributeChangeBitMask changes)
{
    if (changes & nxAttributeChange::Rose)
        return Flash::Up;
    if (changes & nxAttributeChange::Fell)
        return Flash::Down;
    if (changes & nxAttributeChange::NullTransition)
        return Flash::Change;
    return Flash::None;
}
