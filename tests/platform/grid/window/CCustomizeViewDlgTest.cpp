#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "nxGridWindowFixture.h"
#include "nxMessageBoxInterceptor.h"
#include "nxModalDriver.h"
#include "platform/grid/CGridStyleManager.h"
#include "platform/grid/nxGridColumn.h"
#include "platform/grid/window/CColumnPickerDlg.h"
#include "platform/grid/window/CCustomizeViewColumnsPropertyPage.h"
#include "platform/grid/window/CCustomizeViewDlg.h"
#include "platform/grid/window/CCustomizeViewUpdatesPropertyPage.h"
#include "platform/grid/window/CSortingDlg.h"
#include "platform/ui/nxDialogTemplateTable.h"

namespace
{
using Customise = nxGridWindowFixture;

void Choose(QWidget* combo, const QString& text)
{
    auto* box = qobject_cast<QComboBox*>(combo);
    ASSERT_NE(box, nullptr);
    const int index = box->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void Click(QWidget* button)
{
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

void SelectText(QWidget* list, const QString& text)
{
    auto* widget = qobject_cast<QListWidget*>(list);
    ASSERT_NE(widget, nullptr);
    const auto found = widget->findItems(text, Qt::MatchStartsWith);
    ASSERT_FALSE(found.isEmpty()) << text.toStdString();
    widget->setCurrentItem(found.front());
}
} // namespace

TEST_F(Customise, ApplyAndOKChangeTheGridAtOnceAndCancelChangesNothing)
{
    CCustomizeViewDlg dialog(Grid(), m_window.get());
    Grid().InitializeCustomizeViewDialog(dialog);
    dialog.Create();
    CPropertyPage* updates = dialog.GetPage(1);
    Choose(updates->GetDlgItem(CCustomizeViewUpdatesPropertyPage::IDC_FLASH_TYPE), "Text");
    EXPECT_EQ(Grid().GetStyleManager().GetFlashType(), nxGridFlashType::Background) << "not before Apply";
    Click(dialog.GetApplyButton());
    EXPECT_EQ(Grid().GetStyleManager().GetFlashType(), nxGridFlashType::Text);

    qobject_cast<QLineEdit*>(updates->GetDlgItem(CCustomizeViewUpdatesPropertyPage::IDC_FLASH_DURATION))
        ->setText("700");
    Click(dialog.GetCancelButton());
    EXPECT_EQ(Grid().GetStyleManager().GetFlashDurationMilliseconds(), 1500u);

    CCustomizeViewDlg again(Grid(), m_window.get());
    Grid().InitializeCustomizeViewDialog(again);
    again.Create();
    CPropertyPage* page = again.GetPage(1);
    nxModalDriver pick(
        [](QWidget* modal)
        {
            auto* colours = qobject_cast<QColorDialog*>(modal);
            colours->setCurrentColor(QColor(1, 2, 3));
            colours->accept();
        });
    Click(page->GetDlgItem(CCustomizeViewUpdatesPropertyPage::IDC_UP_COLOUR));
    ASSERT_TRUE(pick.Ran());
    EXPECT_TRUE(page->IsModified());
    const QImage swatch =
        page->GetDlgItem(CCustomizeViewUpdatesPropertyPage::IDC_UP_SWATCH)->grab().toImage();
    EXPECT_EQ(swatch.pixelColor(swatch.width() / 2, swatch.height() / 2), QColor(1, 2, 3));
    Click(again.GetOKButton());
    EXPECT_EQ(Grid().GetStyleManager().GetFlashUpColor(), nxRGB(1, 2, 3));
}

TEST_F(Customise, TheColumnsPageHidesMovesAndRenamesColumns)
{
    CCustomizeViewDlg dialog(Grid(), m_window.get());
    Grid().InitializeCustomizeViewDialog(dialog);
    dialog.Create();
    CPropertyPage* columns = dialog.GetPage(0);
    using Page = CCustomizeViewColumnsPropertyPage;
    SelectText(columns->GetDlgItem(Page::IDC_COLUMNS), "Application ID");
    Click(columns->GetDlgItem(Page::IDC_MOVE_UP));
    Click(columns->GetDlgItem(Page::IDC_SHOW_HIDE));
    SelectText(columns->GetDlgItem(Page::IDC_COLUMNS), "Host Name");
    qobject_cast<QLineEdit*>(columns->GetDlgItem(Page::IDC_HEADING))->setText("Server");
    Click(columns->GetDlgItem(Page::IDC_RENAME));
    Click(dialog.GetOKButton());
    m_window->FlushNow();

    const auto settings = Grid().GetColumnSettings();
    ASSERT_EQ(settings.size(), 3u);
    EXPECT_EQ(settings[0].customHeading, "Server");
    EXPECT_EQ(settings[1].attributeId, 9001u);
    EXPECT_FALSE(settings[1].visible);
    EXPECT_TRUE(View().isColumnHidden(1));
    EXPECT_EQ(Model().headerData(0, Qt::Horizontal).toString(), "Server");
}

TEST_F(Customise, TheColumnPickerAddsRemovesAndRefusesAnEmptyGrid)
{
    Batch({{.id = "A", .location = "Oslo"}});
    {
        nxModalDriver add(
            [](QWidget* modal)
            {
                auto* dialog = qobject_cast<CColumnPickerDlg*>(modal);
                SelectText(dialog->GetDlgItem(CColumnPickerDlg::IDC_AVAILABLE), "Location");
                Click(dialog->GetDlgItem(CColumnPickerDlg::IDC_ADD));
                SelectText(dialog->GetDlgItem(CColumnPickerDlg::IDC_SHOWN), "Host Name");
                Click(dialog->GetDlgItem(CColumnPickerDlg::IDC_REMOVE));
                Click(dialog->GetDlgItem(IDOK));
            });
        ASSERT_TRUE(m_window->OnCmdMsg(40013));
    }
    ASSERT_EQ(Model().columnCount(), 3);
    EXPECT_EQ(Model().headerData(2, Qt::Horizontal).toString(), "Location");
    EXPECT_EQ(Model().index(0, 2).data().toString(), "Oslo");

    nxMessageBoxInterceptor boxes;
    nxModalDriver empty(
        [](QWidget* modal)
        {
            auto* dialog = qobject_cast<CColumnPickerDlg*>(modal);
            for (int i = 0; i < 3; ++i)
            {
                qobject_cast<QListWidget*>(dialog->GetDlgItem(CColumnPickerDlg::IDC_SHOWN))->setCurrentRow(0);
                Click(dialog->GetDlgItem(CColumnPickerDlg::IDC_REMOVE));
            }
            Click(dialog->GetDlgItem(IDOK));
            EXPECT_TRUE(dialog->isVisible()) << "a grid needs a column";
            Click(dialog->GetDlgItem(IDCANCEL));
        });
    m_window->OnColumnPicker();
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Requests()[0].text, "Choose at least one column to show.");
    EXPECT_EQ(Model().columnCount(), 3);
}

TEST_F(Customise, SortingPutsTheOperatorsKeysAheadOfTheMandatoryOnes)
{
    Batch(
        {{.id = "A", .location = "Oslo"}, {.id = "B", .location = "Rome"}, {.id = "C", .location = "Oslo"}});
    nxModalDriver sort(
        [](QWidget* modal)
        {
            auto* dialog = qobject_cast<CSortingDlg*>(modal);
            EXPECT_EQ(dialog->GetDlgItemText(CSortingDlg::IDC_MANDATORY),
                      "Then always by: Application ID (ascending)");
            SelectText(dialog->GetDlgItem(CSortingDlg::IDC_AVAILABLE), "Location");
            Click(dialog->GetDlgItem(CSortingDlg::IDC_ADD));
            Click(dialog->GetDlgItem(CSortingDlg::IDC_DIRECTION));
            Click(dialog->GetDlgItem(IDOK));
        });
    ASSERT_TRUE(m_window->OnCmdMsg(40017));
    std::string order;
    for (int row = 0; row < Model().rowCount(); ++row)
        order += Model().index(row, 2).data().toString().toStdString();
    EXPECT_EQ(order, "BAC");
}

TEST(CCustomizeViewUpdatesPropertyPage, TheFlashTypeComboOffersDefaultOnlyWhenAsked)
{
    nxDialogTemplateTable::Register(
        {30200, "Combo", 100, 60, {{1, nxControlKind::DropDownList, "", {5, 5, 80, 60}}}});
    CDialog dialog(nxDialogTemplateTable::Get(30200), nullptr);
    dialog.Create(false);
    CComboBox combo;
    combo.Attach(dialog.GetDlgItem(1));
    CCustomizeViewUpdatesPropertyPage::FillUpdateTypeCombo(combo, nxGridFlashType::Text, false);
    EXPECT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(combo.GetLBText(combo.GetCurSel()), "Text");
    EXPECT_EQ(CCustomizeViewUpdatesPropertyPage::GetFlashType(combo), nxGridFlashType::Text);
    CCustomizeViewUpdatesPropertyPage::FillUpdateTypeCombo(combo, nxGridFlashType::Default, true);
    EXPECT_EQ(combo.GetCount(), 4);
    EXPECT_EQ(CCustomizeViewUpdatesPropertyPage::GetFlashType(combo), nxGridFlashType::Default);
}
