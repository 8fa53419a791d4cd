#include "platform/service/nxScheduleSchemeFile.h"

#include <filesystem>
#include <set>
#include <system_error>

#include "platform/base/nxStringHelper.h"
#include "platform/xml/nxXMLDocument.h"

namespace
{
const char* const kRoot = "ScheduleSchemes";

// "HH:MM" or "HH:MM:SS"; the empty text is no time.
bool ReadTime(const std::string& text, nxTime& time)
{
    time = nxTime::Null();
    if (text.empty())
        return true;
    if (text.size() != 5 && text.size() != 8)
        return false;
    int32_t parts[3] = {0, 0, 0};
    for (size_t i = 0; i * 3 < text.size(); ++i)
    {
        if (i > 0 && text[i * 3 - 1] != ':')
            return false;
        if (!nxStringHelper::SetFromString(std::string_view(text).substr(i * 3, 2), parts[i]))
            return false;
    }
    time = nxTime(parts[0], parts[1], parts[2]);
    return !time.IsNull();
}

bool ReadFlag(nxXMLElement& element, const char* name, bool& value)
{
    const std::string text = element.GetAttribute(name);
    value = false;
    return text.empty() || nxStringHelper::SetFromString(text, value);
}

std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}
} // namespace

bool nxScheduleSchemeFile::Exists() const
{
    std::error_code error;
    return std::filesystem::exists(m_path, error);
}

nxErrorEnum nxScheduleSchemeFile::Refuse(const std::string& problem) const
{
    return nxErrorEnum(nxErrorEnum::ParseError,
                       "The schedule schemes file " + Quoted(m_path) + " " + problem);
}

nxErrorEnum nxScheduleSchemeFile::Load(Contents& contents) const
{
    nxXMLDocument document;
    if (const nxErrorEnum loaded = document.LoadFromFile(m_path); !loaded.IsOK())
        return loaded;
    nxXMLElement root = document.GetRootElement();
    if (root.GetName() != kRoot)
        return Refuse("is not a schedule schemes file: its root element is <" + root.GetName() + ">");
    Contents read;
    std::string problem;
    for (nxXMLElement element = root.GetFirstChildElement("Scheme"); element.IsValid();
         element = root.GetNextChildElement("Scheme"))
    {
        nxApplicationSchedule scheme;
        if (!ReadScheme(element, scheme, problem))
            return Refuse("holds a scheme that cannot be used: " + problem);
        const std::string name = scheme.GetScheduleName();
        if (!read.schemes.emplace(name, std::move(scheme)).second)
            return Refuse("holds the scheme " + Quoted(name) + " twice");
    }
    for (nxXMLElement element = root.GetFirstChildElement("Assignment"); element.IsValid();
         element = root.GetNextChildElement("Assignment"))
    {
        const std::string application = element.GetAttribute("application");
        if (application.empty())
            return Refuse("holds an assignment without an application");
        read.assignments[application] = element.GetAttribute("scheme");
    }
    contents = std::move(read);
    return nxErrorEnum();
}

bool nxScheduleSchemeFile::ReadScheme(nxXMLElement& element, nxApplicationSchedule& scheme,
                                      std::string& problem)
{
    if (!ReadAttributes(element, scheme, problem))
        return false;
    const std::string name = Quoted(scheme.GetScheduleName());
    for (nxXMLElement day = element.GetFirstChildElement("Day"); day.IsValid();
         day = element.GetNextChildElement("Day"))
        if (!ReadDay(day, scheme, problem))
        {
            problem = name + ": " + problem;
            return false;
        }
    std::string invalidDays;
    if (!scheme.ValidateDaySchedules(invalidDays))
        problem = name + ": " + invalidDays;
    return problem.empty();
}

bool nxScheduleSchemeFile::ReadAttributes(nxXMLElement& element, nxApplicationSchedule& scheme,
                                          std::string& problem)
{
    const std::string name = element.GetAttribute("name");
    uint32_t version = 0;
    bool evening = false;
    bool ignoreShutdown = false;
    problem.clear();
    if (name.empty())
        problem = "a scheme has no name";
    else if (!nxStringHelper::SetFromString(element.GetAttribute("version"), version) || version == 0 ||
             !nxUInt32ValueWrapper(version).HasValue())
        problem = Quoted(name) + " has no valid version";
    else if (!ReadFlag(element, "startsInTheEvening", evening) ||
             !ReadFlag(element, "ignoreDailyShutdown", ignoreShutdown))
        problem = Quoted(name) + " has a flag that is neither true nor false";
    if (!problem.empty())
        return false;
    scheme.SetScheduleName(name);
    scheme.SetTimeZoneRegion(element.GetAttribute("region"));
    scheme.SetVersion(nxUInt32ValueWrapper(version));
    scheme.SetStartsInTheEvening(evening);
    scheme.SetIgnoreDailyShutdown(ignoreShutdown);
    return true;
}

