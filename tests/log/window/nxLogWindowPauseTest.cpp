#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "nxLogWindowFixture.h"

namespace
{
class LogWindowPause : public nxLogWindowFixture
{
protected:
    void SetUp() override
    {
        nxLogWindowFixture::SetUp();
        ShowLevelAndText();
        m_window->SetPauseAllowed(true);
        QApplication::setActiveWindow(m_window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        View().setFocus();
    }

    static std::vector<nxLogMessageFields> Numbered(const std::string& prefix, int count)
    {
        std::vector<nxLogMessageFields> messages;
        for (int number = 1; number <= count; ++number)
            messages.push_back({.text = prefix + std::to_string(number)});
        return messages;
    }

    QAction* PauseItem(QMenu& menu)
    {
        for (QAction* action : menu.actions())
            if (action->text() == "&Pause")
                return action;
        return nullptr;
    }
};
} // namespace

TEST_F(LogWindowPause, HoldsNewRowsCountsThemAndShowsThemInOrderOnResuming)
{
    Send(Numbered("before ", 3));
    QSignalSpy status(m_window.get(), &nxGridWnd::StatusTextChanged);

    QTest::keyClick(&View(), Qt::Key_Space);
    ASSERT_TRUE(m_window->IsPaused());
    EXPECT_EQ("Paused: 0 new rows", m_window->GetStatusText());

    Send(Numbered("held ", 1));
    EXPECT_EQ("Paused: 1 new row", m_window->GetStatusText());
    Send(Numbered("more ", 1233));
    EXPECT_EQ(3, Model().rowCount()) << "held rows are not shown";
    EXPECT_EQ("Paused: 1,234 new rows", m_window->GetStatusText());
    EXPECT_EQ("Paused: 1,234 new rows", status.back().at(0).toString());

    std::unique_ptr<QMenu> menu = m_window->CreateContextMenu();
    ASSERT_NE(nullptr, PauseItem(*menu));
    EXPECT_TRUE(PauseItem(*menu)->isChecked());

    QTest::keyClick(&View(), Qt::Key_Space);
    EXPECT_FALSE(m_window->IsPaused());
    EXPECT_EQ("", m_window->GetStatusText());
    ASSERT_EQ(1237, Model().rowCount());
    const std::vector<std::string> texts = Column(3);
    EXPECT_EQ("more 1233", texts[0]) << "newest first, as always";
    EXPECT_EQ("more 1", texts[1232]);
    EXPECT_EQ("held 1", texts[1233]);
    EXPECT_EQ("before 3", texts[1234]);

    // The context menu pauses too, and new rows show at once after resuming.
    PauseItem(*m_window->CreateContextMenu())->trigger();
    EXPECT_TRUE(m_window->IsPaused());
    Send(Numbered("late ", 2));
    PauseItem(*m_window->CreateContextMenu())->trigger();
    Send(Numbered("live ", 1));
    const std::vector<std::string> after = Column(3);
    ASSERT_GE(after.size(), 3u);
    EXPECT_EQ((std::vector<std::string>{"live 1", "late 2", "late 1"}),
              std::vector<std::string>(after.begin(), after.begin() + 3));
}

TEST_F(LogWindowPause, HeldRowsFollowTheFilterAndAGridWithoutPauseIgnoresSpace)
{
    QTest::keyClick(&View(), Qt::Key_Space);
    Send({{.level = 33, .text = "low"}, {.level = 38, .text = "high"}});
    EXPECT_EQ("Paused: 2 new rows", m_window->GetStatusText());
    // A filter set while paused shows the rows on screen again, but not the held ones.
    Grid().SetColumnFilter(3, {"high"});
    m_window->FlushNow();
    EXPECT_EQ(0, Model().rowCount());
    EXPECT_EQ("Paused: 1 new row", m_window->GetStatusText()) << "the filter refuses the other";
    QTest::keyClick(&View(), Qt::Key_Space);
    EXPECT_EQ(std::vector<std::string>{"high"}, Column(3));

    m_window->SetPauseAllowed(false);
    QTest::keyClick(&View(), Qt::Key_Space);
    EXPECT_FALSE(m_window->IsPaused());
    EXPECT_EQ(nullptr, PauseItem(*m_window->CreateContextMenu()));
}
