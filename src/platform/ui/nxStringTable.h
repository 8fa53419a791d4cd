#pragma once

#include <string>

// The operator's texts by id: command prompts ("status-bar tip\ntooltip"), titles
// and captions. Each text is registered once; the framework's own come built in.
class nxStringTable
{
public:
    // The application's title, for captions of boxes without one.
    static constexpr unsigned AppTitleId = 57344;

    // Registers (or replaces) the text of an id.
    static void Register(unsigned id, std::string text);
    // Empty when the id has no text.
    static std::string Get(unsigned id);
    static bool Has(unsigned id);

    // The parts of a prompt: before "\n" the status-bar tip, after it the tooltip.
    static std::string StatusTip(unsigned id);
    static std::string ToolTip(unsigned id);
};
