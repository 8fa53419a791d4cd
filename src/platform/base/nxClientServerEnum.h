#pragma once

#include "platform/base/nxEnum.h"

// The half of the platform an application belongs to.
NX_DECLARE_ENUM_CLASS(nxClientServerEnum);

inline constexpr uint32_t nxClientValue = 71;
inline constexpr uint32_t nxServerValue = 72;
