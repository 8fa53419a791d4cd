#pragma once

#include <string>

#include "platform/base/nxErrorEnum.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CDialog.h"

class nxControlGridManager;

// Gives the applications selected in a control grid one schedule scheme, or none
// ("<NONE>"). It opens on the scheme they share, if they share one, and saves for
// the rows selected when OK is pressed. Every step is logged.
class CAssignScheduleSchemeDlg : public CDialog
{
public:
    // The grid manager is the opening window's; the dialog does not own it.
    CAssignScheduleSchemeDlg(nxControlGridManager* gridManager, QWidget* parent);

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void FillNames();
    void SelectCommonName();
    // Gives every selected application the scheme (empty: none) and asks the service to save.
    nxErrorEnum SaveAssignments(const std::string& name);

    nxControlGridManager* m_gridManager;
    CComboBox m_names;
};
