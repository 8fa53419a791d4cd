#include "platform/ui/CWnd.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>

int CWnd::GetDlgCtrlID() const
{
    return m_widget ? m_widget->property("dlgCtrlId").toInt() : 0;
}

void CWnd::EnableWindow(bool enable)
{
    if (m_widget)
        m_widget->setEnabled(enable);
}

bool CWnd::IsWindowEnabled() const
{
    return m_widget && m_widget->isEnabled();
}

void CWnd::ShowWindow(bool show)
{
    if (m_widget)
        m_widget->setVisible(show);
}

void CWnd::SetFocus()
{
    if (m_widget)
        m_widget->setFocus(Qt::OtherFocusReason);
}

bool CWnd::HasFocus() const
{
    return m_widget && m_widget->hasFocus();
}

void CWnd::Invalidate()
{
    if (m_widget)
        m_widget->update();
}

std::string CWnd::GetWindowText() const
{
    if (auto* edit = qobject_cast<QLineEdit*>(m_widget.data()))
        return edit->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(m_widget.data()))
        return label->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(m_widget.data()))
        return button->text().toStdString();
    if (auto* group = qobject_cast<QGroupBox*>(m_widget.data()))
        return group->title().toStdString();
    return m_widget ? m_widget->windowTitle().toStdString() : std::string();
}

void CWnd::SetWindowText(const std::string& text)
{
    const QString value = QString::fromStdString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(m_widget.data()))
        edit->setText(value);
    else if (auto* label = qobject_cast<QLabel*>(m_widget.data()))
        label->setText(value);
    else if (auto* button = qobject_cast<QAbstractButton*>(m_widget.data()))
        button->setText(value);
    else if (auto* group = qobject_cast<QGroupBox*>(m_widget.data()))
        group->setTitle(value);
    else if (m_widget)
        m_widget->setWindowTitle(value);
}

QRect CWnd::GetWindowRect() const
{
    if (!m_widget)
        return {};
    return QRect(m_widget->mapToGlobal(QPoint(0, 0)), m_widget->size());
}

void CWnd::MoveWindowToScreenRect(const QRect& screenRect)
{
    if (!m_widget)
        return;
    QWidget* parent = m_widget->parentWidget();
    const QPoint topLeft = parent ? parent->mapFromGlobal(screenRect.topLeft()) : screenRect.topLeft();
    m_widget->setGeometry(QRect(topLeft, screenRect.size()));
    m_widget->update();
}
