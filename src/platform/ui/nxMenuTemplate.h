#pragma once

#include <string>
#include <vector>

// One entry of a menu resource: a command with its text ("&Copy\tCtrl+C": the item,
// then the shortcut shown), a separator, or a popup of further entries.
struct nxMenuItemTemplate
{
    enum class Kind
    {
        Command,
        Separator,
        Popup,
    };

    static nxMenuItemTemplate Command(unsigned id, std::string text) { return {Kind::Command, id, text, {}}; }
    static nxMenuItemTemplate Separator() { return {Kind::Separator, 0, {}, {}}; }
    static nxMenuItemTemplate Popup(std::string text, std::vector<nxMenuItemTemplate> items)
    {
        return {Kind::Popup, 0, std::move(text), std::move(items)};
    }

    Kind kind = Kind::Separator;
    unsigned id = 0;
    std::string text;
    std::vector<nxMenuItemTemplate> items;
};

// A menu bar resource: its popups in order.
struct nxMenuTemplate
{
    unsigned id = 0;
    std::vector<nxMenuItemTemplate> popups;
};

// A key that runs a command, written as Qt writes key sequences ("Ctrl+Insert").
struct nxAccelerator
{
    std::string keys;
    unsigned id = 0;
};
