#pragma once

#include <array>
#include <cstdint>

#include "platform/base/nxErrorEnum.h"
#include "platform/grid/nxGridTypes.h"

class nxXMLElement;

// The grid-wide look: the four custom highlight colours and how rows carrying
// them flash, the bid-price highlight, the flash colours and duration, the stale
// text colour and the frame drawn around multiple selections. Read when cells are
// painted; changed only on the user-interface thread (customise-view dialog,
// layout loading, _CustomizeCustomStyles). A dialog works on a copy.
class CGridStyleManager
{
public:
    static constexpr int CustomHighlightCount = 4;

    CGridStyleManager();

    // Index 1 to 4; any other index is ignored (set) or answers the first (get).
    COLORREF GetCustomHighlightColor(int index) const;
    void SetCustomHighlightColor(int index, COLORREF colour);
    nxGridFlashType GetCustomHighlightFlashType(int index) const;
    void SetCustomHighlightFlashType(int index, nxGridFlashType type);
    void SetCustomHighlight1Color(COLORREF colour) { SetCustomHighlightColor(1, colour); }
    void SetCustomHighlight2Color(COLORREF colour) { SetCustomHighlightColor(2, colour); }
    void SetCustomHighlight3Color(COLORREF colour) { SetCustomHighlightColor(3, colour); }
    void SetCustomHighlight4Color(COLORREF colour) { SetCustomHighlightColor(4, colour); }

    bool GetHighlightMultipleSelectionsWithFrameRect() const { return m_frameMultipleSelections; }
    void SetHighlightMultipleSelectionsWithFrameRect(bool frame) { m_frameMultipleSelections = frame; }
    nxBidPriceDrawType GetBidPriceDrawType() const { return m_bidPriceDrawType; }
    // Unknown draw types are kept as None.
    void SetBidPriceDrawType(uint32_t type);
    void SetBidPriceDrawType(nxBidPriceDrawType type) { m_bidPriceDrawType = type; }
    COLORREF GetBidPriceColor() const { return m_bidPriceColour; }
    void SetBidPriceColor(COLORREF colour) { m_bidPriceColour = colour; }

    // How value changes flash where a row's highlight does not say otherwise.
    nxGridFlashType GetFlashType() const { return m_flashType; }
    void SetFlashType(nxGridFlashType type);
    COLORREF GetFlashUpColor() const { return m_flashUpColour; }
    COLORREF GetFlashDownColor() const { return m_flashDownColour; }
    COLORREF GetFlashChangeColor() const { return m_flashChangeColour; }
    void SetFlashUpColor(COLORREF colour) { m_flashUpColour = colour; }
    void SetFlashDownColor(COLORREF colour) { m_flashDownColour = colour; }
    void SetFlashChangeColor(COLORREF colour) { m_flashChangeColour = colour; }
    // Milliseconds a flash takes to fade back; kept between 100 and 10,000.
    uint32_t GetFlashDurationMilliseconds() const { return m_flashDuration; }
    void SetFlashDurationMilliseconds(uint32_t milliseconds);

    COLORREF GetStaleTextColor() const { return m_staleTextColour; }
    void SetStaleTextColor(COLORREF colour) { m_staleTextColour = colour; }
    COLORREF GetWarningColor() const { return m_warningColour; }
    void SetWarningColor(COLORREF colour) { m_warningColour = colour; }

    // The flash type a cell uses: its row's highlight's own, unless that says Default.
    nxGridFlashType GetEffectiveFlashType(int customHighlightIndex) const;

    bool operator==(const CGridStyleManager&) const = default;

    void SaveToXML(nxXMLElement& element) const;
    // Settings missing from the element or not readable keep their current value.
    void LoadFromXML(nxXMLElement& element);

private:
    std::array<COLORREF, CustomHighlightCount> m_highlightColours;
    std::array<nxGridFlashType, CustomHighlightCount> m_highlightFlashTypes;
    bool m_frameMultipleSelections = false;
    nxBidPriceDrawType m_bidPriceDrawType = nxBidPriceDrawType::Background;
    COLORREF m_bidPriceColour;
    nxGridFlashType m_flashType = nxGridFlashType::Background;
    COLORREF m_flashUpColour;
    COLORREF m_flashDownColour;
    COLORREF m_flashChangeColour;
    uint32_t m_flashDuration = 1500;
    COLORREF m_staleTextColour;
    COLORREF m_warningColour;
};
