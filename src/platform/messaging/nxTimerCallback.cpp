#include "platform/messaging/nxTimerCallback.h"

#include "platform/messaging/nxMessageManager.h"

nxTimerCallback::~nxTimerCallback()
{
    nxMessageManager::Forget(this);
}
