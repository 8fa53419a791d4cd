#include "platform/base/nxTime.h"

#include <cstdio>

nxTime::nxTime(int hour, int minute, int second)
{
    const bool valid = hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60;
    m_seconds = valid ? hour * 3600 + minute * 60 + second : -1;
}

std::string nxTime::GetAsString() const
{
    if (IsNull())
        return {};
    char buffer[16];
    if (GetSecond() != 0)
        std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", GetHour(), GetMinute(), GetSecond());
    else
        std::snprintf(buffer, sizeof buffer, "%02d:%02d", GetHour(), GetMinute());
    return buffer;
}
