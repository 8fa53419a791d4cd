// The console in an operator's hands on the keyboard alone: from the first key to the
// last no mouse event reaches any widget.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTest>

#include "app/nxSystemManagerIds.h"
#include "grids/nxControlCommandIds.h"
#include "grids/nxControlGridManager.h"
#include "log/nxLogDataInterest.h"
#include "log/window/nxLogGridManager.h"
#include "log/window/nxLogResourceIds.h"
#include "nxAppFixture.h"
#include "nxModalDriver.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/nxTimePicker.h"
#include "schedules/nxScheduleDialogFixture.h"
#include "schedules/nxScheduleResourceIds.h"

namespace
{
using namespace nxScheduleResource;

class MouseWatch : public QObject
{
public:
    MouseWatch() { qApp->installEventFilter(this); }
    ~MouseWatch() override { qApp->removeEventFilter(this); }
    int Count() const { return m_count; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type())
        {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            ++m_count;
            break;
        default:
            break;
        }
        return false;
    }

private:
    int m_count = 0;
};

class KeyboardOnly : public nxAppFixture
{
protected:
    void SetUp() override
    {
        nxAppFixture::SetUp();
        m_previousZones = nxTimeZoneConverter::SetInstance(&m_zones);
        ASSERT_TRUE(Start());
        m_servers = Frame(Servers);
        ASSERT_NE(nullptr, m_servers);
        std::vector<nxApplicationStatus*> statuses;
        for (const char* id : {"S1", "S2", "S3", "S4", "S5"})
            statuses.push_back(MakeStatus({.id = id}));
        Deliver(72, std::move(statuses));
        Bring(m_servers);
    }

    void TearDown() override
    {
        nxAppFixture::TearDown();
        nxTimeZoneConverter::SetInstance(m_previousZones);
    }

