#include <gtest/gtest.h>

#include "platform/service/nxZoneSpecTimeZoneConverter.h"

#include <unistd.h>

#include "vsmSourcePaths.h"
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace
{
const std::string kShippedTable = "c:\\vantrel\\data\\trunk\\date_time_zonespec_minimal.csv";
const std::string kHeader =
    R"("ID","STD ABBR","STD NAME","DST ABBR","DST NAME","GMT offset","DST adjustment",)"
    R"("DST Start Date rule","Start time","DST End date rule","End time")";

int64_t Utc(int year, unsigned month, unsigned day, int hour, int minute = 0)
{
    using namespace std::chrono;
    const sys_days date{std::chrono::year{year} / month / day};
    return sys_seconds{date}.time_since_epoch().count() + hour * 3600 + minute * 60;
}

std::string FixedLine(const std::string& id, const std::string& offset)
{
    return "\"" + id + "\",\"X\",\"X\",\"\",\"\",\"" + offset + "\",\"\",\"\",\"\",\"\",\"\"";
}

class nxZoneSpecTimeZoneConverterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_folder = std::filesystem::temp_directory_path() /
                   ("vsm_tz_" + std::to_string(getpid()) + "_" + test->name());
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::string Write(const std::string& name, const std::string& text)
    {
        const std::string path = (m_folder / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    std::string FailToLoad(nxZoneSpecTimeZoneConverter& converter, const std::string& path)
    {
        std::string error;
        EXPECT_FALSE(converter.Initialise(error, path));
        return error;
    }

    std::filesystem::path m_folder;
};
} // namespace

TEST_F(nxZoneSpecTimeZoneConverterTest, ShippedTableFoundByItsWindowsPathConvertsKnownInstants)
{
    nxZoneSpecTimeZoneConverter converter(VSM_DATA_DIR);
    EXPECT_FALSE(converter.IsInitialised());
    std::string error;
    ASSERT_TRUE(converter.Initialise(error, kShippedTable)) << error;
    EXPECT_TRUE(converter.IsInitialised());
    std::vector<std::string> regions;
    converter.GetTimeZoneRegions(regions);
    EXPECT_GE(regions.size(), 30u);

    // Offsets in minutes in the second before and at the given instant.
    struct Case
    {
        const char* region;
        int64_t utc;
        int before, after;
    };
    const Case cases[] = {
        {"Europe/London", Utc(2026, 3, 29, 1), 0, 60},
        {"Europe/London", Utc(2026, 10, 25, 1), 60, 0},
        {"Europe/Zurich", Utc(2026, 7, 1, 0), 120, 120},
        {"Europe/Moscow", Utc(2026, 7, 1, 0), 180, 180},
        {"America/New_York", Utc(2026, 3, 8, 7), -300, -240},
        {"America/New_York", Utc(2026, 11, 1, 6), -240, -300},
        {"America/Chicago", Utc(2026, 11, 1, 7), -300, -360},
        {"America/Sao_Paulo", Utc(2026, 1, 15, 0), -180, -180},
        {"America/Santiago", Utc(2026, 4, 5, 3), -180, -240},
        {"Asia/Tokyo", Utc(2026, 7, 1, 0), 540, 540},
        {"Asia/Kathmandu", Utc(2026, 7, 1, 0), 345, 345},
        {"Australia/Sydney", Utc(2026, 4, 4, 16), 660, 600},
        {"Australia/Sydney", Utc(2026, 10, 3, 16), 600, 660},
        {"Australia/Sydney", Utc(2027, 1, 1, 0), 660, 660},
        {"Pacific/Auckland", Utc(2026, 9, 26, 14), 720, 780},
        {"Africa/Cairo", Utc(2026, 10, 29, 21), 180, 120},
    };
    for (const Case& c : cases)
    {
        int64_t before = 0;
        int64_t after = 0;
        ASSERT_TRUE(converter.ToLocalSeconds(c.region, c.utc - 1, before)) << c.region;
        ASSERT_TRUE(converter.ToLocalSeconds(c.region, c.utc, after)) << c.region;
        EXPECT_EQ(before - (c.utc - 1), c.before * 60) << c.region << " before " << c.utc;
        EXPECT_EQ(after - c.utc, c.after * 60) << c.region << " at " << c.utc;
    }
    int64_t untouched = 42;
    EXPECT_FALSE(converter.HasRegion("Mars/Olympus_Mons"));
    EXPECT_FALSE(converter.ToLocalSeconds("Mars/Olympus_Mons", 0, untouched));
    EXPECT_EQ(untouched, 42);
}

TEST_F(nxZoneSpecTimeZoneConverterTest, ListsRegionsInFileOrderAndReadsWindowsLineEndings)
{
    Write("order.csv", "\xEF\xBB\xBF" + kHeader + "\r\n" + FixedLine("Zulu/B", "+01:00:00") + "\r\n\r\n" +
                           FixedLine("Alpha/A", "-01:00:00") + "\r\n");
    nxZoneSpecTimeZoneConverter converter(m_folder.string());
    std::string error;
    ASSERT_TRUE(converter.Initialise(error, "D:\\elsewhere\\order.csv")) << error;
    std::vector<std::string> regions{"stale"};
    converter.GetTimeZoneRegions(regions);
    EXPECT_EQ(regions, (std::vector<std::string>{"Zulu/B", "Alpha/A"}));
}

TEST_F(nxZoneSpecTimeZoneConverterTest, MissingTableNamesEveryPlaceLookedIn)
{
    nxZoneSpecTimeZoneConverter converter(m_folder.string());
    const std::string error = FailToLoad(converter, "c:\\vantrel\\nothere.csv");
    EXPECT_NE(error.find("\"c:\\vantrel\\nothere.csv\" was not found"), std::string::npos) << error;
    EXPECT_NE(error.find((m_folder / "nothere.csv").string()), std::string::npos) << error;
    EXPECT_NE(FailToLoad(converter, "/no/such/table.csv").find("\"/no/such/table.csv\""), std::string::npos);
    EXPECT_NE(FailToLoad(converter, m_folder.string()).find("is not a file"), std::string::npos);
    EXPECT_FALSE(converter.IsInitialised());
}

TEST_F(nxZoneSpecTimeZoneConverterTest, MalformedTableNamesFileLineAndFault)
{
    const std::string good = FixedLine("Good/One", "+01:00:00");
    struct Case
    {
        std::string text, expected;
    };
    const Case cases[] = {
        {"", "is not valid: it is empty"},
        {kHeader + "\n", "is not valid: it lists no regions"},
        {good + "\n", "line 1: expected the header line"},
        {kHeader + "\n" + good + "\n\"Bad/Two\",\"X\"\n", "line 3: expected 11 fields, found 2"},
        {kHeader + "\n" + good + "\n" + good, "line 3: region \"Good/One\" is already defined on line 2"},
    };
    int index = 0;
    for (const Case& c : cases)
    {
        const std::string path = Write("bad" + std::to_string(index++) + ".csv", c.text);
        nxZoneSpecTimeZoneConverter converter(m_folder.string());
        const std::string error = FailToLoad(converter, path);
        EXPECT_EQ(error.rfind("Time-zone table \"" + path + "\" is not valid: ", 0), 0u) << error;
        EXPECT_NE(error.find(c.expected), std::string::npos) << error;
    }
}

TEST_F(nxZoneSpecTimeZoneConverterTest, FailedReloadKeepsTheTableInUse)
{
    const std::string good = Write("good.csv", kHeader + "\n" + FixedLine("Asia/Tokyo", "+09:00:00"));
    const std::string bad = Write("bad.csv", kHeader + "\n" + FixedLine("Asia/Tokyo", "nine"));
    nxZoneSpecTimeZoneConverter converter(m_folder.string());
    std::string error;
    ASSERT_TRUE(converter.Initialise(error, good)) << error;
    FailToLoad(converter, bad);
    FailToLoad(converter, (m_folder / "gone.csv").string());
    int64_t local = 0;
    EXPECT_TRUE(converter.ToLocalSeconds("Asia/Tokyo", 0, local));
    EXPECT_EQ(local, 9 * 3600);
}

TEST_F(nxZoneSpecTimeZoneConverterTest, ConversionsStayConsistentWhileTheTableIsReloaded)
{
    const std::string east = Write("east.csv", kHeader + "\n" + FixedLine("Shared/Zone", "+02:00:00"));
    const std::string west = Write("west.csv", kHeader + "\n" + FixedLine("Shared/Zone", "-03:00:00"));
    nxZoneSpecTimeZoneConverter converter(m_folder.string());
    std::string error;
    ASSERT_TRUE(converter.Initialise(error, east)) << error;
    std::atomic<bool> done{false};
    std::thread reader(
        [&]
        {
            while (!done.load())
            {
                int64_t local = 0;
                ASSERT_TRUE(converter.ToLocalSeconds("Shared/Zone", 0, local));
                ASSERT_TRUE(local == 7200 || local == -10800) << local;
            }
        });
    for (int i = 0; i < 200; ++i)
        EXPECT_TRUE(converter.Initialise(error, i % 2 ? east : west)) << error;
    done = true;
    reader.join();
}
