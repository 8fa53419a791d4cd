#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/nxMenuTemplate.h"

// The program's window resources by id, as a resource file holds them: menus,
// accelerator tables, toolbars (command ids in order, 0 for a separator), toolbar
// bitmaps (an image per command, as Qt resource paths) and icons. A window type's
// resources share its id. Registered once at start-up, read by the frames.
class nxResourceTable
{
public:
    static void RegisterMenu(const nxMenuTemplate& menu);
    static std::optional<nxMenuTemplate> GetMenu(unsigned id);

    static void RegisterAccelerators(unsigned id, std::vector<nxAccelerator> accelerators);
    static std::vector<nxAccelerator> GetAccelerators(unsigned id);

    static void RegisterToolBar(unsigned id, std::vector<unsigned> buttons);
    static std::optional<std::vector<unsigned>> GetToolBar(unsigned id);

    static void RegisterToolBarBitmap(unsigned id, std::map<unsigned, std::string> images);
    static std::map<unsigned, std::string> GetToolBarBitmap(unsigned id);

    static void RegisterIcon(unsigned id, std::string path);
    // Empty when the id has no icon.
    static std::string GetIcon(unsigned id);
};
