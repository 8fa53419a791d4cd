#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <vector>

#include "platform/grid/data/nxAttributeObserver.h"
#include "platform/grid/data/nxGridDataInterestListener.h"
#include "platform/grid/data/nxGridDataObject.h"
#include "platform/grid/data/nxObservedAttribute.h"

// Stands in for a grid: holds the rows its interest accepts and, like a grid's
// cells, observes every attribute of them, recording each change it is told of.
class nxRecordingListener : public nxGridDataInterestListener, public nxAttributeObserver
{
public:
    struct Change
    {
        nxAttributeID attribute;
        nxAttributeChangeBitMask bits;
    };

    ~nxRecordingListener() override { Forget(); }

    void OnAddGridDataObject(nxGridDataInterest&, nxGridDataObject* object, bool snapshot) override
    {
        std::lock_guard guard(m_lock);
        if (!m_rows.insert(object).second)
            return;
        m_addFlags.push_back(snapshot);
        for (nxObservedAttribute* attribute : object->GetAttributes())
            attribute->AttachObserver(this);
    }
    void OnRemoveGridDataObject(nxGridDataInterest&, nxGridDataObject* object) override
    {
        std::lock_guard guard(m_lock);
        if (m_rows.erase(object) == 0)
            return;
        ++m_removes;
        for (nxObservedAttribute* attribute : object->GetAttributes())
            attribute->DetachObserver(this);
    }
    void OnRemoveAllGridDataObjects(nxGridDataInterest&) override { Forget(); }
    void OnGridDataObjectChanged(nxGridDataInterest&, nxGridDataObject*) override { ++m_changedRows; }
    void OnEndOfDataUpdate(nxGridDataInterest&) override { ++m_endOfUpdates; }
    void OnSnapshotCompleted(nxGridDataInterest&) override { ++m_snapshotsCompleted; }
    void OnSnapshotError(nxGridDataInterest&, const nxErrorEnum&) override { ++m_snapshotErrors; }

    // Called with the attribute locked: takes only the leaf lock of the change list.
    void OnAttributeChanged(const nxObservedAttribute& attribute, nxAttributeChangeBitMask bits,
                            bool) override
    {
        std::lock_guard guard(m_changeLock);
        m_changes.push_back({attribute.GetAttributeID(), bits});
    }

    size_t RowCount() const
    {
        std::lock_guard guard(m_lock);
        return m_rows.size();
    }
    std::vector<Change> TakeChanges()
    {
        std::lock_guard guard(m_changeLock);
        std::vector<Change> taken;
        taken.swap(m_changes);
        return taken;
    }
    std::vector<bool> AddFlags() const
    {
        std::lock_guard guard(m_lock);
        return m_addFlags;
    }

    std::atomic<int> m_removes{0};
    std::atomic<int> m_changedRows{0};
    std::atomic<int> m_endOfUpdates{0};
    std::atomic<int> m_snapshotsCompleted{0};
    std::atomic<int> m_snapshotErrors{0};

private:
    void Forget()
    {
        std::lock_guard guard(m_lock);
        for (nxGridDataObject* object : m_rows)
            for (nxObservedAttribute* attribute : object->GetAttributes())
                attribute->DetachObserver(this);
        m_rows.clear();
    }

    mutable std::recursive_mutex m_lock;
    std::set<nxGridDataObject*> m_rows;
    std::vector<bool> m_addFlags;
    std::mutex m_changeLock;
    std::vector<Change> m_changes;
};
