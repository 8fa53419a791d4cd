#pragma once

#include <QColor>
#include <cstdint>

// A solid brush: the colour a swatch is filled with. Colours are 0x00BBGGRR.
class CBrush
{
public:
    void CreateSolidBrush(uint32_t colorRef) { m_color = FromColorRef(colorRef); }
    void DeleteObject() { m_color = QColor(); }
    bool IsValid() const { return m_color.isValid(); }
    QColor GetColor() const { return m_color; }

    static QColor FromColorRef(uint32_t colorRef)
    {
        return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
    }
    static uint32_t ToColorRef(const QColor& color)
    {
        return static_cast<uint32_t>(color.red()) | (static_cast<uint32_t>(color.green()) << 8) |
               (static_cast<uint32_t>(color.blue()) << 16);
    }

private:
    QColor m_color;
};
