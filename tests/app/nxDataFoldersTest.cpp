#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

#include "app/nxDataFolders.h"

namespace fs = std::filesystem;

TEST(nxDataFolders, AnInstalledTableBesideTheProgramComesBeforeTheSourceTree)
{
    const fs::path prefix = fs::temp_directory_path() / ("vsm-install-" + std::to_string(::getpid()));
    fs::create_directories(prefix / "bin");
    EXPECT_EQ(VSM_DATA_DIR, nxDataFolders::FindTimeZoneFolder((prefix / "bin").string()))
        << "nothing installed: the source tree's table";

    const fs::path installed = prefix / VSM_INSTALLED_DATA_DIR;
    fs::create_directories(installed);
    std::ofstream(installed / nxDataFolders::TimeZoneTableName) << "region\n";
    EXPECT_EQ(fs::weakly_canonical(installed).string(),
              nxDataFolders::FindTimeZoneFolder((prefix / "bin").string()));
    fs::remove_all(prefix);

    EXPECT_FALSE(nxDataFolders::ExecutableFolder().empty());
}
