#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <thread>

#include "model/nxDoubleAttributeValue.h"
#include "model/nxEnumAttributeValue.h"
#include "model/nxInt32AttributeValue.h"
#include "model/nxObservedAttributeTemplateWithHightlight.h"
#include "model/nxStringAttributeValue.h"
#include "platform/base/nxApplicationStatusEnum.h"
#include "platform/grid/data/nxAttributeObserver.h"

using ::testing::_;
using ::testing::InSequence;

namespace
{
class MockObserver : public nxAttributeObserver
{
public:
    MOCK_METHOD(void, OnAttributeChanged,
                (const nxObservedAttribute& attribute, nxAttributeChangeBitMask changes, bool extended),
                (override));
};

using Int32Attribute = nxObservedAttributeTemplateWithHightlight<10001, nxInt32AttributeValue>;
using StringAttribute = nxObservedAttributeTemplateWithHightlight<9002, nxStringAttributeValue>;
using DoubleAttribute = nxObservedAttributeTemplate<9012, nxDoubleAttributeValue>;

class ObservedAttributeTest : public ::testing::Test
{
protected:
    template <class A> void Observe(A& attribute) { attribute.AttachObserver(&m_observer); }
    void ExpectChange(nxAttributeChangeBitMask changes, int times = 1)
    {
        EXPECT_CALL(m_observer, OnAttributeChanged(_, changes, false)).Times(times);
    }
    void ExpectNoChange() { EXPECT_CALL(m_observer, OnAttributeChanged).Times(0); }

    ::testing::StrictMock<MockObserver> m_observer;
};

nxInt32AttributeValue NoChangeInt32()
{
    nxInt32AttributeValue value;
    value.SetNoChange();
    return value;
}
} // namespace

TEST_F(ObservedAttributeTest, FlashingUpdateReportsDirection)
{
    Int32Attribute attribute;
    Observe(attribute);
    {
        InSequence order;
        ExpectChange(0x1); // null to 5
        ExpectChange(0x2); // 5 to 7
        ExpectChange(0x4); // 7 to 5
        ExpectChange(0x1); // 5 to null
    }
    attribute.UpdateAttributeValue(nxInt32AttributeValue(5), false);
    attribute.UpdateAttributeValue(nxInt32AttributeValue(5), false);
    attribute.UpdateAttributeValue(nxInt32AttributeValue(7), false);
    attribute.UpdateAttributeValue(nxInt32AttributeValue(5), false);
    attribute.UpdateAttributeValue(nxInt32AttributeValue(), false);
    attribute.UpdateAttributeValue(nxInt32AttributeValue(), false);
    EXPECT_TRUE(attribute.GetAttributeValue().IsNull());
}

TEST_F(ObservedAttributeTest, FlagTurnsEveryValueChangeIntoNoFlash)
{
    Int32Attribute attribute(nxInt32AttributeValue(5));
    Observe(attribute);
    ExpectChange(0x8, 3);
    attribute.UpdateAttributeValue(nxInt32AttributeValue(7), true);
    attribute.UpdateAttributeValue(nxInt32AttributeValue(5), true);
    attribute.UpdateAttributeValue(nxInt32AttributeValue(), true);
    attribute.UpdateAttributeValue(nxInt32AttributeValue(), true);
    EXPECT_TRUE(attribute.GetAttributeValue().IsNull());
}

TEST_F(ObservedAttributeTest, NoChangeValueLeavesTheValueAlone)
{
    Int32Attribute attribute(nxInt32AttributeValue(5));
    Observe(attribute);
    ExpectNoChange();
    attribute.UpdateAttributeValue(NoChangeInt32(), false);
    attribute.UpdateAttributeValueWithoutFlashing(NoChangeInt32());
    EXPECT_EQ(attribute.GetAttributeValue().GetValue(), 5);

    // While another thread holds the lock, a no-change update must not wait for it.
    attribute.Lock();
    auto update =
        std::async(std::launch::async, [&] { attribute.UpdateAttributeValue(NoChangeInt32(), false); });
    const bool finished = update.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    attribute.Unlock();
    EXPECT_TRUE(finished);
}

TEST_F(ObservedAttributeTest, UpdateWithoutFlashingReportsOnlyRealDifferences)
{
    StringAttribute attribute;
    Observe(attribute);
    ExpectChange(0x8, 3);
    attribute.UpdateAttributeValueWithoutFlashing(nxStringAttributeValue("")); // null stays null
    attribute.UpdateAttributeValueWithoutFlashing(nxStringAttributeValue("alpha"));
    attribute.UpdateAttributeValueWithoutFlashing(nxStringAttributeValue("alpha"));
    attribute.UpdateAttributeValueWithoutFlashing(nxStringAttributeValue("Alpha")); // case counts
    attribute.UpdateAttributeValueWithoutFlashing(nxStringAttributeValue(""));
    EXPECT_TRUE(attribute.GetAttributeValue().IsNull());
}

