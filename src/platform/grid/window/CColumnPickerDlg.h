#pragma once

#include <vector>

#include "platform/grid/nxGridManager.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CListBox.h"

// "Column Picker": which attributes the grid shows as columns, and in which
// order. The attributes offered are those of the grid's creation template. OK
// changes the grid; Cancel leaves it as it was.
class CColumnPickerDlg : public CDialog
{
    Q_OBJECT

public:
    static constexpr unsigned IDD = 20110;
    enum ControlId
    {
        IDC_AVAILABLE = 1001,
        IDC_SHOWN = 1002,
        IDC_ADD = 1003,
        IDC_REMOVE = 1004,
        IDC_MOVE_UP = 1005,
        IDC_MOVE_DOWN = 1006,
    };

    CColumnPickerDlg(nxGridManager& manager, QWidget* parent);

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    static const nxDialogTemplate& Template();
    std::vector<nxAttributeID> OfferedAttributes() const;
    void FillLists(int shownSelection);
    void Add();
    void Remove();
    void Move(int by);

    nxGridManager& m_manager;
    CListBox m_available;
    CListBox m_shown;
    std::vector<nxAttributeID> m_offered;
    std::vector<nxAttributeID> m_columns;
};
