#pragma once

#include "platform/grid/CGridStyle.h"

// The plain style of a text cell, as creation templates give it to a column.
class CGridStringStyle : public CGridStyle
{
public:
    CGridStringStyle() = default;
    CGridStringStyle(COLORREF textColour, COLORREF backgroundColour, uint32_t alignment)
        : CGridStyle(textColour, backgroundColour, alignment)
    {
    }

    CGridStringStyle* CopyInstance() const override { return new CGridStringStyle(*this); }
};
