#include "contracts/nxApplicationSchedule.h"

const char* nxApplicationSchedule::DayName(int dayOfWeek)
{
    static const char* const names[DaysPerWeek] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                   "Thursday", "Friday", "Saturday"};
    return names[DayIndex(dayOfWeek)];
}

nxApplicationSchedule::nxApplicationSchedule()
    : m_days{nxApplicationScheduleForDay(0), nxApplicationScheduleForDay(1), nxApplicationScheduleForDay(2),
             nxApplicationScheduleForDay(3), nxApplicationScheduleForDay(4), nxApplicationScheduleForDay(5),
             nxApplicationScheduleForDay(6)}
{
}

nxApplicationScheduleForDay& nxApplicationSchedule::GetScheduleForDay(int dayOfWeek)
{
    return m_days[DayIndex(dayOfWeek)];
}

const nxApplicationScheduleForDay& nxApplicationSchedule::GetScheduleForDay(int dayOfWeek) const
{
    return m_days[DayIndex(dayOfWeek)];
}

bool nxApplicationSchedule::ValidateDaySchedules(std::string& errorText) const
{
    for (const nxApplicationScheduleForDay& day : m_days)
    {
        const std::string name = DayName(day.GetDayOfWeek());
        const nxTime& start = day.GetStartTime();
        const nxTime& stop = day.GetStopTime();
        if (start.IsNull() && stop.IsNull())
            continue;
        if (stop.IsNull())
        {
            errorText = name + " has a start time but no stop time.";
            return false;
        }
        if (start.IsNull())
        {
            errorText = name + " has a stop time but no start time.";
            return false;
        }
        if (start == stop)
        {
            errorText = name + ": the start and stop times are both " + start.GetAsString() + ".";
            return false;
        }
        if (!m_startsInTheEvening && start > stop)
        {
            errorText = name + ": the start time " + start.GetAsString() + " is after the stop time " +
                        stop.GetAsString() +
                        ". Tick \"Starts In The Evening\" if the day begins the evening before.";
            return false;
        }
        if (m_startsInTheEvening && start < stop)
        {
            errorText = name + ": the scheme starts in the evening, so the start time " +
                        start.GetAsString() + " (the evening before) must be later than the stop time " +
                        stop.GetAsString() + ".";
            return false;
        }
    }
    errorText.clear();
    return true;
}
