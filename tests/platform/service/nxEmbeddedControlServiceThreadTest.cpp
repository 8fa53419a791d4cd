#include <chrono>
#include <thread>

#include "nxEmbeddedPlatformFixture.h"

namespace
{
using EmbeddedPlatformThread = nxEmbeddedPlatformFixture;

// Polls for up to two seconds; the platform's own thread makes the deliveries.
template <class Condition> bool Eventually(Condition&& condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!condition())
    {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// Gives up its own subscription from inside its first batch, and asks the platform for more.
class QuittingCallback : public nxRecordingControlCallback
{
public:
    explicit QuittingCallback(nxEmbeddedControlService& service) : m_service(service) {}

    void OnApplicationStatusUpdate(std::vector<nxApplicationStatus*>& statuses, void* context) override
    {
        nxRecordingControlCallback::OnApplicationStatusUpdate(statuses, context);
        m_advancedInside = m_service.RunFor(1);
        m_service.GetApplicationStatusSnapshot(this, nullptr, nxClientServerEnum(nxServerValue));
        m_service.UnsubscribeApplicationStatus(this, nxClientServerEnum(nxServerValue));
    }

    bool m_advancedInside = true;

private:
    nxEmbeddedControlService& m_service;
};
} // namespace

TEST_F(EmbeddedPlatformThread, ItsThreadDeliversUntilUnsubscribedOrDestroyed)
{
    m_options.statusPeriodSeconds = 0.01;
    m_options.logMessagesPerSecond = 2000;
    nxEmbeddedControlService& service = Make();
    nxRecordingControlCallback servers;
    nxRecordingControlCallback others;
    Subscribe(servers, nxServerValue);
    Subscribe(others, nxClientValue);
    service.SubscribeLogMessages(&others, nullptr);
    service.Start();
    EXPECT_FALSE(service.AdvanceTo(100)) << "its own thread moves it";

    ASSERT_TRUE(Eventually([&] { return servers.BatchCount() >= 3 && others.MessageCount() > 0; }));
    service.GetApplicationStatusSnapshot(&servers, nullptr, nxClientServerEnum(nxServerValue));
    EXPECT_TRUE(Eventually([&] { return servers.Snapshots().size() == 1; }));

    Unsubscribe(servers, nxServerValue);
    const size_t frozen = servers.BatchCount();
    ASSERT_TRUE(Eventually([&] { return others.BatchCount() >= 3; }));
    m_service.reset(); // still subscribed
    const size_t batches = others.BatchCount();
    const size_t messages = others.MessageCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(servers.BatchCount(), frozen);
    EXPECT_EQ(others.BatchCount(), batches);
    EXPECT_EQ(others.MessageCount(), messages);
}

TEST_F(EmbeddedPlatformThread, ACallbackMayCallThePlatformBackFromADelivery)
{
    m_options.statusPeriodSeconds = 0.1;
    nxEmbeddedControlService& service = Make();
    QuittingCallback quitter(service);
    Subscribe(quitter, nxServerValue);
    service.RunFor(0.3);
    EXPECT_FALSE(quitter.m_advancedInside);
    EXPECT_EQ(quitter.BatchCount(), 1u);
    EXPECT_TRUE(quitter.Snapshots().empty()) << "dropped with the subscription";

    service.Start();
    nxRecordingControlCallback servers;
    Subscribe(servers, nxServerValue);
    ASSERT_TRUE(Eventually([&] { return servers.BatchCount() >= 1; }));
    service.Stop();
    EXPECT_FALSE(service.IsRunning());
    const size_t batches = servers.BatchCount();
    EXPECT_TRUE(service.RunFor(2)) << "driven again once stopped";
    EXPECT_EQ(servers.BatchCount(), batches + 20);
    Unsubscribe(servers, nxServerValue);
}
