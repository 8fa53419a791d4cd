#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One region's clock: its offset from UTC and, where it keeps daylight saving, the yearly
// rules that put its clocks forward and back. Read from one line of a zonespec table.
class nxTimeZoneRule
{
public:
    static constexpr size_t kFieldCount = 11;

    // Answers false with the reason in errorText; the caller adds where the line came from.
    static bool Parse(std::string_view line, nxTimeZoneRule& rule, std::string& errorText);
    // Comma-separated fields, each optionally in double quotes ("" inside quotes is one quote).
    static bool SplitFields(std::string_view line, std::vector<std::string>& fields, std::string& errorText);

    const std::string& GetId() const { return m_id; }
    const std::string& GetStandardAbbreviation() const { return m_standardAbbreviation; }
    const std::string& GetDaylightAbbreviation() const { return m_daylightAbbreviation; }
    int32_t GetUtcOffsetSeconds() const { return m_utcOffset; }
    bool HasDaylightSaving() const { return m_daylightAdjustment != 0; }

    // Instants outside the years 1 to 9999 are given back unconverted.
    int64_t ToLocalSeconds(int64_t utcSeconds) const;
    bool IsDaylightSaving(int64_t utcSeconds) const;

private:
    // The week-th (1 to 4, or -1 for the last) weekday (0 = Sunday) of a month, at a
    // wall-clock time: standard time for the start of daylight saving, daylight time for its end.
    struct Transition
    {
        int32_t week = 0;
        int32_t weekday = 0;
        int32_t month = 0;
        int32_t timeOfDay = 0;
    };

    static bool ParseTransition(const std::string& ruleText, const std::string& timeText, const char* name,
                                Transition& transition, std::string& errorText);
    static int64_t TransitionUtc(const Transition& transition, int year, int32_t wallClockOffset);

    std::string m_id;
    std::string m_standardAbbreviation;
    std::string m_standardName;
    std::string m_daylightAbbreviation;
    std::string m_daylightName;
    int32_t m_utcOffset = 0;
    int32_t m_daylightAdjustment = 0;
    Transition m_start;
    Transition m_end;
};
