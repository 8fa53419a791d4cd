#include "platform/ui/nxCommandAction.h"

#include "platform/ui/nxStringTable.h"

namespace
{
// "&Copy\tCtrl+C": the text before the tab is the item, after it the shortcut shown.
QString ItemText(const std::string& text)
{
    const size_t tab = text.find('\t');
    return QString::fromStdString(tab == std::string::npos ? text : text.substr(0, tab));
}
} // namespace

nxCommandAction::nxCommandAction(unsigned id, const std::string& text, QObject* parent)
    : QAction(ItemText(text), parent), m_id(id)
{
    setProperty("commandId", id);
    const std::string tip = nxStringTable::StatusTip(id);
    if (!tip.empty())
        setStatusTip(QString::fromStdString(tip));
    const std::string toolTip = nxStringTable::ToolTip(id);
    setToolTip(QString::fromStdString(toolTip.empty() ? ItemText(text).remove('&').toStdString() : toolTip));
    const size_t tab = text.find('\t');
    if (tab != std::string::npos)
        setShortcut(QKeySequence(QString::fromStdString(text.substr(tab + 1))));
}

unsigned nxCommandAction::CommandOf(const QAction* action)
{
    return action ? action->property("commandId").toUInt() : 0;
}
