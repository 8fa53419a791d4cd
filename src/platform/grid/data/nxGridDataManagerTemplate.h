#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <set>
#include <span>
#include <string>

#include "platform/grid/data/nxGridDataInterest.h"
#include "platform/grid/data/nxGridDataManager.h"
#include "platform/grid/data/nxGridDataSubscription.h"
#include "platform/grid/data/nxIndexedMap.h"

// A data manager over an indexed map of rows of class T, keyed by N fields
// joined by the character S. The manager owns its rows; the maps only point to them.
template <class T, int N, int S> class nxGridDataManagerTemplate : public nxGridDataManager
{
public:
    using DataMap = nxIndexedMap<T, S>;
    using Action = typename DataMap::nxIndexedMapAction;

    // Offers each row to one interest.
    class nxFetchGridDataObjectsAction : public Action
    {
    public:
        explicit nxFetchGridDataObjectsAction(nxGridDataInterest* interest) : m_interest(interest) {}
        void Execute(T* object) override { m_interest->OnAddGridDataObject(object, true); }

    private:
        nxGridDataInterest* m_interest;
    };

    class nxPopulateColumnFilterWithAvailableAttributeValuesAction : public Action
    {
    public:
        nxPopulateColumnFilterWithAvailableAttributeValuesAction(
            nxGridDataInterest* interest, nxColumnFilter* filter,
            const std::map<nxGridColumn*, nxColumnFilter*>& columns)
            : m_interest(interest), m_filter(filter), m_columns(columns)
        {
        }
        void Execute(T* object) override
        {
            m_interest->PopulateColumnFilterWithAvailableAttributeValues(object, m_filter, m_columns);
        }

    private:
        nxGridDataInterest* m_interest;
        nxColumnFilter* m_filter;
        const std::map<nxGridColumn*, nxColumnFilter*>& m_columns;
    };

    // Calls one member function of T, taking no arguments, on each row.
    class UpdateAction0 : public Action
    {
    public:
        using MemberFunction = void (T::*)();
        explicit UpdateAction0(MemberFunction function) : m_function(function) {}
        void Execute(T* object) override
        {
            (object->*m_function)();
            ++m_count;
        }
        uint32_t GetCount() const { return m_count; }

    private:
        MemberFunction m_function;
        uint32_t m_count = 0;
    };

    nxGridDataManagerTemplate() : m_dataMap(N), m_objectsWithoutSubscription(N) {}

    // A manager that goes without Destroy still ends its subscriptions before
    // deleting the rows they made.
    ~nxGridDataManagerTemplate() override
    {
        nxGridDataSubscriptionManager::ObjectList objects;
        GetSubscriptionManager().DestroyAllSubscriptions(objects);
        _ReleaseAllRowsFromViews();
        DeleteAllDataObjects();
    }

    void SetDestroySubscriptionsWithNoDataInterests(bool destroy) override
    {
        std::lock_guard guard(GetLock());
        nxGridDataSubscriptionManager::ObjectList objects;
        GetSubscriptionManager().SetDestroySubscriptionsWithNoDataInterests(destroy, objects);
        _RemoveAndDeleteDataObjects(objects);
    }

    nxErrorEnum PopulateColumnFilterWithAvailableAttributeValues(
        nxGridDataInterest* interest, nxColumnFilter* filter,
        const std::map<nxGridColumn*, nxColumnFilter*>& columns) override
    {
        std::lock_guard guard(GetLock());
        nxPopulateColumnFilterWithAvailableAttributeValuesAction action(interest, filter, columns);
        m_dataMap.ExecuteAction(std::string(), action);
        return {};
    }

    size_t GetNumberOfDataObjects() const
    {
        std::lock_guard guard(GetLock());
        return m_dataMap.Size();
    }

    // The row under exactly this key, or null. The row is only safe to use while
    // the caller holds the manager's lock.
    T* FindDataObject(const std::string& key) const
    {
        std::lock_guard guard(GetLock());
        return m_dataMap.Find(key);
    }

    // Runs an action over the rows a key selects, under the manager's lock.
    void ExecuteAction(const std::string& key, Action& action)
    {
        std::lock_guard guard(GetLock());
        m_dataMap.ExecuteAction(key, action);
    }

protected:
    // Attaching an interest: it joins the interests, and the subscriptions it needs
    // are made or shared; their result is returned.
    nxErrorEnum _AttachDataInterest(nxGridDataInterest* interest)
    {
        std::lock_guard guard(GetLock());
        GetInterestManager().Add(interest);
        _OnDataInterestAdded(interest);
        return GetSubscriptionManager().CreateSubscriptions(interest);
    }

    // Detaching: subscriptions left without interests go, and the rows they made
    // leave every view and are deleted.
    nxErrorEnum _DetachDataInterest(nxGridDataInterest* interest)
    {
        std::lock_guard guard(GetLock());
        GetInterestManager().Remove(interest);
        _OnDataInterestRemoved(interest);
        nxGridDataSubscriptionManager::ObjectList objects;
        const nxErrorEnum result = GetSubscriptionManager().RemoveSubscriptions(interest, objects);
        _RemoveAndDeleteDataObjects(objects);
        return result;
    }

    // Fresh snapshots for the interest's subscriptions, then every stored row offered to it.
    nxErrorEnum _FetchDataObjects(nxGridDataInterest* interest)
    {
        std::lock_guard guard(GetLock());
        const nxErrorEnum result = GetSubscriptionManager().GetSubscriptionSnapshots(interest);
        nxFetchGridDataObjectsAction fetch(interest);
        m_dataMap.ExecuteAction(std::string(), fetch);
        return result;
    }

    void _AddDataObject(T* object, nxGridDataSubscription* creator, bool snapshot)
    {
        std::lock_guard guard(GetLock());
        const std::string key = object->GetAsIndexedMapKey();
        m_dataMap.Insert(key, object);
        if (creator)
        {
            for (nxGridDataInterest* interest : creator->GetDataInterests())
                interest->OnAddGridDataObject(object, snapshot);
            creator->AddDataObjectCreatedBySubscription(object);
        }
        else
        {
            GetInterestManager().OnAddGridDataObject(object, snapshot);
            m_objectsWithoutSubscription.Insert(key, object);
        }
    }

    // As _AddDataObject, for a row whose interests were asked beforehand (with the
    // store locked since): it is offered only to those that accepted it. The key
    // is the row's own, given by a caller that knows it without asking the row.
    void _AddAcceptedDataObject(T* object, const std::string& key, nxGridDataSubscription* creator,
                                std::span<nxGridDataInterest* const> accepting)
    {
        std::lock_guard guard(GetLock());
        m_dataMap.Insert(key, object);
        for (nxGridDataInterest* interest : accepting)
            interest->OnAddAcceptedGridDataObject(object, false);
        if (creator)
            creator->AddDataObjectCreatedBySubscription(object);
        else
            m_objectsWithoutSubscription.Insert(key, object);
    }

    // The row leaves the subscription that made it, which it records: the one that
    // delivers its removal may be another (a batch of the other kind).
    void _RemoveDataObject(T* object, bool destroy, nxGridDataSubscription* /*delivering*/)
    {
        std::lock_guard guard(GetLock());
        const std::string key = object->GetAsIndexedMapKey();
        EraseIfHeld(m_dataMap, key, object);
        GetInterestManager().OnRemoveGridDataObject(object);
        if (nxGridDataSubscription* creator = object->GetCreatorSubscription())
            creator->RemoveDataObjectCreatedBySubscription(object);
        EraseIfHeld(m_objectsWithoutSubscription, key, object);
        if (destroy)
            delete object;
    }

    void _DestroyDataMap() override { DeleteAllDataObjects(); }

    virtual void _MarkDataObjectsAsUnread(const std::set<std::string>& keys, bool unread)
    {
        std::lock_guard guard(GetLock());
        for (const std::string& key : keys)
        {
            if (T* object = m_dataMap.Find(key))
            {
                const bool wasUnread = object->IsMarkedAsUnread();
                object->MarkAsUnread(unread);
                _OnDataObjectedMarkedAsUnreadByUser(object, unread, wasUnread);
            }
        }
        _OnEndOfDataUpdate();
    }

    virtual void _OnDataObjectedMarkedAsUnreadByUser(T*, bool, bool) {}

    // Rows handed back by destroyed subscriptions leave both maps and every view, and are deleted.
    // Newest first: a pool hands out its last freed block first, so the rows
    // made next take the blocks again in the order they were filled.
    void _RemoveAndDeleteDataObjects(const nxGridDataSubscriptionManager::ObjectList& objects)
    {
        for (auto it = objects.rbegin(); it != objects.rend(); ++it)
        {
            T* object = dynamic_cast<T*>(*it);
            if (!object)
                continue;
            const std::string key = object->GetAsIndexedMapKey();
            EraseIfHeld(m_dataMap, key, object);
            EraseIfHeld(m_objectsWithoutSubscription, key, object);
            GetInterestManager().OnRemoveGridDataObject(object);
            delete object;
        }
    }

    DataMap& GetDataMap() { return m_dataMap; }

private:
    // A key may have been taken over by a newer row; only the row itself is erased.
    static void EraseIfHeld(DataMap& map, const std::string& key, T* object) { map.EraseIfHeld(key, object); }

    class DeleteAction : public Action
    {
    public:
        void Execute(T* object) override { delete object; }
    };

    void DeleteAllDataObjects()
    {
        std::lock_guard guard(GetLock());
        DeleteAction deleteAll;
        m_dataMap.ExecuteAction(std::string(), deleteAll);
        m_dataMap.Clear();
        m_objectsWithoutSubscription.Clear();
    }

    DataMap m_dataMap;
    DataMap m_objectsWithoutSubscription;
};
