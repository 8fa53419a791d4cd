#pragma once

#include "platform/base/nxEnum.h"

// Fault-tolerance role of an application.
NX_DECLARE_ENUM_CLASS(nxFTStateEnum);

namespace nxFTState
{
inline constexpr uint32_t Primary = 8101;
inline constexpr uint32_t Backup = 8102;
inline constexpr uint32_t Standalone = 8103;
inline constexpr uint32_t FailingOver = 8104;
} // namespace nxFTState
