// The heap a stored log row costs: the row with its attributes and texts, its
// place in the store's map and in its subscription's set, and, when a view shows
// it, the observer lists of its cells. Counted by replacing the global allocator.
// Only the data side's part is counted: the view below keeps its rows in storage
// reserved beforehand, and observes as a grid does (a cell on every attribute and
// the row itself on the sort key, 10001). over_text is the cost beyond the text's
// own length.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <new>
#include <vector>

#include "log/nxLogDataInterest.h"
#include "log/nxLogDataManager.h"
#include "log/nxLogSubscription.h"
#include "platform/grid/data/nxAttributeObserver.h"
#include "platform/grid/data/nxGridDataInterestListener.h"
#include "platform/messaging/nxLogMessage.h"
#include "platform/service/nxScriptedControlService.h"

namespace
{
std::atomic<int64_t> g_liveBytes{0};
std::atomic<int64_t> g_liveBlocks{0};

void* Allocate(size_t size)
{
    void* block = std::malloc(size ? size : 1);
    if (!block)
        throw std::bad_alloc();
    g_liveBytes.fetch_add(static_cast<int64_t>(malloc_usable_size(block)), std::memory_order_relaxed);
    g_liveBlocks.fetch_add(1, std::memory_order_relaxed);
    return block;
}

void Release(void* block) noexcept
{
    if (!block)
        return;
    g_liveBytes.fetch_sub(static_cast<int64_t>(malloc_usable_size(block)), std::memory_order_relaxed);
    g_liveBlocks.fetch_sub(1, std::memory_order_relaxed);
    std::free(block);
}
} // namespace

void* operator new(size_t size)
{
    return Allocate(size);
}
void* operator new[](size_t size)
{
    return Allocate(size);
}
void operator delete(void* block) noexcept
{
    Release(block);
}
void operator delete[](void* block) noexcept
{
    Release(block);
}
void operator delete(void* block, size_t) noexcept
{
    Release(block);
}
void operator delete[](void* block, size_t) noexcept
{
    Release(block);
}

namespace
{
constexpr int kRows = 10000;

// A grid's view of its rows without its own bookkeeping: the rows go into
// storage reserved up front; each attribute has a cell, and the sort key a
// second observer, the row.
class nxObservingView : public nxGridDataInterestListener, public nxAttributeObserver
{
public:
    nxObservingView() { m_rows.reserve(kRows + 1); }
    void OnAddGridDataObject(nxGridDataInterest&, nxGridDataObject* object, bool) override
    {
        m_rows.push_back(object);
        for (nxObservedAttribute* attribute : object->GetAttributes())
            attribute->AttachObserver(this);
        object->GetAttribute(10001)->AttachObserver(&m_sortKey);
    }
    void OnRemoveGridDataObject(nxGridDataInterest&, nxGridDataObject* object) override
    {
        std::erase(m_rows, object);
        Detach(object);
    }
    void OnRemoveAllGridDataObjects(nxGridDataInterest&) override
    {
        for (nxGridDataObject* object : m_rows)
            Detach(object);
        m_rows.clear();
    }
    void OnAttributeChanged(const nxObservedAttribute&, nxAttributeChangeBitMask, bool) override {}

private:
    class nxSortKeyObserver : public nxAttributeObserver
    {
        void OnAttributeChanged(const nxObservedAttribute&, nxAttributeChangeBitMask, bool) override {}
    };

    void Detach(nxGridDataObject* object)
    {
        for (nxObservedAttribute* attribute : object->GetAttributes())
            attribute->DetachObserver(this);
        object->GetAttribute(10001)->DetachObserver(&m_sortKey);
    }

    std::vector<nxGridDataObject*> m_rows;
    nxSortKeyObserver m_sortKey;
};

// Files kRows messages of a typical size and reports the heap that stays behind per row.
void MeasureRows(benchmark::State& state, bool shownInAView)
{
    nxLogMessage message;
    message.SetApplicationName("ControlServer"); // always kept, with or without a view
    message.SetHostName("ldn-app-1");
    message.SetLogLevel(nxLogLevelEnum(33));
    message.SetLogEntry("Order 40213 filled 500 @ 101.25 on XLON for account 7730");

    for (auto _ : state)
    {
        nxScriptedControlService service;
        nxLogDataManager manager;
        manager.Create();
        nxLogDataInterest interest;
        nxObservingView grid;
        interest.SetListener(&grid);
        if (!shownInAView)
            interest.SetApplicationName("NoSuchApplication");
        interest.AttachToDataManager();
        nxLogSubscription* subscription = nullptr;
        {
            std::lock_guard guard(manager.GetLock());
            subscription = dynamic_cast<nxLogSubscription*>(
                manager.GetSubscriptionManager().FindSubscription("LogMessage"));
        }
        subscription->OnLogMessage(new nxLogMessage(message), nullptr); // the store's first row

        const int64_t bytesBefore = g_liveBytes.load();
        const int64_t blocksBefore = g_liveBlocks.load();
        for (int row = 0; row < kRows; ++row)
            subscription->OnLogMessage(new nxLogMessage(message), nullptr);
        const double bytesPerRow = static_cast<double>(g_liveBytes.load() - bytesBefore) / kRows;
        state.counters["bytes_per_row"] = bytesPerRow;
        state.counters["over_text"] = bytesPerRow - static_cast<double>(message.GetLogEntry().size());
        state.counters["blocks_per_row"] = static_cast<double>(g_liveBlocks.load() - blocksBefore) / kRows;

        {
            std::lock_guard guard(manager.GetLock());
            interest.SetListener(nullptr);
            grid.OnRemoveAllGridDataObjects(interest);
        }
        interest.DetachFromDataManager();
        manager.Destroy();
    }
}

void BM_LogRowBytes_Kept(benchmark::State& state)
{
    MeasureRows(state, false);
}
void BM_LogRowBytes_ShownInAView(benchmark::State& state)
{
    MeasureRows(state, true);
}
} // namespace

BENCHMARK(BM_LogRowBytes_Kept)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LogRowBytes_ShownInAView)->Iterations(1)->Unit(benchmark::kMillisecond);
