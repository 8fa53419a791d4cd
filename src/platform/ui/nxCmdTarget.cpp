#include "platform/ui/nxCmdTarget.h"

bool nxCmdTarget::OnCmdMsg(unsigned id)
{
    if (auto found = m_commands.find(id); found != m_commands.end())
    {
        found->second();
        return true;
    }
    for (auto& [range, handler] : m_commandRanges)
        if (id >= range.first && id <= range.last)
        {
            handler(id);
            return true;
        }
    return false;
}

bool nxCmdTarget::OnUpdateCmdUI(CCmdUI& ui)
{
    if (auto found = m_updates.find(ui.m_nID); found != m_updates.end())
    {
        found->second(ui);
        return true;
    }
    for (auto& [range, handler] : m_updateRanges)
        if (ui.m_nID >= range.first && ui.m_nID <= range.last)
        {
            handler(ui);
            return true;
        }
    if (HandlesCommand(ui.m_nID))
    {
        ui.Enable(true);
        return true;
    }
    return false;
}

bool nxCmdTarget::HandlesCommand(unsigned id) const
{
    if (m_commands.count(id))
        return true;
    for (const auto& [range, handler] : m_commandRanges)
        if (id >= range.first && id <= range.last)
            return true;
    return false;
}

void nxCmdTarget::MapCommand(unsigned id, std::function<void()> handler)
{
    m_commands[id] = std::move(handler);
}

void nxCmdTarget::MapCommandRange(unsigned first, unsigned last, std::function<void(unsigned)> handler)
{
    m_commandRanges.push_back({{first, last}, std::move(handler)});
}

void nxCmdTarget::MapUpdateCommandUI(unsigned id, std::function<void(CCmdUI&)> handler)
{
    m_updates[id] = std::move(handler);
}

void nxCmdTarget::MapUpdateCommandUIRange(unsigned first, unsigned last, std::function<void(CCmdUI&)> handler)
{
    m_updateRanges.push_back({{first, last}, std::move(handler)});
}

bool nxRouteCommand(const std::vector<nxCmdTarget*>& route, unsigned id)
{
    for (nxCmdTarget* target : route)
        if (target && target->OnCmdMsg(id))
            return true;
    return false;
}

CCmdUI nxUpdateCommand(const std::vector<nxCmdTarget*>& route, unsigned id)
{
    CCmdUI ui(id);
    for (nxCmdTarget* target : route)
        if (target && target->OnUpdateCmdUI(ui))
            return ui;
    ui.Enable(false);
    return ui;
}
