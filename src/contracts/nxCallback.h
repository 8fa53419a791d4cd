#pragma once

// Root of every object the control service calls back.
class nxCallback
{
public:
    virtual ~nxCallback() = default;
};
