#pragma once

#include <string>
#include <vector>

#include "platform/ui/CDialog.h"
#include "platform/ui/CListBox.h"

// "New": the window types the operator may open, by their file-new names; OK or a
// double click opens the one chosen.
class CNewTypeDlg : public CDialog
{
public:
    static constexpr unsigned IDD = 30721;
    static constexpr int IDC_TYPES = 30722;

    // Names in the order offered; the first selected is initialSelection.
    CNewTypeDlg(std::vector<std::string> names, int initialSelection, QWidget* parent);

    // The chosen type's index after OK.
    int GetSelection() const { return m_selection; }

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    std::vector<std::string> m_names;
    int m_selection;
    CListBox m_types;
};
