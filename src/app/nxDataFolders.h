#pragma once

#include <string>

// Where the program finds the files it ships with: beside an installed program
// (<prefix>/share/vantrelsystemmanager next to <prefix>/bin), else the source
// tree it was built from.
class nxDataFolders
{
public:
    static constexpr const char* TimeZoneTableName = "date_time_zonespec_minimal.csv";

    // The first folder that holds the time-zone table: the installed folder for an
    // executable in executableFolder, then the source tree. Empty when neither does.
    static std::string FindTimeZoneFolder(const std::string& executableFolder);
    // The folder of the running program.
    static std::string ExecutableFolder();
};
