#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "model/nxAttributeValueCompositeKey.h"
#include "model/nxAttributeValueCompositeKeyEntry_ForSpecificContainer.h"
#include "model/nxStringAttributeValue.h"
#include "model/nxUInt32AttributeValue.h"
#include "platform/grid/data/nxObservedAttributeContainer.h"

TEST(nxAttributeValueCompositeKeyEntry, TextsCompareWithoutCaseAndWithTheCaseTieBreak)
{
    const nxStringAttributeValue lower("host"), upper("HOST"), other("Hosts");
    const nxAttributeValueCompositeKeyEntry a(&lower, 9003), b(&upper, 9003), c(&other, 9003);
    EXPECT_TRUE(a.IsEqual(b));
    EXPECT_TRUE(a.IsLess(b));
    EXPECT_TRUE(b.IsLess(c));
    EXPECT_EQ(a.Compare(a), 0);

    const nxAttributeValueCompositeKeyEntry descending(&lower, 9003, false);
    EXPECT_TRUE(descending.IsGreater(b));
    EXPECT_EQ(descending.GetAsString(), "host");
}

TEST(nxAttributeValueCompositeKeyEntry, MissingValuesOrderFirstAndNeverCrash)
{
    const nxUInt32AttributeValue zero(0u);
    const nxAttributeValueCompositeKeyEntry empty, valued(&zero, 9006);
    EXPECT_TRUE(empty.IsLess(valued));
    EXPECT_TRUE(empty.IsEqual(nxAttributeValueCompositeKeyEntry()));
    EXPECT_FALSE(empty.IsEqual(valued));
    EXPECT_EQ(empty.GetAsString(), "");
}

TEST(nxAttributeValueCompositeKeyEntry, CopiesShareTheValueAndKeepTheContainer)
{
    nxObservedAttributeContainer row;
    const nxStringAttributeValue value("x");
    const nxAttributeValueCompositeKeyEntry_ForSpecificContainer entry(&value, 9002, false, &row);
    std::unique_ptr<nxAttributeValueCompositeKeyEntry> copy(entry.CopyInstance());
    EXPECT_EQ(copy->GetAttributeValue(), &value);
    EXPECT_EQ(copy->GetSpecificContainer(), &row);
    EXPECT_EQ(copy->GetAttributeID(), 9002u);
    EXPECT_FALSE(copy->IsAscending());
    EXPECT_EQ(nxAttributeValueCompositeKeyEntry(&value, 9002).GetSpecificContainer(), nullptr);
}

TEST(nxAttributeValueCompositeKey, SortsRowsEntryByEntry)
{
    // Rows of (host ascending, pid descending).
    const nxStringAttributeValue hosts[] = {nxStringAttributeValue("b"), nxStringAttributeValue("A"),
                                            nxStringAttributeValue("a"), nxStringAttributeValue("a")};
    const nxUInt32AttributeValue pids[] = {nxUInt32AttributeValue(1u), nxUInt32AttributeValue(1u),
                                           nxUInt32AttributeValue(2u), nxUInt32AttributeValue()};
    std::vector<nxAttributeValueCompositeKey> keys(4);
    for (size_t i = 0; i < keys.size(); ++i)
    {
        keys[i].AddKeyValue(nxAttributeValueCompositeKeyEntry(&hosts[i], 9003, true));
        keys[i].AddKeyValue(std::make_unique<nxAttributeValueCompositeKeyEntry>(&pids[i], 9006, false));
        keys[i].AddKeyValue(nullptr);
    }
    std::vector<size_t> order = {0, 1, 2, 3};
    std::sort(order.begin(), order.end(), [&](size_t l, size_t r) { return keys[l].Compare(keys[r]) < 0; });
    EXPECT_EQ(order, (std::vector<size_t>{2, 3, 1, 0}));

    const nxAttributeValueCompositeKey copy(keys[0]);
    EXPECT_EQ(copy.GetKeyValues().size(), 2u);
    EXPECT_EQ(copy.Compare(keys[0]), 0);
    nxAttributeValueCompositeKey shorter;
    shorter.AddKeyValue(nxAttributeValueCompositeKeyEntry(&hosts[0], 9003));
    EXPECT_LT(shorter.Compare(keys[0]), 0);
    std::unique_ptr<nxAttributeValueCompositeKey> instance(keys[1].CopyInstance());
    EXPECT_EQ(instance->Compare(keys[1]), 0);
}
