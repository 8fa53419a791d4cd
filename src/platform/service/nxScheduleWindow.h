#pragma once

#include <cstdint>

class nxApplicationSchedule;

// When a schedule scheme expects its applications to run. A day with a start and a
// stop time runs from start to stop; "Starts In The Evening" puts the start on the
// day before; "Ignore Daily Shutdown" runs on through the night into the next day
// that has times, so a run of such days is one window. A day without both times
// is not a working day.
class nxScheduleWindow
{
public:
    // localSeconds: seconds since 1970-01-01 00:00 on the wall clock of the scheme's region.
    static bool IsExpectedToRun(const nxApplicationSchedule& schedule, int64_t localSeconds);

    // 0 = Sunday .. 6 = Saturday, of a day counted from 1970-01-01.
    static int DayOfWeek(int64_t dayNumber);
};
