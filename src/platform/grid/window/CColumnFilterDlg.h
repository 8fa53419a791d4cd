#pragma once

#include <string>
#include <vector>

#include "platform/ui/CDialog.h"
#include "platform/ui/CListBox.h"
#include "platform/ui/CStatic.h"

class nxGridManager;

// The value filter of one column: the values the column's attribute has over
// the grid's data, the chosen ones let through. Choosing all or none clears the
// filter. OK changes the grid; Cancel leaves it as it was.
class CColumnFilterDlg : public CDialog
{
    Q_OBJECT

public:
    static constexpr unsigned IDD = 20112;
    enum ControlId
    {
        IDC_PROMPT = 1001,
        IDC_VALUES = 1002,
        IDC_SELECT_ALL = 1003,
        IDC_SELECT_NONE = 1004,
    };

    CColumnFilterDlg(nxGridManager& manager, size_t column, QWidget* parent);

    // The values offered, in the list's order.
    const std::vector<std::string>& GetValues() const { return m_values; }

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    static const nxDialogTemplate& Template();
    void SelectAll(bool select);

    nxGridManager& m_manager;
    size_t m_column;
    CStatic m_prompt;
    CListBox m_list;
    std::vector<std::string> m_values;
};
