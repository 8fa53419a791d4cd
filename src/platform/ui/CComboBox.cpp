#include "platform/ui/CComboBox.h"

#include <QComboBox>

#include "platform/ui/nxListText.h"

QComboBox* CComboBox::Combo() const
{
    return qobject_cast<QComboBox*>(m_widget.data());
}

int CComboBox::AddString(const std::string& text)
{
    QComboBox* combo = Combo();
    if (!combo)
        return CB_ERR;
    const QString value = QString::fromStdString(text);
    int index = combo->count();
    if (combo->property("sorted").toBool())
        index = nxListText::SortedInsertPosition(
            combo->count(), [combo](int i) { return combo->itemText(i); }, value);
    const int selected = combo->currentIndex();
    combo->insertItem(index, value);
    // Inserting into an empty list must not select the new entry.
    combo->setCurrentIndex(selected < 0 ? -1 : (selected >= index ? selected + 1 : selected));
    return index;
}

void CComboBox::ResetContent()
{
    if (QComboBox* combo = Combo())
        combo->clear();
}

int CComboBox::GetCount() const
{
    QComboBox* combo = Combo();
    return combo ? combo->count() : 0;
}

std::string CComboBox::GetLBText(int index) const
{
    QComboBox* combo = Combo();
    if (!combo || index < 0 || index >= combo->count())
        return {};
    return combo->itemText(index).toStdString();
}

void CComboBox::SetItemData(int index, uintptr_t data)
{
    QComboBox* combo = Combo();
    if (combo && index >= 0 && index < combo->count())
        combo->setItemData(index, QVariant::fromValue<qulonglong>(data));
}

uintptr_t CComboBox::GetItemData(int index) const
{
    QComboBox* combo = Combo();
    if (!combo || index < 0 || index >= combo->count())
        return 0;
    return static_cast<uintptr_t>(combo->itemData(index).toULongLong());
}

int CComboBox::GetCurSel() const
{
    QComboBox* combo = Combo();
    return combo ? combo->currentIndex() : CB_ERR;
}

int CComboBox::SetCurSel(int index)
{
    QComboBox* combo = Combo();
    if (!combo)
        return CB_ERR;
    const int valid = (index >= 0 && index < combo->count()) ? index : -1;
    combo->setCurrentIndex(valid);
    return valid;
}

int CComboBox::FindStringExact(int startAfter, const std::string& text) const
{
    QComboBox* combo = Combo();
    if (!combo)
        return CB_ERR;
    return nxListText::FindExact(
        combo->count(), [combo](int i) { return combo->itemText(i); }, startAfter,
        QString::fromStdString(text));
}

int CComboBox::SelectString(int startAfter, const std::string& prefix)
{
    QComboBox* combo = Combo();
    if (!combo)
        return CB_ERR;
    const int index = nxListText::FindPrefix(
        combo->count(), [combo](int i) { return combo->itemText(i); }, startAfter,
        QString::fromStdString(prefix));
    if (index != CB_ERR)
        combo->setCurrentIndex(index);
    return index;
}
