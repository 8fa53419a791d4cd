#include <gtest/gtest.h>

#include <vector>

#include "platform/grid/data/nxAttributeObserver.h"
#include "platform/grid/data/nxAttributeObserverList.h"

namespace
{
struct nxSilentObserver : nxAttributeObserver
{
    void OnAttributeChanged(const nxObservedAttribute&, nxAttributeChangeBitMask, bool) override {}
};

std::vector<nxAttributeObserver*> Listed(const nxAttributeObserverList& list)
{
    return {list.View().begin(), list.View().end()};
}
} // namespace

// From none to one held in place, to a block that grows, and back down again,
// in the order of adding throughout.
TEST(nxAttributeObserverList, KeepsTheOrderOfAddingAsItGrowsAndShrinks)
{
    std::vector<nxSilentObserver> observers(10);
    nxAttributeObserverList list;
    EXPECT_TRUE(list.IsEmpty());
    list.Add(nullptr);
    list.Add(&observers[0]);
    list.Add(&observers[0]);
    EXPECT_EQ(Listed(list), std::vector<nxAttributeObserver*>{&observers[0]});
    for (size_t index = 1; index < observers.size(); ++index)
        list.Add(&observers[index]);
    EXPECT_EQ(list.Size(), 10u);
    EXPECT_EQ(list.View()[9], &observers[9]);

    for (size_t index = 0; index < observers.size(); index += 2)
        list.Remove(&observers[index]);
    EXPECT_EQ(Listed(list), (std::vector<nxAttributeObserver*>{&observers[1], &observers[3], &observers[5],
                                                               &observers[7], &observers[9]}));
    EXPECT_FALSE(list.Contains(&observers[2]));
    for (size_t index : {1, 3, 5, 9})
        list.Remove(&observers[index]);
    EXPECT_EQ(Listed(list), std::vector<nxAttributeObserver*>{&observers[7]});
    list.Add(&observers[2]);
    EXPECT_EQ(Listed(list), (std::vector<nxAttributeObserver*>{&observers[7], &observers[2]}));
    list.Remove(&observers[7]);
    list.Remove(&observers[2]);
    list.Remove(&observers[2]);
    EXPECT_TRUE(list.IsEmpty());
}
