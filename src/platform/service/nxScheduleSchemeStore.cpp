#include "platform/service/nxScheduleSchemeStore.h"

#include "platform/base/nxLog.h"
#include "platform/service/nxZoneSpecTimeZoneConverter.h"

namespace
{
std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

// Text an operator can type and the schemes file keeps as it is: well-formed UTF-8
// without control characters (which the file would change or cut short).
bool IsKeepableText(const std::string& text)
{
    for (size_t i = 0; i < text.size();)
    {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x20 || lead == 0x7F)
            return false;
        if (lead < 0x80)
        {
            ++i;
            continue;
        }
        const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        if (length == 0 || lead > 0xF4 || i + length > text.size())
            return false;
        uint32_t code = lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k)
        {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = code << 6 | (next & 0x3F);
        }
        const uint32_t shortest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (code < shortest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) ||
            (code >= 0x80 && code < 0xA0))
            return false;
        i += length;
    }
    return true;
}

nxErrorEnum Unkeepable(const std::string& what)
{
    return nxErrorEnum(nxErrorEnum::InvalidArgument,
                       what + " holds a control character or is not well-formed text, which cannot be saved");
}

// A copy whose days know their own weekday, whatever was copied into them.
nxApplicationSchedule Normalised(const nxApplicationSchedule& scheme)
{
    nxApplicationSchedule copy = scheme;
    for (int day = 0; day < nxApplicationSchedule::DaysPerWeek; ++day)
    {
        nxApplicationScheduleForDay times(day);
        times.SetStartTime(scheme.GetScheduleForDay(day).GetStartTime());
        times.SetStopTime(scheme.GetScheduleForDay(day).GetStopTime());
        copy.GetScheduleForDay(day) = times;
    }
    return copy;
}

nxApplicationSchedule Scheme(const char* name, const char* region, nxTime start, nxTime stop,
                             int firstDay = 1, int lastDay = 5)
{
    nxApplicationSchedule scheme;
    scheme.SetScheduleName(name);
    scheme.SetTimeZoneRegion(region);
    scheme.SetVersion(nxUInt32ValueWrapper(1));
    for (int day = firstDay; day <= lastDay; ++day)
    {
        scheme.GetScheduleForDay(day).SetStartTime(start);
        scheme.GetScheduleForDay(day).SetStopTime(stop);
    }
    return scheme;
}
} // namespace

nxScheduleSchemeStore::nxScheduleSchemeStore(std::string filePath) : m_file(std::move(filePath)) {}

std::map<std::string, nxApplicationSchedule> nxScheduleSchemeStore::DemoSchemes()
{
    std::map<std::string, nxApplicationSchedule> schemes;
    auto add = [&schemes](nxApplicationSchedule scheme)
    { schemes.emplace(scheme.GetScheduleName(), scheme); };
    add(Scheme("Weekdays", "Europe/London", nxTime(6, 0), nxTime(20, 0)));
    add(Scheme("LondonHours", "Europe/London", nxTime(7, 0), nxTime(17, 30)));
    add(Scheme("NewYorkHours", "America/New_York", nxTime(8, 0), nxTime(17, 0)));
    add(Scheme("TokyoHours", "Asia/Tokyo", nxTime(8, 0), nxTime(15, 30)));
    nxApplicationSchedule overnight =
        Scheme("FuturesOvernight", "America/Chicago", nxTime(17, 0), nxTime(16, 0));
    overnight.SetStartsInTheEvening(true);
    add(overnight);
    nxApplicationSchedule always = Scheme("24x7", "UTC", nxTime(0, 0), nxTime(23, 59), 0, 6);
    always.SetIgnoreDailyShutdown(true);
    add(always);
    add(Scheme(IgnoreScheme, "UTC", nxTime::Null(), nxTime::Null()));
    return schemes;
}

