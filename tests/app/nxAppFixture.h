#pragma once

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <vector>

#include "app/CVantrelSystemManagerApp.h"
#include "contracts/nxSecurityInterface.h"
#include "nxMessageBoxInterceptor.h"
#include "nxTestStatus.h"
#include "platform/grid/window/CMultiDocTemplate.h"
#include "platform/grid/window/nxGridDocument.h"
#include "platform/grid/window/nxGridFrameWnd.h"
#include "platform/grid/window/nxGridTableModel.h"
#include "platform/grid/window/nxGridTableView.h"
#include "platform/grid/window/nxGridView.h"
#include "platform/grid/window/nxGridWnd.h"
#include "platform/service/nxScriptedControlService.h"

// The user's rights as a test sets them, with every check the program made, in order.
class nxRecordingSecurity : public nxSecurityInterface
{
public:
    explicit nxRecordingSecurity(std::set<uint32_t> held)
        : m_held(std::move(held)), m_previous(nxSecurityInterface::SetInstance(this))
    {
    }
    ~nxRecordingSecurity() override { nxSecurityInterface::SetInstance(m_previous); }

    nxErrorEnum CheckSecurity(const nxFunctionEnum& function) override
    {
        m_asked.push_back(function.GetValue());
        if (m_held.count(function.GetValue()))
            return nxErrorEnum();
        return nxErrorEnum(nxErrorEnum::NotPermissioned, "refused " + std::to_string(function.GetValue()));
    }
    std::string GetUserNodeName(uint32_t) override { return std::string(); }

    const std::vector<uint32_t>& Asked() const { return m_asked; }

private:
    std::set<uint32_t> m_held;
    std::vector<uint32_t> m_asked;
    nxSecurityInterface* m_previous;
};

// The program's application object started offscreen on a scripted service, with
// its own configuration folder and every message box answered by the test.
class nxAppFixture : public ::testing::Test
{
protected:
    static constexpr unsigned Servers = 128;
    static constexpr unsigned Log = 130;
    static constexpr unsigned Clients = 132;

    void SetUp() override
    {
        ASSERT_TRUE(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    }
    void TearDown() override { Stop(); }

    bool Start(std::set<uint32_t> rights = {100006})
    {
        m_security = std::make_unique<nxRecordingSecurity>(std::move(rights));
        m_app = std::make_unique<CVantrelSystemManagerApp>();
        return m_app->InitInstance() != 0;
    }
    void Stop()
    {
        if (m_app)
            m_app->ExitInstance();
        m_app.reset();
        m_security.reset();
    }

    std::vector<unsigned> TemplateIds() const
    {
        std::vector<unsigned> ids;
        for (const auto& docTemplate : m_app->GetDocTemplates())
            ids.push_back(docTemplate->GetResourceID());
        return ids;
    }
    CMultiDocTemplate& Template(unsigned resourceId) const
    {
        for (const auto& docTemplate : m_app->GetDocTemplates())
            if (docTemplate->GetResourceID() == resourceId)
                return *docTemplate;
        throw std::runtime_error("no such window type");
    }
    nxGridFrameWnd* Open(unsigned resourceId) { return m_app->OpenNewWindow(Template(resourceId)); }
    // The first open window of that type.
    nxGridFrameWnd* Frame(unsigned resourceId) const
    {
        for (nxGridFrameWnd* frame : m_app->GetFrames())
            if (frame->GetResourceID() == resourceId)
                return frame;
        return nullptr;
    }
    static nxGridWnd& Grid(nxGridFrameWnd* frame) { return *frame->GetActiveView()->GetGridWnd(); }

    // A whole image of one kind, taken in by every open window.
    void Deliver(uint32_t kind, std::vector<nxApplicationStatus*> statuses)
    {
        m_service.DeliverStatusBatch(kind, std::move(statuses));
        m_service.WaitUntilDelivered();
        for (nxGridFrameWnd* frame : m_app->GetFrames())
            Grid(frame).FlushNow();
    }
    static void SelectRows(nxGridFrameWnd* frame, std::vector<int> rows)
    {
        nxGridTableView& view = *Grid(frame).GetTableView();
        view.selectionModel()->clearSelection();
        for (int row : rows)
            view.selectionModel()->select(view.model()->index(row, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    static void DeleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QTemporaryDir m_config;
    nxScriptedControlService m_service;
    nxMessageBoxInterceptor m_boxes;
    std::unique_ptr<nxRecordingSecurity> m_security;
    std::unique_ptr<CVantrelSystemManagerApp> m_app;
};
