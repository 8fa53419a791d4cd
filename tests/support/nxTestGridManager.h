#pragma once

#include <atomic>

#include "platform/grid/CGridCell.h"
#include "platform/grid/CGridRow.h"
#include "platform/grid/CGridStringStyle.h"
#include "platform/grid/data/CGridLockGuard.h"
#include "platform/grid/nxGridCreationTemplate.h"
#include "platform/grid/nxGridManager.h"
#include "platform/grid/nxGridSortOptions.h"
#include "status/nxControlDataInterest.h"
#include "status/nxControlDataObject.h"

// A small grid manager over application status rows, shaped as the application
// grids are: host, application name and id columns, rows by application id, a
// warning overlay raised by late, unexpected or missing applications, and the
// update sound for a new missing application.
class nxTestGridManager : public nxGridManager
{
public:
    explicit nxTestGridManager(nxGridWnd* gridWnd = nullptr) : nxGridManager(gridWnd) {}

    nxClientServerEnum GetClientServer() const { return nxClientServerEnum(nxServerValue); }
    bool ShouldShowWarningAlphaBlend() const override { return m_warning.load(); }
    bool OnEndOfDataUpdate(nxGridDataManager* dataManager, uint64_t updates, HMONITOR monitor) override
    {
        m_endOfUpdates.fetch_add(1);
        const bool warning = CheckWarning();
        if (warning != m_warning.exchange(warning))
            MarkGridAsDirty();
        return nxGridManager::OnEndOfDataUpdate(dataManager, updates, monitor);
    }
    bool SupportsColumnFilters(nxAttributeID) const override { return true; }
    bool SupportsColumnHeaderTemporarySorting(nxAttributeID) const override { return true; }
    nxGridDataInterest* CreateDefaultDataInterest() const override
    {
        auto* interest = new nxControlDataInterest();
        interest->SetClientServer(GetClientServer());
        return interest;
    }

    int EndOfUpdates() const { return m_endOfUpdates.load(); }

protected:
    void _CreateRowSortOptions() override
    {
        CGridLockGuard guard(GetSortOptionsLock());
        auto* options = new nxGridSortOptions();
        SetSortOptions(options);
        options->ClearAvailableRowSortAttributeIDs();
        options->SetAvailableRowSortAttributeIDs(15);
        options->SetMandatoryRowSortAttributes({nxAttributeSortOptions(9001, true)});
    }
    void _CreateGridCreationTemplate() override
    {
        CGridLockGuard guard(GetCreationTemplateLock());
        auto* creation = new nxGridCreationTemplate();
        SetGridCreationTemplate(creation);
        creation->CreateAvailableCellCreationTemplates(15);
        auto* segment = new nxGridRowSegmentCreationTemplate();
        const nxAttributeID ids[] = {9003, 9002, 9001};
        for (int column = 0; column < 3; ++column)
            segment->AddCellCreationTemplate(new nxGridCellCreationTemplate(
                column, ids[column], new CGridStringStyle(0x000000, 0xFFE1E1, 8), ""));
        creation->AddRowSegmentCreationTemplate(segment);
    }
    bool _CanAddGridDataObject(const nxGridDataObject* object) const override
    {
        return dynamic_cast<const nxControlDataObject*>(object) != nullptr;
    }
    void _CustomizeCustomStyles(CGridStyleManager& styles) override
    {
        styles.SetHighlightMultipleSelectionsWithFrameRect(true);
        styles.SetBidPriceDrawType(4u);
        styles.SetBidPriceColor(0x00FFA4A4);
    }
    bool _ShouldPlayUpdateSoundForNewGridDataObject(const nxGridDataObject* object) const override
    {
        const auto* row = dynamic_cast<const nxControlDataObject*>(object);
        return row && row->GetExpectedApplicationStatus().GetValue() == 8202;
    }

private:
    bool CheckWarning() const
    {
        CGridLockGuard rows(GetRowsLock());
        for (const CGridRow* row : GetRowsInDisplayOrder())
        {
            const CGridCell* cell = row ? row->Cell(0) : nullptr;
            if (cell &&
                (cell->Style()->GetIsBidPriceHighlighted() || cell->Style()->GetIsCustom2Highlighted() ||
                 cell->Style()->GetIsCustom4Highlighted()))
                return true;
        }
        return false;
    }

    std::atomic<bool> m_warning{false};
    std::atomic<int> m_endOfUpdates{0};
};
