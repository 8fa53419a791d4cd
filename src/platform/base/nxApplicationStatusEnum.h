#pragma once

#include "platform/base/nxEnum.h"

// What an application reports about itself.
NX_DECLARE_ENUM_CLASS(nxApplicationStatusEnum);

namespace nxAppStatus
{
inline constexpr uint32_t Starting = 8001;
inline constexpr uint32_t Running = 8002;
inline constexpr uint32_t Stopping = 8003;
inline constexpr uint32_t Stopped = 8004;
inline constexpr uint32_t Failed = 8005;
inline constexpr uint32_t NotResponding = 8006;
} // namespace nxAppStatus
