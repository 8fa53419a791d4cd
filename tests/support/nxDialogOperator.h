#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/ui/CDialog.h"

// The operator's hands on a dialog: every change goes through its controls.
namespace nxOperator
{
inline void Activate(QWidget& dialog)
{
    QApplication::setActiveWindow(&dialog);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

inline void Click(CDialog& dialog, int id)
{
    QTest::mouseClick(dialog.GetDlgItem(id), Qt::LeftButton);
}

// Ends a modal dialog with a button. One that stays open (a refused OK) fails the test
// and is cancelled, so that no test waits for ever in its loop.
inline void Finish(CDialog& dialog, int id)
{
    Click(dialog, id);
    if (dialog.isVisible())
    {
        ADD_FAILURE() << "the dialog stayed open after button " << id;
        dialog.EndDialog(IDCANCEL);
    }
}

// Replaces the text of an edit by typing.
inline void TypeName(CDialog& dialog, int id, const std::string& text)
{
    auto* edit = qobject_cast<QLineEdit*>(dialog.GetDlgItem(id));
    ASSERT_TRUE(edit);
    edit->setFocus();
    edit->selectAll();
    if (text.empty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, QString::fromStdString(text));
}

// Picks an entry of a drop-down list by typing its first letters, as an operator does.
inline void Choose(CDialog& dialog, int id, const std::string& entry)
{
    auto* combo = qobject_cast<QComboBox*>(dialog.GetDlgItem(id));
    ASSERT_TRUE(combo);
    combo->setFocus();
    QTest::keyClicks(combo, QString::fromStdString(entry));
    EXPECT_EQ(entry, combo->currentText().toStdString());
}

// Clicks a list's entry: in a list of several choices, a click toggles it.
inline void SelectEntry(CDialog& dialog, int id, const std::string& text)
{
    auto* list = qobject_cast<QListWidget*>(dialog.GetDlgItem(id));
    ASSERT_TRUE(list);
    const QList<QListWidgetItem*> found = list->findItems(QString::fromStdString(text), Qt::MatchExactly);
    ASSERT_EQ(1, found.size()) << text;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
}

inline void DoubleClickEntry(CDialog& dialog, int id, const std::string& text)
{
    auto* list = qobject_cast<QListWidget*>(dialog.GetDlgItem(id));
    const QList<QListWidgetItem*> found = list->findItems(QString::fromStdString(text), Qt::MatchExactly);
    ASSERT_EQ(1, found.size()) << text;
    const QPoint centre = list->visualItemRect(found.front()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

inline std::vector<std::string> Entries(CDialog& dialog, int id)
{
    std::vector<std::string> entries;
    auto* list = qobject_cast<QListWidget*>(dialog.GetDlgItem(id));
    for (int i = 0; list && i < list->count(); ++i)
        entries.push_back(list->item(i)->text().toStdString());
    return entries;
}

inline bool IsSelected(CDialog& dialog, int id, const std::string& text)
{
    auto* list = qobject_cast<QListWidget*>(dialog.GetDlgItem(id));
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.size() == 1 && selected.front()->text().toStdString() == text;
}
} // namespace nxOperator
