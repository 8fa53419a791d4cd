#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "log/nxLogDataInterest.h"
#include "log/nxLogDataManager.h"
#include "log/nxLogSubscription.h"
#include "nxRecordingListener.h"
#include "platform/messaging/nxLogMessage.h"
#include "platform/service/nxScriptedControlService.h"
#include "status/nxControlDataManager.h"

// Counts the living messages, so tests can prove each is deleted exactly once.
class nxCountedLogMessage : public nxLogMessage
{
public:
    nxCountedLogMessage() { s_alive.fetch_add(1); }
    ~nxCountedLogMessage() override { s_alive.fetch_sub(1); }
    static int Alive() { return s_alive.load(); }

private:
    static inline std::atomic<int> s_alive{0};
};

struct nxLogMessageFields
{
    std::string application = "OrderRouter";
    uint32_t level = 33;
    std::string text = "routine";
    std::string host = "host1";
    uint32_t destination = 0xFFFFFFFFu;
};

inline nxCountedLogMessage* MakeLogMessage(const nxLogMessageFields& wanted)
{
    auto* message = new nxCountedLogMessage();
    message->SetApplicationName(wanted.application);
    message->SetLogLevel(nxLogLevelEnum(wanted.level));
    message->SetLogEntry(wanted.text);
    message->SetHostName(wanted.host);
    message->SetDestinationUserID(nxUInt32ValueWrapper(wanted.destination));
    return message;
}

// A log view as a grid runs it. On closing it lets go of its rows before the
// detach, which deletes the rows of a subscription that goes with it.
struct nxLogTestView
{
    explicit nxLogTestView(const nxLogDataInterest::Filter& filter)
    {
        interest.SetFilter(filter);
        interest.SetListener(&listener);
        EXPECT_TRUE(interest.AttachToDataManager().IsOK());
    }
    ~nxLogTestView() { Close(); }
    void Close()
    {
        if (nxLogDataManager* manager = nxLogDataManager::GetInstance())
        {
            std::lock_guard guard(manager->GetLock());
            interest.SetListener(nullptr);
            listener.OnRemoveAllGridDataObjects(interest);
        }
        interest.DetachFromDataManager();
    }
    nxLogDataInterest interest;
    nxRecordingListener listener;
};

// The log data side as the program runs it: the control data manager makes the
// log data manager, and messages arrive from a scripted service on its thread.
class nxLogPipelineFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_control.Create());
        m_log = nxLogDataManager::GetInstance();
        ASSERT_NE(m_log, nullptr);
    }
    void TearDown() override
    {
        m_views.clear();
        m_control.Destroy();
        EXPECT_EQ(nxLogDataManager::GetInstance(), nullptr);
        EXPECT_EQ(nxCountedLogMessage::Alive(), 0) << "every message deleted exactly once";
    }

    nxLogTestView& Open(const nxLogDataInterest::Filter& filter = {})
    {
        return *m_views.emplace_back(std::make_unique<nxLogTestView>(filter));
    }
    void Send(const nxLogMessageFields& wanted)
    {
        m_service.DeliverLogMessage(MakeLogMessage(wanted));
        m_service.WaitUntilDelivered();
    }
    nxLogSubscription* LiveSubscription()
    {
        std::lock_guard guard(m_log->GetLock());
        return dynamic_cast<nxLogSubscription*>(
            m_log->GetSubscriptionManager().FindSubscription("LogMessage"));
    }
    // The stored row's attribute as text, or "<no row>".
    std::string Text(const std::string& key, nxAttributeID id)
    {
        std::lock_guard guard(m_log->GetLock());
        nxLogDataObject* row = m_log->FindDataObject(key);
        return row ? row->GetAttribute(id)->GetAttributeValueAsString() : "<no row>";
    }

    nxScriptedControlService m_service;
    nxControlDataManager m_control;
    nxLogDataManager* m_log = nullptr;
    std::vector<std::unique_ptr<nxLogTestView>> m_views;
};
