#include "app/nxDataFolders.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace
{
bool HoldsTable(const fs::path& folder)
{
    std::error_code error;
    return fs::is_regular_file(folder / nxDataFolders::TimeZoneTableName, error);
}
} // namespace

std::string nxDataFolders::FindTimeZoneFolder(const std::string& executableFolder)
{
    if (!executableFolder.empty())
    {
        const fs::path installed = fs::path(executableFolder) / ".." / VSM_INSTALLED_DATA_DIR;
        if (HoldsTable(installed))
            return fs::weakly_canonical(installed).string();
    }
    if (HoldsTable(VSM_DATA_DIR))
        return VSM_DATA_DIR;
    return {};
}

std::string nxDataFolders::ExecutableFolder()
{
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.parent_path().string();
}
