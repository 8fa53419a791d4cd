#pragma once

#include "platform/base/nxTime.h"

// Start and stop time of one weekday in a schedule scheme; null times mean none.
class nxApplicationScheduleForDay
{
public:
    explicit nxApplicationScheduleForDay(int dayOfWeek = 0) : m_dayOfWeek(dayOfWeek) {}

    // 0 = Sunday .. 6 = Saturday.
    int GetDayOfWeek() const { return m_dayOfWeek; }
    const nxTime& GetStartTime() const { return m_start; }
    const nxTime& GetStopTime() const { return m_stop; }
    void SetStartTime(const nxTime& time) { m_start = time; }
    void SetStopTime(const nxTime& time) { m_stop = time; }

    bool operator==(const nxApplicationScheduleForDay&) const = default;

private:
    int m_dayOfWeek;
    nxTime m_start;
    nxTime m_stop;
};
