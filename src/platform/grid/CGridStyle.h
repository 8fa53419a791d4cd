#pragma once

#include <atomic>
#include <cstdint>

#include "platform/grid/data/nxGridDataTypes.h"
#include "platform/grid/nxGridTypes.h"

// How one cell looks: its own colours and alignment, the highlight bits its
// attribute's highlight mask maps to, and the flash its last change started.
// Highlight and flash are written by the cell's observer on the thread that
// changed the data and read when the cell is painted, so they are atomic.
class CGridStyle
{
public:
    // Cell-style highlight bits.
    static constexpr uint32_t BidPriceHighlight = 1u << 3;
    static constexpr uint32_t Custom1Highlight = 1u << 9;
    static constexpr uint32_t Custom2Highlight = 1u << 10;
    static constexpr uint32_t Custom3Highlight = 1u << 11;
    static constexpr uint32_t Custom4Highlight = 1u << 12;
    static constexpr uint32_t StaleHighlight = 1u << 20;

    enum class Flash : uint8_t
    {
        None = 0,
        Up = 1,
        Down = 2,
        Change = 3,
    };
    struct FlashState
    {
        Flash kind = Flash::None;
        int64_t startMilliseconds = 0;
    };

    CGridStyle() = default;
    CGridStyle(COLORREF textColour, COLORREF backgroundColour, uint32_t alignment);
    CGridStyle(const CGridStyle& other);
    CGridStyle& operator=(const CGridStyle& other);
    virtual ~CGridStyle() = default;

    virtual CGridStyle* CopyInstance() const { return new CGridStyle(*this); }

    COLORREF GetTextColor() const { return m_textColour; }
    COLORREF GetBackgroundColor() const { return m_backgroundColour; }
    uint32_t GetAlignment() const { return m_alignment; }
    void SetTextColor(COLORREF colour) { m_textColour = colour; }
    void SetBackgroundColor(COLORREF colour) { m_backgroundColour = colour; }
    void SetAlignment(uint32_t alignment) { m_alignment = alignment; }

    uint32_t GetHighlightBits() const { return m_highlight.load(std::memory_order_acquire); }
    void SetHighlightBits(uint32_t bits) { m_highlight.store(bits, std::memory_order_release); }
    bool GetIsBidPriceHighlighted() const { return (GetHighlightBits() & BidPriceHighlight) != 0; }
    bool GetIsCustom1Highlighted() const { return (GetHighlightBits() & Custom1Highlight) != 0; }
    bool GetIsCustom2Highlighted() const { return (GetHighlightBits() & Custom2Highlight) != 0; }
    bool GetIsCustom3Highlighted() const { return (GetHighlightBits() & Custom3Highlight) != 0; }
    bool GetIsCustom4Highlighted() const { return (GetHighlightBits() & Custom4Highlight) != 0; }
    bool GetIsStale() const { return (GetHighlightBits() & StaleHighlight) != 0; }
    // 1 to 4 for the custom highlight the row carries, 0 for none; the highest wins.
    int GetCustomHighlightIndex() const;

    void SetFlash(Flash kind, int64_t startMilliseconds);
    FlashState GetFlash() const;

    // An attribute's highlight mask as cell-style bits.
    static uint32_t HighlightBitsFromAttributeHighlight(nxAttributeHighlightBitMask mask);
    // The flash a change starts: rose, fell, or changed to or from nothing.
    static Flash FlashFromChanges(nxAttributeChangeBitMask changes);

private:
    COLORREF m_textColour = nxRGB(0, 0, 0);
    COLORREF m_backgroundColour = nxRGB(255, 255, 255);
    uint32_t m_alignment = DT_LEFT | DT_VCENTER;
    std::atomic<uint32_t> m_highlight{0};
    // The start time in milliseconds shifted up by 2, the kind in the low 2 bits.
    std::atomic<uint64_t> m_flash{0};
};
