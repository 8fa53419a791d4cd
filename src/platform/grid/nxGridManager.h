#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/base/nxErrorEnum.h"
#include "platform/grid/CGridManager.h"
#include "platform/grid/data/nxGridDataInterestListener.h"
#include "platform/grid/data/nxGridDataTypes.h"
#include "platform/grid/nxAttributeSortOptions.h"
#include "platform/grid/nxGridNotification.h"
#include "platform/grid/nxGridTypes.h"

class CCustomizeViewDlg;
class CGridStyle;
class nxColumnFilter;
class nxGridCell;
class nxGridColumn;
class nxGridCreationTemplate;
class nxGridDataManager;
class nxGridEventToResponseMapper;
class nxGridNotificationSource;
class nxGridNotifications;
class nxGridRow;
class nxGridSortOptions;
class nxGridWnd;
class nxXMLElement;

// The grid of a view over data objects: it listens to its data interests, holds
// a row for each object they accept, and keeps its columns, sort options,
// creation template and layout.
//
// What a derived manager overrides (each is called on the user-interface thread
// unless it says otherwise):
// - set-up, from Initialize: _CreateEventToResponseMapper, _CreateRowSortOptions
//   (store with SetSortOptions under GetSortOptionsLock), _CreateGridCreationTemplate
//   (store with SetGridCreationTemplate under GetCreationTemplateLock), then
//   _CustomizeCustomStyles on the grid's style manager and _CreateNotificationSource.
//   Initialize itself may be overridden; the override calls nxGridManager::Initialize.
// - the row's parts: _CreateCellInstance, _CreateRowInstance (built on this
//   manager), _CreateColumnInstance (built on this manager). Rows and cells are
//   made on the thread that offers the data object, with the data manager locked.
// - which objects: _CanAddGridDataObject and _ShouldPlayUpdateSoundForNewGridDataObject,
//   on the data's thread with the data manager locked: read the object under its
//   own lock and take no grid lock.
// - behaviour: OnCellSelectionChanged, SupportsColumnFilters,
//   SupportsColumnHeaderTemporarySorting, ShouldShowWarningAlphaBlend (asked after
//   each flush), OnEndOfDataUpdate (once per flush that took in data, with no
//   grid lock held), InitializeCustomizeViewDialog (call the base first: it adds
//   the library's pages), CreateDefaultDataInterest.
// A derived destructor needs nothing: the window lets go of the interests first.
class nxGridManager : public CGridManager, public nxGridDataInterestListener
{
public:
    // What rows are sorted and filtered by, under the rows lock.
    struct RowKeySpec
    {
        std::vector<nxAttributeSortOptions> sortKeys;
        std::vector<std::pair<nxAttributeID, std::set<std::string>>> filters;
        std::vector<nxAttributeID> ObservedAttributeIDs() const;
    };
    // One column as the layout and the column picker see it.
    struct ColumnSetting
    {
        nxAttributeID attributeId = 0;
        std::string customHeading;
        int width = 0;
        bool visible = true;
        int order = 0;
        std::set<std::string> filterValues;
        bool operator==(const ColumnSetting&) const = default;
    };
    // Visible columns in the operator's order, and the texts of rows.
    struct TextTable
    {
        std::vector<std::string> headings;
        std::vector<std::vector<std::string>> rows;
    };
    using CustomizeViewPageProvider = std::function<void(nxGridManager&, CCustomizeViewDlg&)>;

    explicit nxGridManager(nxGridWnd* gridWnd);
    ~nxGridManager() override;

    nxGridWnd* GetGridWnd() const { return m_gridWnd; }
    virtual void Initialize();
    bool IsInitialized() const { return m_initialized; }

    // Data interests. AddDataInterest makes the grid the interest's listener and
    // attaches it to its data manager; with takeOwnership the grid deletes it.
    nxErrorEnum AddDataInterest(nxGridDataInterest* interest, bool takeOwnership);
    bool HasDataInterests() const;
    std::vector<nxGridDataInterest*> GetDataInterests() const;
    // Detaches every interest (deleting those owned) and lets go of every row.
    void RemoveAllDataInterests();
    virtual nxGridDataInterest* CreateDefaultDataInterest() const { return nullptr; }

