#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <functional>
#include <map>

#include "platform/ui/nxDesktopNotifier.h"

class QDBusPendingCallWatcher;
class nxNotificationServiceSignals;

// Desktop notifications through the desktop's notification service on the
// session bus. Each is sent without waiting, with a default action; the service's
// answer gives its number, by which a click (ActionInvoked) finds what to do,
// until the service reports it closed. Without a session bus or a notification
// service the notifications are dropped and one line says why.
class nxDBusDesktopNotifier : public QObject, public nxDesktopNotifier
{
    Q_OBJECT

public:
    using ConnectionFactory = std::function<QDBusConnection()>;
    // Clicks waiting for notifications the service never reported closed, at most.
    static constexpr size_t MaxOpen = 200;

    // The bus is reached at the first notification (the session bus unless told otherwise).
    explicit nxDBusDesktopNotifier(ConnectionFactory connect = &QDBusConnection::sessionBus,
                                   QObject* parent = nullptr);
    ~nxDBusDesktopNotifier() override;

    void Notify(nxDesktopNotification notification) override;
    size_t GetOpenCount() const { return m_open.size(); }

private:
    bool Connect();
    void OnNotifyAnswered(QDBusPendingCallWatcher* call, std::function<void()> onClicked);
    void OnActionInvoked(uint id, const QString& actionKey);
    void ReportUnavailable(const QString& reason);

    ConnectionFactory m_connect;
    QDBusConnection m_bus;
    nxNotificationServiceSignals* m_signals = nullptr;
    bool m_tried = false;
    bool m_reported = false;
    std::map<uint, std::function<void()>> m_open;
};
