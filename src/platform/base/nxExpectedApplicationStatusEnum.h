#pragma once

#include "platform/base/nxEnum.h"

// How an application's state compares with what its schedule expects:
// 8201 OK (running inside its window, or stopped outside it), 8202 Missing (it
// stopped reporting), 8203 Unexpected (running outside its window or stopped
// inside it), 8204 FT State (running when expected, but not in the fault-tolerance
// role it should have).
NX_DECLARE_ENUM_CLASS(nxExpectedApplicationStatusEnum);

namespace nxExpectedStatus
{
inline constexpr uint32_t OK = 8201;
inline constexpr uint32_t Missing = 8202;
inline constexpr uint32_t Unexpected = 8203;
inline constexpr uint32_t FTState = 8204;
} // namespace nxExpectedStatus
