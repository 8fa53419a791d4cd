#include "platform/grid/CGridStyleManager.h"

#include <algorithm>
#include <string>

#include "platform/base/nxStringHelper.h"
#include "platform/xml/nxXMLElement.h"

namespace
{
// Tints of a palette that the common colour-vision deficiencies keep apart, light
// enough for black text at a contrast of at least 4.5:1.
constexpr COLORREF kDefaultHighlights[CGridStyleManager::CustomHighlightCount] = {
    nxRGB(115, 202, 178), // OK: bluish green
    nxRGB(241, 202, 115), // Unexpected: orange
    nxRGB(162, 214, 243), // FT State: sky blue
    nxRGB(232, 166, 115), // Missing: vermillion
};

constexpr uint32_t kMinFlashDuration = 100;
constexpr uint32_t kMaxFlashDuration = 10000;

bool IsKnownFlashType(uint32_t value)
{
    return value <= static_cast<uint32_t>(nxGridFlashType::Text);
}

std::string ColourText(COLORREF colour)
{
    return nxStringHelper::GetAsString(static_cast<uint32_t>(colour));
}

void ReadColour(nxXMLElement& element, const char* name, COLORREF& colour)
{
    uint32_t value = 0;
    if (nxStringHelper::SetFromString(element.GetFirstChildElement(name).GetValue(), value) &&
        value <= 0xFFFFFF)
        colour = value;
}

void ReadUnsigned(nxXMLElement& element, const char* name, uint32_t& value)
{
    uint32_t read = 0;
    if (nxStringHelper::SetFromString(element.GetFirstChildElement(name).GetValue(), read))
        value = read;
}

void ReadFlashType(nxXMLElement& element, const std::string& name, nxGridFlashType& type)
{
    uint32_t value = 0;
    if (nxStringHelper::SetFromString(element.GetFirstChildElement(name).GetValue(), value) &&
        IsKnownFlashType(value))
        type = static_cast<nxGridFlashType>(value);
}
} // namespace

CGridStyleManager::CGridStyleManager()
    : m_bidPriceColour(nxRGB(164, 164, 255)), m_flashUpColour(nxRGB(110, 170, 230)),
      m_flashDownColour(nxRGB(240, 140, 80)), m_flashChangeColour(nxRGB(245, 230, 110)),
      m_staleTextColour(nxRGB(64, 64, 64)), m_warningColour(nxRGB(213, 94, 0))
{
    std::copy(std::begin(kDefaultHighlights), std::end(kDefaultHighlights), m_highlightColours.begin());
    m_highlightFlashTypes.fill(nxGridFlashType::Background);
}

COLORREF CGridStyleManager::GetCustomHighlightColor(int index) const
{
    return index >= 1 && index <= CustomHighlightCount ? m_highlightColours[index - 1]
                                                       : m_highlightColours[0];
}

void CGridStyleManager::SetCustomHighlightColor(int index, COLORREF colour)
{
    if (index >= 1 && index <= CustomHighlightCount)
        m_highlightColours[index - 1] = colour & 0xFFFFFF;
}

nxGridFlashType CGridStyleManager::GetCustomHighlightFlashType(int index) const
{
    return index >= 1 && index <= CustomHighlightCount ? m_highlightFlashTypes[index - 1]
                                                       : m_highlightFlashTypes[0];
}

void CGridStyleManager::SetCustomHighlightFlashType(int index, nxGridFlashType type)
{
    if (index >= 1 && index <= CustomHighlightCount)
        m_highlightFlashTypes[index - 1] = type;
}

void CGridStyleManager::SetBidPriceDrawType(uint32_t type)
{
    m_bidPriceDrawType = type <= static_cast<uint32_t>(nxBidPriceDrawType::Frame)
                             ? static_cast<nxBidPriceDrawType>(type)
                             : nxBidPriceDrawType::None;
}

void CGridStyleManager::SetFlashType(nxGridFlashType type)
{
    // The grid's own type is what Default refers to, so it cannot be Default itself.
    m_flashType = type == nxGridFlashType::Default ? nxGridFlashType::Background : type;
}

void CGridStyleManager::SetFlashDurationMilliseconds(uint32_t milliseconds)
{
    m_flashDuration = std::clamp(milliseconds, kMinFlashDuration, kMaxFlashDuration);
}

nxGridFlashType CGridStyleManager::GetEffectiveFlashType(int customHighlightIndex) const
{
    if (customHighlightIndex < 1 || customHighlightIndex > CustomHighlightCount)
        return m_flashType;
    const nxGridFlashType own = m_highlightFlashTypes[customHighlightIndex - 1];
    return own == nxGridFlashType::Default ? m_flashType : own;
}

void CGridStyleManager::SaveToXML(nxXMLElement& element) const
{
    for (int index = 1; index <= CustomHighlightCount; ++index)
    {
        const std::string prefix = "CustomHighlight" + std::to_string(index);
        element.AddChildValue(prefix + "Color", ColourText(m_highlightColours[index - 1]));
        element.AddChildValue(prefix + "FlashType",
                              std::to_string(static_cast<uint32_t>(m_highlightFlashTypes[index - 1])));
    }
    element.AddChildValue("FrameMultipleSelections", m_frameMultipleSelections ? "1" : "0");
    element.AddChildValue("BidPriceDrawType", std::to_string(static_cast<uint32_t>(m_bidPriceDrawType)));
    element.AddChildValue("BidPriceColor", ColourText(m_bidPriceColour));
    element.AddChildValue("FlashType", std::to_string(static_cast<uint32_t>(m_flashType)));
    element.AddChildValue("FlashUpColor", ColourText(m_flashUpColour));
    element.AddChildValue("FlashDownColor", ColourText(m_flashDownColour));
    element.AddChildValue("FlashChangeColor", ColourText(m_flashChangeColour));
    element.AddChildValue("FlashDuration", std::to_string(m_flashDuration));
    element.AddChildValue("StaleTextColor", ColourText(m_staleTextColour));
    element.AddChildValue("WarningColor", ColourText(m_warningColour));
}

void CGridStyleManager::LoadFromXML(nxXMLElement& element)
{
    for (int index = 1; index <= CustomHighlightCount; ++index)
    {
        const std::string prefix = "CustomHighlight" + std::to_string(index);
        ReadColour(element, (prefix + "Color").c_str(), m_highlightColours[index - 1]);
        ReadFlashType(element, prefix + "FlashType", m_highlightFlashTypes[index - 1]);
    }
    bool frame = m_frameMultipleSelections;
    if (nxStringHelper::SetFromString(element.GetFirstChildElement("FrameMultipleSelections").GetValue(),
                                      frame))
        m_frameMultipleSelections = frame;
    uint32_t drawType = static_cast<uint32_t>(m_bidPriceDrawType);
    ReadUnsigned(element, "BidPriceDrawType", drawType);
    SetBidPriceDrawType(drawType);
    ReadColour(element, "BidPriceColor", m_bidPriceColour);
    nxGridFlashType flashType = m_flashType;
    ReadFlashType(element, "FlashType", flashType);
    SetFlashType(flashType);
    ReadColour(element, "FlashUpColor", m_flashUpColour);
    ReadColour(element, "FlashDownColor", m_flashDownColour);
    ReadColour(element, "FlashChangeColor", m_flashChangeColour);
    uint32_t duration = m_flashDuration;
    ReadUnsigned(element, "FlashDuration", duration);
    SetFlashDurationMilliseconds(duration);
    ReadColour(element, "StaleTextColor", m_staleTextColour);
    ReadColour(element, "WarningColor", m_warningColour);
}
