#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "nxRecordingListener.h"
#include "nxTestStatus.h"
#include "platform/base/nxSteadyClock.h"
#include "platform/messaging/nxMessageManager.h"
#include "platform/service/nxScriptedControlService.h"
#include "status/nxControlDataInterest.h"
#include "status/nxControlDataManager.h"

// The status data side on a scripted service and a clock the test moves.
class nxControlPipelineFixture : public ::testing::Test
{
protected:
    struct View
    {
        nxControlDataInterest interest;
        nxRecordingListener listener;
    };

    void SetUp() override { ASSERT_TRUE(m_manager->Create()); }

    void TearDown() override
    {
        for (auto& view : m_views)
            view->interest.DetachFromDataManager();
        m_manager->Destroy();
        m_manager.reset();
        EXPECT_EQ(nxCountedStatus::Alive(), 0) << "every status deleted exactly once";
    }

    View& Open(uint32_t kind, bool expectOK = true)
    {
        m_views.push_back(std::make_unique<View>());
        View& view = *m_views.back();
        view.interest.SetClientServer(nxClientServerEnum(kind));
        view.interest.SetListener(&view.listener);
        const nxErrorEnum attached = view.interest.AttachToDataManager();
        EXPECT_EQ(attached.IsOK(), expectOK) << attached.GetLongDescription();
        return view;
    }

    void Batch(uint32_t kind, std::vector<nxApplicationStatus*> statuses)
    {
        m_service.DeliverStatusBatch(kind, std::move(statuses));
        m_service.WaitUntilDelivered();
    }

    void Snapshot(uint32_t kind, const nxErrorEnum& error, std::vector<nxApplicationStatus*> statuses)
    {
        m_service.AnswerSnapshots(kind, error, std::move(statuses));
        m_service.WaitUntilDelivered();
    }

    void Advance(double seconds)
    {
        m_clock.AdvanceSeconds(seconds);
        nxMessageManager::GetInstance()->RunDueTimers();
    }

    std::string Text(const std::string& key, nxAttributeID id)
    {
        std::lock_guard guard(m_manager->GetLock());
        nxControlDataObject* row = m_manager->FindDataObject(key);
        return row ? row->GetAttribute(id)->GetAttributeValueAsString() : "<no row>";
    }

    nxAttributeHighlightBitMask Highlight(const std::string& key)
    {
        std::lock_guard guard(m_manager->GetLock());
        nxControlDataObject* row = m_manager->FindDataObject(key);
        return row ? row->GetAttribute(9001)->GetAttributeHighlight() : 0;
    }

    nxScopedManualClock m_clock;
    nxScriptedControlService m_service;
    std::unique_ptr<nxControlDataManager> m_manager = std::make_unique<nxControlDataManager>();
    std::vector<std::unique_ptr<View>> m_views;
};
