#include "nxLogPipelineFixture.h"

using LogSubscription = nxLogPipelineFixture;

namespace
{
std::vector<std::string> Calls(const nxScriptedControlService& service)
{
    std::vector<std::string> calls;
    for (const auto& request : service.GetRequests())
        calls.push_back(request.operation + "(" + request.argument + ")");
    return calls;
}
} // namespace

TEST_F(LogSubscription, TwoViewsShareOneSubscriptionWhichEndsWithTheLast)
{
    nxLogTestView& first = Open();
    nxLogTestView& second = Open({.applicationName = "Pricer"});
    EXPECT_EQ(Calls(m_service), (std::vector<std::string>{"SubscribeLogMessages()",
                                                          "SubscribeLogMessagesForUser(4294967295)"}));
    nxLogSubscription* subscription = LiveSubscription();
    ASSERT_NE(subscription, nullptr);
    EXPECT_TRUE(subscription->HasDataInterest(&first.interest) &&
                subscription->HasDataInterest(&second.interest));
    EXPECT_EQ(m_service.GetRequests()[1].callback, static_cast<nxControlCallback*>(subscription));

    m_service.ClearRequests();
    EXPECT_TRUE(second.interest.FetchDataObjects().IsOK());
    EXPECT_EQ(second.listener.m_snapshotsCompleted.load(), 1) << "no snapshot to wait for";
    first.Close();
    EXPECT_TRUE(m_service.GetRequests().empty());
    second.Close();
    EXPECT_EQ(Calls(m_service), (std::vector<std::string>{"UnsubscribeLogMessages()",
                                                          "UnsubscribeLogMessagesForUser(4294967295)"}));
}

TEST_F(LogSubscription, OnlyTheUserStreamsResultDecidesTheAttach)
{
    const nxErrorEnum refused(nxErrorEnum::NotConnected);
    m_service.SetResult("SubscribeLogMessages", refused);
    Open();
    EXPECT_NE(LiveSubscription(), nullptr);
    m_views.back()->Close();
    EXPECT_EQ(Calls(m_service).back(), "UnsubscribeLogMessagesForUser(4294967295)");
    EXPECT_EQ(m_service.CountRequests("UnsubscribeLogMessages"), 0u)
        << "the refused stream is not given back";

    m_service.SetResult("SubscribeLogMessages", {});
    m_service.SetResult("SubscribeLogMessagesForUser", refused);
    m_service.ClearRequests();
    nxLogDataInterest interest;
    EXPECT_EQ(interest.AttachToDataManager(), refused);
    EXPECT_EQ(LiveSubscription(), nullptr);
    interest.DetachFromDataManager();
    EXPECT_EQ(Calls(m_service),
              (std::vector<std::string>{"SubscribeLogMessages()", "SubscribeLogMessagesForUser(4294967295)",
                                        "UnsubscribeLogMessages()"}))
        << "only the granted stream is given back";
}

TEST_F(LogSubscription, EveryMessageIsDeletedOnceWhetherKeptDroppedOrNull)
{
    nxLogTestView& view = Open({.logLevels = {nxLogLevelEnum(36)}});
    nxLogSubscription* subscription = LiveSubscription();
    for (nxLogMessage* message :
         std::vector<nxLogMessage*>{MakeLogMessage({.level = 36}), MakeLogMessage({.level = 35}), nullptr})
        m_service.Post([subscription, message] { subscription->OnLogMessage(message, nullptr); });
    m_service.WaitUntilDelivered();
    EXPECT_EQ(nxCountedLogMessage::Alive(), 0);
    EXPECT_EQ(view.listener.RowCount(), 1u);
    EXPECT_EQ(m_log->GetLogSequenceNumber(), -2) << "a null message is not filed";
}

TEST(LogSubscriptionWithoutManager, AMessageIsDeletedAndDropped)
{
    nxLogSubscription stray;
    ASSERT_EQ(nxLogDataManager::GetInstance(), nullptr);
    stray.OnLogMessage(MakeLogMessage({.application = "ControlServer"}), nullptr);
    EXPECT_EQ(nxCountedLogMessage::Alive(), 0);
}

// The store keeps the subscription's list of views from one message to the
// next: a view that joins or leaves in between must be asked about the very next one.
TEST_F(LogSubscription, AViewJoiningOrLeavingBetweenMessagesIsHeardFromAtTheNext)
{
    nxLogTestView& first = Open({.applicationName = "Pricer"});
    Send({.application = "Pricer"});
    nxLogTestView& second = Open({.applicationName = "Pricer"});
    Send({.application = "Pricer"});
    EXPECT_EQ(first.listener.RowCount(), 2u);
    EXPECT_EQ(second.listener.RowCount(), 1u) << "asked about the message after it joined";

    first.Close();
    Send({.application = "Pricer"});
    EXPECT_EQ(first.listener.RowCount(), 0u) << "not told once it left";
    EXPECT_EQ(second.listener.RowCount(), 2u);

    nxLogTestView& third = Open({.applicationName = "Pricer"});
    second.Close();
    Send({.application = "Pricer"});
    EXPECT_EQ(third.listener.RowCount(), 1u) << "the list changed twice between two messages";
    EXPECT_EQ(second.listener.RowCount(), 0u);
}
