#include "platform/service/nxPlatformGenerator.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>

#include "platform/base/nxApplicationTypeEnum.h"
#include "platform/service/nxPlatformRandom.h"
#include "platform/service/nxScheduleSchemeStore.h"

namespace
{
// Applications keep the hours of their own region: a Tokyo order router trades on
// Tokyo hours, not on London's.
struct Site
{
    const char* location;
    const char* code;
    const char* region;
    const char* serverScheme; // the hours its weekday servers keep
    const char* deskScheme;   // the trading hours its desks keep
};

constexpr std::array<Site, 6> kSites = {{{"London", "ldn", "Europe", "Weekdays", "LondonHours"},
                                         {"New York", "nyc", "Americas", "NewYorkHours", "NewYorkHours"},
                                         {"Chicago", "chi", "Americas", "FuturesOvernight", "NewYorkHours"},
                                         {"Frankfurt", "fra", "Europe", "Weekdays", "LondonHours"},
                                         {"Tokyo", "tky", "Asia", "TokyoHours", "TokyoHours"},
                                         {"Singapore", "sgp", "Asia", "TokyoHours", "TokyoHours"}}};
// Most hosts and desks are in London and New York.
constexpr std::array<int, 8> kSiteCycle = {0, 1, 0, 1, 2, 3, 4, 5};

struct Kind
{
    uint32_t type;
    const char* code;
    const char* name;
    const char* account; // the service account servers run under; empty for clients
    const char* scheme;  // its usual scheme; empty: its site's, or its exchange's
    bool paired;
    uint32_t weight;
};

constexpr std::array<Kind, 5> kServerKinds = {{
    {nxAppType::OrderRouter, "ORR", "OrderRouter", "svc_orders", "", true, 25},
    {nxAppType::MarketDataServer, "MDS", "MarketDataServer", "svc_mktdata", "24x7", false, 25},
    {nxAppType::PriceServer, "PRS", "PriceServer", "svc_pricing", "", true, 15},
    {nxAppType::RiskServer, "RSK", "RiskServer", "svc_risk", "24x7", true, 15},
    {nxAppType::PositionServer, "POS", "PositionServer", "svc_positions", "", true, 10},
}};
constexpr const Kind& kRiskServer = kServerKinds[3];
constexpr const Kind& kMarketData = kServerKinds[1];
constexpr Kind kGateway = {nxAppType::ExchangeGateway, "GWY", "ExchangeGateway", "svc_gateway", "", true, 10};
constexpr Kind kControlServer = {
    nxAppType::ControlServer, "CTL", "ControlServer", "svc_control", "24x7", true, 0};

constexpr std::array<Kind, 5> kClientKinds = {{
    {nxAppType::TraderWorkstation, "TWS", "TraderWorkstation", "", "", false, 45},
    {nxAppType::RiskMonitor, "RMN", "RiskMonitor", "", "", false, 15},
    {nxAppType::AdminConsole, "ADM", "AdminConsole", "", "", false, 5},
    {nxAppType::SpreadsheetLink, "XLS", "SpreadsheetLink", "", "", false, 20},
    {nxAppType::AutoTrader, "ATR", "AutoTrader", "", "", false, 15},
}};

// A gateway keeps its exchange's hours and runs in the exchange's region.
struct Exchange
{
    const char* code;
    const char* scheme;
    const char* region;
};
constexpr std::array<Exchange, 8> kExchanges = {{{"LSE", "LondonHours", "Europe"},
                                                 {"XETRA", "LondonHours", "Europe"},
                                                 {"EURONEXT", "LondonHours", "Europe"},
                                                 {"NYSE", "NewYorkHours", "Americas"},
                                                 {"CME", "FuturesOvernight", "Americas"},
                                                 {"TSE", "TokyoHours", "Asia"},
                                                 {"HKEX", "TokyoHours", "Asia"},
                                                 {"SGX", "TokyoHours", "Asia"}}};

constexpr std::array<const char*, 6> kRoles = {"trader", "trader", "sales", "risk", "quant", "ops"};

std::string Numbered(const std::string& prefix, uint32_t number, int width)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%0*u", width, number);
    return prefix + digits;
}

std::string Id(const char* code, uint32_t number)
{
    return Numbered(std::string(code) + "-", number, 4);
}

std::string Version(uint32_t type, nxPlatformRandom& random)
{
    // Most run the current release; a few are a release behind.
    const uint32_t minor = type % 100 + (random.Chance(0.1) ? 0 : 1);
    return "5." + std::to_string(minor) + "." + std::to_string(random.Below(20));
}

