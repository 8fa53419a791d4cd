#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "platform/grid/data/nxGridDataObject.h"
#include "platform/grid/nxGridNotificationLimiter.h"
#include "platform/grid/nxGridNotificationSource.h"
#include "platform/grid/nxGridNotifications.h"

namespace
{
constexpr int64_t kSecond = 1'000'000'000;

class Row : public nxGridDataObject
{
public:
    explicit Row(std::string name) : m_name(std::move(name)) {}
    nxGridDataManager* GetDataManager() const override { return nullptr; }
    const std::string m_name;
};

// Every new row and every change notifies, named by the row.
class EveryChange : public nxGridNotificationSource
{
public:
    std::optional<nxGridNotification> OnAdded(const nxGridDataObject& object, bool snapshot) override
    {
        return snapshot ? std::nullopt : OnChanged(object);
    }
    std::optional<nxGridNotification> OnChanged(const nxGridDataObject& object) override
    {
        const std::string& name = static_cast<const Row&>(object).m_name;
        return nxGridNotification{name, "title", "body " + name, name};
    }
    std::string RowKeyOf(const nxGridDataObject& object) const override
    {
        return static_cast<const Row&>(object).m_name;
    }
};
} // namespace

TEST(nxGridNotificationLimiter, OncePerSubjectPerMinuteEvenAfterForgettingManySubjects)
{
    nxGridNotificationLimiter limiter;
    EXPECT_TRUE(limiter.Allow("A", 0));
    EXPECT_FALSE(limiter.Allow("A", 59 * kSecond));
    EXPECT_TRUE(limiter.Allow("B", 59 * kSecond));
    EXPECT_TRUE(limiter.Allow("A", 60 * kSecond));

    // A crowd of subjects makes it forget the expired ones, never the recent ones.
    for (int index = 0; index < 3000; ++index)
        EXPECT_TRUE(limiter.Allow("S" + std::to_string(index), 200 * kSecond + index));
    EXPECT_FALSE(limiter.Allow("S0", 250 * kSecond));
    EXPECT_TRUE(limiter.Allow("A", 250 * kSecond));
    for (int index = 0; index < 2000; ++index)
        limiter.Allow("T" + std::to_string(index), 400 * kSecond + index);
    EXPECT_LT(limiter.GetRememberedCount(), 2100u) << "the S subjects were forgotten";
}

TEST(nxGridNotifications, TheDataThreadFeedsWhileTheInterfaceThreadSwitchesAndTakes)
{
    nxGridNotifications notifications(std::make_unique<EveryChange>());
    std::vector<std::unique_ptr<Row>> rows;
    for (int index = 0; index < 50; ++index)
        rows.push_back(std::make_unique<Row>("R" + std::to_string(index)));
    std::atomic<bool> done{false};
    std::thread data(
        [&]
        {
            for (int round = 0; round < 2000; ++round)
            {
                Row& row = *rows[round % rows.size()];
                if (round % 7 == 0)
                    notifications.OnRemoved(row);
                else
                    notifications.OnChanged(row);
            }
            done = true;
        });
    for (int64_t now = 0; !done; now += kSecond * 61)
    {
        notifications.SetEnabled(now % 3 != 0);
        EXPECT_LE(notifications.Take(now).size(), nxGridNotifications::MaxWaiting);
    }
    data.join();
}
