#pragma once

#include <map>
#include <string>

#include "contracts/nxApplicationSchedule.h"
#include "platform/base/nxErrorEnum.h"

class nxXMLElement;

// The file that keeps the platform's schedule schemes, with their versions, and the
// schemes assigned to applications, so that both survive a restart.
class nxScheduleSchemeFile
{
public:
    struct Contents
    {
        std::map<std::string, nxApplicationSchedule> schemes;
        std::map<std::string, std::string> assignments; // application id -> scheme name
    };

    explicit nxScheduleSchemeFile(std::string path) : m_path(std::move(path)) {}

    const std::string& GetPath() const { return m_path; }
    bool Exists() const;

    // A file that cannot be read, or holds anything but well-formed schemes, is
    // refused whole with a text that names the file and the fault; contents is then untouched.
    nxErrorEnum Load(Contents& contents) const;
    // Writes a temporary file and renames it over the old one, creating the folder if needed.
    nxErrorEnum Save(const Contents& contents) const;
    // Renames the file out of the way (".corrupt", ".corrupt-2", ...). Answers the
    // new name, or empty with the reason in problem.
    std::string SetAside(std::string& problem) const;

private:
    static bool ReadScheme(nxXMLElement& element, nxApplicationSchedule& scheme, std::string& problem);
    static bool ReadAttributes(nxXMLElement& element, nxApplicationSchedule& scheme, std::string& problem);
    static bool ReadDay(nxXMLElement& element, nxApplicationSchedule& scheme, std::string& problem);
    // False when a text could not be set (the element layer refuses what it cannot keep).
    static bool WriteScheme(nxXMLElement& parent, const nxApplicationSchedule& scheme);
    nxErrorEnum Refuse(const std::string& problem) const;

    std::string m_path;
};
