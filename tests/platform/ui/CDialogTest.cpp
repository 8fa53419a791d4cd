#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/ui/CButton.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CListBox.h"

namespace
{
nxDialogTemplate SampleTemplate()
{
    using K = nxControlKind;
    return {77,
            "Sample",
            200,
            100,
            {
                {-1, K::Static, "Name", {7, 7, 40, 8}},
                {1000, K::Edit, "", {50, 7, 100, 14}, nxStyle::ES_AUTOHSCROLL},
                {1001, K::ListBox, "", {50, 25, 100, 40}, nxStyle::LBS_SORT | nxStyle::LBS_NOTIFY},
                {1002, K::DropDownList, "", {50, 70, 100, 60}, nxStyle::CBS_SORT},
                {1003, K::CheckBox, "Flag", {7, 30, 40, 10}},
                {IDOK, K::DefPushButton, "OK", {155, 7, 40, 14}},
                {IDCANCEL, K::PushButton, "Cancel", {155, 24, 40, 14}},
            }};
}

// A dialog whose OK refuses an empty name, as the program's dialogs refuse bad input.
class SampleDlg : public CDialog
{
public:
    SampleDlg() : CDialog(SampleTemplate(), nullptr)
    {
        MapNotify(1000, nxNotify::EN_CHANGE, [this] { ++m_edits; });
        MapNotify(1001, nxNotify::LBN_SELCHANGE, [this] { ++m_listChanges; });
        MapNotify(1002, nxNotify::CBN_SELCHANGE, [this] { ++m_comboChanges; });
        MapNotify(1003, nxNotify::BN_CLICKED, [this] { ++m_clicks; });
    }

    CEdit m_name;
    CListBox m_list;
    CComboBox m_combo;
    CButton m_flag;
    int m_edits = 0, m_listChanges = 0, m_comboChanges = 0, m_clicks = 0;
    std::string m_accepted;

protected:
    void DoDataExchange() override
    {
        DDX_Control(1000, m_name);
        DDX_Control(1001, m_list);
        DDX_Control(1002, m_combo);
        DDX_Control(1003, m_flag);
    }
    bool OnInitDialog() override
    {
        for (const char* text : {"beta", "Alpha", "gamma", "alpha"})
        {
            m_list.AddString(text);
            m_combo.AddString(text);
        }
        return true;
    }
    void OnOK() override
    {
        m_accepted = m_name.GetWindowText();
        if (!m_accepted.empty())
            CDialog::OnOK();
    }
};
} // namespace

TEST(CDialog, ControlsFollowTheTemplateInDialogUnits)
{
    SampleDlg dialog;
    dialog.Create();
    EXPECT_EQ("Sample", dialog.windowTitle().toStdString());
    EXPECT_TRUE(qobject_cast<QLineEdit*>(dialog.GetDlgItem(1000)));
    EXPECT_TRUE(qobject_cast<QListWidget*>(dialog.GetDlgItem(1001)));
    EXPECT_TRUE(qobject_cast<QPushButton*>(dialog.GetDlgItem(IDOK))->isDefault());
    EXPECT_EQ(nullptr, dialog.GetDlgItem(4242));
    // Proportions: the edit at x 50 stands 50/155 of the way to the buttons at x 155.
    const QRect edit = dialog.GetDlgItem(1000)->geometry();
    const QRect ok = dialog.GetDlgItem(IDOK)->geometry();
    EXPECT_NEAR(double(edit.x()) / ok.x(), 50.0 / 155.0, 0.02);
    EXPECT_EQ(dialog.MapDialogRect({0, 0, 200, 100}).size(), dialog.size());
    // The closed drop-down is as high as the widget needs, not its list's height.
    EXPECT_LT(dialog.GetDlgItem(1002)->height(), dialog.MapDialogRect({0, 0, 0, 60}).height());
}