bool nxScheduleSchemeFile::ReadDay(nxXMLElement& element, nxApplicationSchedule& scheme, std::string& problem)
{
    int32_t day = -1;
    nxTime start;
    nxTime stop;
    if (!nxStringHelper::SetFromString(element.GetAttribute("day"), day) || day < 0 ||
        day >= nxApplicationSchedule::DaysPerWeek)
        problem = "a day is not a number from 0 (Sunday) to 6 (Saturday)";
    else if (!ReadTime(element.GetAttribute("start"), start) || !ReadTime(element.GetAttribute("stop"), stop))
        problem = std::string(nxApplicationSchedule::DayName(day)) + " has a time that is not HH:MM";
    if (!problem.empty())
        return false;
    scheme.GetScheduleForDay(day).SetStartTime(start);
    scheme.GetScheduleForDay(day).SetStopTime(stop);
    return true;
}

nxErrorEnum nxScheduleSchemeFile::Save(const Contents& contents) const
{
    nxXMLDocument document(kRoot);
    nxXMLElement root = document.GetRootElement();
    bool written = true;
    for (const auto& [name, scheme] : contents.schemes)
        written = WriteScheme(root, scheme) && written;
    for (const auto& [application, scheme] : contents.assignments)
    {
        nxXMLElement assignment = root.AddChildElement("Assignment");
        written = assignment.SetAttribute("application", application) && written;
        written = assignment.SetAttribute("scheme", scheme) && written;
    }
    // Never a file that reads back otherwise than what was meant.
    if (!written)
        return nxErrorEnum(nxErrorEnum::FileError, "a text cannot be kept in the schedule schemes file");
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(m_path).parent_path();
    if (!folder.empty() && !std::filesystem::create_directories(folder, error) && error)
        return nxErrorEnum(nxErrorEnum::FileError, "The folder " + Quoted(folder.string()) +
                                                       " cannot be created: " + error.message());
    return document.SaveToFile(m_path);
}

bool nxScheduleSchemeFile::WriteScheme(nxXMLElement& parent, const nxApplicationSchedule& scheme)
{
    nxXMLElement element = parent.AddChildElement("Scheme");
    bool written =
        element.SetAttribute("name", scheme.GetScheduleName()) &&
        element.SetAttribute("region", scheme.GetTimeZoneRegion()) &&
        element.SetAttribute("version", nxStringHelper::GetAsString(scheme.GetVersion().GetValue())) &&
        element.SetAttribute("startsInTheEvening",
                             nxStringHelper::GetAsString(scheme.GetStartsInTheEvening())) &&
        element.SetAttribute("ignoreDailyShutdown",
                             nxStringHelper::GetAsString(scheme.GetIgnoreDailyShutdown()));
    for (int day = 0; day < nxApplicationSchedule::DaysPerWeek && written; ++day)
    {
        const nxApplicationScheduleForDay& times = scheme.GetScheduleForDay(day);
        if (times.GetStartTime().IsNull() && times.GetStopTime().IsNull())
            continue;
        nxXMLElement dayElement = element.AddChildElement("Day");
        written = dayElement.SetAttribute("day", nxStringHelper::GetAsString(static_cast<int32_t>(day))) &&
                  dayElement.SetAttribute("start", times.GetStartTime().GetAsString()) &&
                  dayElement.SetAttribute("stop", times.GetStopTime().GetAsString());
    }
    return written;
}

std::string nxScheduleSchemeFile::SetAside(std::string& problem) const
{
    std::error_code error;
    for (int attempt = 1; attempt < 1000; ++attempt)
    {
        const std::string aside = m_path + ".corrupt" + (attempt > 1 ? "-" + std::to_string(attempt) : "");
        if (std::filesystem::exists(aside, error))
            continue;
        std::filesystem::rename(m_path, aside, error);
        if (!error)
            return aside;
        problem = error.message();
        return {};
    }
    problem = "too many damaged copies are already kept beside it";
    return {};
}
