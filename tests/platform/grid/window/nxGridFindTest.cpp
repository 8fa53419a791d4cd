#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "nxGridWindowFixture.h"
#include "platform/grid/nxGridFind.h"
#include "platform/grid/window/nxGridFindBar.h"

namespace
{
class GridFind : public nxGridWindowFixture
{
protected:
    void SetUp() override
    {
        nxGridWindowFixture::SetUp();
        QApplication::setActiveWindow(m_window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        View().setFocus();
    }

    QLineEdit& Edit() { return *m_window->GetFindBar()->GetEdit(); }
    QString Count() { return m_window->GetFindBar()->GetCountText(); }
};
} // namespace

TEST_F(GridFind, HitsAreCountedInBothColumnsAndLeaveWithTheirRows)
{
    Batch(Numbered(1, 30));
    QTest::keyClick(&View(), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(&Edit(), "n002");
    // N0020 to N0029, in the id and the name ("App-N0020") columns.
    EXPECT_EQ("1 of 20", Count());
    const nxGridFind::Place first = m_window->GetFind()->GetCurrent();
    EXPECT_EQ(RowOf("N0020"), static_cast<int>(first.row));
    EXPECT_EQ(1u, first.column) << "the name column comes before the id column";

    QTest::keyClick(&Edit(), Qt::Key_F3);
    EXPECT_EQ("2 of 20", Count());
    EXPECT_EQ(2u, m_window->GetFind()->GetCurrent().column);
    QTest::keyClick(&Edit(), Qt::Key_F3, Qt::ShiftModifier);
    QTest::keyClick(&Edit(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ("20 of 20", Count()) << "back from the first hit is the last";
    EXPECT_EQ(RowOf("N0029"), static_cast<int>(m_window->GetFind()->GetCurrent().row));

    Batch(Numbered(1, 25));
    EXPECT_EQ("- of 12", Count()) << "the current hit's row has gone";
    QTest::keyClick(&Edit(), Qt::Key_Return);
    EXPECT_TRUE(m_window->GetFind()->HasCurrent());
    EXPECT_TRUE(Count().endsWith(" of 12")) << Count().toStdString();
    EXPECT_EQ(25, Model().rowCount());
}

TEST_F(GridFind, HitsArePaintedAndTheContextMenuOpensTheBar)
{
    Batch(Numbered(1, 5));
    const QColor before = PaintedColour(RowOf("N0003"), 2);
    std::unique_ptr<QMenu> menu = m_window->CreateContextMenu();
    QAction* find = menu->actions().front();
    EXPECT_EQ("F&ind...", find->text());
    find->trigger();
    ASSERT_TRUE(m_window->IsFindOpen());
    QTest::keyClicks(&Edit(), "N0003");
    const QColor hit = PaintedColour(RowOf("N0003"), 2);
    EXPECT_NE(before, hit);
    EXPECT_EQ(before, PaintedColour(RowOf("N0004"), 2)) << "a cell without the text keeps its colours";
    QTest::keyClick(&Edit(), Qt::Key_Escape);
    EXPECT_EQ(before, PaintedColour(RowOf("N0003"), 2));
}