TEST(CDialog, FocusAndTabOrderFollowTheTemplateSkippingLabels)
{
    SampleDlg dialog;
    dialog.Create();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(dialog.GetDlgItem(1000), QApplication::focusWidget());
    EXPECT_EQ(dialog.GetDlgItem(1001), dialog.GetDlgItem(1000)->nextInFocusChain());
    QWidget* afterCheck = dialog.GetDlgItem(1003)->nextInFocusChain();
    EXPECT_EQ(dialog.GetDlgItem(IDOK), afterCheck);
}

TEST(CDialog, ALabelsMnemonicGoesToTheNextControlThatTakesTheFocus)
{
    using K = nxControlKind;
    CDialog dialog({79,
                    "Mnemonics",
                    160,
                    60,
                    {{-1, K::Static, "&Pattern", {5, 5, 40, 8}},
                     {-1, K::Static, "a note", {5, 15, 40, 8}},
                     {1000, K::Edit, "", {50, 5, 100, 14}},
                     {-1, K::Static, "Fish && &Chips", {5, 25, 40, 8}},
                     {1001, K::ListBox, "", {50, 25, 100, 20}},
                     {IDOK, K::DefPushButton, "OK", {5, 45, 40, 14}}}},
                   nullptr);
    dialog.Create();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.GetDlgItem(IDOK)->setFocus();
    QTest::keyClick(&dialog, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(dialog.GetDlgItem(1001), QApplication::focusWidget());
    QTest::keyClick(&dialog, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(dialog.GetDlgItem(1000), QApplication::focusWidget()) << "past a label without a mnemonic";
}

TEST(CDialog, EnterRunsOKWhichMayRefuseAndEscapeCancels)
{
    SampleDlg dialog;
    dialog.Create();
    QTest::keyClick(dialog.GetDlgItem(1000), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << "an empty name is refused";
    QTest::keyClicks(dialog.GetDlgItem(1000), "pricer");
    QTest::keyClick(dialog.GetDlgItem(1000), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(IDOK, dialog.result());
    EXPECT_EQ("pricer", dialog.m_accepted);

    dialog.Create();
    EXPECT_TRUE(dialog.m_name.GetWindowText().empty()) << "a new run starts from fresh controls";
    QTest::keyClick(dialog.GetDlgItem(1001), Qt::Key_Escape);
    EXPECT_EQ(IDCANCEL, dialog.result());
}

TEST(CDialog, WithoutADefaultButtonOnlyAFocusedButtonTakesEnterAndElsewhereEnterRunsOK)
{
    using K = nxControlKind;
    nxDialogTemplate listTemplate{78,
                                  "List",
                                  150,
                                  80,
                                  {{1001, K::ListBox, "", {5, 5, 90, 70}, nxStyle::LBS_NOTIFY},
                                   {1002, K::PushButton, "Add...", {100, 5, 45, 14}},
                                   {IDCANCEL, K::PushButton, "Close", {100, 60, 45, 14}}}};
    int adds = 0;
    class ListDlg : public CDialog
    {
    public:
        ListDlg(const nxDialogTemplate& t, int& adds) : CDialog(t, nullptr)
        {
            MapNotify(1002, nxNotify::BN_CLICKED, [&adds] { ++adds; });
        }
    } dialog(listTemplate, adds);
    dialog.Create();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_FALSE(qobject_cast<QPushButton*>(dialog.GetDlgItem(1002))->isDefault());

    dialog.GetDlgItem(1002)->setFocus();
    QTest::keyClick(dialog.GetDlgItem(1002), Qt::Key_Return);
    EXPECT_EQ(1, adds);
    EXPECT_TRUE(dialog.isVisible());

    dialog.GetDlgItem(1001)->setFocus();
    QTest::keyClick(dialog.GetDlgItem(1001), Qt::Key_Return);
    EXPECT_EQ(1, adds) << "Enter in the list is not a click of the first button";
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(IDOK, dialog.result());
}

TEST(CDialog, OnlyTheOperatorsChangesNotify)
{
    SampleDlg dialog;
    dialog.Create();
    dialog.m_list.SetCurSel(1);
    dialog.m_combo.SetCurSel(1);
    EXPECT_EQ(0, dialog.m_listChanges);
    EXPECT_EQ(0, dialog.m_comboChanges);

    auto* list = qobject_cast<QListWidget*>(dialog.GetDlgItem(1001));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(1, dialog.m_listChanges);
    EXPECT_EQ(2, dialog.m_list.GetCurSel());

    auto* combo = qobject_cast<QComboBox*>(dialog.GetDlgItem(1002));
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(1, dialog.m_comboChanges);

    QTest::mouseClick(dialog.GetDlgItem(1003), Qt::LeftButton);
    EXPECT_EQ(1, dialog.m_clicks);
    EXPECT_EQ(BST_CHECKED, dialog.m_flag.GetCheck());
    QTest::keyClicks(dialog.GetDlgItem(1000), "ab");
    EXPECT_EQ(2, dialog.m_edits);
}

TEST(CListAndCombo, SortedCaseInsensitivelyAndSearchedExactly)
{
    SampleDlg dialog;
    dialog.Create();
    ASSERT_EQ(4, dialog.m_list.GetCount());
    EXPECT_EQ("Alpha", dialog.m_list.GetText(0));
    EXPECT_EQ("alpha", dialog.m_list.GetText(1));
    EXPECT_EQ("beta", dialog.m_list.GetText(2));
    EXPECT_EQ(1, dialog.m_list.FindStringExact(-1, "alpha"));
    EXPECT_EQ(LB_ERR, dialog.m_list.FindStringExact(-1, "ALPHA"));
    EXPECT_EQ(2, dialog.m_list.SelectString(-1, "be"));
    EXPECT_EQ(2, dialog.m_list.GetCurSel());
    EXPECT_EQ(0, dialog.m_list.SelectString(-1, ""));

    EXPECT_EQ(CB_ERR, dialog.m_combo.GetCurSel()) << "adding entries selects none";
    EXPECT_EQ(3, dialog.m_combo.SelectString(-1, "gam"));
    EXPECT_EQ("gamma", dialog.m_combo.GetLBText(dialog.m_combo.GetCurSel()));
    dialog.m_combo.AddString("Aardvark");
    EXPECT_EQ("gamma", dialog.m_combo.GetLBText(dialog.m_combo.GetCurSel())) << "selection follows its entry";
    dialog.m_combo.SetItemData(0, 38);
    EXPECT_EQ(38u, dialog.m_combo.GetItemData(0));
}

TEST(CListAndCombo, MultipleSelectionListKeepsEachEntrysState)
{
    nxDialogTemplate levels{
        1,
        "Levels",
        100,
        80,
        {{1003, nxControlKind::ListBox, "", {5, 5, 90, 70}, nxStyle::LBS_MULTIPLESEL | nxStyle::WS_VSCROLL}}};
    CDialog dialog(levels, nullptr);
    dialog.Create();
    CListBox list;
    list.Attach(dialog.GetDlgItem(1003));
    for (int level = 32; level <= 38; ++level)
        list.SetItemData(list.AddString("level " + std::to_string(level)), static_cast<uintptr_t>(level));
    list.SetSel(1);
    list.SetSel(6);
    auto* widget = qobject_cast<QListWidget*>(dialog.GetDlgItem(1003));
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                      widget->visualItemRect(widget->item(3)).center());
    EXPECT_EQ(3, list.GetSelCount());
    EXPECT_TRUE(list.GetSel(3));
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                      widget->visualItemRect(widget->item(1)).center());
    EXPECT_FALSE(list.GetSel(1)) << "a click toggles one entry";
    EXPECT_EQ(38u, list.GetItemData(6));
}
