#include "platform/grid/nxGridManager.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <numeric>

#include "platform/base/nxLog.h"
#include "platform/base/nxSteadyClock.h"
#include "platform/base/nxStringHelper.h"
#include "platform/grid/data/CGridLockGuard.h"
#include "platform/grid/data/nxAttributeCatalogue.h"
#include "platform/grid/data/nxColumnFilter.h"
#include "platform/grid/data/nxGridDataInterest.h"
#include "platform/grid/data/nxGridDataManager.h"
#include "platform/grid/data/nxGridDataObject.h"
#include "platform/grid/nxGridCell.h"
#include "platform/grid/nxGridColumn.h"
#include "platform/grid/nxGridCreationTemplate.h"
#include "platform/grid/nxGridEventToResponseMapper.h"
#include "platform/grid/nxGridNotificationSource.h"
#include "platform/grid/nxGridNotifications.h"
#include "platform/grid/nxGridRow.h"
#include "platform/grid/nxGridSortOptions.h"
#include "platform/xml/nxXMLElement.h"

namespace
{
constexpr const char* kLogSource = "nxGridManager";
constexpr const char* kDesktopNotificationsKey = "DesktopNotifications";

struct PageProviderSlot
{
    std::mutex lock;
    nxGridManager::CustomizeViewPageProvider provider;
};

PageProviderSlot& PageProvider()
{
    static PageProviderSlot slot;
    return slot;
}

nxLog Warning()
{
    return nxLog(nxLogLevelEnum(nxLogLevel::Error), kLogSource);
}

bool ReadUnsigned(nxXMLElement element, const char* name, uint32_t& value)
{
    return nxStringHelper::SetFromString(element.GetFirstChildElement(name).GetValue(), value);
}
} // namespace

