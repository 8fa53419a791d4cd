#pragma once

#include "platform/base/nxEnum.h"

// State of a decimal value: an ordinary value, null, or no change.
NX_DECLARE_ENUM_CLASS(nxValueStatusEnum);

namespace nxValueStatus
{
inline constexpr uint32_t Valid = 241;
inline constexpr uint32_t Null = 242;
inline constexpr uint32_t NoChange = 243;
} // namespace nxValueStatus
