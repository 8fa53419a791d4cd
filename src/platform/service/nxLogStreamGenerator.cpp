#include "platform/service/nxLogStreamGenerator.h"

#include <array>
#include <charconv>
#include <cmath>
#include <span>
#include <string_view>

#include "platform/base/nxApplicationTypeEnum.h"
#include "platform/messaging/nxLogMessage.h"
#include "platform/service/nxPlatformAnnouncer.h"
#include "platform/service/nxSimulatedPlatform.h"

namespace
{
constexpr uint64_t kLogStream = 2;
constexpr uint32_t kAnyType = 0;
constexpr uint32_t kAddressed = 1; // texts for a message addressed to one user
constexpr double kAddressedShare = 0.04;
constexpr const char* kControlServer = "ControlServer";

struct Template
{
    uint32_t lowest;
    uint32_t highest;
    uint32_t type;
    const char* text;
};

// Levels 31..37, per thousand messages: mostly routine, errors rare; 38 only
// announces an incident.
constexpr std::array<uint32_t, 7> kLevelWeights = {150, 450, 200, 110, 60, 25, 5};

constexpr Template kTemplates[] = {
    {31, 33, nxAppType::OrderRouter, "Order {ord} routed to {exch}: {qty} {sym} @ {px}"},
    {31, 33, nxAppType::OrderRouter, "Order {ord} filled {qty} {sym} @ {px}"},
    {34, 36, nxAppType::OrderRouter, "Order {ord} rejected by {exch}: {reason}"},
    {31, 33, nxAppType::MarketDataServer, "Published {n} updates for {exch} in the last second"},
    {34, 36, nxAppType::MarketDataServer, "Gap in the {exch} feed: sequence {seq} requested again"},
    {31, 33, nxAppType::PriceServer, "Price for {sym} updated: bid {px}"},
    {31, 33, nxAppType::PriceServer, "Curve {curve} rebuilt in {ms} ms"},
    {31, 33, nxAppType::RiskServer, "Limit check for {acct} on {sym}: {pct}% of limit used"},
    {34, 37, nxAppType::RiskServer, "Risk limit breached for account {acct}: {pct}% over"},
    {31, 33, nxAppType::PositionServer, "Position of {acct} in {sym} is now {qty}"},
    {31, 33, nxAppType::ExchangeGateway, "Heartbeat to {exch} answered in {ms} ms"},
    {34, 36, nxAppType::ExchangeGateway, "Resend request from {exch} for sequence {seq}"},
    {37, 37, nxAppType::ExchangeGateway, "Connection to {exch} lost; reconnecting in {s} s"},
    {31, 33, nxAppType::TraderWorkstation, "User {user} opened an order ticket for {sym}"},
    {31, 33, nxAppType::AutoTrader, "Strategy {strategy} sent {n} orders"},
    {31, 33, nxAppType::SpreadsheetLink, "Sheet refreshed: {n} cells updated"},
    {31, 33, nxAppType::RiskMonitor, "Risk view refreshed for {n} accounts"},
    {31, 33, kAnyType, "Processed {n} messages in {ms} ms"},
    {31, 33, kAnyType, "Configuration reloaded by {user}"},
    {34, 36, kAnyType, "Queue to {host} holds {n} messages"},
    {34, 36, kAnyType, "Garbage collection took {ms} ms"},
    {37, 37, kAnyType, "Lost connection to {host}; retrying in {s} s"},
    {31, 36, kAddressed, "Order {ord} for {user}: {qty} {sym} @ {px} filled"},
    {34, 37, kAddressed, "Order {ord} for {user} rejected: {reason}"},
};

struct NumberField
{
    std::string_view name;
    const char* prefix;
    uint32_t lowest;
    uint32_t highest;
    const char* suffix;
};

constexpr NumberField kNumberFields[] = {
    {"ord", "ORD-", 100000, 999999, ""},
    {"qty", "", 1, 100, "00"},
    {"n", "", 1, 5000, ""},
    {"seq", "", 1, 9999999, ""},
    {"ms", "", 1, 250, ""},
    {"pct", "", 1, 100, ""},
    {"s", "", 1, 30, ""},
    {"acct", "ACC", 1000, 9999, ""},
    {"strategy", "pairs-", 1, 20, ""},
};

constexpr const char* kSymbols[] = {"VOD.L", "BARC.L", "SAP.DE", "AAPL", "MSFT", "7203.T", "ESZ6", "CLF7"};
constexpr const char* kExchanges[] = {"LSE", "XETRA", "NYSE", "CME", "TSE", "SGX"};
constexpr const char* kReasons[] = {"price outside collar", "unknown instrument", "market closed",
                                    "insufficient credit"};
constexpr const char* kCurves[] = {"USD-SOFR", "EUR-ESTR", "GBP-SONIA"};

struct WordField
{
    std::string_view name;
    std::span<const char* const> values;
};

constexpr WordField kWordFields[] = {
    {"sym", kSymbols}, {"exch", kExchanges}, {"reason", kReasons}, {"curve", kCurves}};
} // namespace

nxLogStreamGenerator::nxLogStreamGenerator(uint64_t seed) : m_random(seed, kLogStream) {}

uint32_t nxLogStreamGenerator::CountForStep(double messagesPerSecond, double seconds)
{
    m_owed += std::max(0.0, messagesPerSecond) * seconds * m_random.Between(0.5, 1.5);
    const double whole = std::floor(m_owed);
    m_owed -= whole;
    return static_cast<uint32_t>(whole);
}