    // nxGridDataInterestListener: any thread, data manager locked.
    void OnAddGridDataObject(nxGridDataInterest& interest, nxGridDataObject* object, bool snapshot) override;
    void OnRemoveGridDataObject(nxGridDataInterest& interest, nxGridDataObject* object) override;
    void OnRemoveAllGridDataObjects(nxGridDataInterest& interest) override;
    void OnGridDataObjectChanged(nxGridDataInterest& interest, nxGridDataObject* object) override;
    void OnEndOfDataUpdate(nxGridDataInterest& interest) override;

    // After a flush that took in data; answers whether the grid took it in.
    virtual bool OnEndOfDataUpdate(nxGridDataManager* dataManager, uint64_t updateCount, HMONITOR monitor);
    virtual bool ShouldShowWarningAlphaBlend() const { return false; }
    virtual void InitializeCustomizeViewDialog(CCustomizeViewDlg& dialog);
    virtual bool SupportsColumnFilters(nxAttributeID) const { return false; }
    virtual bool SupportsColumnHeaderTemporarySorting(nxAttributeID) const { return false; }

    // Columns (user-interface thread). Settings take effect at the next flush.
    size_t GetColumnCount() const override { return m_columns.size(); }
    nxGridColumn* GetColumn(size_t index) const;
    std::vector<ColumnSetting> GetColumnSettings() const;
    void SetColumnSettings(const std::vector<ColumnSetting>& columns);
    void SetColumnWidth(size_t index, int width);
    // The columns' logical indexes in the order the operator sees them.
    void SetColumnVisualOrder(const std::vector<size_t>& logicalIndexes);

    // Column filters: the values a column's attribute has over the interests' rows,
    // and the values to let through (none: no filter).
    nxErrorEnum PopulateColumnFilterWithAvailableAttributeValues(size_t column, nxColumnFilter& filter);
    void SetColumnFilter(size_t column, std::set<std::string> values);

    // Sorting. After changing the sort options in place, ApplySortOptions re-sorts.
    CGridLock& GetSortOptionsLock() const { return m_sortOptionsLock; }
    nxGridSortOptions* GetSortOptions() const { return m_sortOptions.get(); }
    void SetSortOptions(nxGridSortOptions* options);
    void ApplySortOptions();
    // A sort from a column header, ahead of the sort options, until cleared; false where not allowed.
    bool SetTemporarySort(nxAttributeID id, bool ascending);
    void ClearTemporarySort();
    std::optional<nxAttributeSortOptions> GetTemporarySort() const { return m_temporarySort; }
    const RowKeySpec& GetRowKeySpec() const { return m_keySpec; }

    CGridLock& GetCreationTemplateLock() const { return m_creationTemplateLock; }
    nxGridCreationTemplate* GetGridCreationTemplate() const { return m_creationTemplate.get(); }
    void SetGridCreationTemplate(nxGridCreationTemplate* creationTemplate);
    nxGridEventToResponseMapper* GetEventToResponseMapper() const { return m_eventMapper.get(); }
    void SetEventToResponseMapper(nxGridEventToResponseMapper* mapper);

    // Desktop notifications (user-interface thread), for grids with a notification
    // source; off until switched on. Switching on takes the rows held now as seen.
    bool SupportsDesktopNotifications() const { return m_notifications != nullptr; }
    bool AreDesktopNotificationsEnabled() const;
    void SetDesktopNotificationsEnabled(bool enabled);
    // The notifications waiting that the once-a-minute rule lets through (steady clock).
    std::vector<nxGridNotification> TakeDesktopNotifications();
    // The place on screen of the row a notification names; none when it is not on screen.
    std::optional<size_t> FindDisplayRowOfNotification(const nxGridNotification& notification) const;

