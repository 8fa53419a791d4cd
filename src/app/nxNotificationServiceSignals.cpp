#include "app/nxNotificationServiceSignals.h"

nxNotificationServiceSignals::nxNotificationServiceSignals(const QDBusConnection& connection, QObject* parent)
    : QDBusAbstractInterface(QString(), Path, Interface, connection, parent)
{
}
