#include "platform/ui/nxDesktopNotifier.h"

#include <utility>

namespace
{
nxDesktopNotifier* g_installed = nullptr;
} // namespace

nxDesktopNotifier* nxDesktopNotifier::Install(nxDesktopNotifier* notifier)
{
    return std::exchange(g_installed, notifier);
}

nxDesktopNotifier* nxDesktopNotifier::Installed()
{
    return g_installed;
}
