#pragma once

#include <QDBusAbstractInterface>

// The signals of the desktop's notification service, as Qt signals. Made
// without a service name, it listens to whichever program serves the
// notifications, and asks the bus nothing while it is made.
class nxNotificationServiceSignals : public QDBusAbstractInterface
{
    Q_OBJECT

public:
    static constexpr const char* Service = "org.freedesktop.Notifications";
    static constexpr const char* Path = "/org/freedesktop/Notifications";
    static constexpr const char* Interface = "org.freedesktop.Notifications";

    nxNotificationServiceSignals(const QDBusConnection& connection, QObject* parent);

signals:
    void ActionInvoked(uint id, const QString& actionKey);
    void NotificationClosed(uint id, uint reason);
};
