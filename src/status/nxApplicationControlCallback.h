#pragma once

#include "contracts/nxControlCallback.h"

// The one callback handed to the control service for stop and remove requests.
// It changes no data: the next status batch shows a request's effect. It only
// logs the outcome of a removal.
class nxApplicationControlCallback : public nxControlCallback
{
public:
    static nxApplicationControlCallback& GetInstance();

    void OnRemoveApplicationFromApplicationStatusImageResponse(const nxErrorEnum& error,
                                                               void* context) override;

private:
    nxApplicationControlCallback();
};
