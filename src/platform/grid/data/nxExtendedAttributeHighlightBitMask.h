#pragma once

#include <cstdint>

// A second, wider set of highlight bits; no attribute of this program sets any.
class nxExtendedAttributeHighlightBitMask
{
public:
    bool IsEmpty() const { return m_low == 0 && m_high == 0; }
    bool operator==(const nxExtendedAttributeHighlightBitMask&) const = default;

private:
    uint64_t m_low = 0;
    uint64_t m_high = 0;
};
