#pragma once

#include "platform/grid/window/nxGridApp.h"

// The program's application object: whether the user may start it, the window
// types the user's rights allow, the names of its workspaces, the control data
// manager (which makes the log data manager), and the About box.
class CVantrelSystemManagerApp : public nxGridApp
{
public:
    CVantrelSystemManagerApp();

    int InitInstance() override;
    nxErrorEnum CheckIfUserPermissionedToStartApplication() override;
    std::string GetApplicationName() const override { return "SystemManager"; }
    std::string GetWorkspaceName() const override { return "KVRSysMgrWorkspace"; }

protected:
    bool _CreateDocumentTemplates() override;
    nxGridDataManager* _CreateDataManager() override;
    std::string _GetStartRefusedText(const nxErrorEnum& error) const override;

private:
    void OnAppAbout();
};