TEST_F(ObservedAttributeTest, DoublesWithinToleranceAreNoChange)
{
    DoubleAttribute attribute(nxDoubleAttributeValue(1.000000001));
    Observe(attribute);
    ExpectNoChange();
    attribute.UpdateAttributeValue(nxDoubleAttributeValue(1.000000002), false);
    attribute.UpdateAttributeValueWithoutFlashing(nxDoubleAttributeValue(1.000000002));
    EXPECT_EQ(attribute.GetAttributeValue().GetValue(), 1.000000001);
}

TEST_F(ObservedAttributeTest, HighlightIsReportedOnlyWhenItChanges)
{
    Int32Attribute attribute;
    Observe(attribute);
    EXPECT_EQ(attribute.GetAttributeHighlight(), 0u);
    ExpectChange(0x20);
    attribute.UpdateAttributeHighlight(0x800);
    attribute.UpdateAttributeHighlight(0x800);
    EXPECT_EQ(attribute.GetAttributeHighlight(), 0x800u);
}

TEST_F(ObservedAttributeTest, CombinedUpdateReportsHighlightThenValue)
{
    Int32Attribute attribute(nxInt32AttributeValue(5));
    Observe(attribute);
    {
        InSequence order;
        ExpectChange(0x20);
        ExpectChange(0x2);
        ExpectChange(0x20); // the no-change value still lets the highlight through
        ExpectChange(0x20);
        ExpectChange(0x8);
    }
    attribute.UpdateAttributeHighlightAndValue(nxInt32AttributeValue(6), 0x100, false);
    attribute.UpdateAttributeHighlightAndValue(NoChangeInt32(), 0x200, false);
    attribute.UpdateAttributeHighlightAndValueWithoutFlashing(nxInt32AttributeValue(6), 0x200);
    attribute.UpdateAttributeHighlightAndValueWithoutFlashing(nxInt32AttributeValue(6), 0x10);
    attribute.UpdateAttributeHighlightAndValue(nxInt32AttributeValue(4), 0x10, true);
}

TEST_F(ObservedAttributeTest, ObserversRunUnderTheAttributeLock)
{
    Int32Attribute attribute;
    Observe(attribute);
    EXPECT_CALL(m_observer, OnAttributeChanged(_, 0x1, false))
        .WillOnce(
            [&](const nxObservedAttribute& changed, auto, auto)
            {
                EXPECT_EQ(&changed, &attribute);
                std::thread other([&] { EXPECT_FALSE(attribute.GetLock().try_lock()); });
                other.join();
            });
    attribute.UpdateAttributeValue(nxInt32AttributeValue(1), false);
}

TEST(nxObservedAttributeTemplate, IdentityComparisonsAndInstances)
{
    using StatusAttribute =
        nxObservedAttributeTemplateWithHightlight<9005, nxEnumAttributeValue<nxApplicationStatusEnum>>;
    StatusAttribute running(nxEnumAttributeValue<nxApplicationStatusEnum>(nxAppStatus::Running));
    StatusAttribute stopped(nxEnumAttributeValue<nxApplicationStatusEnum>(nxAppStatus::Stopped));
    running.UpdateAttributeHighlight(0x10);
    EXPECT_EQ(running.GetAttributeID(), 9005u);
    EXPECT_TRUE(running.IsLess(stopped));
    EXPECT_TRUE(stopped.IsGreater(running));
    EXPECT_FALSE(running.IsEqual(stopped));
    EXPECT_EQ(running.CopyInstance(), nullptr);

    std::unique_ptr<StatusAttribute> fresh(running.CreateInstance());
    EXPECT_TRUE(fresh->GetAttributeValue().IsNull());
    EXPECT_EQ(fresh->GetAttributeHighlight(), 0u);
    const nxAttribute& base = *fresh;
    EXPECT_EQ(base.GetAttributeID(), 9005u);
    EXPECT_TRUE(base.GetAttributeValue().IsNull());
    EXPECT_EQ(static_cast<const nxAttribute&>(running).GetAttributeValueAsString(),
              nxApplicationStatusEnum(nxAppStatus::Running).GetLongDescription());
}
