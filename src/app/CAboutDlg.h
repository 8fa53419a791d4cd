#pragma once

#include "platform/ui/CDialog.h"
#include "platform/ui/CStatic.h"

// "About VantrelSystemManager": the program's icon, name and version.
class CAboutDlg : public CDialog
{
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    static nxDialogTemplate MakeTemplate();

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;

private:
    CStatic m_version;
};
