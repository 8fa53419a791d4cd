#include "platform/ui/nxQtMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <mutex>

namespace
{
std::mutex g_titleLock;
std::string g_title;

QMessageBox::Icon IconOf(unsigned flags)
{
    switch (flags & 0xF0)
    {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons ButtonsOf(unsigned flags)
{
    switch (flags & 0xF)
    {
    case MB_OKCANCEL:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNOCANCEL:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MB_YESNO:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

int AnswerOf(int button)
{
    switch (button)
    {
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return IDOK;
    }
}

int ShowBox(const nxMessageBoxRequest& request)
{
    // Boxes belong to the window thread; anything else is a fault, answered safely.
    if (!qApp || QThread::currentThread() != qApp->thread())
        return (request.flags & 0xF) == MB_OK ? IDOK : IDCANCEL;
    const QString caption =
        QString::fromStdString(request.caption.empty() ? nxGetApplicationTitle() : request.caption);
    QMessageBox box(IconOf(request.flags), caption, QString::fromStdString(request.text),
                    ButtonsOf(request.flags), nxWidgetOf(request.owner));
    if ((request.flags & 0xF) == MB_YESNOCANCEL || (request.flags & 0xF) == MB_OKCANCEL)
        box.setEscapeButton(QMessageBox::Cancel);
    return AnswerOf(box.exec());
}
} // namespace

nxWindowRef nxWindowRefOf(QWidget* widget)
{
    return nxWindowRef::FromOpaque(static_cast<void*>(widget));
}

QWidget* nxWidgetOf(nxWindowRef owner)
{
    return static_cast<QWidget*>(owner.GetOpaque());
}

void nxInstallQtMessageBoxHandler()
{
    nxSetMessageBoxHandler(&ShowBox);
}

void nxSetApplicationTitle(const std::string& title)
{
    std::lock_guard guard(g_titleLock);
    g_title = title;
}

std::string nxGetApplicationTitle()
{
    std::lock_guard guard(g_titleLock);
    if (!g_title.empty())
        return g_title;
    return qApp ? QApplication::applicationDisplayName().toStdString() : std::string();
}