void nxScheduleSchemeStore::Load()
{
    m_loadProblem.clear();
    m_writable = true;
    if (!m_file.Exists())
    {
        m_contents = {DemoSchemes(), {}};
        return;
    }
    nxScheduleSchemeFile::Contents loaded;
    const nxErrorEnum result = m_file.Load(loaded);
    if (result.IsOK())
        m_contents = std::move(loaded);
    else
        UseDemoSchemesAfter(result);
}

void nxScheduleSchemeStore::UseDemoSchemesAfter(const nxErrorEnum& loadError)
{
    m_loadProblem = loadError.GetLongDescription();
    std::string reason;
    const std::string aside =
        loadError.GetValue() == nxErrorEnum::ParseError ? m_file.SetAside(reason) : std::string();
    if (aside.empty())
    {
        // Saving now would overwrite the only copy of what the operators saved.
        m_writable = false;
        m_loadProblem += ". It was left in place" + (reason.empty() ? "" : " (" + reason + ")") +
                         ", and schemes cannot be saved until it is repaired or removed";
    }
    else
    {
        m_loadProblem += ". It was kept as " + Quoted(aside) + "; the demonstration schemes are used instead";
    }
    nxLog(nxLogLevelEnum(nxLogLevel::Error), "nxScheduleSchemeStore") << m_loadProblem;
    m_contents = {DemoSchemes(), {}};
}

std::vector<std::string> nxScheduleSchemeStore::GetNames() const
{
    std::vector<std::string> names;
    names.reserve(m_contents.schemes.size());
    for (const auto& entry : m_contents.schemes)
        names.push_back(entry.first);
    return names;
}

const nxApplicationSchedule* nxScheduleSchemeStore::Find(const std::string& name) const
{
    const auto found = m_contents.schemes.find(name);
    return found == m_contents.schemes.end() ? nullptr : &found->second;
}

nxErrorEnum nxScheduleSchemeStore::Validate(const nxApplicationSchedule& scheme,
                                            const nxZoneSpecTimeZoneConverter& zones)
{
    std::string dayProblem;
    if (scheme.GetScheduleName().empty())
        return nxErrorEnum(nxErrorEnum::InvalidArgument, "A schedule scheme needs a name");
    if (!IsKeepableText(scheme.GetScheduleName()))
        return Unkeepable("The name of the schedule scheme");
    const std::string name = Quoted(scheme.GetScheduleName());
    if (scheme.GetTimeZoneRegion().empty())
        return nxErrorEnum(nxErrorEnum::InvalidArgument,
                           "Schedule scheme " + name + " has no time-zone region");
    if (!IsKeepableText(scheme.GetTimeZoneRegion()))
        return Unkeepable("The time-zone region of schedule scheme " + name);
    if (zones.IsInitialised() && !zones.HasRegion(scheme.GetTimeZoneRegion()))
        return nxErrorEnum(nxErrorEnum::InvalidArgument,
                           "Schedule scheme " + name + ": the time-zone region " +
                               Quoted(scheme.GetTimeZoneRegion()) + " is not in the time-zone table");
    if (!scheme.ValidateDaySchedules(dayProblem))
        return nxErrorEnum(nxErrorEnum::InvalidArgument, "Schedule scheme " + name + ": " + dayProblem);
    return nxErrorEnum();
}

nxErrorEnum nxScheduleSchemeStore::Save(const nxApplicationSchedule& scheme,
                                        const nxZoneSpecTimeZoneConverter& zones)
{
    if (const nxErrorEnum invalid = Validate(scheme, zones); !invalid.IsOK())
        return invalid;
    const std::string& name = scheme.GetScheduleName();
    nxApplicationSchedule saved = Normalised(scheme);
    const nxErrorEnum versioned = NextVersion(scheme, saved);
    if (!versioned.IsOK())
        return versioned;
    nxScheduleSchemeFile::Contents next = m_contents;
    next.schemes.insert_or_assign(name, std::move(saved));
    return Commit(std::move(next), "Schedule scheme " + Quoted(name));
}

