#include "platform/service/nxTimeZoneRule.h"

#include "platform/base/nxStringHelper.h"

#include <chrono>

namespace
{
constexpr int32_t kHour = 3600;
constexpr int32_t kMaxUtcOffset = 14 * kHour;
constexpr int32_t kMaxDaylightAdjustment = 3 * kHour;
constexpr int32_t kMaxTimeOfDay = 24 * kHour;

// Kept well inside the calendar's range so that offsets and transitions never leave it.
constexpr int64_t kMinSupportedUtc =
    std::chrono::sys_seconds{std::chrono::sys_days{std::chrono::year{1} / 1 / 2}}.time_since_epoch().count();
constexpr int64_t kMaxSupportedUtc =
    std::chrono::sys_seconds{std::chrono::sys_days{std::chrono::year{9999} / 12 / 30}}
        .time_since_epoch()
        .count();

bool IsSupported(int64_t utcSeconds)
{
    return utcSeconds >= kMinSupportedUtc && utcSeconds <= kMaxSupportedUtc;
}

bool ReadTwoDigits(std::string_view text, int32_t limit, int32_t& value)
{
    if (text.size() != 2 || !nxStringHelper::SetFromString(text, value))
        return false;
    return text[0] != '+' && text[0] != '-' && value < limit;
}

// "+05:30:00", "-05:00", "2:00:00".
bool ParseDuration(std::string_view text, int32_t& seconds)
{
    int32_t sign = 1;
    if (!text.empty() && (text[0] == '+' || text[0] == '-'))
    {
        sign = text[0] == '-' ? -1 : 1;
        text.remove_prefix(1);
    }
    const size_t firstColon = text.find(':');
    if (firstColon == 0 || firstColon > 2 || firstColon == std::string_view::npos)
        return false;
    int32_t hours = 0;
    if (!nxStringHelper::SetFromString(text.substr(0, firstColon), hours) || hours < 0)
        return false;
    std::string_view rest = text.substr(firstColon + 1);
    int32_t minutes = 0;
    int32_t secs = 0;
    if (!ReadTwoDigits(rest.substr(0, 2), 60, minutes))
        return false;
    rest.remove_prefix(2);
    if (!rest.empty() && (rest[0] != ':' || !ReadTwoDigits(rest.substr(1), 60, secs)))
        return false;
    seconds = sign * (hours * kHour + minutes * 60 + secs);
    return true;
}

std::string DurationText(int32_t seconds)
{
    const int32_t magnitude = seconds < 0 ? -seconds : seconds;
    const int32_t minutes = magnitude / 60 % 60;
    return std::string(seconds < 0 ? "-" : "+") + nxStringHelper::GetAsString(magnitude / kHour) + ":" +
           (minutes < 10 ? "0" : "") + nxStringHelper::GetAsString(minutes);
}

bool ParseBoundedDuration(const std::string& text, const char* name, int32_t low, int32_t high,
                          int32_t& seconds, std::string& errorText)
{
    if (!ParseDuration(text, seconds))
    {
        errorText = std::string(name) + " \"" + text + "\" is not a time such as \"+01:00:00\"";
        return false;
    }
    if (seconds < low || seconds > high)
    {
        errorText = std::string(name) + " \"" + text + "\" is out of range (" + DurationText(low) + " to " +
                    DurationText(high) + ")";
        return false;
    }
    return true;
}

bool ParseDayRule(const std::string& text, int32_t& week, int32_t& weekday, int32_t& month)
{
    const size_t first = text.find(';');
    const size_t second = first == std::string::npos ? first : text.find(';', first + 1);
    if (second == std::string::npos)
        return false;
    const std::string_view view(text);
    if (!nxStringHelper::SetFromString(view.substr(0, first), week) ||
        !nxStringHelper::SetFromString(view.substr(first + 1, second - first - 1), weekday) ||
        !nxStringHelper::SetFromString(view.substr(second + 1), month))
        return false;
    return (week == -1 || (week >= 1 && week <= 4)) && weekday >= 0 && weekday <= 6 && month >= 1 &&
           month <= 12;
}

bool IsBlank(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

std::string_view Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}
} // namespace

bool nxTimeZoneRule::SplitFields(std::string_view line, std::vector<std::string>& fields,
                                 std::string& errorText)
{
    fields.clear();
    size_t pos = 0;
    for (;;)
    {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
            ++pos;
        const size_t comma = line.find(',', pos);
        if (pos < line.size() && line[pos] == '"')
        {
            std::string field;
            bool closed = false;
            for (++pos; pos < line.size() && !closed; ++pos)
            {
                if (line[pos] != '"')
                    field += line[pos];
                else if (pos + 1 < line.size() && line[pos + 1] == '"')
                    field += line[++pos];
                else
                    closed = true;
            }
            const std::string number = nxStringHelper::GetAsString(static_cast<uint64_t>(fields.size() + 1));
            if (!closed)
            {
                errorText = "field " + number + " has no closing quote";
                return false;
            }
            const size_t next = line.find(',', pos);
            if (!IsBlank(line.substr(pos, next - pos)))
            {
                errorText = "field " + number + " has text after its closing quote";
                return false;
            }
            fields.push_back(std::move(field));
            pos = next;
        }
        else
        {
            fields.emplace_back(Trimmed(line.substr(pos, comma - pos)));
            pos = comma;
        }
        if (pos == std::string_view::npos)
            return true;
        ++pos;
    }
}

