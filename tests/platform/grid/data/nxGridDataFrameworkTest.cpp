#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "model/nxObservedAttributeTemplate.h"
#include "model/nxStringAttributeValue.h"
#include "nxRecordingListener.h"
#include "platform/grid/data/CGridLock.h"
#include "platform/grid/data/nxGridDataInterest.h"
#include "platform/grid/data/nxGridDataManager.h"
#include "platform/grid/data/nxRecursiveLock.h"
#include "platform/xml/nxXMLDocument.h"

namespace
{
class TestInterest : public nxGridDataInterest
{
public:
    nxGridDataInterest* CreateInstance() const override { return new TestInterest(); }
    std::string GetClassName() const override { return "TestInterest"; }
    void GetRequiredSubscriptionCategories(std::set<nxSubscriptionCategory>&) const override {}

protected:
    nxErrorEnum _AttachToDataManager() override { return {}; }
    nxErrorEnum _DetachFromDataManager() override { return {}; }
    nxErrorEnum _FetchDataObjects() override { return {}; }
    bool _IsInterested(const nxGridDataObject*) const override { return true; }
};

class TestManager : public nxGridDataManager
{
public:
    explicit TestManager(bool throttled) : m_throttled(throttled) {}
    void SetDestroySubscriptionsWithNoDataInterests(bool) override {}
    nxErrorEnum
    PopulateColumnFilterWithAvailableAttributeValues(nxGridDataInterest*, nxColumnFilter*,
                                                     const std::map<nxGridColumn*, nxColumnFilter*>&) override
    {
        return {};
    }
    bool UsesDataUpdateThrottling() const override { return m_throttled; }
    void EndUpdate() { _OnEndOfDataUpdate(); }

protected:
    void _DestroyDataMap() override {}

private:
    bool m_throttled;
};

// Four threads each count 20,000 times under the lock, taking it once with
// `take(round + thread)` and again re-entrantly; the count the lock guarded.
template <class Lock, class Take> long CountFromFourThreads(Lock& lock, Take take)
{
    long counter = 0; // guarded by lock only
    std::vector<std::thread> threads;
    for (int thread = 0; thread < 4; ++thread)
        threads.emplace_back(
            [&, thread]
            {
                for (int round = 0; round < 20000; ++round)
                {
                    take(round + thread);
                    lock.lock(); // re-entrant
                    ++counter;
                    lock.unlock();
                    lock.unlock();
                }
            });
    for (std::thread& thread : threads)
        thread.join();
    return counter;
}
} // namespace

TEST(CGridLock, AWaiterGivesWayWhenItsFlagIsRaisedAndTheHolderWakesIt)
{
    CGridLock lock;
    std::atomic<bool> abandon{false};
    std::atomic<int> outcome{-1};
    lock.lock();
    lock.lock(); // re-entrant
    std::thread waiter(
        [&]
        {
            const bool locked = lock.LockUnless(abandon);
            outcome = locked ? 1 : 0;
            if (locked)
                lock.unlock();
        });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(outcome, -1) << "still waiting while the lock is held";
    abandon = true;
    lock.WakeWaiters();
    waiter.join();
    EXPECT_EQ(outcome, 0);
    EXPECT_TRUE(lock.IsHeldByCurrentThread());
    lock.unlock();
    lock.unlock();

    abandon = false;
    std::thread taker(
        [&]
        {
            outcome = lock.LockUnless(abandon) ? 1 : 0;
            lock.unlock();
        });
    taker.join();
    EXPECT_EQ(outcome, 1) << "a free lock is taken";
}

// Free takes and releases skip the mutex: threads racing through every way of
// taking the lock must still exclude each other and never sleep through a release.
TEST(CGridLock, ThreadsTakingItEveryWayExcludeEachOtherAndAllGetThrough)
{
    CGridLock lock;
    const std::atomic<bool> never{false};
    EXPECT_EQ(80000, CountFromFourThreads(lock,
                                          [&](int way)
                                          {
                                              if (way % 3 == 0)
                                                  lock.lock();
                                              else if (way % 3 == 1)
                                                  ASSERT_TRUE(lock.LockUnless(never));
                                              else
                                                  while (!lock.try_lock())
                                                      std::this_thread::yield();
                                          }));
    EXPECT_EQ(lock.GetNumberOfWaiters(), 0u);
    EXPECT_TRUE(lock.try_lock()) << "the lock is free at the end";
    lock.unlock();

    std::atomic<bool> abandon{true};
    EXPECT_FALSE(lock.LockUnless(abandon)) << "a raised flag gives way even to a free lock";
    EXPECT_FALSE(lock.IsHeldByCurrentThread());
}

