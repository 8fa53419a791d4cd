#pragma once

#include <string>

#include "model/nxAttributeValue.h"
#include "platform/grid/data/nxGridDataTypes.h"

class nxObservedAttributeContainer;

// One column of a row's sort key: a value it does not own, the value's attribute
// id and the direction. Texts always compare case-insensitively with the case
// tie-break, and a descending entry reverses the order. An entry without a value
// orders before every entry with one (after, when descending).
class nxAttributeValueCompositeKeyEntry
{
public:
    nxAttributeValueCompositeKeyEntry() = default;
    nxAttributeValueCompositeKeyEntry(const nxAttributeValue* value, nxAttributeID id, bool ascending = true)
        : m_value(value), m_id(id), m_ascending(ascending)
    {
    }
    nxAttributeValueCompositeKeyEntry(const nxAttributeValueCompositeKeyEntry&) = default;
    nxAttributeValueCompositeKeyEntry& operator=(const nxAttributeValueCompositeKeyEntry&) = default;
    virtual ~nxAttributeValueCompositeKeyEntry() = default;

    // A new entry that the caller owns, sharing the value.
    virtual nxAttributeValueCompositeKeyEntry* CopyInstance() const
    {
        return new nxAttributeValueCompositeKeyEntry(*this);
    }

    const nxAttributeValue* GetAttributeValue() const { return m_value; }
    void SetAttributeValue(const nxAttributeValue* value) { m_value = value; }
    nxAttributeID GetAttributeID() const { return m_id; }
    void SetAttributeID(nxAttributeID id) { m_id = id; }
    bool IsAscending() const { return m_ascending; }
    void SetAscending(bool ascending) { m_ascending = ascending; }
    // The container the value belongs to; null in a plain entry.
    virtual nxObservedAttributeContainer* GetSpecificContainer() const { return nullptr; }

    bool IsEqual(const nxAttributeValueCompositeKeyEntry& other) const;
    // In this entry's direction.
    bool IsLess(const nxAttributeValueCompositeKeyEntry& other) const { return Compare(other) < 0; }
    bool IsGreater(const nxAttributeValueCompositeKeyEntry& other) const { return Compare(other) > 0; }
    // <0, 0, >0 in this entry's direction; 0 only for byte-identical texts.
    int Compare(const nxAttributeValueCompositeKeyEntry& other) const;

    // Empty without a value.
    std::string GetAsString() const { return m_value ? m_value->GetAsString() : std::string(); }

private:
    const nxAttributeValue* m_value = nullptr;
    nxAttributeID m_id = 0;
    bool m_ascending = true;
};
