#pragma once

#include "platform/grid/window/CPickListDlg.h"
#include "platform/ui/CStatic.h"

class nxGridManager;

// "Sorting": the keys the operator sorts rows by, first key first, each
// ascending or descending; the grid's mandatory keys follow them and are shown
// but not changed. OK re-sorts the grid; Cancel leaves it as it was.
class CSortingDlg : public CPickListDlg
{
    Q_OBJECT

public:
    static constexpr unsigned IDD = 20111;
    static constexpr int IDC_KEYS = IDC_CHOSEN;
    static constexpr int IDC_DIRECTION = 1007;
    static constexpr int IDC_MANDATORY = 1008;

    CSortingDlg(nxGridManager& manager, QWidget* parent);

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void OnOK() override;
    std::string ChosenText(const Item& item) const override;

private:
    void ToggleDirection();

    nxGridManager& m_manager;
    CStatic m_mandatory;
};
