#pragma once

#include "log/nxLogDataObject.h"
#include "platform/grid/CGridStringStyle.h"
#include "platform/grid/data/CGridLockGuard.h"
#include "platform/grid/nxGridCreationTemplate.h"
#include "platform/grid/nxGridManager.h"
#include "platform/grid/nxGridSortOptions.h"

// A small grid manager over log rows, shaped as the log grid is: newest first,
// host, application and text columns, every column filterable and sortable
// from its header.
class nxTestLogGridManager : public nxGridManager
{
public:
    explicit nxTestLogGridManager(nxGridWnd* gridWnd = nullptr) : nxGridManager(gridWnd) {}

    bool SupportsColumnFilters(nxAttributeID) const override { return true; }
    bool SupportsColumnHeaderTemporarySorting(nxAttributeID) const override { return true; }

protected:
    void _CreateRowSortOptions() override
    {
        CGridLockGuard guard(GetSortOptionsLock());
        auto* options = new nxGridSortOptions();
        SetSortOptions(options);
        options->SetRowSortAttributes({nxAttributeSortOptions(10001, true)});
    }
    void _CreateGridCreationTemplate() override
    {
        CGridLockGuard guard(GetCreationTemplateLock());
        auto* creation = new nxGridCreationTemplate();
        SetGridCreationTemplate(creation);
        creation->CreateAvailableCellCreationTemplates(16);
        auto* segment = new nxGridRowSegmentCreationTemplate(0);
        const nxAttributeID ids[] = {10003, 10004, 10006};
        for (int column = 0; column < 3; ++column)
            segment->AddCellCreationTemplate(new nxGridCellCreationTemplate(
                column, ids[column], new CGridStringStyle(0x000000, 0xFFFFFF, 8), ""));
        creation->AddRowSegmentCreationTemplate(segment);
    }
    bool _CanAddGridDataObject(const nxGridDataObject* object) const override
    {
        return dynamic_cast<const nxLogDataObject*>(object) != nullptr;
    }
};
