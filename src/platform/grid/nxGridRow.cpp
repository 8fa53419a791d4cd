#include "platform/grid/nxGridRow.h"

#include <algorithm>
#include <mutex>

#include "model/nxAttributeValue.h"
#include "model/nxAttributeValueCompositeKeyEntry.h"
#include "platform/grid/data/nxGridDataObject.h"
#include "platform/grid/data/nxObservedAttribute.h"
#include "platform/grid/nxGridCell.h"
#include "platform/grid/nxGridColumn.h"
#include "platform/grid/nxGridManager.h"

nxGridRow::nxGridRow(nxGridManager* manager) : CGridRow(manager), m_gridManager(manager) {}

nxGridRow::~nxGridRow()
{
    Unbind();
}

void nxGridRow::ObserveKeys()
{
    StopObservingKeys();
    if (!m_dataObject || !m_gridManager)
        return;
    for (nxAttributeID id : m_gridManager->GetRowKeySpec().ObservedAttributeIDs())
    {
        nxObservedAttribute* attribute = m_dataObject->GetAttribute(id);
        if (!attribute)
            continue;
        attribute->AttachObserver(this);
        m_keyAttributes.push_back(attribute);
        m_gridManager->CountObserverAttached();
    }
}

void nxGridRow::StopObservingKeys()
{
    for (nxObservedAttribute* attribute : m_keyAttributes)
    {
        attribute->DetachObserver(this);
        m_gridManager->CountObserverDetached();
    }
    m_keyAttributes.clear();
}

void nxGridRow::Unbind()
{
    StopObservingKeys();
    for (size_t column = 0; column < GetCellCount(); ++column)
        if (auto* cell = dynamic_cast<nxGridCell*>(Cell(column)))
            cell->Detach();
    m_dataObject = nullptr;
}

void nxGridRow::RebuildCells()
{
    for (auto& cell : TakeCells())
        if (auto* gridCell = dynamic_cast<nxGridCell*>(cell.get()))
            gridCell->Detach();
    if (m_gridManager)
        m_gridManager->AddCellsTo(*this);
}

int nxGridRow::CompareForDisplay(const CGridRow& other) const
{
    const auto& mine = m_sortValues;
    const auto& theirs = static_cast<const nxGridRow&>(other).m_sortValues;
    const auto& keys = m_gridManager->GetRowKeySpec().sortKeys;
    const size_t count = std::min({mine.size(), theirs.size(), keys.size()});
    for (size_t index = 0; index < count; ++index)
    {
        const nxAttributeID id = keys[index].GetAttributeID();
        const bool ascending = keys[index].IsAscending();
        const nxAttributeValueCompositeKeyEntry a(mine[index].get(), id, ascending);
        const nxAttributeValueCompositeKeyEntry b(theirs[index].get(), id, ascending);
        if (const int order = a.Compare(b); order != 0)
            return order;
    }
    return 0;
}

void nxGridRow::RefreshSortKey()
{
    m_sortValues.clear();
    m_passesFilters = m_dataObject != nullptr;
    if (!m_dataObject || !m_gridManager)
        return;
    const nxGridManager::RowKeySpec& rowKeys = m_gridManager->GetRowKeySpec();
    m_sortValues.reserve(rowKeys.sortKeys.size());
    for (const nxAttributeSortOptions& key : rowKeys.sortKeys)
    {
        const nxObservedAttribute* attribute = m_dataObject->GetAttribute(key.GetAttributeID());
        if (!attribute)
        {
            m_sortValues.emplace_back();
            continue;
        }
        std::lock_guard guard(attribute->GetLock());
        m_sortValues.emplace_back(attribute->GetAttributeValue().CopyInstance());
    }
    for (const auto& [id, values] : rowKeys.filters)
    {
        const nxObservedAttribute* attribute = m_dataObject->GetAttribute(id);
        const std::string text = attribute ? attribute->GetAttributeValueAsString() : std::string();
        if (values.count(text) == 0)
        {
            m_passesFilters = false;
            break;
        }
    }
}

void nxGridRow::OnAttributeChanged(const nxObservedAttribute&, nxAttributeChangeBitMask changes, bool)
{
    if (changes & nxAttributeChange::AnyValueChange)
        MarkKeyDirty();
}