TEST(nxRecursiveLock, ThreadsExcludeEachOtherAndOneAsleepIsWokenByTheLastRelease)
{
    nxRecursiveLock lock;
    EXPECT_EQ(80000, CountFromFourThreads(lock,
                                          [&](int way)
                                          {
                                              if (way % 2 == 0)
                                                  lock.lock();
                                              else
                                                  while (!lock.try_lock())
                                                      std::this_thread::yield();
                                          }));

    // Held twice: the first release keeps it, the second lets the sleeper in.
    lock.lock();
    lock.lock();
    std::atomic<bool> taken{false};
    std::thread sleeper(
        [&]
        {
            EXPECT_FALSE(lock.try_lock());
            lock.lock();
            taken = true;
            lock.unlock();
        });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    lock.unlock();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(taken) << "still held once";
    lock.unlock();
    sleeper.join();
    EXPECT_TRUE(taken);
    EXPECT_TRUE(lock.try_lock()) << "free at the end";
    lock.unlock();
}

TEST(nxGridDataManager, ThrottledUpdatesWakeAGridOnceUntilItAcknowledges)
{
    for (bool throttled : {true, false})
    {
        TestManager manager(throttled);
        TestInterest interest;
        nxRecordingListener grid;
        interest.SetListener(&grid);
        manager.GetInterestManager().Add(&interest);
        manager.EndUpdate();
        manager.EndUpdate();
        EXPECT_EQ(grid.m_endOfUpdates, throttled ? 1 : 2);
        interest.AcknowledgeDataUpdate();
        manager.EndUpdate();
        EXPECT_EQ(grid.m_endOfUpdates, throttled ? 2 : 3);
        EXPECT_EQ(manager.GetDataUpdateCount(), 3u);
    }
}

TEST(nxGridDataInterest, RemovingAnInterestMakesItsGridDropEveryRow)
{
    TestManager manager(true);
    TestInterest interest;
    nxRecordingListener grid;
    interest.SetListener(&grid);
    manager.GetInterestManager().Add(&interest);
    struct Row : nxGridDataObject
    {
        nxGridDataManager* GetDataManager() const override { return nullptr; }
    } row;
    manager.GetInterestManager().OnAddGridDataObject(&row, false);
    EXPECT_EQ(grid.RowCount(), 1u);
    manager.GetInterestManager().Remove(&interest);
    EXPECT_EQ(grid.RowCount(), 0u);
}

TEST(nxGridDataInterest, PrototypesAreFoundByTheClassNameASavedInterestNames)
{
    EXPECT_TRUE(nxGridDataInterest::_Register(new TestInterest()));
    EXPECT_FALSE(nxGridDataInterest::_Register(new TestInterest())) << "one prototype per class name";
    EXPECT_EQ(nxGridDataInterest::CreateInstanceByName("NoSuchInterest"), nullptr);

    nxXMLDocument document("Interest");
    nxXMLElement root = document.GetRootElement();
    TestInterest saved;
    ASSERT_TRUE(saved.SaveToXML(root).IsOK());
    std::unique_ptr<nxGridDataInterest> made(
        nxGridDataInterest::CreateInstanceByName(nxGridDataInterest::ReadClassName(root)));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetClassName(), "TestInterest");
}

TEST(nxObservedAttribute, EveryObserverAttachedWhenANotificationBeginsHearsItOnce)
{
    struct Observer : nxAttributeObserver
    {
        nxObservedAttribute* leaveFrom = nullptr;
        int heard = 0;
        void OnAttributeChanged(const nxObservedAttribute&, nxAttributeChangeBitMask, bool) override
        {
            ++heard;
            if (leaveFrom)
                leaveFrom->DetachObserver(this);
        }
    };
    nxObservedAttributeTemplate<1, nxStringAttributeValue> attribute;
    Observer leaving;
    Observer next;
    Observer last;
    leaving.leaveFrom = &attribute;
    for (Observer* observer : {&leaving, &next, &last})
        attribute.AttachObserver(observer);
    attribute.UpdateAttributeValueWithoutFlashing(nxStringAttributeValue("x"));
    EXPECT_EQ(leaving.heard, 1);
    EXPECT_EQ(next.heard, 1) << "the observer after one that left was skipped";
    EXPECT_EQ(last.heard, 1);
    attribute.UpdateAttributeValueWithoutFlashing(nxStringAttributeValue("y"));
    EXPECT_EQ(leaving.heard + next.heard + last.heard, 5);
}
