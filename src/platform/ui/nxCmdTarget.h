#pragma once

#include <functional>
#include <map>
#include <vector>

#include "platform/ui/CCmdUI.h"

// Something on the command route (view, document, frame, application) with a
// message map: which commands it handles and how it enables them.
class nxCmdTarget
{
public:
    virtual ~nxCmdTarget() = default;

    // True when this target handles the command (it has then run it).
    virtual bool OnCmdMsg(unsigned id);
    // True when this target decides the command's state: an update handler filled
    // the CCmdUI, or a command handler without one enables it.
    virtual bool OnUpdateCmdUI(CCmdUI& ui);
    bool HandlesCommand(unsigned id) const;

protected:
    void MapCommand(unsigned id, std::function<void()> handler);
    void MapCommandRange(unsigned first, unsigned last, std::function<void(unsigned)> handler);
    void MapUpdateCommandUI(unsigned id, std::function<void(CCmdUI&)> handler);
    void MapUpdateCommandUIRange(unsigned first, unsigned last, std::function<void(CCmdUI&)> handler);

private:
    struct Range
    {
        unsigned first;
        unsigned last;
    };
    std::map<unsigned, std::function<void()>> m_commands;
    std::vector<std::pair<Range, std::function<void(unsigned)>>> m_commandRanges;
    std::map<unsigned, std::function<void(CCmdUI&)>> m_updates;
    std::vector<std::pair<Range, std::function<void(CCmdUI&)>>> m_updateRanges;
};

// The route: the first target that handles a command runs it. False when none does.
bool nxRouteCommand(const std::vector<nxCmdTarget*>& route, unsigned id);
// The state of a command along the route; a command nobody handles is disabled.
CCmdUI nxUpdateCommand(const std::vector<nxCmdTarget*>& route, unsigned id);
