#pragma once

#include <memory>
#include <string>

#include "platform/ui/CButton.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CListBox.h"

class nxApplicationSchedule;

// The schedule schemes the control service knows, with Add, Update, Copy and Delete.
// Adding, updating and copying open the definition dialog; Delete asks no question.
class CConfigureApplicationScheduleSchemesDlg : public CDialog
{
public:
    explicit CConfigureApplicationScheduleSchemesDlg(QWidget* parent);
    ~CConfigureApplicationScheduleSchemesDlg() override;

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;

private:
    void Refresh();
    void UpdateButtons();
    void OnAdd();
    void OnUpdate();
    void OnCopy();
    void OnDelete();
    // The selected scheme as the service has it now; null (after saying why) when
    // nothing is selected or the service cannot give it.
    std::unique_ptr<nxApplicationSchedule> FetchSelected();
    void SelectScheme(const std::string& name);

    CListBox m_names;
    CButton m_update;
    CButton m_copy;
    CButton m_delete;
};
