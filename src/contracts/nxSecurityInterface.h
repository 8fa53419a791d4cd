#pragma once

#include <cstdint>
#include <string>

#include "platform/base/nxErrorEnum.h"
#include "platform/base/nxFunctionEnum.h"

// The user's rights, and what the platform knows of its users.
class nxSecurityInterface
{
public:
    // Never null: without an installed implementation every right is refused.
    static nxSecurityInterface* GetInstance();
    static nxSecurityInterface* SetInstance(nxSecurityInterface* instance);

    virtual ~nxSecurityInterface() = default;

    // OK when the user holds the right.
    virtual nxErrorEnum CheckSecurity(const nxFunctionEnum& function) = 0;
    // The node a user works on; empty when the user is unknown.
    virtual std::string GetUserNodeName(uint32_t userId) = 0;
};