void nxLogStreamGenerator::Generate(uint32_t count, nxSimulatedPlatform& platform, int64_t utcMicroseconds,
                                    Messages& messages)
{
    const Sources& sources = platform.GetActiveApplications();
    if (sources.empty())
        return;
    const nxDateTime written = nxDateTime::FromUtcMicroseconds(utcMicroseconds);
    const auto& users = platform.GetUsers();
    for (uint32_t i = 0; i < count; ++i)
    {
        auto message = std::make_unique<nxLogMessage>();
        const nxSimulatedApplication::Identity& source =
            sources[m_random.Below(static_cast<uint32_t>(sources.size()))]->GetIdentity();
        uint32_t level = PickLevel();
        Writer writer{sources, platform, source.host, {}};
        const char* text = nullptr;
        if (!users.empty() && m_random.Chance(kAddressedShare))
        {
            const auto& addressee = users[m_random.Below(static_cast<uint32_t>(users.size()))];
            message->SetDestinationUserID(nxUInt32ValueWrapper(addressee.id));
            writer.user = addressee.name;
            level = std::max(level, nxLogLevel::Info);
            text = PickTemplate(level, kAddressed);
        }
        message->SetLogLevel(nxLogLevelEnum(level));
        message->SetHostName(source.host);
        message->SetApplicationName(source.name);
        message->SetLogEntry(Expand(text ? text : PickTemplate(level, source.type), writer));
        message->SetTimeStamp(written);
        messages.push_back(std::move(message));
    }
}

void nxLogStreamGenerator::Announce(const std::vector<nxPlatformEvent>& events,
                                    const nxSimulatedPlatform& platform, int64_t utcMicroseconds,
                                    Messages& messages)
{
    const nxSimulatedApplication* announcer = platform.FindAnnouncer();
    const nxDateTime written = nxDateTime::FromUtcMicroseconds(utcMicroseconds);
    std::vector<nxPlatformAnnouncer::Line> lines;
    for (const nxPlatformEvent& event : events)
    {
        lines.clear();
        nxPlatformAnnouncer::Write(event, lines);
        for (nxPlatformAnnouncer::Line& line : lines)
        {
            if (line.fromControlServer && !announcer)
                continue;
            auto message = std::make_unique<nxLogMessage>();
            message->SetLogLevel(nxLogLevelEnum(line.level));
            message->SetHostName(line.fromControlServer ? announcer->GetIdentity().host : event.subject.host);
            message->SetApplicationName(line.fromControlServer ? std::string(kControlServer)
                                                               : event.subject.name);
            message->SetLogEntry(std::move(line.text));
            message->SetTimeStamp(written);
            messages.push_back(std::move(message));
        }
    }
}

uint32_t nxLogStreamGenerator::PickLevel()
{
    uint32_t pick = m_random.Below(1000);
    for (size_t i = 0; i < kLevelWeights.size(); ++i)
    {
        if (pick < kLevelWeights[i])
            return nxLogLevel::Trace + static_cast<uint32_t>(i);
        pick -= kLevelWeights[i];
    }
    return nxLogLevel::Info;
}

// A text of the application's own kind where there is one for the level, else a general one.
const char* nxLogStreamGenerator::PickTemplate(uint32_t level, uint32_t type)
{
    for (const uint32_t wanted : {type, kAnyType})
    {
        uint32_t matches = 0;
        for (const Template& entry : kTemplates)
            matches += entry.type == wanted && entry.lowest <= level && level <= entry.highest;
        if (matches == 0)
            continue;
        uint32_t pick = m_random.Below(matches);
        for (const Template& entry : kTemplates)
            if (entry.type == wanted && entry.lowest <= level && level <= entry.highest && pick-- == 0)
                return entry.text;
    }
    return "Status normal";
}

std::string nxLogStreamGenerator::Expand(const char* text, const Writer& writer)
{
    std::string out;
    out.reserve(64);
    for (std::string_view rest(text); !rest.empty();)
    {
        const size_t open = rest.find('{');
        const size_t close = open == std::string_view::npos ? open : rest.find('}', open);
        if (close == std::string_view::npos)
        {
            out += rest;
            break;
        }
        out += rest.substr(0, open);
        AppendField(out, rest.substr(open + 1, close - open - 1), writer);
        rest.remove_prefix(close + 1);
    }
    return out;
}

void nxLogStreamGenerator::AppendField(std::string& out, std::string_view field, const Writer& writer)
{
    for (const NumberField& number : kNumberFields)
        if (field == number.name)
        {
            out += number.prefix;
            AppendNumber(out, number.lowest, number.highest);
            out += number.suffix;
            return;
        }
    for (const WordField& words : kWordFields)
        if (field == words.name)
        {
            out += words.values[m_random.Below(static_cast<uint32_t>(words.values.size()))];
            return;
        }
    if (field == "px")
        return AppendPrice(out);
    const auto& users = writer.platform.GetUsers();
    if (field == "user")
    {
        out += !writer.user.empty() || users.empty() ? writer.user
                                                     : users[m_random.Below(uint32_t(users.size()))].name;
        return;
    }
    // "host": another host the application talks to, not its own.
    const auto count = static_cast<uint32_t>(writer.sources.size());
    const uint32_t pick = m_random.Below(count);
    const std::string& host = writer.sources[pick]->GetIdentity().host;
    out += host != writer.host || count == 1 ? host : writer.sources[(pick + 1) % count]->GetIdentity().host;
}

void nxLogStreamGenerator::AppendNumber(std::string& out, uint32_t low, uint32_t high)
{
    char digits[16];
    const uint32_t value = low + m_random.Below(high - low + 1);
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

void nxLogStreamGenerator::AppendPrice(std::string& out)
{
    const uint32_t cents = 1000 + m_random.Below(49000);
    AppendNumber(out, cents / 100, cents / 100);
    out += '.';
    out += static_cast<char>('0' + cents / 10 % 10);
    out += static_cast<char>('0' + cents % 10);
}
