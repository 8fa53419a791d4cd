#include "platform/service/nxScheduleWindow.h"

#include <vector>

#include "contracts/nxApplicationSchedule.h"

namespace
{
constexpr int64_t kSecondsPerDay = 86400;

struct Interval
{
    int64_t day;
    int64_t start;
    int64_t stop;
};

int64_t FloorDiv(int64_t a, int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

bool DayInterval(const nxApplicationSchedule& schedule, int64_t day, Interval& interval)
{
    const nxApplicationScheduleForDay& times = schedule.GetScheduleForDay(nxScheduleWindow::DayOfWeek(day));
    if (times.GetStartTime().IsNull() || times.GetStopTime().IsNull())
        return false;
    const int64_t midnight = day * kSecondsPerDay;
    const int64_t evening = schedule.GetStartsInTheEvening() ? kSecondsPerDay : 0;
    interval = {day, midnight + times.GetStartTime().GetSecondsOfDay() - evening,
                midnight + times.GetStopTime().GetSecondsOfDay()};
    return interval.start < interval.stop;
}

// Without daily shutdown a window lasts until the stop of the last day of an unbroken run.
std::vector<Interval> Windows(const nxApplicationSchedule& schedule, int64_t today)
{
    const bool joinDays = schedule.GetIgnoreDailyShutdown();
    std::vector<Interval> windows;
    for (int64_t day = today - (joinDays ? 8 : 1); day <= today + 1; ++day)
    {
        Interval interval{};
        if (!DayInterval(schedule, day, interval))
            continue;
        if (joinDays && !windows.empty() && windows.back().day == day - 1)
        {
            windows.back().day = day;
            windows.back().stop = interval.stop;
            continue;
        }
        windows.push_back(interval);
    }
    return windows;
}
} // namespace

int nxScheduleWindow::DayOfWeek(int64_t dayNumber)
{
    constexpr int kThursday = 4; // 1970-01-01
    return static_cast<int>(((dayNumber % 7) + 7 + kThursday) % 7);
}

bool nxScheduleWindow::IsExpectedToRun(const nxApplicationSchedule& schedule, int64_t localSeconds)
{
    for (const Interval& window : Windows(schedule, FloorDiv(localSeconds, kSecondsPerDay)))
        if (window.start <= localSeconds && localSeconds < window.stop)
            return true;
    return false;
}
