#pragma once

#include <atomic>
#include <mutex>
#include <set>

#include "platform/grid/data/nxAttributeObserver.h"
#include "platform/grid/data/nxGridDataInterest.h"
#include "platform/grid/data/nxGridDataInterestListener.h"
#include "platform/grid/data/nxGridDataObject.h"
#include "platform/grid/data/nxObservedAttribute.h"

// What a grid does with the data side, minus drawing: it holds the rows its
// interest accepts, observes their attributes as cells do, counts the changes
// it is told of, and takes in each end of update.
class nxBenchGrid : public nxGridDataInterestListener, public nxAttributeObserver
{
public:
    void OnAddGridDataObject(nxGridDataInterest&, nxGridDataObject* object, bool) override
    {
        std::lock_guard guard(m_lock);
        if (m_rows.insert(object).second)
            for (nxObservedAttribute* attribute : object->GetAttributes())
                attribute->AttachObserver(this);
    }
    void OnRemoveGridDataObject(nxGridDataInterest&, nxGridDataObject* object) override
    {
        std::lock_guard guard(m_lock);
        if (m_rows.erase(object) != 0)
            for (nxObservedAttribute* attribute : object->GetAttributes())
                attribute->DetachObserver(this);
    }
    void OnRemoveAllGridDataObjects(nxGridDataInterest&) override
    {
        std::lock_guard guard(m_lock);
        for (nxGridDataObject* object : m_rows)
            for (nxObservedAttribute* attribute : object->GetAttributes())
                attribute->DetachObserver(this);
        m_rows.clear();
    }
    void OnEndOfDataUpdate(nxGridDataInterest& interest) override { interest.AcknowledgeDataUpdate(); }
    void OnAttributeChanged(const nxObservedAttribute&, nxAttributeChangeBitMask, bool) override
    {
        m_changes.fetch_add(1, std::memory_order_relaxed);
    }

    size_t RowCount()
    {
        std::lock_guard guard(m_lock);
        return m_rows.size();
    }
    uint64_t ChangeCount() const { return m_changes.load(std::memory_order_relaxed); }

private:
    std::mutex m_lock;
    std::set<nxGridDataObject*> m_rows;
    std::atomic<uint64_t> m_changes{0};
};
