#pragma once

#include "platform/base/nxClientServerEnum.h"
#include "platform/base/nxEnum.h"

// Kind of platform application; every kind belongs to the server or the client half.
class nxApplicationTypeEnum : public nxEnum
{
public:
    nxApplicationTypeEnum() : nxEnum(UndefinedValue) {}
    explicit nxApplicationTypeEnum(uint32_t value) : nxEnum(value) {}
    std::span<const nxEnumEntry> GetEntries() const override;
    static std::span<const nxEnumEntry> Entries();

    // Undefined for an undefined or unknown type.
    nxClientServerEnum GetClientServer() const;
};

namespace nxAppType
{
// Servers are 7001..7099, clients 7101..7199.
inline constexpr uint32_t OrderRouter = 7001;
inline constexpr uint32_t MarketDataServer = 7002;
inline constexpr uint32_t PriceServer = 7003;
inline constexpr uint32_t RiskServer = 7004;
inline constexpr uint32_t PositionServer = 7005;
inline constexpr uint32_t ExchangeGateway = 7006;
inline constexpr uint32_t ControlServer = 7007;
inline constexpr uint32_t TraderWorkstation = 7101;
inline constexpr uint32_t RiskMonitor = 7102;
inline constexpr uint32_t AdminConsole = 7103;
inline constexpr uint32_t SpreadsheetLink = 7104;
inline constexpr uint32_t AutoTrader = 7105;
} // namespace nxAppType
