#include "platform/ui/CListBox.h"

#include <QListWidget>
#include <QSignalBlocker>

#include "platform/ui/nxListText.h"

QListWidget* CListBox::List() const
{
    return qobject_cast<QListWidget*>(m_widget.data());
}

int CListBox::AddString(const std::string& text)
{
    QListWidget* list = List();
    if (!list)
        return LB_ERR;
    const QSignalBlocker quiet(list);
    const QString value = QString::fromStdString(text);
    int index = list->count();
    if (list->property("sorted").toBool())
        index = nxListText::SortedInsertPosition(
            list->count(), [list](int i) { return list->item(i)->text(); }, value);
    list->insertItem(index, value);
    return index;
}

int CListBox::DeleteString(int index)
{
    QListWidget* list = List();
    if (!list || index < 0 || index >= list->count())
        return LB_ERR;
    const QSignalBlocker quiet(list);
    delete list->takeItem(index);
    return list->count();
}

void CListBox::ResetContent()
{
    if (QListWidget* list = List())
    {
        const QSignalBlocker quiet(list);
        list->clear();
    }
}

int CListBox::GetCount() const
{
    QListWidget* list = List();
    return list ? list->count() : 0;
}

std::string CListBox::GetText(int index) const
{
    QListWidget* list = List();
    if (!list || index < 0 || index >= list->count())
        return {};
    return list->item(index)->text().toStdString();
}

void CListBox::SetItemData(int index, uintptr_t data)
{
    QListWidget* list = List();
    if (list && index >= 0 && index < list->count())
        list->item(index)->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(data));
}

uintptr_t CListBox::GetItemData(int index) const
{
    QListWidget* list = List();
    if (!list || index < 0 || index >= list->count())
        return 0;
    return static_cast<uintptr_t>(list->item(index)->data(Qt::UserRole).toULongLong());
}

int CListBox::GetCurSel() const
{
    QListWidget* list = List();
    if (!list)
        return LB_ERR;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? LB_ERR : list->row(selected.front());
}

int CListBox::SetCurSel(int index)
{
    QListWidget* list = List();
    if (!list)
        return LB_ERR;
    const QSignalBlocker quiet(list);
    list->clearSelection();
    if (index < 0 || index >= list->count())
    {
        list->setCurrentRow(-1, QItemSelectionModel::Clear);
        return LB_ERR;
    }
    list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    return index;
}

int CListBox::SetSel(int index, bool select)
{
    QListWidget* list = List();
    if (!list || index >= list->count())
        return LB_ERR;
    const QSignalBlocker quiet(list);
    if (index < 0) // all entries
    {
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setSelected(select);
        return 0;
    }
    list->item(index)->setSelected(select);
    return 0;
}

bool CListBox::GetSel(int index) const
{
    QListWidget* list = List();
    return list && index >= 0 && index < list->count() && list->item(index)->isSelected();
}

int CListBox::GetSelCount() const
{
    QListWidget* list = List();
    return list ? static_cast<int>(list->selectedItems().size()) : 0;
}

int CListBox::FindStringExact(int startAfter, const std::string& text) const
{
    QListWidget* list = List();
    if (!list)
        return LB_ERR;
    return nxListText::FindExact(
        list->count(), [list](int i) { return list->item(i)->text(); }, startAfter,
        QString::fromStdString(text));
}

int CListBox::SelectString(int startAfter, const std::string& prefix)
{
    QListWidget* list = List();
    if (!list)
        return LB_ERR;
    const int index = nxListText::FindPrefix(
        list->count(), [list](int i) { return list->item(i)->text(); }, startAfter,
        QString::fromStdString(prefix));
    if (index != LB_ERR)
        SetCurSel(index);
    return index;
}