bool nxTimeZoneRule::ParseTransition(const std::string& ruleText, const std::string& timeText,
                                     const char* name, Transition& transition, std::string& errorText)
{
    const std::string what = std::string("DST ") + name;
    if (ruleText.empty() || timeText.empty())
    {
        errorText = what + " rule or time is missing";
        return false;
    }
    if (!ParseDayRule(ruleText, transition.week, transition.weekday, transition.month))
    {
        errorText = what + " rule \"" + ruleText +
                    "\" is not \"week;weekday;month\" with week 1 to 4 or -1 (last), weekday 0 (Sunday) to 6"
                    " and month 1 to 12";
        return false;
    }
    return ParseBoundedDuration(timeText, (what + " time").c_str(), 0, kMaxTimeOfDay, transition.timeOfDay,
                                errorText);
}

bool nxTimeZoneRule::Parse(std::string_view line, nxTimeZoneRule& rule, std::string& errorText)
{
    std::vector<std::string> fields;
    if (!SplitFields(line, fields, errorText))
        return false;
    if (fields.size() != kFieldCount)
    {
        errorText = "expected " + nxStringHelper::GetAsString(static_cast<uint64_t>(kFieldCount)) +
                    " fields, found " + nxStringHelper::GetAsString(static_cast<uint64_t>(fields.size()));
        return false;
    }
    nxTimeZoneRule parsed;
    parsed.m_id = fields[0];
    parsed.m_standardAbbreviation = fields[1];
    parsed.m_standardName = fields[2];
    parsed.m_daylightAbbreviation = fields[3];
    parsed.m_daylightName = fields[4];
    if (parsed.m_id.empty())
    {
        errorText = "the region ID is empty";
        return false;
    }
    if (!ParseBoundedDuration(fields[5], "GMT offset", -kMaxUtcOffset, kMaxUtcOffset, parsed.m_utcOffset,
                              errorText))
        return false;
    if (!fields[6].empty() && !ParseBoundedDuration(fields[6], "DST adjustment", 0, kMaxDaylightAdjustment,
                                                    parsed.m_daylightAdjustment, errorText))
        return false;
    if (!parsed.HasDaylightSaving())
    {
        if (fields[7].empty() && fields[8].empty() && fields[9].empty() && fields[10].empty())
        {
            rule = std::move(parsed);
            return true;
        }
        errorText = "DST start and end are given without a DST adjustment";
        return false;
    }
    if (!ParseTransition(fields[7], fields[8], "start", parsed.m_start, errorText) ||
        !ParseTransition(fields[9], fields[10], "end", parsed.m_end, errorText))
        return false;
    rule = std::move(parsed);
    return true;
}

int64_t nxTimeZoneRule::TransitionUtc(const Transition& transition, int year, int32_t wallClockOffset)
{
    using namespace std::chrono;
    const std::chrono::year y{year};
    const std::chrono::month m{static_cast<unsigned>(transition.month)};
    const std::chrono::weekday wd{static_cast<unsigned>(transition.weekday)};
    const sys_days day = transition.week < 0
                             ? sys_days{year_month_weekday_last{y, m, weekday_last{wd}}}
                             : sys_days{year_month_weekday{y, m, wd[static_cast<unsigned>(transition.week)]}};
    return sys_seconds{day}.time_since_epoch().count() + transition.timeOfDay - wallClockOffset;
}

bool nxTimeZoneRule::IsDaylightSaving(int64_t utcSeconds) const
{
    if (!HasDaylightSaving() || !IsSupported(utcSeconds))
        return false;
    using namespace std::chrono;
    const sys_days standardDay = floor<days>(sys_seconds{seconds{utcSeconds + m_utcOffset}});
    const int year = static_cast<int>(year_month_day{standardDay}.year());
    const int64_t start = TransitionUtc(m_start, year, m_utcOffset);
    const int64_t end = TransitionUtc(m_end, year, m_utcOffset + m_daylightAdjustment);
    // South of the equator daylight saving spans the new year: it ends early in the year
    // and starts again late in it.
    if (start < end)
        return utcSeconds >= start && utcSeconds < end;
    return utcSeconds >= start || utcSeconds < end;
}

int64_t nxTimeZoneRule::ToLocalSeconds(int64_t utcSeconds) const
{
    if (!IsSupported(utcSeconds))
        return utcSeconds;
    return utcSeconds + m_utcOffset + (IsDaylightSaving(utcSeconds) ? m_daylightAdjustment : 0);
}
