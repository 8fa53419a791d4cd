#pragma once

#include <QApplication>
#include <QListWidget>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "log/nxLogDataInterest.h"
#include "log/nxLogPipelineFixture.h"
#include "log/window/nxLogGridManager.h"
#include "log/window/nxLogGridWnd.h"
#include "platform/grid/window/nxGridTableModel.h"
#include "platform/grid/window/nxGridTableView.h"
#include "platform/service/nxScriptedControlService.h"
#include "status/nxControlDataManager.h"

// A log window shown offscreen as a new log view makes it (with the empty filter),
// fed by a scripted service.
class nxLogWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_data.Create());
        m_window = std::make_unique<nxLogGridWnd>();
        m_window->resize(640, 300);
        m_window->show();
        OpenAsNewView(*m_window);
    }

    void TearDown() override
    {
        m_window.reset();
        m_data.Destroy();
    }

    static void OpenAsNewView(nxLogGridWnd& window)
    {
        auto* interest = new nxLogDataInterest();
        ASSERT_TRUE(window.GetGridManager()->AddDataInterest(interest, true).IsOK());
        interest->FetchDataObjects();
        window.FlushNow();
    }

    nxLogGridManager& Grid() { return *m_window->GetGridManager(); }
    nxGridTableModel& Model() { return *m_window->GetModel(); }
    nxGridTableView& View() { return *m_window->GetTableView(); }
    nxLogDataInterest& Interest()
    {
        return *dynamic_cast<nxLogDataInterest*>(Grid().GetDataInterests().front());
    }

    // Delivers the messages in order and flushes.
    void Send(const std::vector<nxLogMessageFields>& messages)
    {
        for (const nxLogMessageFields& fields : messages)
            m_service.DeliverLogMessage(MakeLogMessage(fields));
        m_service.WaitUntilDelivered();
        m_window->FlushNow();
    }

    // Messages of the levels given, each text naming its level and place.
    static std::vector<nxLogMessageFields> Levels(std::initializer_list<uint32_t> levels)
    {
        std::vector<nxLogMessageFields> messages;
        for (uint32_t level : levels)
            messages.push_back({.level = level, .text = "level " + std::to_string(level)});
        return messages;
    }

    // The grid shows the level and text columns too, as the column picker adds them.
    void ShowLevelAndText()
    {
        auto columns = Grid().GetColumnSettings();
        for (nxAttributeID id : {10002u, 10006u})
        {
            nxGridManager::ColumnSetting column;
            column.attributeId = id;
            column.order = static_cast<int>(columns.size());
            columns.push_back(column);
        }
        Grid().SetColumnSettings(columns);
        m_window->FlushNow();
    }

    // The texts of one column, top to bottom.
    std::vector<std::string> Column(int column)
    {
        std::vector<std::string> texts;
        for (int row = 0; row < Model().rowCount(); ++row)
            texts.push_back(Model().index(row, column).data().toString().toStdString());
        return texts;
    }

    nxScriptedControlService m_service;
    nxControlDataManager m_data;
    std::unique_ptr<nxLogGridWnd> m_window;
};
