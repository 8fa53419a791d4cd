#pragma once

#include <vector>

#include "platform/grid/nxAttributeSortOptions.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CListBox.h"
#include "platform/ui/CStatic.h"

class nxGridManager;

// "Sorting": the keys the operator sorts rows by, first key first, each
// ascending or descending; the grid's mandatory keys follow them and are shown
// but not changed. OK re-sorts the grid; Cancel leaves it as it was.
class CSortingDlg : public CDialog
{
    Q_OBJECT

public:
    static constexpr unsigned IDD = 20111;
    enum ControlId
    {
        IDC_AVAILABLE = 1001,
        IDC_KEYS = 1002,
        IDC_ADD = 1003,
        IDC_REMOVE = 1004,
        IDC_MOVE_UP = 1005,
        IDC_MOVE_DOWN = 1006,
        IDC_DIRECTION = 1007,
        IDC_MANDATORY = 1008,
    };

    CSortingDlg(nxGridManager& manager, QWidget* parent);

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    static const nxDialogTemplate& Template();
    void FillLists(int keySelection);
    void Add();
    void Remove();
    void Move(int by);
    void ToggleDirection();

    nxGridManager& m_manager;
    CListBox m_available;
    CListBox m_keys;
    CStatic m_mandatory;
    std::vector<nxAttributeID> m_offered;
    std::vector<nxAttributeSortOptions> m_sortKeys;
};
