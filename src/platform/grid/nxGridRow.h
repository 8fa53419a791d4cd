#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/grid/CGridRow.h"
#include "platform/grid/data/nxAttributeObserver.h"

class nxAttributeValue;
class nxGridDataObject;
class nxGridManager;
class nxObservedAttribute;

// A row that shows one data object: one nxGridCell per column, and the row
// itself observing the attributes the grid sorts and filters by, so that a
// change of one of them moves the row. It keeps copies of those values, read
// under the grid's rows lock, so that sorting never locks an attribute.
class nxGridRow : public CGridRow, public nxAttributeObserver
{
public:
    explicit nxGridRow(nxGridManager* manager);
    ~nxGridRow() override;

    nxGridManager* GetGridManager() const { return m_gridManager; }
    // Null once the data has gone (rows lock).
    nxGridDataObject* GetDataObject() const { return m_dataObject; }

    // Rows lock held for each of these.
    void SetDataObject(nxGridDataObject* object) { m_dataObject = object; }
    // Observes the attributes the grid now sorts and filters by, letting go of the others.
    void ObserveKeys();
    // Lets go of every attribute, the cells' included, and forgets the data object.
    void Unbind();
    // Cells for the grid's columns as they now are, replacing the old ones.
    void RebuildCells();

    int CompareForDisplay(const CGridRow& other) const override;
    bool PassesFilters() const override { return m_passesFilters; }
    void RefreshSortKey() override;

    void OnAttributeChanged(const nxObservedAttribute& attribute, nxAttributeChangeBitMask changes,
                            bool extended) override;

private:
    void StopObservingKeys();

    nxGridManager* m_gridManager;
    nxGridDataObject* m_dataObject = nullptr;
    std::vector<nxObservedAttribute*> m_keyAttributes;
    std::vector<std::unique_ptr<nxAttributeValue>> m_sortValues;
    bool m_passesFilters = true;
};
