#pragma once

#include <mutex>
#include <string>
#include <type_traits>
#include <utility>

#include "model/nxAttributeValue.h"
#include "model/nxOwnAttributeLock.h"
#include "platform/grid/data/nxGridDataTypes.h"
#include "platform/grid/data/nxObservedAttribute.h"

// An observed attribute with id ID holding one value of class T, which starts null.
// L says where its lock lives: nxOwnAttributeLock in the attribute, or
// nxSharedAttributeLock in a pool, for rows kept by the hundred thousand.
//
// The update operations hold the attribute's lock from the first comparison to the
// end of the notification, and notify exactly once when the value changed and never
// otherwise. They compare through T's own operations without virtual dispatch, since
// a row applies every attribute of every status it receives.
template <nxAttributeID ID, class T, class L = nxOwnAttributeLock>
requires std::is_base_of_v<nxAttributeValue, T>
class nxObservedAttributeTemplate : public nxObservedAttribute
{
public:
    using ValueType = T;
    static constexpr nxAttributeID AttributeID = ID;

    nxObservedAttributeTemplate() = default;
    explicit nxObservedAttributeTemplate(T value) : m_value(std::move(value)) {}

    nxObservedAttributeTemplate* CreateInstance() const override { return new nxObservedAttributeTemplate(); }
    nxRecursiveLock& GetLock() const override { return m_lock.Get(this); }
    nxAttributeID GetAttributeID() const override { return ID; }
    // Unlocked: a reader that may race with updates holds the lock or uses GetValueCopy.
    const T& GetAttributeValue() const override { return m_value; }
    T& GetAttributeValue() override { return m_value; }
    T GetValueCopy() const
    {
        std::lock_guard guard(GetLock());
        return m_value;
    }

    std::string GetAttributeValueAsString() const override
    {
        std::lock_guard guard(GetLock());
        return m_value.GetAsString();
    }

    bool IsEqual(const nxAttribute& other) const override
    {
        return m_value.IsEqual(other.GetAttributeValue(), false);
    }
    bool IsLess(const nxAttribute& other) const override
    {
        return m_value.IsLess(other.GetAttributeValue(), false);
    }
    bool IsGreater(const nxAttribute& other) const override
    {
        return m_value.IsGreater(other.GetAttributeValue(), false);
    }

    // Tells observers 0x1 when the value went from or to null, 0x2 when it rose and
    // 0x4 when it fell; with suppressFlash any of these is told as 0x8 instead.
    // A no-change value returns at once, without locking.
    void UpdateAttributeValue(const T& value, bool suppressFlash) { Update(value, suppressFlash); }
    void UpdateAttributeValue(T&& value, bool suppressFlash) { Update(std::move(value), suppressFlash); }

    // Tells observers 0x8 when the value differs, including to or from null.
    void UpdateAttributeValueWithoutFlashing(const T& value) { UpdateWithoutFlashing(value); }
    void UpdateAttributeValueWithoutFlashing(T&& value) { UpdateWithoutFlashing(std::move(value)); }

protected:
    template <class V> void Update(V&& value, bool suppressFlash)
    {
        if (value.T::IsNoChange())
            return;
        std::lock_guard guard(GetLock());
        nxAttributeChangeBitMask changes = 0;
        if (m_value.T::IsNull())
            changes = value.T::IsNull() ? 0 : nxAttributeChange::NullTransition;
        else if (value.T::IsNull())
            changes = nxAttributeChange::NullTransition;
        else if (value.T::IsGreater(m_value, false))
            changes = nxAttributeChange::Rose;
        else if (value.T::IsLess(m_value, false))
            changes = nxAttributeChange::Fell;
        if (changes == 0)
            return;
        m_value = std::forward<V>(value);
        NotifyObservers(suppressFlash ? nxAttributeChange::ChangedWithoutFlash : changes, false);
    }

    template <class V> void UpdateWithoutFlashing(V&& value)
    {
        if (value.T::IsNoChange())
            return;
        std::lock_guard guard(GetLock());
        const bool heldNull = m_value.T::IsNull();
        const bool newNull = value.T::IsNull();
        if (heldNull == newNull && (heldNull || value.T::IsEqual(m_value, false)))
            return;
        m_value = std::forward<V>(value);
        NotifyObservers(nxAttributeChange::ChangedWithoutFlash, false);
    }

private:
    T m_value;
    [[no_unique_address]] L m_lock;
};
