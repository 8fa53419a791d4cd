// What the scheme store accepts, its next load reads back the same.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/service/nxPlatformRandom.h"
#include "platform/service/nxScheduleSchemeStore.h"
#include "platform/service/nxZoneSpecTimeZoneConverter.h"

namespace
{
class SchemeStore : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_folder = std::filesystem::temp_directory_path() /
                   ("vsm_store_" + std::to_string(getpid()) + "_" + test->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::string Path() const { return (m_folder / "ScheduleSchemes.xml").string(); }

    // A fresh store on the same file, as after a restart.
    void ExpectReloadsEqual(const nxScheduleSchemeStore& store, const std::string& after)
    {
        nxScheduleSchemeStore reloaded(Path());
        reloaded.Load();
        ASSERT_EQ(reloaded.GetLoadProblem(), "") << after;
        EXPECT_TRUE(reloaded.GetSchemes() == store.GetSchemes()) << after;
        EXPECT_EQ(reloaded.GetAssignments(), store.GetAssignments()) << after;
    }

    std::filesystem::path m_folder;
    nxZoneSpecTimeZoneConverter m_anyRegion{""}; // holds no table, so any region is taken
};

// Texts from pieces that XML escapes or that take several bytes, and now and then a
// piece the file cannot keep as it is.
class TextMaker
{
public:
    explicit TextMaker(nxPlatformRandom& random) : m_random(random) {}

    std::string Make(bool& keepable)
    {
        static const char* const good[] = {"a",
                                           "Z",
                                           "9",
                                           " ",
                                           "<",
                                           ">",
                                           "&",
                                           "\"",
                                           "'",
                                           "-",
                                           "/",
                                           "\xC3\xA9",
                                           "\xE6\x9D\xB1",
                                           "\xF0\x9F\x98\x80",
                                           "&amp;",
                                           "]]>"};
        static const char* const bad[] = {"\n",   "\r",   "\t",           "\x01",    "\x7F",
                                          "\xFF", "\xC3", "\xED\xA0\x80", "\xC2\x85"};
        std::string text;
        keepable = true;
        for (uint32_t n = 1 + m_random.Below(8); n > 0; --n)
        {
            if (m_random.Chance(0.03))
            {
                text += m_random.Chance(0.3) ? std::string(1, '\0') : bad[m_random.Below(std::size(bad))];
                keepable = false;
            }
            else
            {
                text += good[m_random.Below(std::size(good))];
            }
        }
        return text;
    }

private:
    nxPlatformRandom& m_random;
};

nxTime RandomTime(nxPlatformRandom& random)
{
    return nxTime(static_cast<int>(random.Below(24)), static_cast<int>(random.Below(60)),
                  random.Chance(0.3) ? static_cast<int>(random.Below(60)) : 0);
}

// A scheme whose days are consistent, some days copied from others as a dialog does.
nxApplicationSchedule RandomScheme(const std::string& name, const std::string& region,
                                   nxPlatformRandom& random)
{
    nxApplicationSchedule scheme;
    scheme.SetScheduleName(name);
    scheme.SetTimeZoneRegion(region);
    scheme.SetStartsInTheEvening(random.Chance(0.3));
    scheme.SetIgnoreDailyShutdown(random.Chance(0.3));
    for (int day = 0; day < nxApplicationSchedule::DaysPerWeek; ++day)
    {
        if (day > 0 && random.Chance(0.3))
        {
            scheme.GetScheduleForDay(day) = scheme.GetScheduleForDay(day - 1);
            continue;
        }
        nxTime first = RandomTime(random);
        nxTime second = RandomTime(random);
        if (random.Chance(0.3) || first == second)
            continue;
        if ((first < second) == scheme.GetStartsInTheEvening())
            std::swap(first, second);
        scheme.GetScheduleForDay(day).SetStartTime(first);
        scheme.GetScheduleForDay(day).SetStopTime(second);
    }
    return scheme;
}
} // namespace

