#pragma once

#include "PlayerIndex.h"

#include <QListWidget>
#include <QString>

// A list of registered players: each entry shows a name and carries that player's file name.
// Entries are kept in alphabetical order, letter case ignored; equal names keep the order in
// which they were added, so two players of one name stay in index order.
class CPlayerListBox : public QListWidget {
    Q_OBJECT
public:
    explicit CPlayerListBox(QWidget* pParent = nullptr);

    // Adds an entry showing `strName` and carrying `strFileName`; returns its index.
    virtual int AddPlayer(const QString& strName, const QString& strFileName);
    // Replaces the list with `entries`, in name order: at once, however many there are.
    void SetPlayers(QList<CPlayerEntry> entries);
    // Copies an entry's name and file name; false when there is no such entry.
    virtual bool GetPlayer(int nIndex, QString* pName, QString* pFileName) const;
    CPlayerEntry Entry(int nIndex) const;

    // The first entry, from the top, whose name begins with `strPrefix`, letter case ignored;
    // -1 when none does.
    int FindPrefix(const QString& strPrefix) const;
    // The first entry whose name equals `strName`, letter case ignored; -1 when none does.
    int FindExact(const QString& strName) const;
    // Selects entry `nIndex` (-1: none) as the program does, without a selection notification.
    void SelectQuietly(int nIndex);
    // The selected entry of a single-selection list; -1 when none is.
    int SelectedIndex() const;
    // The selected entries, in ascending order.
    QList<int> SelectedIndexes() const;
};
