#include "platform/base/nxApplicationTypeEnum.h"

namespace
{
constexpr nxEnumEntry kEntries[] = {
    {7001, "OrderRouter", "Order Router"},         {7002, "MarketDataServer", "Market Data Server"},
    {7003, "PriceServer", "Price Server"},         {7004, "RiskServer", "Risk Server"},
    {7005, "PositionServer", "Position Server"},   {7006, "ExchangeGateway", "Exchange Gateway"},
    {7007, "ControlServer", "Control Server"},     {7101, "TraderWorkstation", "Trader Workstation"},
    {7102, "RiskMonitor", "Risk Monitor"},         {7103, "AdminConsole", "Admin Console"},
    {7104, "SpreadsheetLink", "Spreadsheet Link"}, {7105, "AutoTrader", "Automated Trader"},
};
} // namespace

std::span<const nxEnumEntry> nxApplicationTypeEnum::Entries()
{
    return kEntries;
}
std::span<const nxEnumEntry> nxApplicationTypeEnum::GetEntries() const
{
    return kEntries;
}

nxClientServerEnum nxApplicationTypeEnum::GetClientServer() const
{
    const uint32_t value = GetValue();
    if (value >= 7001 && value <= 7099)
        return nxClientServerEnum(nxServerValue);
    if (value >= 7101 && value <= 7199)
        return nxClientServerEnum(nxClientValue);
    return nxClientServerEnum();
}
