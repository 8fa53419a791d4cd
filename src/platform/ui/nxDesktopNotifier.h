#pragma once

#include <functional>
#include <string>

// One notification for the desktop, and what a click on it does.
struct nxDesktopNotification
{
    std::string title;
    std::string body;
    // Run on the user-interface thread when the operator clicks the notification.
    std::function<void()> onClicked;
};

// Where desktop notifications go, shown through one installed notifier so that
// grids can ask for them and tests can record them. The program installs the
// desktop's own; with none installed a notification is dropped. User-interface
// thread only.
class nxDesktopNotifier
{
public:
    virtual ~nxDesktopNotifier() = default;
    // Shows it without waiting for the desktop.
    virtual void Notify(nxDesktopNotification notification) = 0;

    // Installs a notifier (null: none) and returns the previous one; the caller keeps ownership.
    static nxDesktopNotifier* Install(nxDesktopNotifier* notifier);
    static nxDesktopNotifier* Installed();
};