    static void Bring(QWidget* window)
    {
        QApplication::setActiveWindow(window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    static QWidget* Focus() { return QApplication::focusWidget(); }
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        ASSERT_NE(nullptr, Focus());
        QTest::keyClick(Focus(), key, modifiers);
    }
    static void Type(const char* text) { QTest::keyClicks(Focus(), text); }

    // Tabs on until the focus is in the control, as an operator who cannot see the order would.
    static void TabTo(CDialog& dialog, int id)
    {
        QWidget* control = dialog.GetDlgItem(id);
        for (int step = 0; step < 60 && Focus() != control && !control->isAncestorOf(Focus()); ++step)
            Press(Qt::Key_Tab);
        ASSERT_TRUE(Focus() == control || control->isAncestorOf(Focus())) << "control " << id;
    }

    // Opens a menu with its key, then picks an item by its mnemonic; a dialog the item
    // opens is in the operator's hands meanwhile.
    static void PickFromMenu(const std::function<void()>& openMenu, Qt::Key mnemonic,
                             const std::function<void(CDialog&)>& inDialog = {})
    {
        std::unique_ptr<nxModalDriver> dialogDriver;
        if (inDialog)
            dialogDriver = std::make_unique<nxModalDriver>(
                [&](QWidget* modal)
                {
                    auto* dialog = qobject_cast<CDialog*>(modal);
                    ASSERT_NE(nullptr, dialog);
                    Bring(dialog);
                    inDialog(*dialog);
                    if (dialog->isVisible())
                    {
                        ADD_FAILURE() << "the dialog stayed open";
                        dialog->EndDialog(IDCANCEL);
                    }
                });
        nxModalDriver menuDriver(nxModalDriver::Popup{},
                                 [&](QWidget* popup)
                                 {
                                     auto* menu = qobject_cast<QMenu*>(popup);
                                     ASSERT_NE(nullptr, menu);
                                     QTest::keyClick(menu, mnemonic);
                                 });
        QWidget* window = QApplication::activeWindow();
        openMenu();
        QTRY_VERIFY_WITH_TIMEOUT(menuDriver.Ran(), 5000);
        if (dialogDriver)
            QTRY_VERIFY_WITH_TIMEOUT(dialogDriver->Ran(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget() && !QApplication::activePopupWidget(),
                                 5000);
        ReturnTo(window);
    }

    // The offscreen platform hands the activation back to no window when a popup or
    // dialog closes, where a desktop hands it back to the window under it.
    static void ReturnTo(QWidget* window)
    {
        if (!QApplication::activeWindow() && window && window->isVisible())
            Bring(window);
    }

    nxControlGridManager& ServerGrid() const
    {
        return *static_cast<nxControlGridManager*>(Grid(m_servers).GetGridManager());
    }
    int CurrentRow() const { return Grid(m_servers).GetTableView()->currentIndex().row(); }

    std::vector<std::string> Requests(const std::string& operation) const
    {
        return m_service.GetRequestArguments(operation);
    }

    nxFakeTimeZones m_zones;
    nxTimeZoneConverter* m_previousZones = nullptr;
    MouseWatch m_mouse;
    nxGridFrameWnd* m_servers = nullptr;
};
} // namespace

TEST_F(KeyboardOnly, TheGridMovesByRowPageAndEndsAndShiftExtendsTheSelection)
{
    ASSERT_EQ(Grid(m_servers).GetTableView(), Focus()) << "a new window's grid has the focus";
    Press(Qt::Key_End);
    EXPECT_EQ(4, CurrentRow());
    Press(Qt::Key_Home);
    EXPECT_EQ(0, CurrentRow());
    EXPECT_EQ(1u, ServerGrid().GetNoOfSelectedApplications());
    Press(Qt::Key_Down);
    Press(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(2u, ServerGrid().GetNoOfSelectedApplications());
    Press(Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(4u, ServerGrid().GetNoOfSelectedApplications()) << "rows 1 to 4";
    Press(Qt::Key_PageUp);
    EXPECT_EQ(0, CurrentRow());
    EXPECT_EQ(1u, ServerGrid().GetNoOfSelectedApplications());
    Press(Qt::Key_PageDown);
    EXPECT_EQ(4, CurrentRow()) << "five rows fit in a page";
    Press(Qt::Key_Up, Qt::ControlModifier);
    Press(Qt::Key_Up, Qt::ControlModifier);
    Press(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(2u, ServerGrid().GetNoOfSelectedApplications()) << "Ctrl moves on, Ctrl+Space adds the row";
    EXPECT_EQ(0, m_mouse.Count());
}

TEST_F(KeyboardOnly, WalksFromTheServerWindowThroughStopTheScheduleDialogsAndTheFilters)
{
    QWidget* grid = Grid(m_servers).GetTableView();
    ASSERT_EQ(grid, Focus());
    Press(Qt::Key_Home);
    Press(Qt::Key_Down);

    // The context-menu key offers the Control menu's commands at the row.
    PickFromMenu([] { Press(Qt::Key_Menu); }, Qt::Key_S);
    EXPECT_EQ(std::vector<std::string>{"S2"}, Requests("ShutdownApplication"));

    PickFromMenu([] { Press(Qt::Key_F10, Qt::ShiftModifier); }, Qt::Key_C,
                 [](CDialog& schemes)
                 {
                     TabTo(schemes, IDC_ADD);
                     nxModalDriver definition(
                         [](QWidget* modal)
                         {
                             auto& dialog = *qobject_cast<CDialog*>(modal);
                             Bring(&dialog);
                             TabTo(dialog, IDC_NAME);
                             Type("Overnight");
                             TabTo(dialog, IDC_TIME_ZONE_REGION);
                             Type("Europe/London");
                             EXPECT_EQ("Europe/London",
                                       qobject_cast<QComboBox*>(Focus())->currentText().toStdString());
                             TabTo(dialog, IDC_FIRST_DAY_START + 2);
                             Press(Qt::Key_A, Qt::ControlModifier);
                             Type("0800");
                             TabTo(dialog, IDC_FIRST_DAY_START + 3);
                             Press(Qt::Key_A, Qt::ControlModifier);
                             Type("1700");
                             Press(Qt::Key_Return);
                             EXPECT_FALSE(dialog.isVisible()) << "Enter is OK";
                         });
                     Press(Qt::Key_Space);
                     EXPECT_TRUE(definition.Ran());
                     ReturnTo(&schemes);
                     auto* names = qobject_cast<QListWidget*>(schemes.GetDlgItem(IDC_SCHEME_NAMES));
                     EXPECT_EQ(1, names->findItems("Overnight", Qt::MatchExactly).size());
                     Press(Qt::Key_Escape);
                 });
    const std::optional<nxApplicationSchedule> saved = m_service.GetSavedSchedule("Overnight");
    ASSERT_TRUE(saved);
    EXPECT_EQ("Europe/London", saved->GetTimeZoneRegion());
    EXPECT_EQ(nxTime(8, 0), saved->GetScheduleForDay(1).GetStartTime());
    EXPECT_EQ(nxTime(17, 0), saved->GetScheduleForDay(1).GetStopTime());

    // The menu bar by its mnemonics.
    PickFromMenu([] { Press(Qt::Key_C, Qt::AltModifier); }, Qt::Key_A,
                 [](CDialog& assign)
                 {
                     TabTo(assign, IDC_SCHEDULE_NAME);
                     Type("Overnight");
                     Press(Qt::Key_Return);
                 });
    EXPECT_EQ(std::vector<std::string>{"S2=Overnight;"}, Requests("SaveApplicationScheduleAssignments"));

    // A log window from File, New, and its Filters.
    PickFromMenu([] { Press(Qt::Key_F, Qt::AltModifier); }, Qt::Key_N,
                 [](CDialog& types)
                 {
                     auto* list = qobject_cast<QListWidget*>(Focus());
                     ASSERT_NE(nullptr, list);
                     while (list->currentItem() && !list->currentItem()->text().contains("Log") &&
                            list->currentRow() + 1 < list->count())
                         Press(Qt::Key_Down);
                     Press(Qt::Key_Return);
                     EXPECT_FALSE(types.isVisible());
                 });
    nxGridFrameWnd* log = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((log = Frame(Log)) != nullptr, 5000);
    Bring(log);
    ASSERT_EQ(Grid(log).GetTableView(), Focus());
    std::string lastLevel;
    bool lastLevelWasShown = false;
    PickFromMenu([] { Press(Qt::Key_V, Qt::AltModifier); }, Qt::Key_F,
                 [&](CDialog& filters)
                 {
                     TabTo(filters, nxLogResource::IDC_APPLICATION);
                     Type("OrderRouter");
                     TabTo(filters, nxLogResource::IDC_LOG_LEVELS);
                     auto* levels = qobject_cast<QListWidget*>(Focus());
                     Press(Qt::Key_End);
                     lastLevel = levels->currentItem()->text().toStdString();
                     lastLevelWasShown = levels->currentItem()->isSelected();
                     Press(Qt::Key_Space);
                     Press(Qt::Key_Return);
                 });
    auto* interest = dynamic_cast<nxLogDataInterest*>(Grid(log).GetGridManager()->GetDataInterests().at(0));
    ASSERT_NE(nullptr, interest);
    EXPECT_EQ("OrderRouter", interest->GetFilter().applicationName);
    bool lastLevelIsShown = false;
    for (const nxLogLevelEnum& level : interest->GetLogLevels())
        lastLevelIsShown |= level.GetLongDescription() == lastLevel;
    EXPECT_NE(lastLevelWasShown, lastLevelIsShown) << "Space switched " << lastLevel;
    EXPECT_EQ(0, m_mouse.Count());
}
