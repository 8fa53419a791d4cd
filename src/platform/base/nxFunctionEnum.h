#pragma once

#include "platform/base/nxEnum.h"

// A right of the user, checked with the security service.
NX_DECLARE_ENUM_CLASS(nxFunctionEnum);

namespace nxFunction
{
inline constexpr uint32_t SystemManagerAll = 100006;
inline constexpr uint32_t SystemManagerServers = 100919;
inline constexpr uint32_t SystemManagerClients = 100920;
} // namespace nxFunction
