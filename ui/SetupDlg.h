#pragma once

#include "Dialog.h"
#include "GameOptions.h"

#include <QString>

// The game setup dialog: players, game size, operations, number signs, sounds and quick
// instructions for the next game. It refuses combinations of operations and signs that have no
// board, and with no game in progress it offers "Quit Game" in place of Cancel.
class CSetupDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kQuitGame = 1049;  // DoModal's result after a confirmed "Quit Game"
    // Names pass through unchanged up to the player selection dialog's limit.
    static constexpr int kMaxNameLength = 60;

    explicit CSetupDlg(QWidget* pParent = nullptr);

    void SetValues(bool bCanCancel, bool bSounds, bool bSubtract, bool bDivide, bool bMultiply,
                   bool bAdd, const QString& strName1, const QString& strName2, int nPlayers,
                   int nSignMode, int nSize, bool bNewPlayers);
    // The choices as game options, after DoModal returned IDOK.
    GameOptions ChosenOptions() const;

    // The rules for the operations and the sign choice, read from the controls. Shows why a
    // combination is refused and corrects the sign choice where one rule says which it must be.
    bool Validate();

    void OnCommand(int nId, int nCode = BN_CLICKED) override;

    int m_nPlayers = 0;   // 0 one player, 1 two players
    int m_nSignMode = 2;  // 0 positive, 1 negative, 2 both
    int m_nSize = 1;      // 0 Quick, 1 Small, 2 Medium, 3 Large
    bool m_bAdd = false;
    bool m_bMultiply = false;
    bool m_bDivide = false;
    bool m_bSubtract = false;
    QString m_strName1;
    QString m_strName2;
    bool m_bSounds = false;
    bool m_bShowQuickInstructions = false;
    bool m_bCanCancel = false;  // a game is in progress; otherwise "Quit Game" replaces Cancel
    bool m_bFirstPaint = true;
    bool m_bMayClose = false;
    bool m_bNewPlayers = true;  // otherwise the number of players cannot be changed

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnClose() override;

private:
    void DoDataExchange(bool bSaveAndValidate);
    void ExchangeRadio(bool bSave, int nFirstId, int nLastId, int& nIndex);
    void ExchangeCheck(bool bSave, int nId, bool& bValue);
    void ExchangeName(bool bSave, int nId, QString& strName);
    void OnFirstPaint();
    void OnQuitGame();
    void ShowInvalid(const QString& strText);
};
