#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "nxGridRowTexts.h"
#include "nxShadowFlushSink.h"
#include "nxTestStatus.h"
#include "platform/base/nxSteadyClock.h"
#include "platform/grid/CGridCell.h"
#include "platform/grid/CGridRow.h"
#include "platform/grid/data/CGridLockGuard.h"
#include "platform/service/nxScriptedControlService.h"
#include "status/nxControlDataInterest.h"
#include "status/nxControlDataManager.h"

// An application grid without a window, fed by a scripted service through the
// control data manager and an interest of the grid's kind, flushed by hand through
// a sink that checks every signal.
template <class Manager> class nxStatusGridFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_data->Create());
        m_grid->Initialize();
        auto* interest = new nxControlDataInterest();
        interest->SetClientServer(m_grid->GetClientServer());
        ASSERT_TRUE(m_grid->AddDataInterest(interest, true).IsOK());
        interest->FetchDataObjects();
        Flush();
    }

    void TearDown() override
    {
        m_grid.reset();
        m_data->Destroy();
        m_data.reset();
    }

    // Delivers a whole image of the grid's kind; the grid takes it in at the next flush.
    void Deliver(std::vector<nxApplicationStatus*> statuses)
    {
        m_service.DeliverStatusBatch(m_grid->GetClientServer().GetValue(), std::move(statuses));
        m_service.WaitUntilDelivered();
    }
    void Deliver(std::initializer_list<nxStatusFields> fields)
    {
        std::vector<nxApplicationStatus*> statuses;
        for (nxStatusFields wanted : fields)
        {
            if (m_grid->GetClientServer().GetValue() == nxClientValue)
                wanted.type = 7101;
            statuses.push_back(MakeStatus(wanted));
        }
        Deliver(std::move(statuses));
    }
    void Batch(std::initializer_list<nxStatusFields> fields)
    {
        Deliver(fields);
        Flush();
    }

    CGridFlushResult Flush()
    {
        nxShadowFlushSink sink(*m_grid);
        const CGridFlushResult result = m_grid->Flush(sink);
        m_signals = sink.m_counts;
        return result;
    }

    // The texts of one column (0 host, 1 name, 2 id) in display order.
    std::vector<std::string> Column(size_t column = 2) const
    {
        return nxGridRowTexts::Column(*m_grid, column);
    }
    CGridRow* Row(const std::string& id) const { return nxGridRowTexts::Find(*m_grid, 2, id); }

    nxScopedManualClock m_clock;
    nxScriptedControlService m_service;
    std::unique_ptr<nxControlDataManager> m_data = std::make_unique<nxControlDataManager>();
    std::unique_ptr<Manager> m_grid = std::make_unique<Manager>(nullptr);
    nxShadowFlushSink::Counts m_signals;
};
