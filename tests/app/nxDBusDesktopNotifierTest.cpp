#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QVariantMap>
#include <gtest/gtest.h>

#include "app/nxDBusDesktopNotifier.h"
#include "nxLogCapture.h"

namespace
{
constexpr const char* kPath = "/org/freedesktop/Notifications";
constexpr const char* kInterface = "org.freedesktop.Notifications";

// A notification service of its own on a private bus: it numbers what it is sent.
class FakeNotificationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Sent
    {
        QString title, body;
        QStringList actions;
    };
    std::vector<Sent> m_sent;

public slots:
    uint Notify(const QString&, uint, const QString&, const QString& title, const QString& body,
                const QStringList& actions, const QVariantMap&, int)
    {
        m_sent.push_back({title, body, actions});
        return static_cast<uint>(m_sent.size()) + 40;
    }
};

// A bus daemon for one test, ended with it.
class PrivateBus
{
public:
    PrivateBus()
    {
        const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
        if (daemon.isEmpty())
            return;
        m_daemon.start(daemon, {"--session", "--nofork", "--print-address"});
        if (m_daemon.waitForReadyRead(5000))
            m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        QDBusConnection::disconnectFromBus("nxTestService");
        QDBusConnection::disconnectFromBus("nxTestClient");
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
    const QString& Address() const { return m_address; }
    QDBusConnection Connect(const QString& name) const
    {
        return QDBusConnection::connectToBus(m_address, name);
    }

private:
    QProcess m_daemon;
    QString m_address;
};

void Emit(QDBusConnection& bus, const char* signal, const QVariantList& arguments)
{
    QDBusMessage message = QDBusMessage::createSignal(kPath, kInterface, signal);
    message.setArguments(arguments);
    ASSERT_TRUE(bus.send(message));
}
} // namespace

TEST(nxDBusDesktopNotifier, TheServiceShowsItWithADefaultActionAndItsClickRunsUntilClosed)
{
    PrivateBus bus;
    if (bus.Address().isEmpty())
        GTEST_SKIP() << "no dbus-daemon to run a private bus";
    nxLogCapture log;
    nxDBusDesktopNotifier notifier([&bus] { return bus.Connect("nxTestClient"); });

    // No service on the bus yet: one line, and the program carries on.
    notifier.Notify({"Application missing", "A on host1", {}});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !log.FromSource("nxDBusDesktopNotifier").empty(); }));
    EXPECT_NE(log.FromSource("nxDBusDesktopNotifier")[0].line.find("the notification service answered"),
              std::string::npos);

    QDBusConnection service = bus.Connect("nxTestService");
    FakeNotificationService fake;
    ASSERT_TRUE(service.registerObject(kPath, &fake, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(service.registerService(kInterface));
    int clicks = 0;
    notifier.Notify({"Critical log message", "Pricer on h1: <b>x</b> & y", [&clicks] { ++clicks; }});
    ASSERT_TRUE(QTest::qWaitFor([&] { return notifier.GetOpenCount() == 1; }));
    ASSERT_EQ(fake.m_sent.size(), 1u);
    EXPECT_EQ(fake.m_sent[0].title, "Critical log message");
    EXPECT_EQ(fake.m_sent[0].body, "Pricer on h1: &lt;b&gt;x&lt;/b&gt; &amp; y");
    ASSERT_GE(fake.m_sent[0].actions.size(), 2);
    EXPECT_EQ(fake.m_sent[0].actions[0], "default");

    Emit(service, "ActionInvoked", {41u, QString("other")});
    Emit(service, "ActionInvoked", {99u, QString("default")});
    Emit(service, "ActionInvoked", {41u, QString("default")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return clicks == 1; }));
    Emit(service, "NotificationClosed", {41u, 2u});
    ASSERT_TRUE(QTest::qWaitFor([&] { return notifier.GetOpenCount() == 0; }));
    Emit(service, "ActionInvoked", {41u, QString("default")});
    QTest::qWait(100);
    EXPECT_EQ(clicks, 1) << "closed: a late click does nothing";
    EXPECT_EQ(log.FromSource("nxDBusDesktopNotifier").size(), 1u);
}

#include "nxDBusDesktopNotifierTest.moc"
