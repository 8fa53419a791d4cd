#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/grid/data/nxIndexedMap.h"

namespace
{
using StatusMap = nxIndexedMap<std::string, 94>;

std::vector<std::string> Visit(StatusMap& map, const std::string& key)
{
    struct Collect : StatusMap::nxIndexedMapAction
    {
        void Execute(std::string* object) override { seen.push_back(*object); }
        std::vector<std::string> seen;
    } action;
    map.ExecuteAction(key, action);
    return action.seen;
}
} // namespace

TEST(nxIndexedMap, NormalisesToTheFieldCountAndMatchesWholeFields)
{
    const StatusMap map(2);
    for (const auto& [given, normalised] : std::vector<std::pair<std::string, std::string>>{
             {"", "*^*"}, {"A", "A^*"}, {"A^", "A^*"}, {"^B", "*^B"}, {"A^B^C", "A^B"}})
        EXPECT_EQ(map.NormaliseKey(given), normalised) << given;
    EXPECT_EQ(StatusMap(-3).NormaliseKey("A^B"), "A") << "a count below 1 is taken as 1";
    for (const auto& [given, normalised] : std::vector<std::pair<std::string, std::string>>{
             {"", "*"}, {"A", "A"}, {"^B", "*"}, {"A^", "A"}, {"4294967295", "4294967295"}})
        EXPECT_EQ(StatusMap(1).NormaliseKey(given), normalised) << "one field: " << given;

    for (const char* key : {"P^X", "*^X"})
        EXPECT_TRUE(StatusMap::IsMatch("*^X", key, '^')) << key;
    for (const char* key : {"P^Y", "P", "P^X^Z", "P^XY"})
        EXPECT_FALSE(StatusMap::IsMatch("*^X", key, '^')) << key;
    EXPECT_FALSE(StatusMap::IsMatch("A*^X", "AB^X", '^')) << "a star inside a field is plain text";
}

TEST(nxIndexedMap, InsertAndEraseNormaliseButFindDoesNot)
{
    StatusMap map(2);
    std::string first = "first", second = "second";
    map.Insert("A^B", &first);
    map.Insert("A^B^C", &second);
    EXPECT_EQ(map.Size(), 1u);
    EXPECT_EQ(map.Find("A^B"), &second);
    EXPECT_EQ(map.Find("A^B^C"), nullptr);
    map.Erase("A^B^C");
    EXPECT_EQ(map.Size(), 0u);
}

TEST(nxIndexedMap, ActionsVisitSelectedEntriesInByteOrder)
{
    StatusMap map(2);
    std::vector<std::string> keys{"B^X", "A^X", "AB^X", "P^Y", "\xC3\xA9^X"};
    for (std::string& key : keys)
        map.Insert(key, &key);

    // 'B' (0x42) sorts below '^' (0x5E); bytes above 0x7F sort last.
    const std::vector<std::string> all{"AB^X", "A^X", "B^X", "P^Y", "\xC3\xA9^X"};
    EXPECT_EQ(Visit(map, ""), all);
    EXPECT_EQ(Visit(map, "*^*"), all);
    EXPECT_EQ(Visit(map, "*^X"), (std::vector<std::string>{"AB^X", "A^X", "B^X", "\xC3\xA9^X"}));
    EXPECT_EQ(Visit(map, "A^X^Z"), std::vector<std::string>{"A^X"});
    EXPECT_TRUE(Visit(map, "A^Y").empty());
}

TEST(nxIndexedMap, OpenFieldsBeyondThirtyTwoAreRefused)
{
    std::string key = "F0";
    for (int field = 1; field < 33; ++field)
        key += "^F" + std::to_string(field);
    StatusMap map(33);
    map.Insert(key, &key);
    EXPECT_EQ(Visit(map, key).size(), 1u) << "a fully given key needs no field count";
    EXPECT_EQ(map.Find(key), &key);
    try
    {
        Visit(map, "*^F1");
        FAIL() << "a 33rd field was counted";
    }
    catch (const std::out_of_range& error)
    {
        EXPECT_STREQ(error.what(), "invalid bitset position");
    }
    map.SetFieldCount(32);
    map.Insert(key, &key);
    EXPECT_EQ(Visit(map, "*^F1").size(), 1u);
}

// Keys inserted next to the last one skip the search; any order, with erasures
// and replacements in between, must still give exactly the map a plain one would.
TEST(nxIndexedMap, InsertsInAnyOrderAgreeWithAPlainMap)
{
    StatusMap map(1);
    std::map<std::string, std::string*> plain;
    std::vector<std::string> values(400);
    unsigned state = 12345;
    for (size_t step = 0; step < values.size(); ++step)
    {
        state = state * 1103515245u + 12345u;
        // Runs going down, runs going up, then jumps anywhere.
        const unsigned number = step < 100 ? 1000 - step : step < 200 ? step : (state >> 8) % 300;
        const std::string key = std::to_string(number);
        values[step] = key;
        map.Insert(key, &values[step]);
        plain[key] = &values[step];
        if (state % 7 == 0)
        {
            map.Erase(key);
            plain.erase(key);
        }
    }
    std::vector<std::string> expected;
    for (const auto& [key, value] : plain)
        expected.push_back(*value);
    EXPECT_EQ(Visit(map, ""), expected);
    EXPECT_EQ(map.Size(), plain.size());
    std::string stranger = "stranger";
    const std::string someKey = plain.begin()->first;
    map.EraseIfHeld(someKey, &stranger);
    EXPECT_NE(map.Find(someKey), nullptr) << "a key now naming another object stays";
}
