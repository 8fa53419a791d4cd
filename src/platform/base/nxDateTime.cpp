#include "platform/base/nxDateTime.h"

#include <chrono>
#include <ctime>

namespace
{
constexpr int64_t kMicrosPerSecond = 1'000'000;

int64_t FloorDiv(int64_t a, int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Local time offset from UTC for a UTC second. Looking it up takes the C
// library's time-zone lock, so each thread remembers the answer for the current minute.
int64_t LocalOffsetSeconds(int64_t utcSeconds)
{
    thread_local int64_t cachedMinute = INT64_MIN;
    thread_local int64_t cachedOffset = 0;
    const int64_t minute = FloorDiv(utcSeconds, 60);
    if (minute != cachedMinute)
    {
        const std::time_t t = static_cast<std::time_t>(utcSeconds);
        std::tm local{};
        localtime_r(&t, &local);
        cachedOffset = local.tm_gmtoff;
        cachedMinute = minute;
    }
    return cachedOffset;
}

std::tm ToTm(int64_t micros)
{
    const std::time_t seconds = static_cast<std::time_t>(FloorDiv(micros, kMicrosPerSecond));
    std::tm parts{};
    gmtime_r(&seconds, &parts);
    return parts;
}
} // namespace

nxDateTime::nxDateTime() : m_micros(0)
{
    const int64_t utc = std::chrono::duration_cast<std::chrono::microseconds>(
                            std::chrono::system_clock::now().time_since_epoch())
                            .count();
    m_micros = utc + LocalOffsetSeconds(FloorDiv(utc, kMicrosPerSecond)) * kMicrosPerSecond;
}

nxDateTime::nxDateTime(int year, int month, int day, int hour, int minute, int second, int microsecond)
{
    using namespace std::chrono;
    const sys_days date =
        year_month_day{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                       std::chrono::day(static_cast<unsigned>(day))};
    const int64_t seconds =
        date.time_since_epoch().count() * 86400LL + hour * 3600LL + minute * 60LL + second;
    m_micros = seconds * kMicrosPerSecond + microsecond;
}

nxDateTime nxDateTime::Null()
{
    return nxDateTime(NullTag{});
}

nxDateTime nxDateTime::FromMicroseconds(int64_t microseconds)
{
    nxDateTime value(NullTag{});
    value.m_micros = microseconds;
    return value;
}

nxDateTime nxDateTime::FromUtcMicroseconds(int64_t utcMicroseconds)
{
    return FromMicroseconds(
        utcMicroseconds + LocalOffsetSeconds(FloorDiv(utcMicroseconds, kMicrosPerSecond)) * kMicrosPerSecond);
}

int nxDateTime::GetYear() const
{
    return ToTm(m_micros).tm_year + 1900;
}
int nxDateTime::GetMonth() const
{
    return ToTm(m_micros).tm_mon + 1;
}
int nxDateTime::GetDay() const
{
    return ToTm(m_micros).tm_mday;
}
int nxDateTime::GetHour() const
{
    return ToTm(m_micros).tm_hour;
}
int nxDateTime::GetMinute() const
{
    return ToTm(m_micros).tm_min;
}
int nxDateTime::GetSecond() const
{
    return ToTm(m_micros).tm_sec;
}
int nxDateTime::GetDayOfWeek() const
{
    return ToTm(m_micros).tm_wday;
}

std::string nxDateTime::GetAsString() const
{
    return Format("%Y-%m-%d %H:%M:%S");
}

std::string nxDateTime::Format(const char* format) const
{
    if (IsNull())
        return {};
    const std::tm parts = ToTm(m_micros);
    char buffer[128];
    const size_t length = std::strftime(buffer, sizeof buffer, format, &parts);
    return std::string(buffer, length);
}
