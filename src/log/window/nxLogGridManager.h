#pragma once

#include <string>
#include <vector>

#include "platform/grid/nxGridManager.h"

class CLogFilterDlg;
class nxLogDataInterest;

// The grid of a log view: host and application columns to start with, every log
// attribute in the column picker, newest row first, filters and header sorting
// on every column, the update sound for the highest level only, and a click
// that selects a single cell. It moves the view's filter into the Filters
// dialog and back.
class nxLogGridManager : public nxGridManager
{
public:
    explicit nxLogGridManager(nxGridWnd* gridWnd);
    ~nxLogGridManager() override;

    void Initialize() override;
    void OnCellSelectionChanged(CGridCell* cell, bool selected) override;
    bool SelectsWholeRows() const override { return false; }
    // Levels 33 to 38: the two lowest levels hidden.
    nxGridDataInterest* CreateDefaultDataInterest() const override;
    bool SupportsColumnFilters(nxAttributeID) const override { return true; }
    bool SupportsColumnHeaderTemporarySorting(nxAttributeID) const override { return true; }

    // Copies the view's filter into the dialog; without a filter the dialog stays empty.
    void InitializeFilterDialog(CLogFilterDlg& dialog);
    // Takes the dialog's values into the view's filter and, only when one of
    // them differs, shows the rows again under the new filter.
    void ProcessFilterDialogChanges(CLogFilterDlg& dialog);

    // The log text of a row on screen; empty when its message is gone.
    std::string GetLogText(const CGridRow* row) const;

    // The view's hide patterns (none without a filter).
    std::vector<std::string> GetHidePatterns() const;
    // Takes the patterns and, only when the list changed, shows the rows again
    // without those they hide. Answers whether it changed.
    bool SetHidePatterns(const std::vector<std::string>& patterns);

protected:
    nxGridCell* _CreateCellInstance() override;
    nxGridRow* _CreateRowInstance() override;
    nxGridColumn* _CreateColumnInstance() override;
    void _CreateRowSortOptions() override;
    void _CreateGridCreationTemplate() override;
    void _CreateEventToResponseMapper() override;
    bool _CanAddGridDataObject(const nxGridDataObject* object) const override;
    bool _ShouldPlayUpdateSoundForNewGridDataObject(const nxGridDataObject* object) const override;
    std::unique_ptr<nxGridNotificationSource> _CreateNotificationSource() override;

private:
    // The view's filter: the first interest, when it is a log one (manager lock).
    nxLogDataInterest* GetLogDataInterest() const;
};
