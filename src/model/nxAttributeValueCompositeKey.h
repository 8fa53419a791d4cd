#pragma once

#include <memory>
#include <vector>

#include "model/nxAttributeValueCompositeKeyEntry.h"

// A row's sort key: entries compared one after another in list order.
class nxAttributeValueCompositeKey
{
public:
    nxAttributeValueCompositeKey() = default;
    nxAttributeValueCompositeKey(const nxAttributeValueCompositeKey& other);
    nxAttributeValueCompositeKey& operator=(const nxAttributeValueCompositeKey& other);
    nxAttributeValueCompositeKey(nxAttributeValueCompositeKey&&) noexcept = default;
    nxAttributeValueCompositeKey& operator=(nxAttributeValueCompositeKey&&) noexcept = default;
    virtual ~nxAttributeValueCompositeKey() = default;

    // A new key that the caller owns, with copies of the entries (sharing their values).
    virtual nxAttributeValueCompositeKey* CopyInstance() const
    {
        return new nxAttributeValueCompositeKey(*this);
    }

    const std::vector<std::unique_ptr<nxAttributeValueCompositeKeyEntry>>& GetKeyValues() const
    {
        return m_entries;
    }
    // Keeps a copy of the entry.
    void AddKeyValue(const nxAttributeValueCompositeKeyEntry& entry);
    // A null entry is ignored.
    void AddKeyValue(std::unique_ptr<nxAttributeValueCompositeKeyEntry> entry);
    void Clear() { m_entries.clear(); }

    // <0, 0, >0 at the first entry that differs, in that entry's direction; when
    // every shared entry is equal, the key with fewer entries comes first.
    int Compare(const nxAttributeValueCompositeKey& other) const;

private:
    std::vector<std::unique_ptr<nxAttributeValueCompositeKeyEntry>> m_entries;
};
