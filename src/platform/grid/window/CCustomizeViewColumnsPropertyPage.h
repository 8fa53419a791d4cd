#pragma once

#include <vector>

#include "platform/grid/nxGridManager.h"
#include "platform/grid/window/CCustomizeViewPropertyPage.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CListBox.h"

// "Columns": the grid's columns in the order shown; each can move, be hidden or
// shown, and get a heading of its own (empty: the attribute's name).
class CCustomizeViewColumnsPropertyPage : public CCustomizeViewPropertyPage
{
    Q_OBJECT

public:
    static constexpr unsigned IDD = 20101;
    enum ControlId
    {
        IDC_COLUMNS = 1001,
        IDC_MOVE_UP = 1002,
        IDC_MOVE_DOWN = 1003,
        IDC_SHOW_HIDE = 1004,
        IDC_HEADING = 1005,
        IDC_RENAME = 1006,
    };

    explicit CCustomizeViewColumnsPropertyPage(CCustomizeViewDlg* dialog);

    bool OnApply() override;

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;

private:
    static unsigned Template();
    void FillList(int selected);
    void Move(int by);
    void ToggleVisible();
    void Rename();
    void ShowHeading();

    CListBox m_list;
    CEdit m_heading;
    std::vector<nxGridManager::ColumnSetting> m_columns;
};
