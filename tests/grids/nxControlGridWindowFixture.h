#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "nxMessageBoxInterceptor.h"
#include "nxTestStatus.h"
#include "platform/base/nxSteadyClock.h"
#include "platform/grid/window/nxGridTableModel.h"
#include "platform/grid/window/nxGridTableView.h"
#include "platform/grid/window/nxGridWndTemplate.h"
#include "platform/service/nxScriptedControlService.h"
#include "status/nxControlDataInterest.h"
#include "status/nxControlDataManager.h"

// An application grid in its window, shown offscreen, fed by a scripted service.
template <class Manager> class nxControlGridWindowFixture : public ::testing::Test
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
    void Batch(std::initializer_list<nxStatusFields> fields)
    {
        std::vector<nxApplicationStatus*> statuses;
        const uint32_t kind = Grid().GetClientServer().GetValue();
        for (nxStatusFields wanted : fields)
        {
            wanted.type = kind == nxClientValue ? 7101 : 7001;
            statuses.push_back(MakeStatus(wanted));
        }
        m_service.DeliverStatusBatch(kind, std::move(statuses));
        m_service.WaitUntilDelivered();
        m_window->FlushNow();
    }

    nxScopedManualClock m_clock;
    nxScriptedControlService m_service;
    nxMessageBoxInterceptor m_boxes;
    std::unique_ptr<nxControlDataManager> m_data = std::make_unique<nxControlDataManager>();
    std::unique_ptr<nxGridWndTemplate<Manager, 0>> m_window;
};
