#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <random>
#include <thread>

#include "nxGridFixture.h"
#include "nxRecordingListener.h"
#include "platform/grid/nxGridSortOptions.h"

namespace
{
class GridFlushStress : public nxGridFixture
{
protected:
    void ChangeLayoutNow(std::mt19937& random)
    {
        switch (random() % 4)
        {
        case 0:
            m_grid->SetTemporarySort(9016, random() % 2 == 0);
            break;
        case 1:
            m_grid->ClearTemporarySort();
            break;
        case 2:
            m_grid->SetColumnFilter(0,
                                    random() % 2 ? std::set<std::string>{"host1"} : std::set<std::string>{});
            break;
        default:
        {
            CGridLockGuard guard(m_grid->GetSortOptionsLock());
            m_grid->GetSortOptions()->SetRowSortAttributes({{9014, random() % 2 == 0}});
        }
            m_grid->ApplySortOptions();
        }
    }

    void ToggleSelection(std::mt19937& random)
    {
        CGridLockGuard rows(m_grid->GetRowsLock());
        const size_t count = m_grid->GetDisplayRowCount();
        if (count == 0)
            return;
        CGridRow* row = m_grid->GetDisplayRow(random() % count);
        m_grid->OnCellSelectionChanged(row->Cell(0), !row->IsSelected());
    }
};
} // namespace

// Batches on two service threads (rows built, changed, removed and their data
// deleted at once) while this thread flushes, reads every cell on screen as a
// paint would, selects, re-sorts and filters.
TEST_F(GridFlushStress, AFeedRacingTheFlushKeepsTheScreenConsistent)
{
    std::atomic<bool> stop{false};
    std::vector<std::thread> feeds;
    for (int seed = 1; seed <= 2; ++seed)
        feeds.emplace_back(
            [&, seed]
            {
                std::mt19937 random(seed);
                for (int round = 0; !stop; ++round)
                {
                    m_service.DeliverStatusBatch(72, RandomServerImage(random, 60));
                    if (round % 8 == 0)
                        m_service.WaitUntilDelivered();
                    if (round % 50 == 0)
                        m_data->OnServerApplicationStatusDisconnectDetected();
                }
            });

    std::mt19937 random(7);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(1500);
    int flushes = 0;
    while (std::chrono::steady_clock::now() < deadline)
    {
        Flush();
        ++flushes;
        const nxGridManager::TextTable table = m_grid->GetTextTable(false);
        ASSERT_EQ(table.rows.size(), m_grid->GetDisplayRowCount());
        ToggleSelection(random);
        if (flushes % 20 == 0)
            ChangeLayoutNow(random);
        (void)m_grid->GetSelectedRowsAsText();
    }
    stop = true;
    for (std::thread& feed : feeds)
        feed.join();
    m_service.WaitUntilDelivered();
    m_grid->SetColumnFilter(0, {});
    Flush();

    EXPECT_GT(flushes, 10);
    EXPECT_EQ(m_grid->GetDisplayRowCount(), m_grid->GetHeldRowCount());
    {
        CGridLockGuard selection(m_grid->GetSelectionLock());
        for (CGridRow* row : m_grid->GetSelectedRows())
            EXPECT_TRUE(row->IsOnScreen());
    }
    CGridLockGuard rows(m_grid->GetRowsLock());
    const auto& order = m_grid->GetRowsInDisplayOrder();
    for (size_t index = 1; index < order.size(); ++index)
    {
        const int compared = order[index - 1]->CompareForDisplay(*order[index]);
        EXPECT_TRUE(compared < 0 ||
                    (compared == 0 && order[index - 1]->GetSerial() < order[index]->GetSerial()))
            << "rows " << index - 1 << " and " << index << " out of order";
    }
}

TEST_F(GridFlushStress, ClosingTheGridLetsGoOfEveryAttribute)
{
    // A second view keeps the rows alive after the grid has gone.
    nxControlDataInterest otherView;
    nxRecordingListener otherGrid;
    otherView.SetClientServer(nxClientServerEnum(72));
    otherView.SetListener(&otherGrid);
    ASSERT_TRUE(otherView.AttachToDataManager().IsOK());
    std::mt19937 random(3);
    Deliver(RandomServerImage(random, 60));
    Flush();
    ASSERT_GT(m_grid->GetNumberOfAttachedObservers(), 0u);
    m_grid.reset();

    class CountObservers : public nxControlDataManager::Action
    {
    public:
        void Execute(nxControlDataObject* row) override
        {
            m_total += row->GetNumberOfObservers();
            ++m_rows;
        }
        uint32_t m_total = 0, m_rows = 0;
    } count;
    m_data->ExecuteAction("", count);
    EXPECT_GT(count.m_rows, 0u);
    EXPECT_EQ(count.m_total, count.m_rows * 17) << "only the other view's observers remain";
    otherView.DetachFromDataManager();
}
