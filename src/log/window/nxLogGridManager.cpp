#include "log/window/nxLogGridManager.h"

#include "log/nxLogDataInterest.h"
#include "log/nxLogDataObject.h"
#include "log/window/CLogFilterDlg.h"
#include "log/window/nxCriticalLogNotificationSource.h"
#include "platform/grid/CGridCell.h"
#include "platform/grid/CGridStringStyle.h"
#include "platform/grid/data/CGridLockGuard.h"
#include "platform/grid/nxGridCell.h"
#include "platform/grid/nxGridColumn.h"
#include "platform/grid/nxGridCreationTemplate.h"
#include "platform/grid/nxGridEventToResponseMapper.h"
#include "platform/grid/nxGridRow.h"
#include "platform/grid/nxGridSortOptions.h"

namespace
{
constexpr nxAttributeCategory kLogAttributes = 16;
constexpr nxAttributeID kSequenceNumber = 10001;
constexpr nxAttributeID kHostName = 10003;
constexpr nxAttributeID kApplicationName = 10004;
constexpr uint32_t kSoundLevel = 38;

CGridStringStyle* PlainStyle()
{
    return new CGridStringStyle(0x000000, 0xFFFFFF, 8);
}
} // namespace

nxLogGridManager::nxLogGridManager(nxGridWnd* gridWnd) : nxGridManager(gridWnd) {}

nxLogGridManager::~nxLogGridManager() = default;

void nxLogGridManager::Initialize()
{
    nxGridManager::Initialize();
}

void nxLogGridManager::OnCellSelectionChanged(CGridCell* cell, bool selected)
{
    if (cell)
        cell->Selected(selected);
}

nxGridDataInterest* nxLogGridManager::CreateDefaultDataInterest() const
{
    auto* interest = new nxLogDataInterest();
    nxLogDataInterest::LogLevelSet levels;
    for (uint32_t level = 33; level <= 38; ++level)
        levels.insert(nxLogLevelEnum(level));
    interest->SetLogLevels(levels);
    return interest;
}

nxGridCell* nxLogGridManager::_CreateCellInstance()
{
    return new nxGridCell();
}

nxGridRow* nxLogGridManager::_CreateRowInstance()
{
    return new nxGridRow(this);
}

nxGridColumn* nxLogGridManager::_CreateColumnInstance()
{
    return new nxGridColumn(this);
}

// The sequence number falls with every message, so ascending puts the newest row on top.
void nxLogGridManager::_CreateRowSortOptions()
{
    CGridLockGuard guard(GetSortOptionsLock());
    auto* options = new nxGridSortOptions();
    SetSortOptions(options);
    options->SetRowSortAttributes({nxAttributeSortOptions(kSequenceNumber, true)});
}

void nxLogGridManager::_CreateGridCreationTemplate()
{
    CGridLockGuard guard(GetCreationTemplateLock());
    auto* creation = new nxGridCreationTemplate();
    SetGridCreationTemplate(creation);
    creation->CreateAvailableCellCreationTemplates(kLogAttributes);
    auto* segment = new nxGridRowSegmentCreationTemplate();
    segment->SetRowOffset(0);
    segment->AddCellCreationTemplate(new nxGridCellCreationTemplate(0, kHostName, PlainStyle(), ""));
    segment->AddCellCreationTemplate(new nxGridCellCreationTemplate(1, kApplicationName, PlainStyle(), ""));
    creation->AddRowSegmentCreationTemplate(segment);
}

void nxLogGridManager::_CreateEventToResponseMapper()
{
    CGridLockGuard guard(GetLock());
    SetEventToResponseMapper(new nxGridEventToResponseMapper());
}

bool nxLogGridManager::_CanAddGridDataObject(const nxGridDataObject* object) const
{
    return dynamic_cast<const nxLogDataObject*>(object) != nullptr;
}

bool nxLogGridManager::_ShouldPlayUpdateSoundForNewGridDataObject(const nxGridDataObject* object) const
{
    const auto* row = dynamic_cast<const nxLogDataObject*>(object);
    return row && row->GetLogLevel() == nxLogLevelEnum(kSoundLevel);
}

std::unique_ptr<nxGridNotificationSource> nxLogGridManager::_CreateNotificationSource()
{
    return std::make_unique<nxCriticalLogNotificationSource>();
}

nxLogDataInterest* nxLogGridManager::GetLogDataInterest() const
{
    const std::vector<nxGridDataInterest*> interests = GetDataInterests();
    return interests.empty() ? nullptr : dynamic_cast<nxLogDataInterest*>(interests.front());
}

void nxLogGridManager::InitializeFilterDialog(CLogFilterDlg& dialog)
{
    CGridLockGuard guard(GetLock());
    const nxLogDataInterest* interest = GetLogDataInterest();
    if (!interest)
        return;
    const nxLogDataInterest::Filter filter = interest->GetFilter();
    dialog.SetApplicationName(filter.applicationName);
    dialog.SetHostName(filter.hostName);
    dialog.SetLogLevels(filter.logLevels);
    dialog.SetRegexFilter(filter.regexFilter);
    dialog.SetRegexFilterCaseInsensitive(filter.regexFilterCaseInsensitive);
}

std::string nxLogGridManager::GetLogText(const CGridRow* row) const
{
    CGridLockGuard guard(GetRowsLock());
    const auto* gridRow = dynamic_cast<const nxGridRow*>(row);
    const auto* object = gridRow ? dynamic_cast<const nxLogDataObject*>(gridRow->GetDataObject()) : nullptr;
    return object ? object->GetLogText() : std::string();
}

std::vector<std::string> nxLogGridManager::GetHidePatterns() const
{
    CGridLockGuard guard(GetLock());
    const nxLogDataInterest* interest = GetLogDataInterest();
    return interest ? interest->GetHidePatterns() : std::vector<std::string>{};
}

bool nxLogGridManager::SetHidePatterns(const std::vector<std::string>& patterns)
{
    nxLogDataInterest* interest = nullptr;
    {
        CGridLockGuard guard(GetLock());
        interest = GetLogDataInterest();
    }
    // Outside the grid's lock, as for the filter: the change and re-filtering enter the store first.
    if (!interest || !interest->SetHidePatterns(patterns))
        return false;
    interest->RefreshDataObjectsWithNewFilters(true);
    DrawDirtyCells();
    return true;
}

void nxLogGridManager::ProcessFilterDialogChanges(CLogFilterDlg& dialog)
{
    nxLogDataInterest* interest = nullptr;
    {
        CGridLockGuard guard(GetLock());
        interest = GetLogDataInterest();
    }
    // Outside the grid's lock: the change and re-filtering enter the store, whose lock comes first.
    // One step, so that a row arriving meanwhile meets the old filter or the new, never half of each.
    if (!interest ||
        !interest->SetFilter({dialog.GetApplicationName(), dialog.GetHostName(), dialog.GetLogLevels(),
                              dialog.GetRegexFilter(), dialog.IsRegexFilterCaseInsensitive()}))
        return;
    interest->RefreshDataObjectsWithNewFilters(true);
    DrawDirtyCells();
}
