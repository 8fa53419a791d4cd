#pragma once

#include <QAction>
#include <string>

// A menu item or toolbar button that carries its command id. Its status-bar tip
// and tooltip come from the string table's prompt for the id.
class nxCommandAction : public QAction
{
    Q_OBJECT

public:
    nxCommandAction(unsigned id, const std::string& text, QObject* parent);
    unsigned GetCommandID() const { return m_id; }

    // The id an action carries, or 0 for an action that is no command.
    static unsigned CommandOf(const QAction* action);

private:
    unsigned m_id;
};