std::vector<nxAttributeID> nxGridManager::RowKeySpec::ObservedAttributeIDs() const
{
    std::vector<nxAttributeID> ids;
    for (const nxAttributeSortOptions& key : sortKeys)
        ids.push_back(key.GetAttributeID());
    for (const auto& filter : filters)
        ids.push_back(filter.first);
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

nxGridManager::nxGridManager(nxGridWnd* gridWnd) : m_gridWnd(gridWnd) {}

nxGridManager::~nxGridManager()
{
    RemoveAllDataInterests();
    _DeleteAllRows();
}

void nxGridManager::Initialize()
{
    if (m_initialized)
        return;
    _CreateEventToResponseMapper();
    _CreateRowSortOptions();
    _CreateGridCreationTemplate();
    BuildColumnsFromTemplate();
    _CustomizeCustomStyles(GetStyleManager());
    if (std::unique_ptr<nxGridNotificationSource> source = _CreateNotificationSource())
        m_notifications = std::make_unique<nxGridNotifications>(std::move(source));
    ApplySortOptions();
    m_initialized = true;
}

void nxGridManager::BuildColumnsFromTemplate()
{
    std::vector<const nxGridCellCreationTemplate*> cells;
    {
        CGridLockGuard guard(m_creationTemplateLock);
        if (m_creationTemplate)
            for (const auto& segment : m_creationTemplate->GetRowSegmentCreationTemplates())
                for (const auto& cell : segment->GetCellCreationTemplates())
                    cells.push_back(cell.get());
        std::stable_sort(cells.begin(), cells.end(),
                         [](const auto* a, const auto* b) { return a->GetColumn() < b->GetColumn(); });
        CGridLockGuard rows(GetRowsLock());
        m_columns.clear();
        for (const nxGridCellCreationTemplate* cell : cells)
        {
            ColumnSetting setting;
            setting.attributeId = cell->GetAttributeID();
            setting.customHeading = cell->GetHeading();
            setting.order = static_cast<int>(m_columns.size());
            m_columns.push_back(MakeColumn(setting, cell->GetStyle()));
        }
    }
}

std::unique_ptr<nxGridColumn> nxGridManager::MakeColumn(const ColumnSetting& setting, const CGridStyle& style)
{
    std::unique_ptr<nxGridColumn> column(_CreateColumnInstance());
    if (!column)
        column = std::make_unique<nxGridColumn>(this);
    column->SetAttributeID(setting.attributeId);
    column->SetCustomHeading(setting.customHeading);
    column->SetWidth(setting.width);
    column->SetVisible(setting.visible);
    column->SetOrder(setting.order);
    column->SetStyle(style);
    column->SetFilterValues(setting.filterValues);
    return column;
}

nxGridCell* nxGridManager::_CreateCellInstance()
{
    return new nxGridCell();
}

nxGridRow* nxGridManager::_CreateRowInstance()
{
    return new nxGridRow(this);
}

nxGridColumn* nxGridManager::_CreateColumnInstance()
{
    return new nxGridColumn(this);
}

void nxGridManager::_CreateRowSortOptions()
{
    CGridLockGuard guard(m_sortOptionsLock);
    SetSortOptions(new nxGridSortOptions());
}

void nxGridManager::_CreateGridCreationTemplate()
{
    CGridLockGuard guard(m_creationTemplateLock);
    SetGridCreationTemplate(new nxGridCreationTemplate());
}

std::unique_ptr<nxGridNotificationSource> nxGridManager::_CreateNotificationSource()
{
    return nullptr;
}

void nxGridManager::_CreateEventToResponseMapper()
{
    CGridLockGuard guard(GetLock());
    SetEventToResponseMapper(new nxGridEventToResponseMapper());
}

nxErrorEnum nxGridManager::AddDataInterest(nxGridDataInterest* interest, bool takeOwnership)
{
    if (!interest)
        return nxErrorEnum(nxErrorEnum::InvalidArgument, "No data interest to add to the grid");
    {
        CGridLockGuard guard(GetLock());
        m_interests.push_back({interest, takeOwnership});
    }
    interest->SetListener(this);
    return interest->AttachToDataManager();
}

bool nxGridManager::HasDataInterests() const
{
    CGridLockGuard guard(GetLock());
    return !m_interests.empty();
}

std::vector<nxGridDataInterest*> nxGridManager::GetDataInterests() const
{
    CGridLockGuard guard(GetLock());
    std::vector<nxGridDataInterest*> interests;
    for (const OwnedInterest& entry : m_interests)
        interests.push_back(entry.interest);
    return interests;
}

void nxGridManager::RemoveAllDataInterests()
{
    std::vector<OwnedInterest> interests;
    {
        CGridLockGuard guard(GetLock());
        interests.swap(m_interests);
    }
    // Without a grid lock: detaching calls into the data manager, which calls back.
    for (const OwnedInterest& entry : interests)
    {
        entry.interest->DetachFromDataManager();
        entry.interest->SetListener(nullptr);
        if (entry.owned)
            delete entry.interest;
    }
    ReleaseAllRows();
}

void nxGridManager::OnAddGridDataObject(nxGridDataInterest&, nxGridDataObject* object, bool snapshot)
{
    if (!object || !_CanAddGridDataObject(object))
        return;
    m_dataManager.store(object->GetDataManager(), std::memory_order_release);
    const bool sound = !snapshot && _ShouldPlayUpdateSoundForNewGridDataObject(object);
    if (m_notifications && m_notifications->OnAdded(*object, snapshot))
        _RequestWake();
    CGridLockGuard rows(GetRowsLock());
    if (m_objectRows.count(object))
        return;
    nxGridRow* row = _CreateRowInstance();
    if (!row)
        return;
    row->SetDataObject(object);
    AddCellsTo(*row);
    row->ObserveKeys();
    row->RefreshSortKey();
    m_objectRows.emplace(object, row);
    _HoldRow(row);
    if (sound)
        _RequestSound();
}

void nxGridManager::OnRemoveGridDataObject(nxGridDataInterest&, nxGridDataObject* object)
{
    if (m_notifications && object)
        m_notifications->OnRemoved(*object);
    CGridLockGuard rows(GetRowsLock());
    const auto found = m_objectRows.find(object);
    if (found == m_objectRows.end())
        return;
    nxGridRow* row = found->second;
    m_objectRows.erase(found);
    row->Unbind();
    _ReleaseRow(row);
}

void nxGridManager::OnRemoveAllGridDataObjects(nxGridDataInterest&)
{
    ReleaseAllRows();
}

void nxGridManager::OnGridDataObjectChanged(nxGridDataInterest&, nxGridDataObject* object)
{
    if (m_notifications && object && m_notifications->OnChanged(*object))
        _RequestWake();
}

void nxGridManager::ReleaseAllRows()
{
    if (m_notifications)
        m_notifications->OnRemovedAll();
    CGridLockGuard rows(GetRowsLock());
    for (auto& [object, row] : m_objectRows)
    {
        row->Unbind();
        _ReleaseRow(row);
    }
    m_objectRows.clear();
}

void nxGridManager::OnEndOfDataUpdate(nxGridDataInterest&)
{
    m_endOfUpdatePending.store(true, std::memory_order_release);
    _RequestWake();
}

bool nxGridManager::OnEndOfDataUpdate(nxGridDataManager*, uint64_t, HMONITOR)
{
    return true;
}

void nxGridManager::InitializeCustomizeViewDialog(CCustomizeViewDlg& dialog)
{
    CustomizeViewPageProvider provider;
    {
        std::lock_guard guard(PageProvider().lock);
        provider = PageProvider().provider;
    }
    if (provider)
        provider(*this, dialog);
}

void nxGridManager::SetCustomizeViewPageProvider(CustomizeViewPageProvider provider)
{
    std::lock_guard guard(PageProvider().lock);
    PageProvider().provider = std::move(provider);
}

void nxGridManager::AddCellsTo(nxGridRow& row)
{
    nxGridDataObject* object = row.GetDataObject();
    for (const auto& column : m_columns)
    {
        nxGridCell* cell = _CreateCellInstance();
        if (!cell)
            cell = new nxGridCell();
        *cell->Style() = column->GetStyle();
        row.AddCell(cell);
        cell->Attach(object, object ? object->GetAttribute(column->GetAttributeID()) : nullptr);
    }
}

nxGridColumn* nxGridManager::GetColumn(size_t index) const
{
    return index < m_columns.size() ? m_columns[index].get() : nullptr;
}

std::vector<nxGridManager::ColumnSetting> nxGridManager::GetColumnSettings() const
{
    CGridLockGuard rows(GetRowsLock());
    const auto& columns = m_pendingColumns ? *m_pendingColumns : m_columns;
    std::vector<ColumnSetting> settings;
    for (const auto& column : columns)
        settings.push_back({column->GetAttributeID(), column->GetCustomHeading(), column->GetWidth(),
                            column->IsVisible(), column->GetOrder(), column->GetFilterValues()});
    return settings;
}

const CGridStyle& nxGridManager::StyleForNewColumn(nxAttributeID id) const
{
    for (const auto& column : m_columns)
        if (column->GetAttributeID() == id)
            return column->GetStyle();
    // A picked column looks like the grid's first one.
    if (!m_columns.empty())
        return m_columns.front()->GetStyle();
    static const CGridStringStyle plain;
    const nxGridCellCreationTemplate* available =
        m_creationTemplate ? m_creationTemplate->FindAvailableCellCreationTemplate(id) : nullptr;
    return available ? available->GetStyle() : plain;
}

void nxGridManager::SetColumnSettings(const std::vector<ColumnSetting>& settings)
{
    CGridLockGuard templateGuard(m_creationTemplateLock);
    CGridLockGuard rows(GetRowsLock());
    std::vector<std::unique_ptr<nxGridColumn>> columns;
    for (const ColumnSetting& setting : settings)
        columns.push_back(MakeColumn(setting, StyleForNewColumn(setting.attributeId)));
    m_pendingColumns = std::move(columns);
    _RequestRebuild();
}

void nxGridManager::SetColumnWidth(size_t index, int width)
{
    if (nxGridColumn* column = GetColumn(index))
        column->SetWidth(width);
}

void nxGridManager::SetColumnVisualOrder(const std::vector<size_t>& logicalIndexes)
{
    for (size_t place = 0; place < logicalIndexes.size(); ++place)
        if (nxGridColumn* column = GetColumn(logicalIndexes[place]))
            column->SetOrder(static_cast<int>(place));
}

nxErrorEnum nxGridManager::PopulateColumnFilterWithAvailableAttributeValues(size_t index,
                                                                            nxColumnFilter& filter)
{
    nxGridColumn* column = GetColumn(index);
    if (!column)
        return nxErrorEnum(nxErrorEnum::InvalidArgument, "No such column");
    nxGridDataManager* dataManager = m_dataManager.load(std::memory_order_acquire);
    if (!dataManager)
        return {};
    const std::map<nxGridColumn*, nxColumnFilter*> columns{{column, &filter}};
    nxErrorEnum result;
    // No grid lock is held: the data manager takes its own and reads the rows.
    for (nxGridDataInterest* interest : GetDataInterests())
    {
        const nxErrorEnum populated =
            dataManager->PopulateColumnFilterWithAvailableAttributeValues(interest, &filter, columns);
        if (result.IsOK())
            result = populated;
    }
    return result;
}

void nxGridManager::SetColumnFilter(size_t index, std::set<std::string> values)
{
    CGridLockGuard rows(GetRowsLock());
    nxGridColumn* column = GetColumn(index);
    if (!column || (!values.empty() && !SupportsColumnFilters(column->GetAttributeID())))
        return;
    column->SetFilterValues(std::move(values));
    UpdateKeySpec();
    _RequestRebuild();
}

void nxGridManager::SetSortOptions(nxGridSortOptions* options)
{
    CGridLockGuard guard(m_sortOptionsLock);
    m_sortOptions.reset(options);
}

void nxGridManager::ApplySortOptions()
{
    std::vector<nxAttributeSortOptions> keys;
    {
        CGridLockGuard guard(m_sortOptionsLock);
        if (m_sortOptions)
            keys = m_sortOptions->GetEffectiveRowSortAttributes();
    }
    CGridLockGuard rows(GetRowsLock());
    m_optionKeys = std::move(keys);
    UpdateKeySpec();
    _RequestResort();
}

bool nxGridManager::SetTemporarySort(nxAttributeID id, bool ascending)
{
    if (!SupportsColumnHeaderTemporarySorting(id))
        return false;
    CGridLockGuard rows(GetRowsLock());
    m_temporarySort = nxAttributeSortOptions(id, ascending);
    UpdateKeySpec();
    _RequestResort();
    return true;
}

void nxGridManager::ClearTemporarySort()
{
    CGridLockGuard rows(GetRowsLock());
    if (!m_temporarySort)
        return;
    m_temporarySort.reset();
    UpdateKeySpec();
    _RequestResort();
}

void nxGridManager::UpdateKeySpec()
{
    m_keySpec.sortKeys.clear();
    if (m_temporarySort)
        m_keySpec.sortKeys.push_back(*m_temporarySort);
    m_keySpec.sortKeys.insert(m_keySpec.sortKeys.end(), m_optionKeys.begin(), m_optionKeys.end());
    m_keySpec.filters.clear();
    for (const auto& column : m_columns)
        if (column->HasFilter())
            m_keySpec.filters.emplace_back(column->GetAttributeID(), column->GetFilterValues());
}

void nxGridManager::SetGridCreationTemplate(nxGridCreationTemplate* creationTemplate)
{
    CGridLockGuard guard(m_creationTemplateLock);
    m_creationTemplate.reset(creationTemplate);
}

void nxGridManager::SetEventToResponseMapper(nxGridEventToResponseMapper* mapper)
{
    CGridLockGuard guard(GetLock());
    m_eventMapper.reset(mapper);
}

bool nxGridManager::AreDesktopNotificationsEnabled() const
{
    return m_notifications && m_notifications->IsEnabled();
}

void nxGridManager::SetDesktopNotificationsEnabled(bool enabled)
{
    if (!m_notifications || enabled == m_notifications->IsEnabled())
        return;
    m_notifications->SetEnabled(enabled);
    if (!enabled)
        return;
    // What the rows are now is what they were when the operator switched it on.
    CGridLockGuard rows(GetRowsLock());
    for (const auto& [object, row] : m_objectRows)
        m_notifications->OnAdded(*object, true);
}

std::vector<nxGridNotification> nxGridManager::TakeDesktopNotifications()
{
    if (!m_notifications)
        return {};
    return m_notifications->Take(nxSteadyClock::NowNanoseconds());
}

std::optional<size_t>
nxGridManager::FindDisplayRowOfNotification(const nxGridNotification& notification) const
{
    if (!m_notifications)
        return std::nullopt;
    CGridLockGuard rows(GetRowsLock());
    const std::vector<CGridRow*>& order = GetRowsInDisplayOrder();
    for (size_t index = 0; index < order.size(); ++index)
    {
        const auto* row = dynamic_cast<const nxGridRow*>(order[index]);
        const nxGridDataObject* object = row ? row->GetDataObject() : nullptr;
        if (object && m_notifications->RowKeyOf(*object) == notification.rowKey)
            return index;
    }
    return std::nullopt;
}

void nxGridManager::SetStyleManager(const CGridStyleManager& styles)
{
    GetStyleManager() = styles;
    MarkGridAsDirty();
}

void nxGridManager::_OnBeginFlush()
{
    // Acknowledged before the flush reads: an update from here on wakes the grid again.
    for (nxGridDataInterest* interest : GetDataInterests())
        interest->AcknowledgeDataUpdate();
}

void nxGridManager::_OnRebuild()
{
    if (m_pendingColumns)
    {
        m_columns = std::move(*m_pendingColumns);
        m_pendingColumns.reset();
        for (auto& [object, row] : m_objectRows)
            row->RebuildCells();
    }
    UpdateKeySpec();
}

void nxGridManager::_OnBeforeResort()
{
    for (auto& [object, row] : m_objectRows)
        row->ObserveKeys();
}

void nxGridManager::_OnEndFlush(const CGridFlushResult& result)
{
    const bool updated = m_endOfUpdatePending.exchange(false, std::memory_order_acq_rel);
    if (!updated && result.inserted == 0 && result.removed == 0 && !result.reset)
        return;
    nxGridDataManager* dataManager = m_dataManager.load(std::memory_order_acquire);
    OnEndOfDataUpdate(dataManager, dataManager ? dataManager->GetDataUpdateCount() : 0, nullptr);
}

std::vector<size_t> nxGridManager::VisibleColumnsInOrder() const
{
    std::vector<size_t> columns;
    for (size_t index = 0; index < m_columns.size(); ++index)
        if (m_columns[index]->IsVisible())
            columns.push_back(index);
    std::stable_sort(columns.begin(), columns.end(),
                     [this](size_t a, size_t b)
                     { return m_columns[a]->GetOrder() < m_columns[b]->GetOrder(); });
    return columns;
}

nxGridManager::TextTable nxGridManager::GetTextTable(bool selectedOnly) const
{
    CGridLockGuard selection(GetSelectionLock());
    CGridLockGuard rows(GetRowsLock());
    TextTable table;
    const std::vector<size_t> columns = VisibleColumnsInOrder();
    for (size_t column : columns)
        table.headings.push_back(m_columns[column]->GetHeading());
    for (const CGridRow* row : GetRowsInDisplayOrder())
    {
        if (selectedOnly && !row->IsSelected())
            continue;
        std::vector<std::string> texts;
        for (size_t column : columns)
            texts.push_back(row->Cell(column) ? row->Cell(column)->GetText() : std::string());
        table.rows.push_back(std::move(texts));
    }
    return table;
}

std::string nxGridManager::GetSelectedRowsAsText() const
{
    const TextTable table = GetTextTable(true);
    const auto line = [](const std::vector<std::string>& fields)
    {
        std::string text;
        for (size_t index = 0; index < fields.size(); ++index)
            text += (index ? "\t" : "") + fields[index];
        return text + "\n";
    };
    std::string text = line(table.headings);
    for (const auto& row : table.rows)
        text += line(row);
    return text;
}

nxErrorEnum nxGridManager::SaveToXML(nxXMLElement& element) const
{
    if (!element.IsValid())
        return nxErrorEnum(nxErrorEnum::InvalidArgument, "No XML element to save the grid layout into");
    SaveColumnsToXML(element);
    SaveSortKeysToXML(element);
    nxXMLElement styles = element.AddChildElement("StyleManager");
    GetStyleManager().SaveToXML(styles);
    SaveInterestsToXML(element);
    // Only when on, so that a grid that never had them saves as it always did.
    if (AreDesktopNotificationsEnabled())
        element.AddChildValue(kDesktopNotificationsKey, "1");
    return {};
}

nxErrorEnum nxGridManager::LoadFromXML(nxXMLElement& element)
{
    if (!element.IsValid())
        return nxErrorEnum(nxErrorEnum::InvalidArgument, "No XML element to load the grid layout from");
    LoadColumnsFromXML(element);
    LoadSortKeysFromXML(element);
    if (nxXMLElement styles = element.GetFirstChildElement("StyleManager"); styles.IsValid())
    {
        CGridStyleManager loaded = GetStyleManager();
        loaded.LoadFromXML(styles);
        SetStyleManager(loaded);
    }
    LoadInterestsFromXML(element);
    LoadDesktopNotificationsFromXML(element);
    return {};
}

void nxGridManager::LoadDesktopNotificationsFromXML(nxXMLElement& element)
{
    bool enabled = false;
    nxXMLElement key = element.GetFirstChildElement(kDesktopNotificationsKey);
    if (key.IsValid() && !nxStringHelper::SetFromString(key.GetValue(), enabled))
        Warning() << "Grid layout: desktop notifications stay off; the setting '" << key.GetValue()
                  << "' is not understood";
    SetDesktopNotificationsEnabled(enabled && SupportsDesktopNotifications());
}

void nxGridManager::SaveColumnsToXML(nxXMLElement& element) const
{
    nxXMLElement columns = element.AddChildElement("Columns");
    for (const ColumnSetting& setting : GetColumnSettings())
    {
        nxXMLElement column = columns.AddChildElement("Column");
        column.AddChildValue("AttributeID", std::to_string(setting.attributeId));
        column.AddChildValue("Heading", setting.customHeading);
        column.AddChildValue("Order", std::to_string(setting.order));
        column.AddChildValue("Width", std::to_string(setting.width));
        column.AddChildValue("Visible", setting.visible ? "1" : "0");
        if (setting.filterValues.empty())
            continue;
        nxXMLElement filter = column.AddChildElement("Filter");
        for (const std::string& value : setting.filterValues)
            filter.AddChildValue("Value", value);
    }
}

void nxGridManager::LoadColumnsFromXML(nxXMLElement& element)
{
    nxXMLElement columns = element.GetFirstChildElement("Columns");
    if (!columns.IsValid())
        return;
    std::vector<ColumnSetting> settings;
    for (nxXMLElement column = columns.GetFirstChildElement("Column"); column.IsValid();
         column = columns.GetNextChildElement("Column"))
    {
        ColumnSetting setting;
        if (!ReadUnsigned(column, "AttributeID", setting.attributeId) ||
            !nxAttributeCatalogue::Find(setting.attributeId))
        {
            Warning() << "Grid layout: skipping a column of unknown attribute '"
                      << column.GetFirstChildElement("AttributeID").GetValue() << "'";
            continue;
        }
        setting.customHeading = column.GetFirstChildElement("Heading").GetValue();
        uint32_t number = 0;
        setting.order = ReadUnsigned(column, "Order", number) ? static_cast<int>(number) : 0;
        setting.width =
            ReadUnsigned(column, "Width", number) ? static_cast<int>(std::min(number, 10000u)) : 0;
        nxStringHelper::SetFromString(column.GetFirstChildElement("Visible").GetValue(), setting.visible);
        nxXMLElement filter = column.GetFirstChildElement("Filter");
        if (filter.IsValid() && SupportsColumnFilters(setting.attributeId))
            for (nxXMLElement value = filter.GetFirstChildElement("Value"); value.IsValid();
                 value = filter.GetNextChildElement("Value"))
                setting.filterValues.insert(value.GetValue());
        settings.push_back(std::move(setting));
    }
    if (settings.empty())
    {
        Warning() << "Grid layout: no known column, keeping the grid's own columns";
        return;
    }
    // Places as stored, made consecutive.
    std::vector<size_t> byOrder(settings.size());
    std::iota(byOrder.begin(), byOrder.end(), 0);
    std::stable_sort(byOrder.begin(), byOrder.end(),
                     [&](size_t a, size_t b) { return settings[a].order < settings[b].order; });
    for (size_t place = 0; place < byOrder.size(); ++place)
        settings[byOrder[place]].order = static_cast<int>(place);
    SetColumnSettings(settings);
}

void nxGridManager::SaveSortKeysToXML(nxXMLElement& element) const
{
    nxXMLElement keys = element.AddChildElement("SortKeys");
    CGridLockGuard guard(m_sortOptionsLock);
    if (!m_sortOptions)
        return;
    for (const nxAttributeSortOptions& key : m_sortOptions->GetRowSortAttributes())
    {
        nxXMLElement entry = keys.AddChildElement("SortKey");
        entry.AddChildValue("AttributeID", std::to_string(key.GetAttributeID()));
        entry.AddChildValue("Ascending", key.IsAscending() ? "1" : "0");
    }
}

void nxGridManager::LoadSortKeysFromXML(nxXMLElement& element)
{
    nxXMLElement keys = element.GetFirstChildElement("SortKeys");
    if (!keys.IsValid())
        return;
    std::vector<nxAttributeSortOptions> loaded;
    for (nxXMLElement entry = keys.GetFirstChildElement("SortKey"); entry.IsValid();
         entry = keys.GetNextChildElement("SortKey"))
    {
        uint32_t id = 0;
        bool ascending = true;
        if (!ReadUnsigned(entry, "AttributeID", id) || !nxAttributeCatalogue::Find(id))
        {
            Warning() << "Grid layout: skipping a sort key of unknown attribute '"
                      << entry.GetFirstChildElement("AttributeID").GetValue() << "'";
            continue;
        }
        nxStringHelper::SetFromString(entry.GetFirstChildElement("Ascending").GetValue(), ascending);
        loaded.emplace_back(id, ascending);
    }
    {
        CGridLockGuard guard(m_sortOptionsLock);
        if (!m_sortOptions)
            m_sortOptions = std::make_unique<nxGridSortOptions>();
        m_sortOptions->SetRowSortAttributes(std::move(loaded));
    }
    ApplySortOptions();
}

void nxGridManager::SaveInterestsToXML(nxXMLElement& element) const
{
    nxXMLElement interests = element.AddChildElement("DataInterests");
    for (nxGridDataInterest* interest : GetDataInterests())
    {
        nxXMLElement entry = interests.AddChildElement("DataInterest");
        interest->SaveToXML(entry);
    }
}

void nxGridManager::LoadInterestsFromXML(nxXMLElement& element)
{
    nxXMLElement interests = element.GetFirstChildElement("DataInterests");
    if (!interests.IsValid())
        return;
    std::vector<nxGridDataInterest*> loaded;
    bool skipped = false;
    for (nxXMLElement entry = interests.GetFirstChildElement("DataInterest"); entry.IsValid();
         entry = interests.GetNextChildElement("DataInterest"))
    {
        const std::string className = nxGridDataInterest::ReadClassName(entry);
        nxGridDataInterest* interest = nxGridDataInterest::CreateInstanceByName(className);
        if (!interest)
        {
            Warning() << "Grid layout: skipping a data interest of unknown class '" << className << "'";
            skipped = true;
            continue;
        }
        interest->LoadFromXML(entry);
        loaded.push_back(interest);
    }
    if (loaded.empty() && skipped)
        if (nxGridDataInterest* fallback = CreateDefaultDataInterest())
        {
            Warning() << "Grid layout: no data interest could be made; the grid shows its default data";
            loaded.push_back(fallback);
        }
    for (nxGridDataInterest* interest : loaded)
    {
        const nxErrorEnum attached = AddDataInterest(interest, true);
        if (!attached.IsOK())
            Warning() << "Grid layout: the data interest " << interest->GetClassName()
                      << " could not attach: " << attached;
        interest->FetchDataObjects();
    }
}
