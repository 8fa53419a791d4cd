#include "app/nxDBusDesktopNotifier.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

#include "app/nxNotificationServiceSignals.h"
#include "platform/base/nxLog.h"

namespace
{
constexpr const char* kLogSource = "nxDBusDesktopNotifier";
constexpr const char* kDefaultAction = "default";
} // namespace

nxDBusDesktopNotifier::nxDBusDesktopNotifier(ConnectionFactory connect, QObject* parent)
    : QObject(parent), m_connect(std::move(connect)), m_bus(QString())
{
}

nxDBusDesktopNotifier::~nxDBusDesktopNotifier() = default;

bool nxDBusDesktopNotifier::Connect()
{
    if (!m_tried)
    {
        m_tried = true;
        m_bus = m_connect();
        if (m_bus.isConnected())
        {
            m_signals = new nxNotificationServiceSignals(m_bus, this);
            connect(m_signals, &nxNotificationServiceSignals::ActionInvoked, this,
                    &nxDBusDesktopNotifier::OnActionInvoked);
            connect(m_signals, &nxNotificationServiceSignals::NotificationClosed, this,
                    [this](uint id, uint) { m_open.erase(id); });
        }
    }
    if (!m_bus.isConnected())
    {
        const QString why = m_bus.lastError().message();
        ReportUnavailable(why.isEmpty() ? QStringLiteral("no session bus") : "no session bus (" + why + ")");
    }
    return m_bus.isConnected();
}

void nxDBusDesktopNotifier::Notify(nxDesktopNotification notification)
{
    if (!Connect())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(nxNotificationServiceSignals::Service,
                                                       nxNotificationServiceSignals::Path,
                                                       nxNotificationServiceSignals::Interface, "Notify");
    // The body may be read as markup: its text is escaped.
    call << QCoreApplication::applicationName() << 0u << QString()
         << QString::fromStdString(notification.title)
         << QString::fromStdString(notification.body).toHtmlEscaped()
         << QStringList{kDefaultAction, QCoreApplication::translate("nxDBusDesktopNotifier", "Show")}
         << QVariantMap{} << -1;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, onClicked = std::move(notification.onClicked)](QDBusPendingCallWatcher* answered)
            { OnNotifyAnswered(answered, onClicked); });
}

void nxDBusDesktopNotifier::OnNotifyAnswered(QDBusPendingCallWatcher* call, std::function<void()> onClicked)
{
    call->deleteLater();
    const QDBusPendingReply<uint> reply = *call;
    if (reply.isError())
    {
        ReportUnavailable("the notification service answered: " + reply.error().message());
        return;
    }
    m_open[reply.value()] = std::move(onClicked);
    // Services that never report a notification closed would grow this for ever.
    while (m_open.size() > MaxOpen)
        m_open.erase(m_open.begin());
}

void nxDBusDesktopNotifier::OnActionInvoked(uint id, const QString& actionKey)
{
    const auto found = m_open.find(id);
    if (found == m_open.end() || actionKey != kDefaultAction)
        return;
    const std::function<void()> onClicked = found->second;
    if (onClicked)
        onClicked();
}

void nxDBusDesktopNotifier::ReportUnavailable(const QString& reason)
{
    if (m_reported)
        return;
    m_reported = true;
    nxLog(nxLogLevelEnum(nxLogLevel::Warning), kLogSource)
        << "Desktop notifications are not shown: " << reason.toStdString();
}
