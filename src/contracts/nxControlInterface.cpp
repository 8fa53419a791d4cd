#include "contracts/nxControlInterface.h"

#include <atomic>

#include "contracts/nxApplicationSchedule.h"

namespace
{
// Answers every request while no control service is installed.
class nxDisconnectedControlInterface final : public nxControlInterface
{
public:
    static nxErrorEnum NotConnected()
    {
        return nxErrorEnum(nxErrorEnum::NotConnected, "The console is not connected to a control service");
    }
    nxErrorEnum SubscribeApplicationStatus(nxControlCallback*, void*, const nxClientServerEnum&,
                                           nxMessageQueue*) override
    {
        return NotConnected();
    }
    nxErrorEnum UnsubscribeApplicationStatus(nxControlCallback*, const nxClientServerEnum&) override
    {
        return NotConnected();
    }
    nxErrorEnum GetApplicationStatusSnapshot(nxControlCallback*, void*, const nxClientServerEnum&) override
    {
        return NotConnected();
    }
    nxErrorEnum ShutdownApplication(nxControlCallback*, void*, const nxApplicationID&) override
    {
        return NotConnected();
    }
    nxErrorEnum RemoveApplicationFromApplicationStatusImage(const nxApplicationID&) override
    {
        return NotConnected();
    }
    nxErrorEnum SubscribeLogMessages(nxControlCallback*, void*) override { return NotConnected(); }
    nxErrorEnum SubscribeLogMessagesForUser(nxControlCallback*, void*, const nxUInt32ValueWrapper&) override
    {
        return NotConnected();
    }
    nxErrorEnum UnsubscribeLogMessages(nxControlCallback*) override { return NotConnected(); }
    nxErrorEnum UnsubscribeLogMessagesForUser(nxControlCallback*, const nxUInt32ValueWrapper&) override
    {
        return NotConnected();
    }
    nxErrorEnum GetApplicationScheduleInstanceList(std::vector<std::string>&) override
    {
        return NotConnected();
    }
    nxErrorEnum GetApplicationScheduleDefinition(const std::string&, nxApplicationSchedule*&) override
    {
        return NotConnected();
    }
    nxErrorEnum SaveApplicationScheduleDefinition(const nxApplicationSchedule&, bool) override
    {
        return NotConnected();
    }
    nxErrorEnum DeleteApplicationScheduleInstance(const std::string&) override { return NotConnected(); }
    nxErrorEnum
    SaveApplicationScheduleAssignments(const std::vector<nxApplicationScheduleAssignment*>&) override
    {
        return NotConnected();
    }
};

nxDisconnectedControlInterface g_disconnected;
std::atomic<nxControlInterface*> g_instance{nullptr};
std::atomic<nxControlCallback*> g_responseCallback{nullptr};
} // namespace

void nxControlInterface::SetResponseCallback(nxControlCallback* callback)
{
    g_responseCallback.store(callback, std::memory_order_release);
}

nxControlCallback* nxControlInterface::GetResponseCallback()
{
    return g_responseCallback.load(std::memory_order_acquire);
}

nxControlInterface* nxControlInterface::GetInstance()
{
    nxControlInterface* instance = g_instance.load(std::memory_order_acquire);
    return instance ? instance : &g_disconnected;
}

nxControlInterface* nxControlInterface::SetInstance(nxControlInterface* instance)
{
    return g_instance.exchange(instance, std::memory_order_acq_rel);
}
