#include "contracts/nxSecurityInterface.h"

#include <atomic>

namespace
{
class nxNoSecurityService final : public nxSecurityInterface
{
public:
    nxErrorEnum CheckSecurity(const nxFunctionEnum&) override
    {
        return nxErrorEnum(nxErrorEnum::NotConnected,
                           "No security service is available to check your rights");
    }
    std::string GetUserNodeName(uint32_t) override { return {}; }
};

nxNoSecurityService g_none;
std::atomic<nxSecurityInterface*> g_instance{nullptr};
} // namespace

nxSecurityInterface* nxSecurityInterface::GetInstance()
{
    nxSecurityInterface* instance = g_instance.load(std::memory_order_acquire);
    return instance ? instance : &g_none;
}

nxSecurityInterface* nxSecurityInterface::SetInstance(nxSecurityInterface* instance)
{
    return g_instance.exchange(instance, std::memory_order_acq_rel);
}
