#pragma once

#include <vector>

#include "platform/grid/nxAttributeSortOptions.h"

// How a grid orders its rows. The user's keys decide first, as the Sorting
// dialog sets them; the mandatory keys then break ties, so a grid whose user
// has chosen nothing stands in mandatory-key order. The available ids are what
// the Sorting dialog offers.
class nxGridSortOptions
{
public:
    nxGridSortOptions() = default;
    nxGridSortOptions(const nxGridSortOptions&) = default;
    nxGridSortOptions& operator=(const nxGridSortOptions&) = default;
    virtual ~nxGridSortOptions() = default;

    virtual nxGridSortOptions* CopyInstance() const { return new nxGridSortOptions(*this); }

    // Adds every attribute of the category, in id order, to what the Sorting dialog offers.
    void SetAvailableRowSortAttributeIDs(nxAttributeCategory category);
    void ClearAvailableRowSortAttributeIDs() { m_available.clear(); }
    const std::vector<nxAttributeID>& GetAvailableRowSortAttributeIDs() const { return m_available; }

    void SetMandatoryRowSortAttributes(std::vector<nxAttributeSortOptions> keys)
    {
        m_mandatory = std::move(keys);
    }
    const std::vector<nxAttributeSortOptions>& GetMandatoryRowSortAttributes() const { return m_mandatory; }

    void SetRowSortAttributes(std::vector<nxAttributeSortOptions> keys) { m_user = std::move(keys); }
    void AddRowSortAttribute(const nxAttributeSortOptions& key) { m_user.push_back(key); }
    const std::vector<nxAttributeSortOptions>& GetRowSortAttributes() const { return m_user; }

    // The user's keys, then the mandatory ones.
    std::vector<nxAttributeSortOptions> GetEffectiveRowSortAttributes() const;

private:
    std::vector<nxAttributeID> m_available;
    std::vector<nxAttributeSortOptions> m_mandatory;
    std::vector<nxAttributeSortOptions> m_user;
};