// A new scheme comes without a version and gets 1; saving over one needs the version
// held, and steps it, never onto a value the file cannot hold.
nxErrorEnum nxScheduleSchemeStore::NextVersion(const nxApplicationSchedule& scheme,
                                               nxApplicationSchedule& saved) const
{
    const std::string name = Quoted(scheme.GetScheduleName());
    const nxApplicationSchedule* current = Find(scheme.GetScheduleName());
    const nxUInt32ValueWrapper& edited = scheme.GetVersion();
    if (!current && !edited.IsNull())
        return nxErrorEnum(nxErrorEnum::VersionConflict,
                           "Schedule scheme " + name +
                               " was deleted by someone else after you opened version " +
                               std::to_string(edited.GetValue()) +
                               ". It was not saved; save it as a new scheme if it is still wanted");
    if (!current)
    {
        saved.SetVersion(nxUInt32ValueWrapper(1));
        return nxErrorEnum();
    }
    const uint32_t held = current->GetVersion().GetValue();
    if (edited.IsNull())
        return nxErrorEnum(nxErrorEnum::AlreadyExists,
                           "A schedule scheme named " + name + " already exists; choose another name");
    if (edited.GetValue() != held)
        return nxErrorEnum(nxErrorEnum::VersionConflict,
                           "Schedule scheme " + name + " was changed by someone else: you edited version " +
                               std::to_string(edited.GetValue()) + ", the platform holds version " +
                               std::to_string(held) + ". Open it again and repeat your changes");
    const nxUInt32ValueWrapper next(held + 1);
    if (!next.HasValue())
        return nxErrorEnum(nxErrorEnum::Refused, "Schedule scheme " + name + " is at version " +
                                                     std::to_string(held) +
                                                     ", the last there is; save it under another name");
    saved.SetVersion(next);
    return nxErrorEnum();
}

nxErrorEnum nxScheduleSchemeStore::Delete(const std::string& name, size_t usedBy)
{
    if (!Find(name))
        return nxErrorEnum(nxErrorEnum::NotFound, "There is no schedule scheme named " + Quoted(name));
    if (usedBy > 0)
        return nxErrorEnum(nxErrorEnum::Refused, "Schedule scheme " + Quoted(name) + " is assigned to " +
                                                     std::to_string(usedBy) +
                                                     (usedBy == 1 ? " application" : " applications") +
                                                     "; assign them another scheme before deleting it");
    nxScheduleSchemeFile::Contents next = m_contents;
    next.schemes.erase(name);
    std::erase_if(next.assignments, [&name](const auto& entry) { return entry.second == name; });
    return Commit(std::move(next), "Schedule scheme " + Quoted(name));
}

nxErrorEnum nxScheduleSchemeStore::SaveAssignments(const std::map<std::string, std::string>& assignments)
{
    for (const auto& [application, scheme] : assignments)
    {
        if (application.empty())
            return nxErrorEnum(nxErrorEnum::InvalidArgument,
                               "An assignment names no application; no assignment was saved");
        if (!IsKeepableText(application) || !IsKeepableText(scheme))
            return Unkeepable("An assignment");
    }
    nxScheduleSchemeFile::Contents next = m_contents;
    for (const auto& [application, scheme] : assignments)
        next.assignments[application] = scheme;
    return Commit(std::move(next), "The schedule assignments");
}

nxErrorEnum nxScheduleSchemeStore::Commit(nxScheduleSchemeFile::Contents contents, const std::string& what)
{
    if (!m_writable)
        return nxErrorEnum(nxErrorEnum::FileError, what + " was not saved: the schedule schemes file " +
                                                       Quoted(m_file.GetPath()) +
                                                       " is damaged, and saving would overwrite it");
    if (const nxErrorEnum written = m_file.Save(contents); !written.IsOK())
        return nxErrorEnum(written.GetValue(), what + " was not saved: " + written.GetLongDescription());
    m_contents = std::move(contents);
    return nxErrorEnum();
}
