#include "app/CMainFrame.h"

#include "app/nxFrameToolBar.h"
#include "app/nxSystemManagerIds.h"
#include "platform/base/nxCmdLineArgs.h"
#include "platform/base/nxLog.h"
#include "platform/grid/window/nxGridView.h"

namespace
{
constexpr const char* kLogSource = "MainFrm";

nxDoubleValueWrapper ReadScrollResetTimeout()
{
    const nxDoubleValueWrapper read =
        nxCmdLineArgs::GetInstance().GetEnvValueAsDoubleValue(CMainFrame::ScrollResetTimeoutVariable);
    const nxLogLevelEnum level(nxLogLevel::Info);
    if (read.IsNull() || read.IsNoChange())
    {
        nxLog(level, kLogSource) << CMainFrame::ScrollResetTimeoutVariable
                                 << " value is not set. Using a default value of: "
                                 << CMainFrame::DefaultScrollResetTimeoutSeconds
                                 << " seconds. Scrollbar will reset to top after this many seconds of input "
                                    "inactivity";
        return nxDoubleValueWrapper(CMainFrame::DefaultScrollResetTimeoutSeconds);
    }
    nxLog(level, kLogSource) << CMainFrame::ScrollResetTimeoutVariable << " set to: " << read.GetValue()
                             << " seconds. Scrollbar will reset to top after this many seconds of input "
                                "inactivity";
    return read;
}
} // namespace

nxDoubleValueWrapper CMainFrame::GetInputInactivityWarningThresholdSeconds() const
{
    static const nxDoubleValueWrapper threshold = ReadScrollResetTimeout();
    return threshold;
}

void CMainFrame::OnInputInactivityWarning()
{
    nxLog(nxLogLevelEnum(nxLogLevel::Info), kLogSource)
        << "OnInputInactivity - will scroll view top if not already there";
    if (nxGridView* view = GetActiveView())
        view->ScrollToTop();
}

bool CMainFrame::PreCreateWindow()
{
    return nxGridFrameWnd::PreCreateWindow();
}

int CMainFrame::OnCreate()
{
    if (nxGridFrameWnd::OnCreate() == -1)
        return -1;
    return nxCreateFrameToolBar(*this, nxSystemManagerId::IDR_SERVERS,
                                nxSystemManagerId::IDB_SERVERS_TOOLBAR);
}
