#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "platform/ui/CVantrelDateTimeCtrl.h"
#include "platform/ui/nxDialogTemplate.h"
#include "platform/ui/nxTimeField.h"
#include "platform/ui/nxTimePicker.h"

namespace
{
// One picker in a window of its own, focused, with "HH:mm" as the schedule dialog sets it.
class TimePicker : public ::testing::Test
{
protected:
    void SetUp() override { Make(nxStyle::DTS_TIMEFORMAT | nxStyle::DTS_SHOWNONE); }

    void Make(unsigned style)
    {
        m_window = std::make_unique<QWidget>();
        m_window->resize(200, 60);
        QWidget* widget = CVantrelDateTimeCtrl::Factory(style)(m_window.get());
        widget->setGeometry(10, 10, 120, 30);
        m_ctrl.Attach(widget);
        m_picker = static_cast<nxTimePicker*>(widget);
        ASSERT_TRUE(m_ctrl.SetFormat("HH:mm"));
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        widget->setFocus(Qt::TabFocusReason);
    }

    // Keys go where the operator's keys go: to the widget holding focus.
    void Keys(const char* text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    QString Shown() const { return m_picker->GetField()->text(); }
    void PutCursor(int position)
    {
        m_picker->GetField()->findChild<QLineEdit*>()->setCursorPosition(position);
    }
    int Read(QTime& time) const { return m_ctrl.GetTime(time); }

    std::unique_ptr<QWidget> m_window;
    CVantrelDateTimeCtrl m_ctrl;
    nxTimePicker* m_picker = nullptr;
};
} // namespace

TEST_F(TimePicker, ShowsAndReadsTimesInItsFormatAndRefusesOthers)
{
    const QTime morning(9, 30, 15);
    ASSERT_TRUE(m_ctrl.SetTime(&morning));
    EXPECT_EQ("09:30", Shown());
    QTime read;
    EXPECT_EQ(GDT_VALID, Read(read));
    EXPECT_EQ(QTime(9, 30), read) << "the format has no seconds";

    for (const char* format : {"yyyy-MM-dd", "hh:mm AP", "H:m", "HH:HH", ""})
        EXPECT_FALSE(m_ctrl.SetFormat(format)) << format;
    EXPECT_EQ("09:30", Shown()) << "a refused format changes nothing";
    ASSERT_TRUE(m_ctrl.SetFormat("HH.mm.ss"));
    EXPECT_EQ("09.30.00", Shown());
    const QTime invalid;
    EXPECT_FALSE(m_ctrl.SetTime(&invalid));
}

TEST_F(TimePicker, TheTickBoxMarksNoTimeAndSettingATimeTicksItAgain)
{
    ASSERT_TRUE(m_ctrl.SetTime(nullptr));
    QTime read(1, 1);
    EXPECT_EQ(GDT_NONE, Read(read));
    EXPECT_EQ(QTime(1, 1), read) << "no time leaves the caller's value alone";
    EXPECT_TRUE(m_picker->GetField()->isReadOnly());
    Key(Qt::Key_Right);
    EXPECT_EQ(GDT_NONE, Read(read)) << "moving about does not tick it";

    const QTime evening(21, 0);
    m_ctrl.SetTime(&evening);
    EXPECT_EQ(GDT_VALID, Read(read));
    EXPECT_FALSE(m_picker->GetField()->isReadOnly());

    QTest::mouseClick(m_picker->GetTickBox(), Qt::LeftButton);
    EXPECT_EQ(GDT_NONE, Read(read));
    EXPECT_TRUE(m_picker->GetField()->hasFocus()) << "a click on the box leaves the keys with the picker";

    Make(nxStyle::DTS_TIMEFORMAT);
    EXPECT_FALSE(m_ctrl.SetTime(nullptr)) << "without a tick box there is no 'no time'";
    EXPECT_EQ(nullptr, m_picker->GetTickBox());
}

TEST_F(TimePicker, SpaceTogglesAndSteppingOrTypingTicksAClearedPicker)
{
    const QTime noon(12, 0);
    m_ctrl.SetTime(&noon);
    QTime read;
    Key(Qt::Key_Space);
    EXPECT_EQ(GDT_NONE, Read(read));
    Key(Qt::Key_Space);
    EXPECT_EQ(GDT_VALID, Read(read));

    m_ctrl.SetTime(nullptr);
    PutCursor(0);
    Key(Qt::Key_Up);
    EXPECT_EQ(GDT_VALID, Read(read));
    EXPECT_EQ(QTime(13, 0), read) << "the step that ticked it also counts";

    m_ctrl.SetTime(nullptr);
    PutCursor(3);
    Keys("4");
    EXPECT_EQ(GDT_ERROR, Read(read)) << "half a minute is no time yet";
    Keys("5");
    EXPECT_EQ(GDT_VALID, Read(read));
    EXPECT_EQ(QTime(13, 45), read);
}

TEST_F(TimePicker, UpAndDownStepTheFieldUnderTheCursorAndWrapWithinIt)
{
    const QTime late(23, 58);
    m_ctrl.SetTime(&late);
    PutCursor(1);
    Key(Qt::Key_Up);
    EXPECT_EQ("00:58", Shown()) << "hours wrap without touching the minutes";
    PutCursor(4);
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    EXPECT_EQ("00:00", Shown()) << "minutes wrap without carrying into the hours";
    Key(Qt::Key_Down);
    EXPECT_EQ("00:59", Shown());
    Key(Qt::Key_PageDown);
    EXPECT_EQ("00:49", Shown());
    Key(Qt::Key_Up);
    EXPECT_EQ("00:50", Shown()) << "the stepped field stays the one under the cursor";
}

TEST_F(TimePicker, TypingFillsAFieldFromItsStartAndRefusesWhatCanNeverBeATime)
{
    const QTime noon(12, 0);
    m_ctrl.SetTime(&noon);
    m_picker->GetField()->selectAll();
    Keys("0930");
    EXPECT_EQ("09:30", Shown());

    PutCursor(0);
    Keys("25");
    EXPECT_EQ("2 :30", Shown()) << "a field begins afresh, and 25 is no hour";
    QTime read;
    EXPECT_EQ(GDT_ERROR, Read(read));
    Keys("1");
    EXPECT_EQ("21:30", Shown());

    m_picker->GetField()->selectAll();
    Keys("7");
    EXPECT_EQ("07:  ", Shown()) << "a 7 cannot lead the hours, so it is 07";
    Keys("15");
    EXPECT_EQ("07:15", Shown());
    EXPECT_EQ(GDT_VALID, Read(read));
    EXPECT_EQ(QTime(7, 15), read);
}

TEST_F(TimePicker, ABlankFieldReadsAsAnErrorAndStaysUntilTheOperatorFinishes)
{
    const QTime noon(12, 0);
    m_ctrl.SetTime(&noon);
    PutCursor(5);
    Key(Qt::Key_Backspace);
    EXPECT_EQ("12:0 ", Shown());
    QTime read;
    EXPECT_EQ(GDT_ERROR, Read(read));

    Key(Qt::Key_Return);
    auto other = std::make_unique<QCheckBox>(m_window.get());
    other->show();
    other->setFocus();
    EXPECT_EQ("12:0 ", Shown()) << "neither Enter nor leaving guesses the missing digit";
    EXPECT_EQ(GDT_ERROR, Read(read));
}
