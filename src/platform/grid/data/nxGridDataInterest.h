#pragma once

#include <atomic>
#include <map>
#include <set>
#include <string>

#include "platform/base/nxErrorEnum.h"
#include "platform/grid/data/nxGridDataTypes.h"

class nxColumnFilter;
class nxGridColumn;
class nxGridDataInterestListener;
class nxGridDataManager;
class nxGridDataObject;
class nxXMLElement;

// A view's statement of which rows it wants. The grid owns it, attaches it to a
// data manager, and learns through its listener which rows to show.
class nxGridDataInterest
{
public:
    virtual ~nxGridDataInterest();

    virtual nxGridDataInterest* CreateInstance() const = 0;
    virtual std::string GetClassName() const = 0;
    virtual void GetRequiredSubscriptionCategories(std::set<nxSubscriptionCategory>& categories) const = 0;
    // The base writes the class name first, so a saved interest can be made again by name.
    virtual nxErrorEnum SaveToXML(nxXMLElement& element) const;
    // The base reads the class name, leaving the element's reading position on it.
    virtual nxErrorEnum LoadFromXML(nxXMLElement& element);

    nxErrorEnum AttachToDataManager();
    nxErrorEnum DetachFromDataManager();
    nxErrorEnum FetchDataObjects();
    // Has the listener drop every row, then offers it the stored rows again under the
    // current filter, in one step under the store's lock.
    nxErrorEnum RefreshDataObjectsWithNewFilters(bool redraw);
    bool IsAttached() const { return m_attached.load(std::memory_order_acquire); }

    void SetListener(nxGridDataInterestListener* listener)
    {
        m_listener.store(listener, std::memory_order_release);
    }
    nxGridDataInterestListener* GetListener() const { return m_listener.load(std::memory_order_acquire); }
    bool IsInterested(const nxGridDataObject* object) const { return _IsInterested(object); }

    // Called by the interest manager with the data manager locked.
    void OnAddGridDataObject(nxGridDataObject* object, bool snapshot);
    // A row this interest has already accepted: the listener hears of it without another test.
    void OnAddAcceptedGridDataObject(nxGridDataObject* object, bool snapshot);
    void OnRemoveGridDataObject(nxGridDataObject* object);
    void OnGridDataObjectChanged(nxGridDataObject* object);
    void OnEndOfDataUpdate(bool throttled);
    void OnSnapshotCompleted();
    void OnSnapshotError(const nxErrorEnum& error);
    // The listener has taken in the updates so far; the next one wakes it again.
    void AcknowledgeDataUpdate() { m_updatePending.store(false, std::memory_order_release); }
    void
    PopulateColumnFilterWithAvailableAttributeValues(nxGridDataObject* object, nxColumnFilter* filter,
                                                     const std::map<nxGridColumn*, nxColumnFilter*>& columns);

    // Prototypes by class name: a saved interest is made again from its class name.
    static bool _Register(nxGridDataInterest* prototype);
    static nxGridDataInterest* CreateInstanceByName(const std::string& className);
    // The class name a saved interest element names; empty when it names none.
    static std::string ReadClassName(nxXMLElement& element);

protected:
    nxGridDataInterest() = default;
    // Copies no identity: the copy has no listener and is not attached.
    nxGridDataInterest(const nxGridDataInterest&) : nxGridDataInterest() {}
    nxGridDataInterest& operator=(const nxGridDataInterest&) { return *this; }

    virtual nxErrorEnum _AttachToDataManager() = 0;
    virtual nxErrorEnum _DetachFromDataManager() = 0;
    virtual nxErrorEnum _FetchDataObjects() = 0;
    virtual bool _IsInterested(const nxGridDataObject* object) const = 0;
    // The store the interest attaches to, whose lock every listener call runs under; null when none.
    virtual nxGridDataManager* _GetDataManager() const { return nullptr; }

private:
    std::atomic<nxGridDataInterestListener*> m_listener{nullptr};
    std::atomic<bool> m_attached{false};
    std::atomic<bool> m_updatePending{false};
};