// Picks a kind with a chance in proportion to its weight.
template <size_t N> const Kind& PickKind(const std::array<Kind, N>& kinds, nxPlatformRandom& random)
{
    uint32_t total = 0;
    for (const Kind& kind : kinds)
        total += kind.weight;
    uint32_t pick = random.Below(total);
    for (const Kind& kind : kinds)
    {
        if (pick < kind.weight)
            return kind;
        pick -= kind.weight;
    }
    return kinds.back();
}

const Site& SiteOf(const std::string& location)
{
    for (const Site& site : kSites)
        if (location == site.location)
            return site;
    return kSites[0];
}

// Desks keep their site's hours; a few applications are ignored or have no scheme.
std::string ClientScheme(const Kind& kind, const std::string& location, nxPlatformRandom& random)
{
    if (random.Chance(0.04))
        return nxScheduleSchemeStore::IgnoreScheme;
    if (random.Chance(0.04))
        return {};
    if (*kind.scheme)
        return kind.scheme;
    return SiteOf(location).deskScheme;
}

class ServerBuilder
{
public:
    ServerBuilder(const std::vector<nxPlatformGenerator::Host>& hosts, nxPlatformRandom& random,
                  std::vector<nxSimulatedApplication>& servers)
        : m_hosts(hosts), m_random(random), m_servers(servers)
    {
    }

    // ignorable: whether the scheme may be "Ignore", as it is for a few servers.
    void AddPair(const Kind& kind, bool ignorable = true)
    {
        const uint32_t first = m_counts[kind.code] + 1;
        m_counts[kind.code] += 2;
        const uint32_t number = (first + 1) / 2;
        const size_t host = PickHost(kind, number);
        const std::string instance = Instance(kind, number, host);
        const std::string scheme = Scheme(kind, number, host, ignorable);
        const std::string idA = Id(kind.code, first);
        const std::string idB = Id(kind.code, first + 1);
        Add(kind, idA, instance + "A", host, nxFTState::Primary, idB, scheme);
        Add(kind, idB, instance + "B", PartnerHost(host), nxFTState::Backup, idA, scheme);
    }

    void AddSingle(const Kind& kind, bool ignorable = true)
    {
        const uint32_t number = ++m_counts[kind.code];
        const size_t host = PickHost(kind, number);
        Add(kind, Id(kind.code, number), Instance(kind, number, host), host, nxFTState::Standalone, "",
            Scheme(kind, number, host, ignorable));
    }

private:
    static const Exchange& ExchangeOf(uint32_t number)
    {
        return kExchanges[(number - 1) % kExchanges.size()];
    }

    // Any host; a gateway's in its exchange's region when there is one.
    size_t PickHost(const Kind& kind, uint32_t number)
    {
        const char* region = kind.type == nxAppType::ExchangeGateway ? ExchangeOf(number).region : nullptr;
        std::vector<size_t> candidates;
        for (size_t host = 0; region && host < m_hosts.size(); ++host)
            if (m_hosts[host].region == region)
                candidates.push_back(host);
        if (candidates.empty())
            return m_random.Below(static_cast<uint32_t>(m_hosts.size()));
        return candidates[m_random.Below(static_cast<uint32_t>(candidates.size()))];
    }

    // Another host of the same region, so the pair keeps one region's hours; the next
    // host when the region has no other.
    size_t PartnerHost(size_t host)
    {
        std::vector<size_t> candidates;
        for (size_t other = 0; other < m_hosts.size(); ++other)
            if (other != host && m_hosts[other].region == m_hosts[host].region)
                candidates.push_back(other);
        if (candidates.empty())
            return (host + 1) % m_hosts.size();
        return candidates[m_random.Below(static_cast<uint32_t>(candidates.size()))];
    }

    std::string Instance(const Kind& kind, uint32_t number, size_t host) const
    {
        if (kind.type == nxAppType::ExchangeGateway)
            return std::string(ExchangeOf(number).code) + "-" + std::to_string(number);
        return m_hosts[host].name.substr(0, 3) + "-" + std::to_string(number);
    }

    std::string Scheme(const Kind& kind, uint32_t number, size_t host, bool ignorable)
    {
        if (ignorable && kind.type != nxAppType::ControlServer && m_random.Chance(0.05))
            return nxScheduleSchemeStore::IgnoreScheme;
        if (kind.type == nxAppType::ExchangeGateway)
            return ExchangeOf(number).scheme;
        return *kind.scheme ? kind.scheme : SiteOf(m_hosts[host].location).serverScheme;
    }

