#pragma once

#include <QApplication>
#include <QImage>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>

#include "nxTestGridManager.h"
#include "nxTestStatus.h"
#include "platform/base/nxSteadyClock.h"
#include "platform/grid/CGridCell.h"
#include "platform/grid/CGridRow.h"
#include "platform/grid/data/CGridLockGuard.h"
#include "platform/grid/nxGridCell.h"
#include "platform/grid/window/nxGridTableModel.h"
#include "platform/grid/window/nxGridTableView.h"
#include "platform/grid/window/nxGridWndTemplate.h"
#include "platform/service/nxScriptedControlService.h"
#include "status/nxControlDataInterest.h"
#include "status/nxControlDataManager.h"

using nxTestGridWnd = nxGridWndTemplate<nxTestGridManager, 0>;

// A test grid window of server applications, shown offscreen, fed by a scripted service.
class nxGridWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_data->Create());
        m_window = std::make_unique<nxTestGridWnd>();
        m_window->resize(640, 360);
        m_window->show();
        auto* interest = new nxControlDataInterest();
        interest->SetClientServer(nxClientServerEnum(72));
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

    nxTestGridManager& Grid() { return *m_window->GetGridManager(); }
    nxGridTableModel& Model() { return *m_window->GetModel(); }
    nxGridTableView& View() { return *m_window->GetTableView(); }

    // Delivers a whole image and flushes.
    void Batch(std::vector<nxApplicationStatus*> statuses)
    {
        m_service.DeliverStatusBatch(72, std::move(statuses));
        m_service.WaitUntilDelivered();
        m_window->FlushNow();
    }

    static std::vector<nxApplicationStatus*> Servers(std::initializer_list<nxStatusFields> fields)
    {
        std::vector<nxApplicationStatus*> statuses;
        for (const nxStatusFields& wanted : fields)
            statuses.push_back(MakeStatus(wanted));
        return statuses;
    }

    // Servers "N0001" and on, numbered from and to.
    static std::vector<nxApplicationStatus*> Numbered(int from, int to)
    {
        std::vector<nxApplicationStatus*> statuses;
        for (int number = from; number <= to; ++number)
        {
            char id[16];
            std::snprintf(id, sizeof id, "N%04d", number);
            statuses.push_back(MakeStatus({.id = id}));
        }
        return statuses;
    }

    int RowOf(const std::string& id)
    {
        for (int row = 0; row < Model().rowCount(); ++row)
            if (Model().index(row, 2).data().toString().toStdString() == id)
                return row;
        return -1;
    }

    // The colour painted in the middle of a cell's left part, away from its text.
    QColor PaintedColour(int row, int column)
    {
        const QImage image = View().viewport()->grab().toImage();
        const QRect cell = View().visualRect(Model().index(row, column));
        return image.pixelColor(cell.right() - 6, cell.center().y());
    }

    nxScopedManualClock m_clock;
    nxScriptedControlService m_service;
    std::unique_ptr<nxControlDataManager> m_data = std::make_unique<nxControlDataManager>();
    std::unique_ptr<nxTestGridWnd> m_window;
};
