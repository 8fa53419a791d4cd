#pragma once

#include <cstdint>

using nxAttributeID = uint32_t;
using nxAttributeCategory = uint32_t;
using nxSubscriptionCategory = uint32_t;
// Per-attribute highlight bits that the grid turns into cell colours.
using nxAttributeHighlightBitMask = uint64_t;
// What an update changed, as told to observers.
using nxAttributeChangeBitMask = uint32_t;

namespace nxAttributeChange
{
inline constexpr nxAttributeChangeBitMask NullTransition = 0x1; // null to a value, or a value to null
inline constexpr nxAttributeChangeBitMask Rose = 0x2;
inline constexpr nxAttributeChangeBitMask Fell = 0x4;
inline constexpr nxAttributeChangeBitMask ChangedWithoutFlash = 0x8;
inline constexpr nxAttributeChangeBitMask HighlightChanged = 0x20;
inline constexpr nxAttributeChangeBitMask AnyValueChange = 0x1F;
} // namespace nxAttributeChange

namespace nxAttributeCategories
{
inline constexpr nxAttributeCategory ApplicationStatus = 15;
inline constexpr nxAttributeCategory LogMessage = 16;
} // namespace nxAttributeCategories

namespace nxSubscriptionCategories
{
inline constexpr nxSubscriptionCategory ApplicationStatus = 7;
inline constexpr nxSubscriptionCategory LogMessage = 8;
} // namespace nxSubscriptionCategories
