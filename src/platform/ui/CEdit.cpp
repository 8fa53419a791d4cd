#include "platform/ui/CEdit.h"

#include <QLineEdit>

void CEdit::SetReadOnly(bool readOnly)
{
    if (auto* edit = qobject_cast<QLineEdit*>(m_widget.data()))
        edit->setReadOnly(readOnly);
}

bool CEdit::IsReadOnly() const
{
    auto* edit = qobject_cast<QLineEdit*>(m_widget.data());
    return edit && edit->isReadOnly();
}

void CEdit::SetSel(int first, int last)
{
    auto* edit = qobject_cast<QLineEdit*>(m_widget.data());
    if (!edit)
        return;
    const int end = last < 0 ? static_cast<int>(edit->text().size()) : last;
    edit->setSelection(first, end - first);
}