    // Replaces the grid's style manager and repaints.
    void SetStyleManager(const CGridStyleManager& styles);

    // Copy and print: the selected rows, or all rows, in display order.
    TextTable GetTextTable(bool selectedOnly) const;
    // The selected rows as tab-separated lines after a heading line.
    std::string GetSelectedRowsAsText() const;

    // The layout: columns, sort keys, style manager and data interests. Loading
    // skips, and logs, what it does not know.
    nxErrorEnum SaveToXML(nxXMLElement& element) const;
    nxErrorEnum LoadFromXML(nxXMLElement& element);

    // Gives the row one cell per column, observing the row's object (rows lock).
    void AddCellsTo(nxGridRow& row);

    // The window library adds its customise-view pages through this.
    static void SetCustomizeViewPageProvider(CustomizeViewPageProvider provider);

protected:
    virtual nxGridCell* _CreateCellInstance();
    virtual nxGridRow* _CreateRowInstance();
    virtual nxGridColumn* _CreateColumnInstance();
    virtual void _CreateRowSortOptions();
    virtual void _CreateGridCreationTemplate();
    virtual void _CreateEventToResponseMapper();
    virtual bool _CanAddGridDataObject(const nxGridDataObject*) const { return true; }
    virtual void _CustomizeCustomStyles(CGridStyleManager&) {}
    virtual bool _ShouldPlayUpdateSoundForNewGridDataObject(const nxGridDataObject*) const { return false; }
    // What the grid notifies the desktop of; none (the base) offers no notifications.
    virtual std::unique_ptr<nxGridNotificationSource> _CreateNotificationSource();

    void _OnBeginFlush() override;
    void _OnRebuild() override;
    void _OnBeforeResort() override;
    void _OnEndFlush(const CGridFlushResult& result) override;

private:
    struct OwnedInterest
    {
        nxGridDataInterest* interest;
        bool owned;
    };

    void BuildColumnsFromTemplate();
    std::unique_ptr<nxGridColumn> MakeColumn(const ColumnSetting& setting, const CGridStyle& style);
    const CGridStyle& StyleForNewColumn(nxAttributeID id) const;
    void UpdateKeySpec();
    void ReleaseAllRows();
    void SaveColumnsToXML(nxXMLElement& element) const;
    void LoadColumnsFromXML(nxXMLElement& element);
    void SaveSortKeysToXML(nxXMLElement& element) const;
    void LoadSortKeysFromXML(nxXMLElement& element);
    void SaveInterestsToXML(nxXMLElement& element) const;
    void LoadInterestsFromXML(nxXMLElement& element);
    void LoadDesktopNotificationsFromXML(nxXMLElement& element);
    std::vector<size_t> VisibleColumnsInOrder() const;

    nxGridWnd* m_gridWnd;
    bool m_initialized = false;

    std::vector<OwnedInterest> m_interests; // manager lock
    std::atomic<nxGridDataManager*> m_dataManager{nullptr};
    std::atomic<bool> m_endOfUpdatePending{false};

    // Rows lock.
    std::unordered_map<nxGridDataObject*, nxGridRow*> m_objectRows;
    std::vector<std::unique_ptr<nxGridColumn>> m_columns;
    std::optional<std::vector<std::unique_ptr<nxGridColumn>>> m_pendingColumns;
    RowKeySpec m_keySpec;
    std::vector<nxAttributeSortOptions> m_optionKeys;
    std::optional<nxAttributeSortOptions> m_temporarySort;

    mutable CGridLock m_sortOptionsLock;
    std::unique_ptr<nxGridSortOptions> m_sortOptions;
    mutable CGridLock m_creationTemplateLock;
    std::unique_ptr<nxGridCreationTemplate> m_creationTemplate;
    std::unique_ptr<nxGridEventToResponseMapper> m_eventMapper; // manager lock
    std::unique_ptr<nxGridNotifications> m_notifications;       // made by Initialize
};
