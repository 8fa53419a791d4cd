#pragma once

#include <compare>
#include <cstdint>
#include <string>

// A local wall-clock date and time with microsecond resolution, or null.
// Default construction takes the current local date and time.
class nxDateTime
{
public:
    nxDateTime();
    nxDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
               int microsecond = 0);

    static nxDateTime Null();
    // Microseconds since 1970-01-01 00:00:00 of the same wall clock.
    static nxDateTime FromMicroseconds(int64_t microseconds);
    // The local date and time of a UTC instant given in microseconds since the epoch.
    static nxDateTime FromUtcMicroseconds(int64_t utcMicroseconds);

    bool IsNull() const { return m_micros == kNull; }
    void SetNull() { m_micros = kNull; }
    int64_t GetMicroseconds() const { return m_micros; }

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    // 0 = Sunday .. 6 = Saturday.
    int GetDayOfWeek() const;

    // "2026-12-05 21:03:25"; empty when null.
    std::string GetAsString() const;
    // strftime format, e.g. "%d %b %Y"; empty when null.
    std::string Format(const char* format) const;

    bool operator==(const nxDateTime& other) const = default;
    std::strong_ordering operator<=>(const nxDateTime& other) const { return m_micros <=> other.m_micros; }

private:
    struct NullTag
    {
    };
    explicit nxDateTime(NullTag) : m_micros(kNull) {}

    static constexpr int64_t kNull = INT64_MIN;
    int64_t m_micros;
};
