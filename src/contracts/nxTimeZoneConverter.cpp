#include "contracts/nxTimeZoneConverter.h"

#include <atomic>

namespace
{
class nxNoTimeZoneConverter final : public nxTimeZoneConverter
{
public:
    bool IsInitialised() const override { return false; }
    bool Initialise(std::string& errorText, const std::string&) override
    {
        errorText = "No time-zone service is available";
        return false;
    }
    void GetTimeZoneRegions(std::vector<std::string>& regions) const override { regions.clear(); }
};

nxNoTimeZoneConverter g_none;
std::atomic<nxTimeZoneConverter*> g_instance{nullptr};
} // namespace

nxTimeZoneConverter* nxTimeZoneConverter::GetInstance()
{
    nxTimeZoneConverter* instance = g_instance.load(std::memory_order_acquire);
    return instance ? instance : &g_none;
}

nxTimeZoneConverter* nxTimeZoneConverter::SetInstance(nxTimeZoneConverter* instance)
{
    return g_instance.exchange(instance, std::memory_order_acq_rel);
}
