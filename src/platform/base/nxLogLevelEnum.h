#pragma once

#include "platform/base/nxEnum.h"

// Severity of a log message, 31 (lowest) to 38 (highest).
NX_DECLARE_ENUM_CLASS(nxLogLevelEnum);

namespace nxLogLevel
{
inline constexpr uint32_t Trace = 31;
inline constexpr uint32_t Info = 32;
inline constexpr uint32_t Notice = 33;
inline constexpr uint32_t Warning = 34;
inline constexpr uint32_t Minor = 35;
inline constexpr uint32_t Major = 36;
inline constexpr uint32_t Error = 37;
inline constexpr uint32_t Critical = 38;
} // namespace nxLogLevel
