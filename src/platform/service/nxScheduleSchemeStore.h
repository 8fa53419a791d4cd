#pragma once

#include <map>
#include <string>
#include <vector>

#include "contracts/nxApplicationSchedule.h"
#include "platform/base/nxErrorEnum.h"
#include "platform/service/nxScheduleSchemeFile.h"

class nxZoneSpecTimeZoneConverter;

// The platform's schedule schemes and saved assignments. Every change is written to
// the schemes file before it takes effect, so a change the file did not take is
// refused and nothing saved is lost. Not locked: the platform serialises its use.
class nxScheduleSchemeStore
{
public:
    // The scheme whose applications the platform does not judge, and which may be removed.
    static constexpr const char* IgnoreScheme = "Ignore";

    explicit nxScheduleSchemeStore(std::string filePath);

    // Reads the file. Without one, the demonstration schemes are used. A damaged file
    // is renamed out of the way and the demonstration schemes are used instead.
    void Load();
    // Empty when the file was read, or there was none.
    const std::string& GetLoadProblem() const { return m_loadProblem; }

    std::vector<std::string> GetNames() const;
    const nxApplicationSchedule* Find(const std::string& name) const;
    const std::map<std::string, nxApplicationSchedule>& GetSchemes() const { return m_contents.schemes; }
    const std::map<std::string, std::string>& GetAssignments() const { return m_contents.assignments; }

    // A new scheme (null version) gets version 1; saving over a scheme needs its
    // current version and increments it; a version for a name it does not hold is a
    // conflict (the scheme was deleted meanwhile). Names and regions are text the
    // file keeps as it is; regions are checked against zones when it holds a table.
    // What it accepts, the next Load reads back the same.
    nxErrorEnum Save(const nxApplicationSchedule& scheme, const nxZoneSpecTimeZoneConverter& zones);
    // Refused while usedBy applications have the scheme.
    nxErrorEnum Delete(const std::string& name, size_t usedBy);
    // application id (not empty) -> scheme name (empty: none).
    nxErrorEnum SaveAssignments(const std::map<std::string, std::string>& assignments);

    static std::map<std::string, nxApplicationSchedule> DemoSchemes();

private:
    static nxErrorEnum Validate(const nxApplicationSchedule& scheme,
                                const nxZoneSpecTimeZoneConverter& zones);
    nxErrorEnum NextVersion(const nxApplicationSchedule& scheme, nxApplicationSchedule& saved) const;
    nxErrorEnum Commit(nxScheduleSchemeFile::Contents contents, const std::string& what);
    void UseDemoSchemesAfter(const nxErrorEnum& loadError);

    nxScheduleSchemeFile m_file;
    nxScheduleSchemeFile::Contents m_contents;
    std::string m_loadProblem;
    // False while a damaged file that could not be set aside would be overwritten.
    bool m_writable = true;
};
