#pragma once

#include "Dialog.h"

class CPlayer;
class CPlayerListBox;

// Picks a player by name from the registered players, or registers a new one, for one seat of
// the game; in statistics mode it only picks a player whose records are then shown.
class CSelectPlayer : public CDialog {
    Q_OBJECT
public:
    explicit CSelectPlayer(QWidget* pParent = nullptr);

    // Runs the dialog for seat `nPlayer` (0 or 1). IDOK when a player was chosen: the
    // application's m_pPlayer[nPlayer] then holds that player's name, file name and records,
    // with no game in progress. IDCANCEL otherwise, the player object untouched. Outside
    // statistics mode the seat's player object must exist ("Void Player in CSelectPlayer").
    // In statistics mode the seat is not used and IDOK means "Done".
    int DoModalFor(int nPlayer);

    void OnCommand(int nId, int nCode = BN_CLICKED) override;

    static constexpr int kListId = 1028;
    static constexpr int kNameId = 1029;
    static constexpr int kStatisticsId = 1030;
    static constexpr int kMaxNameLength = 60;

    bool m_bStatsMode = false;
    int m_nPlayer = 0;

protected:
    QWidget* CreateControl(const ControlTemplate& ctl) override;
    bool OnInitDialog() override;
    void OnOK() override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    // Every run starts with an empty name box and a freshly read list.
    void StartRun();
    void FillList();
    void OnChangeName();
    void OnKillFocusName();
    void OnSelChangeList();
    void OnDblClkList();
    void OnStatistics();
    void AddNewPlayer(CPlayer& player, const QString& strFolder);
    void TakeExistingPlayer(CPlayer& player, int nIndex, const QString& strFolder);
    CPlayer* SeatPlayer() const;
    CPlayer* OtherSeatPlayer() const;
    QString PlayersFolder() const;

    CPlayerListBox* m_pList = nullptr;
};
