#include <QLineEdit>
#include <QTest>

#include "nxLogWindowFixture.h"
#include "platform/grid/nxGridFind.h"
#include "platform/grid/window/nxGridFindBar.h"

namespace
{
class LogWindowFind : public nxLogWindowFixture
{
protected:
    void SetUp() override
    {
        nxLogWindowFixture::SetUp();
        ShowLevelAndText();
        QApplication::setActiveWindow(m_window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        View().setFocus();
    }

    nxGridFindBar& Bar() { return *m_window->GetFindBar(); }
    QString Count() { return Bar().GetCountText(); }
    // The text of the row holding the current hit.
    std::string CurrentText()
    {
        const nxGridFind::Place place = m_window->GetFind()->GetCurrent();
        return Model().index(static_cast<int>(place.row), 3).data().toString().toStdString();
    }
    std::string TopRowText() { return Model().index(View().rowAt(0), 3).data().toString().toStdString(); }

    static std::vector<nxLogMessageFields> Texts(std::initializer_list<const char*> texts)
    {
        std::vector<nxLogMessageFields> messages;
        for (const char* text : texts)
            messages.push_back({.application = "PriceFeed", .text = text});
        return messages;
    }
};
} // namespace

TEST_F(LogWindowFind, CountsAndMovesThroughHitsWhileRowsArrive)
{
    Send(std::vector<nxLogMessageFields>(40, {.application = "PriceFeed", .text = "heartbeat"}));
    Send(Texts(
        {"order 1 filled", "heartbeat", "order 2 filled", "heartbeat", "Order 3 rejected", "heartbeat"}));

    QTest::keyClick(&View(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(m_window->IsFindOpen());
    ASSERT_TRUE(Bar().GetEdit()->hasFocus());
    QTest::keyClicks(Bar().GetEdit(), "ORDER");
    EXPECT_EQ("1 of 3", Count()) << "the case of letters does not count";
    EXPECT_EQ("Order 3 rejected", CurrentText());

    QTest::keyClick(Bar().GetEdit(), Qt::Key_F3);
    EXPECT_EQ("2 of 3", Count());
    EXPECT_EQ("order 2 filled", CurrentText());
    const std::string top = TopRowText();

    Send(Texts({"order 4 filled", "heartbeat"}));
    EXPECT_EQ("3 of 4", Count()) << "a hit arrived above the current one";
    EXPECT_EQ("order 2 filled", CurrentText());
    EXPECT_EQ(top, TopRowText()) << "new rows do not move the grid under the operator";
    EXPECT_EQ(48, Model().rowCount()) << "find never filters";

    QTest::keyClick(Bar().GetEdit(), Qt::Key_Return);
    EXPECT_EQ("4 of 4", Count());
    EXPECT_EQ("order 1 filled", CurrentText());
    QTest::keyClick(Bar().GetEdit(), Qt::Key_F3);
    EXPECT_EQ("1 of 4", Count()) << "the search wraps round";
    EXPECT_EQ("order 4 filled", CurrentText());
    QTest::keyClick(Bar().GetEdit(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ("4 of 4", Count());

    QTest::keyClick(Bar().GetEdit(), Qt::Key_Backspace);
    QTest::keyClicks(Bar().GetEdit(), "R 2");
    EXPECT_EQ("1 of 1", Count());
    EXPECT_EQ("order 2 filled", CurrentText());
    QTest::keyClicks(Bar().GetEdit(), "x");
    EXPECT_EQ("No hits", Count());

    QTest::keyClick(Bar().GetEdit(), Qt::Key_Escape);
    EXPECT_FALSE(m_window->IsFindOpen());
    EXPECT_EQ(0u, m_window->GetFind()->GetHitCount());
    EXPECT_TRUE(View().hasFocus());
}

TEST_F(LogWindowFind, OnlyTheVisibleColumnsAreSearched)
{
    Send(Texts({"alpha", "beta alpha", "gamma"}));
    QTest::keyClick(&View(), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(Bar().GetEdit(), "alpha");
    EXPECT_EQ("1 of 2", Count());

    // Only visible columns are searched: hiding the text column leaves no hit.
    auto columns = Grid().GetColumnSettings();
    for (auto& column : columns)
        column.visible = column.attributeId != 10006u;
    Grid().SetColumnSettings(columns);
    m_window->FlushNow();
    EXPECT_EQ("No hits", Count());
    QTest::keyClick(Bar().GetEdit(), Qt::Key_Escape);
    QTest::keyClick(&View(), Qt::Key_F3);
    EXPECT_TRUE(m_window->IsFindOpen()) << "F3 with the bar closed opens it";
}
