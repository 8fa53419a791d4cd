#include "status/nxApplicationControlCallback.h"

#include "contracts/nxControlInterface.h"
#include "platform/base/nxLog.h"

nxApplicationControlCallback& nxApplicationControlCallback::GetInstance()
{
    static nxApplicationControlCallback instance;
    return instance;
}

nxApplicationControlCallback::nxApplicationControlCallback()
{
    // A removal request carries no callback; the service answers here.
    nxControlInterface::SetResponseCallback(this);
}

void nxApplicationControlCallback::OnRemoveApplicationFromApplicationStatusImageResponse(
    const nxErrorEnum& error, void*)
{
    if (error.IsOK())
        nxLog(nxLogLevelEnum(nxLogLevel::Info), "nxControlDataManager")
            << "OnRemoveApplicationFromApplicationStatusImageResponse succeeded";
    else
        nxLog(nxLogLevelEnum(nxLogLevel::Error), "nxControlDataManager")
            << "OnRemoveApplicationFromApplicationStatusImageResponse, err: " << error;
}
