#include "PlayerListBox.h"

#include "PlayerIndex.h"

#include <QSignalBlocker>
#include <algorithm>

namespace {

constexpr int kFileNameRole = Qt::UserRole;

}  // namespace

CPlayerListBox::CPlayerListBox(QWidget* pParent) : QListWidget(pParent)
{
    // The order is kept by AddPlayer: Qt's own sorting compares letter case and puts equal
    // names in reverse order.
    setSortingEnabled(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

int CPlayerListBox::AddPlayer(const QString& strName, const QString& strFileName)
{
    // After every name that sorts before it or equal to it. Names mostly come in order, so the
    // end is tried first; else a binary search.
    int nLow = count() > 0 && CPlayerIndex::NameLess(strName, item(count() - 1)->text()) ? 0 : count();
    int nHigh = count();
    while (nLow < nHigh) {
        const int nMiddle = (nLow + nHigh) / 2;
        if (CPlayerIndex::NameLess(strName, item(nMiddle)->text()))
            nHigh = nMiddle;
        else
            nLow = nMiddle + 1;
    }
    const int nRow = nLow;
    auto* pItem = new QListWidgetItem(strName);
    pItem->setData(kFileNameRole, strFileName);
    const QSignalBlocker blocker(this);
    insertItem(nRow, pItem);
    return nRow;
}

void CPlayerListBox::SetPlayers(QList<CPlayerEntry> entries)
{
    CPlayerIndex::SortByName(entries);
    const QSignalBlocker blocker(this);
    clear();
    for (const CPlayerEntry& entry : entries)
        AddPlayer(entry.m_strName, entry.m_strFileName);
}

bool CPlayerListBox::GetPlayer(int nIndex, QString* pName, QString* pFileName) const
{
    const QListWidgetItem* pItem = item(nIndex);
    if (!pItem)
        return false;
    if (pName)
        *pName = pItem->text();
    if (pFileName)
        *pFileName = pItem->data(kFileNameRole).toString();
    return true;
}

CPlayerEntry CPlayerListBox::Entry(int nIndex) const
{
    CPlayerEntry entry;
    GetPlayer(nIndex, &entry.m_strName, &entry.m_strFileName);
    return entry;
}

int CPlayerListBox::FindPrefix(const QString& strPrefix) const
{
    for (int i = 0; i < count(); ++i) {
        if (item(i)->text().startsWith(strPrefix, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

int CPlayerListBox::FindExact(const QString& strName) const
{
    for (int i = 0; i < count(); ++i) {
        if (item(i)->text().compare(strName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void CPlayerListBox::SelectQuietly(int nIndex)
{
    const QSignalBlocker blocker(this);
    if (nIndex < 0 || nIndex >= count()) {
        clearSelection();
        setCurrentItem(nullptr);
        return;
    }
    setCurrentRow(nIndex, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(nIndex));
}

int CPlayerListBox::SelectedIndex() const
{
    const QList<int> selected = SelectedIndexes();
    return selected.isEmpty() ? -1 : selected.first();
}

QList<int> CPlayerListBox::SelectedIndexes() const
{
    QList<int> rows;
    for (const QListWidgetItem* pItem : selectedItems())
        rows.append(row(pItem));
    std::sort(rows.begin(), rows.end());
    return rows;
}
