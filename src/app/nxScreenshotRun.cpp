#include "app/nxScreenshotRun.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <cstdio>

#include "platform/grid/window/CMultiDocTemplate.h"
#include "platform/grid/window/nxGridApp.h"
#include "platform/grid/window/nxGridFrameWnd.h"
#include "platform/grid/window/nxGridView.h"
#include "platform/grid/window/nxGridWnd.h"
#include "platform/service/nxEmbeddedControlService.h"

namespace
{
// Small steps let the grids flash and fade as they would on screen.
constexpr double kStepSeconds = 0.25;
constexpr int kFinalSettleMs = 120;
} // namespace

nxScreenshotRun::nxScreenshotRun(nxGridApp& app, nxEmbeddedControlService& service)
    : m_app(app), m_service(service)
{
}

nxGridFrameWnd* nxScreenshotRun::OpenWindow(unsigned resourceId)
{
    for (nxGridFrameWnd* frame : m_app.GetFrames())
        if (frame->GetResourceID() == resourceId)
            return frame;
    for (const auto& docTemplate : m_app.GetDocTemplates())
        if (docTemplate->GetResourceID() == resourceId)
            return m_app.OpenNewWindow(*docTemplate);
    return nullptr;
}

void nxScreenshotRun::Settle(nxGridFrameWnd& frame, double settleSeconds)
{
    for (double done = 0; done < settleSeconds; done += kStepSeconds)
    {
        m_service.RunFor(std::min(kStepSeconds, settleSeconds - done));
        QCoreApplication::processEvents();
    }
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < kFinalSettleMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    frame.GetActiveView()->GetGridWnd()->FlushNow();
    frame.UpdateAllCommands();
}

int nxScreenshotRun::Run(unsigned resourceId, double settleSeconds, const std::string& imagePath)
{
    nxGridFrameWnd* frame = OpenWindow(resourceId);
    if (!frame)
    {
        std::fprintf(stderr, "VantrelSystemManager: your rights do not allow the window asked for\n");
        return 1;
    }
    frame->resize(Width, Height);
    frame->show();
    Settle(*frame, settleSeconds);
    if (!frame->grab().save(QString::fromStdString(imagePath)))
    {
        std::fprintf(stderr, "VantrelSystemManager: cannot write the image '%s'\n", imagePath.c_str());
        return 1;
    }
    return 0;
}
