#pragma once

#include <cstdint>

#include "log/nxLogDataManager.h"
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
    // The most rows the log store keeps (0: every row); set before InitInstance,
    // which makes the store.
    void SetLogRowLimit(uint64_t rowLimit) { m_logRowLimit = rowLimit; }

protected:
    bool _CreateDocumentTemplates() override;
    nxGridDataManager* _CreateDataManager() override;
    std::string _GetStartRefusedText(const nxErrorEnum& error) const override;

private:
    void OnAppAbout();

    uint64_t m_logRowLimit = nxLogDataManager::DefaultRowLimit;
};
