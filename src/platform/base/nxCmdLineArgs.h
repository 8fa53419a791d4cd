#pragma once

#include <string>
#include <vector>

#include "platform/base/nxValueWrapper.h"

// The process's command line and environment.
class nxCmdLineArgs
{
public:
    static nxCmdLineArgs& GetInstance();

    void SetArguments(int argc, const char* const* argv);
    const std::vector<std::string>& GetArguments() const { return m_arguments; }

    // The variable read as a double. Null (2^52 - 1) when it is not set, no-change
    // (2^52 - 2) when its text is not a number.
    nxDoubleValueWrapper GetEnvValueAsDoubleValue(const std::string& name) const;

private:
    nxCmdLineArgs() = default;

    std::vector<std::string> m_arguments;
};
