#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "nxTestStatus.h"
#include "platform/base/nxSteadyClock.h"
#include "platform/grid/window/nxGridTableModel.h"
#include "platform/grid/window/nxGridTableView.h"
#include "platform/grid/window/nxGridWndTemplate.h"
#include "platform/service/nxScriptedControlService.h"
#include "status/nxControlDataInterest.h"
#include "status/nxControlDataManager.h"

// An application grid in its window, shown offscreen, fed by a scripted service.
template <class Manager> class nxStatusGridWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_data->Create());
        m_window = std::make_unique<nxGridWndTemplate<Manager, 0>>();
        m_window->resize(640, 360);
        m_window->show();
        auto* interest = new nxControlDataInterest();
        interest->SetClientServer(Grid().GetClientServer());
        ASSERT_TRUE(Grid().AddDataInterest(interest, true).IsOK());
        interest->FetchDataObjects();
        m_window->FlushNow();
    }

    void TearDown() override
    {
        m_window.reset();
        m_data->Destroy();
        m_data.reset();
    }

    Manager& Grid() { return *m_window->GetGridManager(); }
    nxGridTableModel& Model() { return *m_window->GetModel(); }
    nxGridTableView& View() { return *m_window->GetTableView(); }

    // Delivers a whole image of the grid's kind and flushes.
    void Batch(std::vector<nxApplicationStatus*> statuses)
    {
        m_service.DeliverStatusBatch(Grid().GetClientServer().GetValue(), std::move(statuses));
        m_service.WaitUntilDelivered();
        m_window->FlushNow();
    }
    void Batch(std::initializer_list<nxStatusFields> fields)
    {
        std::vector<nxApplicationStatus*> statuses;
        for (nxStatusFields wanted : fields)
        {
            if (Grid().GetClientServer().GetValue() == nxClientValue)
                wanted.type = 7101;
            statuses.push_back(MakeStatus(wanted));
        }
        Batch(std::move(statuses));
    }

    nxScopedManualClock m_clock;
    nxScriptedControlService m_service;
    std::unique_ptr<nxControlDataManager> m_data = std::make_unique<nxControlDataManager>();
    std::unique_ptr<nxGridWndTemplate<Manager, 0>> m_window;
};
