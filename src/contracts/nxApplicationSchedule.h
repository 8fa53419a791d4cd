#pragma once

#include <array>
#include <string>

#include "contracts/nxApplicationScheduleForDay.h"
#include "platform/base/nxValueWrapper.h"

// A named weekly start/stop plan in one time-zone region.
class nxApplicationSchedule
{
public:
    static constexpr int DaysPerWeek = 7;
    static const char* DayName(int dayOfWeek);

    nxApplicationSchedule();
    virtual ~nxApplicationSchedule() = default;
    nxApplicationSchedule(const nxApplicationSchedule&) = default;
    nxApplicationSchedule& operator=(const nxApplicationSchedule&) = default;

    const std::string& GetScheduleName() const { return m_name; }
    void SetScheduleName(std::string name) { m_name = std::move(name); }
    const std::string& GetTimeZoneRegion() const { return m_region; }
    void SetTimeZoneRegion(std::string region) { m_region = std::move(region); }
    // The day's session begins the evening before: its start time lies on the previous day.
    bool GetStartsInTheEvening() const { return m_startsInTheEvening; }
    void SetStartsInTheEvening(bool value) { m_startsInTheEvening = value; }
    bool GetIgnoreDailyShutdown() const { return m_ignoreDailyShutdown; }
    void SetIgnoreDailyShutdown(bool value) { m_ignoreDailyShutdown = value; }
    // Null (0xFFFFFFFF) for a scheme never saved.
    const nxUInt32ValueWrapper& GetVersion() const { return m_version; }
    void SetVersion(const nxUInt32ValueWrapper& version) { m_version = version; }

    // dayOfWeek 0 (Sunday) .. 6 (Saturday); other numbers are taken modulo 7.
    nxApplicationScheduleForDay& GetScheduleForDay(int dayOfWeek);
    const nxApplicationScheduleForDay& GetScheduleForDay(int dayOfWeek) const;

    // True when every day is consistent; otherwise false, with the first fault in
    // day order described for the operator in errorText.
    bool ValidateDaySchedules(std::string& errorText) const;

    bool operator==(const nxApplicationSchedule&) const = default;

private:
    static int DayIndex(int dayOfWeek) { return ((dayOfWeek % DaysPerWeek) + DaysPerWeek) % DaysPerWeek; }

    std::string m_name;
    std::string m_region;
    bool m_startsInTheEvening = false;
    bool m_ignoreDailyShutdown = false;
    nxUInt32ValueWrapper m_version;
    std::array<nxApplicationScheduleForDay, DaysPerWeek> m_days;
};
