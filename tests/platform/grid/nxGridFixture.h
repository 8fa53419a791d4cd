#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "nxGridRowTexts.h"
#include "nxShadowFlushSink.h"
#include "nxTestGridManager.h"
#include "nxTestStatus.h"
#include "platform/base/nxSteadyClock.h"
#include "platform/grid/CGridCell.h"
#include "platform/grid/CGridRow.h"
#include "platform/grid/data/CGridLockGuard.h"
#include "platform/service/nxScriptedControlService.h"
#include "status/nxControlDataInterest.h"
#include "status/nxControlDataManager.h"

// A test grid of server applications fed by a scripted service, flushed by hand
// through a sink that checks every signal.
class nxGridFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_data->Create());
        m_grid->Initialize();
        auto* interest = new nxControlDataInterest();
        interest->SetClientServer(nxClientServerEnum(72));
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

    void Batch(std::vector<nxApplicationStatus*> statuses)
    {
        m_service.DeliverStatusBatch(72, std::move(statuses));
        m_service.WaitUntilDelivered();
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

    static std::vector<nxApplicationStatus*> Servers(std::initializer_list<nxStatusFields> fields)
    {
        std::vector<nxApplicationStatus*> statuses;
        for (const nxStatusFields& wanted : fields)
            statuses.push_back(MakeStatus(wanted));
        return statuses;
    }

    nxScopedManualClock m_clock;
    nxScriptedControlService m_service;
    std::unique_ptr<nxControlDataManager> m_data = std::make_unique<nxControlDataManager>();
    std::unique_ptr<nxTestGridManager> m_grid = std::make_unique<nxTestGridManager>();
    nxShadowFlushSink::Counts m_signals;
};
