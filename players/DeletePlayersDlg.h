#pragma once

#include "Dialog.h"

#include <QList>

class CPlayerListBox;
struct CPlayerEntry;

// Removes registered players for good: their files and their index entries. The players of the
// game in progress are not offered.
class CDeletePlayersDlg : public CDialog {
    Q_OBJECT
public:
    explicit CDeletePlayersDlg(QWidget* pParent = nullptr);

    // IDOK after a deletion run, and whenever a player was removed, even if the dialog was then
    // cancelled; IDCANCEL otherwise. When a file could not be removed the dialog stays open,
    // the players already removed gone from its list.
    void OnCommand(int nId, int nCode = BN_CLICKED) override;

    static constexpr int kListId = 1028;

protected:
    QWidget* CreateControl(const ControlTemplate& ctl) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    // The players of the game in progress that have a file: kept first in the index.
    QList<CPlayerEntry> CurrentPlayers() const;
    // Every player of the game in progress, with or without a file: never offered.
    QList<CPlayerEntry> SeatedPlayers() const;
    QList<CPlayerEntry> ListedEntries() const;
    void DropFromList(const QList<CPlayerEntry>& removed);
    QString PlayersFolder() const;

    CPlayerListBox* m_pList = nullptr;
    bool m_bRemovedAny = false;
};
