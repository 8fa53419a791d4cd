#pragma once

#include <compare>
#include <cstdint>
#include <string>

// A time of day (hour, minute, second), or null meaning "no time".
class nxTime
{
public:
    nxTime() = default;
    nxTime(int hour, int minute, int second = 0);

    static nxTime Null() { return nxTime(); }

    bool IsNull() const { return m_seconds < 0; }
    void SetNull() { m_seconds = -1; }
    int GetHour() const { return IsNull() ? 0 : m_seconds / 3600; }
    int GetMinute() const { return IsNull() ? 0 : m_seconds / 60 % 60; }
    int GetSecond() const { return IsNull() ? 0 : m_seconds % 60; }
    // Seconds since midnight; -1 when null.
    int GetSecondsOfDay() const { return m_seconds; }

    // "HH:MM", or "HH:MM:SS" when the seconds are not 0; empty when null.
    std::string GetAsString() const;

    bool operator==(const nxTime& other) const = default;
    std::strong_ordering operator<=>(const nxTime& other) const { return m_seconds <=> other.m_seconds; }

private:
    int32_t m_seconds = -1;
};