    void Add(const Kind& kind, std::string id, std::string instance, size_t host, uint32_t role,
             std::string partner, const std::string& scheme)
    {
        nxSimulatedApplication::Identity identity{.id = std::move(id),
                                                  .name = kind.name,
                                                  .instance = std::move(instance),
                                                  .host = m_hosts[host].name,
                                                  .user = kind.account,
                                                  .location = m_hosts[host].location,
                                                  .version = Version(kind.type, m_random),
                                                  .type = kind.type,
                                                  .ownFTRole = role,
                                                  .partnerId = std::move(partner)};
        const double uptime = m_random.Between(600.0, 3 * 86400.0);
        m_servers.emplace_back(std::move(identity), scheme, true, -uptime, m_random);
    }

    const std::vector<nxPlatformGenerator::Host>& m_hosts;
    nxPlatformRandom& m_random;
    std::vector<nxSimulatedApplication>& m_servers;
    std::map<std::string, uint32_t> m_counts;
};
} // namespace

nxPlatformGenerator::Platform nxPlatformGenerator::Generate(const nxEmbeddedPlatformOptions& options,
                                                            nxPlatformRandom& random)
{
    Platform platform;
    platform.users = MakeUsers(std::max<uint32_t>(1, options.userCount));
    AddServers(options.serverCount, MakeHosts(std::max<uint32_t>(1, options.serverHostCount)), random,
               platform.servers);
    AddClients(options.clientCount, platform.users, random, platform.clients);
    return platform;
}

std::vector<nxPlatformGenerator::Host> nxPlatformGenerator::MakeHosts(uint32_t count)
{
    std::vector<Host> hosts;
    for (uint32_t i = 0; i < count; ++i)
    {
        const Site& site = kSites[kSiteCycle[i % kSiteCycle.size()]];
        hosts.push_back({Numbered(std::string(site.code) + "-app", i + 1, 2), site.location, site.region});
    }
    return hosts;
}

std::vector<nxPlatformGenerator::User> nxPlatformGenerator::MakeUsers(uint32_t count)
{
    std::vector<User> users;
    for (uint32_t i = 0; i < count; ++i)
    {
        const Site& site = kSites[kSiteCycle[i % kSiteCycle.size()]];
        users.push_back({1001 + i, Numbered(kRoles[i % kRoles.size()], i + 1, 2),
                         Numbered(std::string(site.code) + "-ws", 1001 + i, 4), site.location});
    }
    return users;
}

void nxPlatformGenerator::AddServers(uint32_t count, const std::vector<Host>& hosts, nxPlatformRandom& random,
                                     std::vector<nxSimulatedApplication>& servers)
{
    servers.reserve(count);
    ServerBuilder builder(hosts, random, servers);
    if (count >= 2)
        builder.AddPair(kControlServer);
    // Every platform of some size has a pair and a server that always run, so every
    // opening can show a failover and a silent server, whatever the day and hour.
    if (count >= 5)
    {
        builder.AddPair(kRiskServer, false);
        builder.AddSingle(kMarketData, false);
    }
    while (servers.size() < count)
    {
        const Kind& kind = random.Chance(0.1) ? kGateway : PickKind(kServerKinds, random);
        if (kind.paired && servers.size() + 2 <= count)
            builder.AddPair(kind);
        else
            builder.AddSingle(kind);
    }
}

void nxPlatformGenerator::AddClients(uint32_t count, const std::vector<User>& users, nxPlatformRandom& random,
                                     std::vector<nxSimulatedApplication>& clients)
{
    clients.reserve(count);
    std::map<std::string, uint32_t> counts;
    for (uint32_t i = 0; i < count; ++i)
    {
        const Kind& kind = PickKind(kClientKinds, random);
        const User& user = users[random.Below(static_cast<uint32_t>(users.size()))];
        const uint32_t number = ++counts[kind.code];
        nxSimulatedApplication::Identity identity{.id = Id(kind.code, number),
                                                  .name = kind.name,
                                                  .instance = user.name + "-" + std::to_string(number),
                                                  .host = user.node,
                                                  .user = user.name,
                                                  .location = user.location,
                                                  .version = Version(kind.type, random),
                                                  .type = kind.type,
                                                  .ownFTRole = nxFTState::Standalone,
                                                  .partnerId = {}};
        std::string scheme = ClientScheme(kind, user.location, random);
        clients.emplace_back(std::move(identity), std::move(scheme), true, -random.Between(60.0, 36000.0),
                             random);
    }
}
