#pragma once

#include <vector>

#include "platform/ui/CComboBox.h"
#include "platform/ui/CDialog.h"

// "Save Workspace": which of the workspaces the open windows are saved as.
class CSaveWorkspaceDlg : public CDialog
{
public:
    static constexpr unsigned IDD = 30730;
    static constexpr int IDC_WORKSPACE = 30731;

    // saved[i] tells whether workspace i + 1 exists; current is preselected.
    CSaveWorkspaceDlg(std::vector<bool> saved, int current, QWidget* parent);

    // From 1, after OK.
    int GetWorkspace() const { return m_workspace; }

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    std::vector<bool> m_saved;
    int m_workspace;
    CComboBox m_choice;
};
