#pragma once

#include <string>

#include "platform/base/nxValueWrapper.h"

// The process's environment, read as typed values.
class nxCmdLineArgs
{
public:
    static nxCmdLineArgs& GetInstance();

    // The variable read as a double. Null (2^52 - 1) when it is not set, no-change
    // (2^52 - 2) when its text is not a number.
    nxDoubleValueWrapper GetEnvValueAsDoubleValue(const std::string& name) const;

private:
    nxCmdLineArgs() = default;
};