TEST_F(SchemeStore, RandomAcceptedSchemesAndAssignmentsLoadBackEqual)
{
    nxPlatformRandom random(20250611);
    TextMaker texts(random);
    nxScheduleSchemeStore store(Path());
    store.Load();
    size_t accepted = 0;
    size_t refused = 0;
    // Every change is written and synced to disk, so a round costs milliseconds.
    for (int round = 0; round < 50; ++round)
    {
        bool nameKeepable = false;
        bool regionKeepable = false;
        const std::string name = texts.Make(nameKeepable);
        const std::string region = texts.Make(regionKeepable);
        nxApplicationSchedule scheme = RandomScheme(name, region, random);
        const nxApplicationSchedule* held = store.Find(name);
        scheme.SetVersion(held ? held->GetVersion() : nxUInt32ValueWrapper());
        const nxErrorEnum saved = store.Save(scheme, m_anyRegion);
        EXPECT_EQ(saved.IsOK(), nameKeepable && regionKeepable) << saved.GetLongDescription();

        std::map<std::string, std::string> assignments;
        bool keepable = true;
        for (uint32_t n = 1 + random.Below(6); n > 0; --n)
        {
            bool idKeepable = false;
            bool schemeKeepable = false;
            const std::string id = random.Chance(0.05) ? std::string() : texts.Make(idKeepable);
            const std::string assigned = random.Chance(0.2) ? std::string() : texts.Make(schemeKeepable);
            keepable = keepable && !id.empty() && idKeepable && (assigned.empty() || schemeKeepable);
            assignments[id] = assigned;
        }
        EXPECT_EQ(store.SaveAssignments(assignments).IsOK(), keepable);
        accepted += saved.IsOK() + keepable;
        refused += !saved.IsOK() + !keepable;
        if (round % 10 == 9)
            ExpectReloadsEqual(store, "after round " + std::to_string(round));
    }
    ExpectReloadsEqual(store, "at the end");
    EXPECT_GT(accepted, 50u);
    EXPECT_GT(refused, 10u);
}

TEST_F(SchemeStore, WhatItsLoaderWouldRefuseIsRefusedBeforeItIsWritten)
{
    nxScheduleSchemeStore store(Path());
    store.Load();
    nxApplicationSchedule paris;
    paris.SetScheduleName("Paris");
    paris.SetTimeZoneRegion("Europe/Paris");
    ASSERT_TRUE(store.Save(paris, m_anyRegion).IsOK());

    nxApplicationSchedule cut = paris;
    cut.SetScheduleName(std::string("Paris\0 copy", 11));
    cut.SetVersion(nxUInt32ValueWrapper());
    const nxErrorEnum nul = store.Save(cut, m_anyRegion);
    EXPECT_EQ(nul.GetValue(), nxErrorEnum::InvalidArgument);
    EXPECT_EQ(
        nul.GetLongDescription(),
        "The name of the schedule scheme holds a control character or is not well-formed text, which cannot "
        "be saved");
    const nxErrorEnum noApplication = store.SaveAssignments({{"", "Paris"}});
    EXPECT_EQ(noApplication.GetLongDescription(),
              "An assignment names no application; no assignment was saved");
    ExpectReloadsEqual(store, "after the refusals");
    EXPECT_EQ(store.GetSchemes().size(), nxScheduleSchemeStore::DemoSchemes().size() + 1);

    // A file may hold the last version there is; saving once more would step onto the no-change value.
    std::ofstream(Path()) << "<ScheduleSchemes><Scheme name='Old' region='UTC' version='4294967293'/>"
                             "</ScheduleSchemes>";
    store.Load();
    ASSERT_EQ(store.GetLoadProblem(), "");
    nxApplicationSchedule old = *store.Find("Old");
    const nxErrorEnum last = store.Save(old, m_anyRegion);
    EXPECT_EQ(last.GetValue(), nxErrorEnum::Refused);
    EXPECT_EQ(
        last.GetLongDescription(),
        "Schedule scheme 'Old' is at version 4294967293, the last there is; save it under another name");
    ExpectReloadsEqual(store, "after the last version");
}
