#include "platform/ui/CButton.h"

#include <QAbstractButton>

int CButton::GetCheck() const
{
    auto* button = qobject_cast<QAbstractButton*>(m_widget.data());
    return button && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CButton::SetCheck(int check)
{
    if (auto* button = qobject_cast<QAbstractButton*>(m_widget.data()))
        button->setChecked(check == BST_CHECKED);
}
