#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <string>
#include <vector>

#include "app/CVantrelSystemManagerApp.h"
#include "app/nxCommandLine.h"
#include "app/nxDBusDesktopNotifier.h"
#include "app/nxDataFolders.h"
#include "app/nxScreenshotRun.h"
#include "app/nxSystemManagerIds.h"
#include "platform/service/nxEmbeddedControlService.h"
#include "platform/ui/nxQtMessageBox.h"
#include "platform/ui/nxResourceTable.h"
#include "platform/ui/nxStringTable.h"

// The one application object, made before start-up as the framework expects.
CVantrelSystemManagerApp theApp;

namespace
{
unsigned WindowResource(nxProgramOptions::Window window)
{
    switch (window)
    {
    case nxProgramOptions::Window::Client:
        return nxSystemManagerId::IDR_CLIENTS;
    case nxProgramOptions::Window::Log:
        return nxSystemManagerId::IDR_LOG;
    case nxProgramOptions::Window::Server:
        break;
    }
    return nxSystemManagerId::IDR_SERVERS;
}
} // namespace

int main(int argc, char** argv)
{
    // The command line is read before any window exists, so that --help, --version
    // and mistakes answer without a display.
    nxCommandLine commandLine;
    switch (commandLine.Parse(std::vector<std::string>(argv + 1, argv + argc)))
    {
    case nxCommandLine::Outcome::Exit:
        std::fputs(commandLine.Output().c_str(), stdout);
        return 0;
    case nxCommandLine::Outcome::Error:
        std::fprintf(stderr, "VantrelSystemManager: %s\n", commandLine.Error().c_str());
        return nxCommandLine::ErrorExitStatus;
    case nxCommandLine::Outcome::Run:
        break;
    }
    nxProgramOptions options = commandLine.GetOptions();
    // An installed program reads the table installed beside it, unless told otherwise.
    if (options.platform.timeZoneFolder == nxEmbeddedPlatformOptions().timeZoneFolder)
        if (std::string found = nxDataFolders::FindTimeZoneFolder(nxDataFolders::ExecutableFolder());
            !found.empty())
            options.platform.timeZoneFolder = found;
    const bool screenshot = !options.screenshotFile.empty();
    if (screenshot && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication application(argc, argv);
    QApplication::setApplicationName("VantrelSystemManager");
    QApplication::setApplicationVersion(VSM_VERSION);
    QApplication::setWindowIcon(
        QIcon(QString::fromStdString(nxResourceTable::GetIcon(nxSystemManagerId::IDI_PROGRAM))));
    nxInstallQtMessageBoxHandler();
    nxSetApplicationTitle(nxStringTable::Get(nxStringTable::AppTitleId));

    nxEmbeddedControlService service(options.platform);
    if (!options.openFile.empty())
        theApp.SetStartupDocument(options.openFile);
    if (options.workspace != 0)
        theApp.SetStartupWorkspace(options.workspace);
    theApp.SetLogRowLimit(options.logRowLimit);
    if (screenshot)
    {
        // Driven step by step, not by its own thread, so the picture shows exactly
        // the settle time.
        if (!theApp.InitInstance())
            return 1;
        const int status =
            nxScreenshotRun(theApp, service)
                .Run(WindowResource(options.screenshotWindow), options.settleSeconds, options.screenshotFile);
        theApp.ExitInstance();
        return status;
    }
    service.Start();
    nxDBusDesktopNotifier notifier;
    nxDesktopNotifier::Install(&notifier);
    const int status = theApp.Run();
    nxDesktopNotifier::Install(nullptr);
    return status;
}
