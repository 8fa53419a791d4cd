#pragma once

// The program's menus, keys, toolbars, icons, dialog templates and texts, put in
// the resource, dialog and string tables once, before the first window is made.
class nxSystemManagerResources
{
public:
    static void Register();

private:
    static void RegisterMenus();
    static void RegisterToolBars();
    static void RegisterIcons();
    static void RegisterStrings();
};
