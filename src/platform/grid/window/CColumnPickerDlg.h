#pragma once

#include "platform/grid/window/CPickListDlg.h"

class nxGridManager;

// "Column Picker": which attributes the grid shows as columns, and in which
// order. The attributes offered are those of the grid's creation template. OK
// changes the grid; Cancel leaves it as it was.
class CColumnPickerDlg : public CPickListDlg
{
    Q_OBJECT

public:
    static constexpr unsigned IDD = 20110;
    static constexpr int IDC_SHOWN = IDC_CHOSEN;

    CColumnPickerDlg(nxGridManager& manager, QWidget* parent);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    std::vector<nxAttributeID> OfferedAttributes() const;

    nxGridManager& m_manager;
};
