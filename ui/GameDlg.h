#pragma once

#include "ScaledDialog.h"

#include <QBrush>
#include <QIcon>
#include <QTimer>

class CBracketWnd;
class CColorButton;

// The game window: the board, the score panel, the expression row, Hint and Pass. It holds the
// state of the game in progress. Its members are defined by concern in GameDlg*.cpp files.
class CGameDlg : public CScaledDialog {
    Q_OBJECT
public:
    CGameDlg();
    ~CGameDlg() override;

    // Mode 2 asks first and closes the open game records; any other mode ends at once.
    virtual void QuitGame(int nMode);
    void OnCommand(int nId, int nCode = BN_CLICKED) override;
    void OnSysCommand(int nId);
    // The game window's 300 ms timer.
    void OnTimer();

    // How a control is coloured: by the panel it stands on.
    enum class ColorKind { Default, Control, ExpressionPanel, ScorePanel };
    static ColorKind ControlColorKind(int nId);

    static constexpr int kAboutCommand = 0x10;  // the system menu's About item
    static constexpr int kTimerMs = 300;

    QTimer m_timer;
    QPoint m_ptAnchor;  // where the game's message boxes open, in screen pixels
    bool m_bCloseAllowed = false;
    QIcon m_hIcon;

    QBrush m_brScorePanel;
    QBrush m_brExpressionPanel;
    QBrush m_brControl;

    // Game state.
    bool m_bShowQuickInstructions = true;
    bool m_bSounds = false;
    bool m_bOnePlayer = true;
    QString m_strPlayerName[2] = {QStringLiteral("Name"), QStringLiteral("Name")};
    int m_nScore[2] = {0, 0};
    int m_nPieceCount = 26;
    int m_nSignMode = 2;
    int m_nDrawn[4] = {-1, -1, -1, -1};
    int m_nSlotNumber[4] = {-1, -1, -1, -1};
    int m_nTurnPhase = 0;
    bool m_bGameInProgress = false;
    bool m_bFirstPaint = true;
    bool m_bFirstSetUp = true;
    int m_nBracketMode = 0;

    CBracketWnd* Bracket(int nId) const;

protected:
    bool OnInitDialog() override;
    QWidget* CreateControl(const ControlTemplate& ctl) override;
    void OnCancel() override;
    void OnClose() override;
    void paintEvent(QPaintEvent* pEvent) override;
    void moveEvent(QMoveEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;

private:
    void OnPaint();
    void ApplyControlColors();
    void UpdateAnchor();
    void ShowAboutBox();
    void CloseRecordsAndSavePlayers();
};
