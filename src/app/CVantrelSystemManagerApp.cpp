#include "app/CVantrelSystemManagerApp.h"

#include <new>

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/CVantrelClientManagerDoc.h"
#include "app/CVantrelClientManagerFrameWnd.h"
#include "app/CVantrelLogDoc.h"
#include "app/CVantrelLogFrameWnd.h"
#include "app/CVantrelLogView.h"
#include "app/CVantrelSystemManagerDoc.h"
#include "app/nxSystemManagerIds.h"
#include "app/nxSystemManagerResources.h"
#include "contracts/nxSecurityInterface.h"
#include "grids/CVantrelClientManagerView.h"
#include "grids/CVantrelSystemManagerView.h"
#include "platform/base/nxLog.h"
#include "platform/grid/window/CMultiDocTemplate.h"
#include "platform/ui/nxCommandIds.h"
#include "status/nxControlDataManager.h"

namespace
{
constexpr const char* kLogSource = "VantrelSystemManager";

const char* const kServersDocString =
    "SystemManager\n\nVantrelSystemMa\nSystemManager\n.KVRSysMgr\nVantrelSystemManager.Document\n"
    "VantrelSystemManager.Document";
const char* const kLogDocString =
    "Log\n\nVantrelLog\nLog\n.KVRLogMgr\nVantrelLog.Document\nVantrelLog.Document";
const char* const kClientsDocString =
    "ClientManager\n\nVantrelClientmMa\nClientManager\n.KVRCliMgr\nVantrelClientManager.Document\n"
    "VantrelClientManager.Document";

bool Holds(uint32_t right)
{
    return nxSecurityInterface::GetInstance()->CheckSecurity(nxFunctionEnum(right)).IsOK();
}

void LogMissingRight(uint32_t right)
{
    nxLog(nxLogLevelEnum(nxLogLevel::Info), kLogSource)
        << "User does not have " << nxFunctionEnum(right) << " permission";
}
} // namespace

CVantrelSystemManagerApp::CVantrelSystemManagerApp()
{
    nxSystemManagerResources::Register();
    MapCommand(nxCommand::AppAbout, [this] { OnAppAbout(); });
    MapCommand(nxCommand::FileNew, [this] { OnFileNew(); });
    MapCommand(nxCommand::FileOpen, [this] { OnFileOpen(); });
    MapCommand(nxCommand::FilePrintSetup, [this] { OnFilePrintSetup(); });
}

int CVantrelSystemManagerApp::InitInstance()
{
    return nxGridApp::InitInstance();
}

nxErrorEnum CVantrelSystemManagerApp::CheckIfUserPermissionedToStartApplication()
{
    nxSecurityInterface* security = nxSecurityInterface::GetInstance();
    for (uint32_t right : {nxFunction::SystemManagerServers, nxFunction::SystemManagerClients})
        if (nxErrorEnum result = security->CheckSecurity(nxFunctionEnum(right)); result.IsOK())
            return result;
    nxErrorEnum result = security->CheckSecurity(nxFunctionEnum(nxFunction::SystemManagerAll));
    if (result.IsOK())
        return result;
    nxLog(nxLogLevelEnum(nxLogLevel::Info), kLogSource)
        << "User cannot start this application, they do not have either of the following permission(s): "
        << nxFunctionEnum(nxFunction::SystemManagerServers) << " or "
        << nxFunctionEnum(nxFunction::SystemManagerClients);
    return result;
}

bool CVantrelSystemManagerApp::_CreateDocumentTemplates()
{
    using namespace nxSystemManagerId;
    CMultiDocTemplate* defaultTemplate = nullptr;
    if (Holds(nxFunction::SystemManagerServers) || Holds(nxFunction::SystemManagerAll))
    {
        auto* servers =
            CMultiDocTemplate::Make<CVantrelSystemManagerDoc, CMainFrame, CVantrelSystemManagerView>(
                IDR_SERVERS, kServersDocString);
        if (!servers)
            return false;
        AddDocTemplate(servers);
        defaultTemplate = servers;
        SetDefaultTemplate(servers);
        auto* log = CMultiDocTemplate::Make<CVantrelLogDoc, CVantrelLogFrameWnd, CVantrelLogView>(
            IDR_LOG, kLogDocString);
        if (!log)
            return false;
        AddDocTemplate(log);
    }
    else
        LogMissingRight(nxFunction::SystemManagerServers);

    if (!Holds(nxFunction::SystemManagerClients) && !Holds(nxFunction::SystemManagerAll))
    {
        LogMissingRight(nxFunction::SystemManagerClients);
        return true;
    }
    auto* clients = CMultiDocTemplate::Make<CVantrelClientManagerDoc, CVantrelClientManagerFrameWnd,
                                            CVantrelClientManagerView>(IDR_CLIENTS, kClientsDocString);
    if (!clients)
        return false;
    AddDocTemplate(clients);
    if (!defaultTemplate)
        SetDefaultTemplate(clients);
    return true;
}

nxGridDataManager* CVantrelSystemManagerApp::_CreateDataManager()
{
    auto* manager = new (std::nothrow) nxControlDataManager();
    if (manager)
        manager->SetLogRowLimit(static_cast<size_t>(m_logRowLimit));
    return manager;
}

std::string CVantrelSystemManagerApp::_GetStartRefusedText(const nxErrorEnum&) const
{
    std::string text =
        "You cannot start VantrelSystemManager: you hold none of the rights it needs. Any one of "
        "these will do:\n";
    for (uint32_t right :
         {nxFunction::SystemManagerServers, nxFunction::SystemManagerClients, nxFunction::SystemManagerAll})
        text += "\n    " + std::to_string(right) + "  " + nxFunctionEnum(right).GetLongDescription();
    return text + "\n\nAsk your administrator to grant you one of them.";
}

void CVantrelSystemManagerApp::OnAppAbout()
{
    CAboutDlg dialog(GetMainWnd());
    dialog.DoModal();
}
