#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "grids/nxServerControlGridManager.h"
#include "nxControlGridWindowFixture.h"
#include "nxDesktopNotifierRecorder.h"
#include "platform/grid/window/CCustomizeViewDlg.h"
#include "platform/grid/window/CCustomizeViewUpdatesPropertyPage.h"

namespace
{
constexpr uint32_t kOK = 8201, kMissing = 8202, kUnexpected = 8203;
using Page = CCustomizeViewUpdatesPropertyPage;

class Notifications : public nxControlGridWindowFixture<nxServerControlGridManager>
{
protected:
    // The operator ticks (or clears) the Updates page's checkbox and applies.
    void ClickCheckboxAndApply(bool expectedAfter)
    {
        CCustomizeViewDlg dialog(Grid(), m_window.get());
        Grid().InitializeCustomizeViewDialog(dialog);
        dialog.Create();
        dialog.SetActivePage(1);
        auto* box = qobject_cast<QCheckBox*>(dialog.GetPage(1)->GetDlgItem(Page::IDC_DESKTOP_NOTIFICATIONS));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "&Desktop notifications");
        QTest::mouseClick(box, Qt::LeftButton);
        EXPECT_EQ(box->isChecked(), expectedAfter);
        EXPECT_NE(Grid().AreDesktopNotificationsEnabled(), expectedAfter) << "not before Apply";
        QTest::mouseClick(dialog.GetApplyButton(), Qt::LeftButton);
        EXPECT_EQ(Grid().AreDesktopNotificationsEnabled(), expectedAfter);
    }

    // The image of servers A, B and N, each with its expected status.
    void Image(uint32_t a, uint32_t b, uint32_t n = kMissing)
    {
        Batch({{.id = "A", .expected = a}, {.id = "B", .expected = b}, {.id = "N", .expected = n}});
    }

    nxDesktopNotifierRecorder m_shown;
};
} // namespace

TEST_F(Notifications, OffByDefaultThenOncePerApplicationPerMinuteAndAnotherAtOnce)
{
    Image(kOK, kOK);
    Image(kMissing, kUnexpected);
    Image(kOK, kMissing);
    EXPECT_EQ(m_shown.Count(), 0u) << "off by default";

    ClickCheckboxAndApply(true);
    EXPECT_EQ(m_shown.Count(), 0u) << "B and N were missing already when switched on";
    Image(kMissing, kMissing);
    ASSERT_EQ(m_shown.Count(), 1u);
    EXPECT_EQ(m_shown.Shown()[0].title, "Application missing");
    EXPECT_EQ(m_shown.Shown()[0].body, "A (App-A) on host1");
    Image(kUnexpected, kMissing);
    EXPECT_EQ(m_shown.Count(), 1u) << "A again within the minute";
    m_clock.AdvanceSeconds(30);
    Image(kMissing, kUnexpected);
    ASSERT_EQ(m_shown.Count(), 2u) << "another application at once";
    EXPECT_EQ(m_shown.Shown()[1].title, "Unexpected application");
    m_clock.AdvanceSeconds(31);
    Image(kUnexpected, kUnexpected);
    EXPECT_EQ(m_shown.Bodies(),
              (std::vector<std::string>{"A (App-A) on host1", "B (App-B) on host1", "A (App-A) on host1"}));
    m_clock.AdvanceSeconds(61);
    Batch({{.id = "A", .expected = kUnexpected}, {.id = "C", .expected = kUnexpected}});
    EXPECT_EQ(m_shown.Bodies().back(), "C (App-C) on host1") << "turning up unexpected is a change too";

    ClickCheckboxAndApply(false);
    Image(kMissing, kOK);
    EXPECT_EQ(m_shown.Count(), 4u);
}

TEST_F(Notifications, ARowAlreadyMissingWhenAWindowOpensSaysNothingUntilItChanges)
{
    Batch({{.id = "A", .expected = kMissing}, {.id = "B", .expected = kOK}});
    nxGridWndTemplate<nxServerControlGridManager, 0> second;
    second.GetGridManager()->SetDesktopNotificationsEnabled(true);
    auto* interest = new nxControlDataInterest();
    interest->SetClientServer(second.GetGridManager()->GetClientServer());
    ASSERT_TRUE(second.GetGridManager()->AddDataInterest(interest, true).IsOK());
    interest->FetchDataObjects();
    second.FlushNow();
    EXPECT_EQ(m_shown.Count(), 0u);

    Batch({{.id = "A", .expected = kUnexpected}, {.id = "B", .expected = kOK}});
    second.FlushNow();
    ASSERT_EQ(m_shown.Count(), 1u) << "only the window that has them on";
    EXPECT_EQ(m_shown.Shown()[0].title, "Unexpected application");
}

TEST_F(Notifications, AClickBringsTheMinimisedWindowForwardWithTheRowSelectedAndInView)
{
    Grid().SetDesktopNotificationsEnabled(true);
    std::vector<nxStatusFields> rows;
    for (int index = 0; index < 80; ++index)
        rows.push_back({.id = "S" + std::to_string(100 + index), .expected = kOK});
    const auto deliver = [this](const std::vector<nxStatusFields>& fields)
    {
        std::vector<nxApplicationStatus*> statuses;
        for (const nxStatusFields& wanted : fields)
            statuses.push_back(MakeStatus(wanted));
        m_service.DeliverStatusBatch(Grid().GetClientServer().GetValue(), std::move(statuses));
        m_service.WaitUntilDelivered();
        m_window->FlushNow();
    };
    deliver(rows);
    rows[70].expected = kMissing;
    deliver(rows);
    ASSERT_EQ(m_shown.Count(), 1u);

    m_window->showMinimized();
    QApplication::processEvents();
    ASSERT_TRUE(m_window->isMinimized());
    View().verticalScrollBar()->setValue(0);
    m_shown.Click(0);
    QApplication::processEvents();
    EXPECT_FALSE(m_window->isMinimized());
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    const QModelIndexList selected = View().selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(Model().index(selected.front().row(), 2).data().toString(), "S170");
    EXPECT_TRUE(View().viewport()->rect().intersects(View().visualRect(selected.front())));

    // A window closed meanwhile: the click does nothing.
    m_window.reset();
    m_shown.Click(0);
}
