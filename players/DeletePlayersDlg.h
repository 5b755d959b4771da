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

    // IDOK after a deletion run; IDCANCEL otherwise. When a file could not be removed the dialog
    // stays open, the players already removed gone from its list.
    void OnCommand(int nId, int nCode = BN_CLICKED) override;

    static constexpr int kListId = 1028;

protected:
    QWidget* CreateControl(const ControlTemplate& ctl) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    QList<CPlayerEntry> CurrentPlayers() const;
    QList<CPlayerEntry> ListedEntries() const;
    void DropFromList(const QList<CPlayerEntry>& removed);
    QString PlayersFolder() const;

    CPlayerListBox* m_pList = nullptr;
};
