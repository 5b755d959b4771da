#pragma once

#include "EvalStatus.h"
#include "ScaledDialog.h"
#include "ScoreBoard.h"

#include <QBrush>
#include <QIcon>
#include <QTimer>

#include <memory>
#include <string>

class CBoardWnd;
class CBracketWnd;
class CColorButton;
class COperatorButton;
class CPieceButton;
class CPlayer;
class CTurnWays;
class CWaysWnd;

// The game window: the board, the score panel, the expression row, Hint and Pass. It holds the
// state of the game in progress. Its members are defined by concern in GameDlg*.cpp files.
class CGameDlg : public CScaledDialog {
    Q_OBJECT
public:
    CGameDlg();
    ~CGameDlg() override;

    // Enter does nothing in the game window: a focused control pressing it must not act.
    void PressEnter() override {}

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
    int m_nResult = 0;  // value of the last complete row that passed its checks

    // The best move of the turn, set by the roll.
    int m_nBestValue = -1000;  // -1000 when no piece can be reached
    int m_nBestCount = -1;
    int m_nBestIndex = -1;     // catalogue index, -1 when none
    int m_nBestPlace = -1;     // place of the best piece, 0 to 34
    int m_nMovePoints = 0;
    bool m_bRollSaved = false;
    int m_nSavedDrawn[3] = {-1, -1, -1};
    QIcon m_hMoveIcon;          // shown again in control 1039 by every evaluation
    bool m_bBlink = false;      // caret phase of the expression row
    bool m_bFormShown = false;  // a catalogue form is in the row: numbers answer on the computer's turn

    CBracketWnd* Bracket(int nId) const;
    CBoardWnd* Board() const;
    COperatorButton* OperatorButton(int nId) const;

    // The expression row: numbers, slots, operators and brackets.
    void OnNumber1();
    void OnNumber2();
    void OnNumber3();
    void OnNumber4();
    void OnSlot1();
    void OnSlot2();
    void OnSlot3();
    void OnSlot4();
    void OnOperator1();
    void OnOperator2();
    void OnBrackets();
    // Computes the row, shows its value after "=" and marks the pieces that carry it; a refused
    // division is reported and its number taken back.
    void EvaluateExpression();
    // One tick of the caret: the first empty slot among 1 to 3 shows "^" and nothing in turn.
    void BlinkCaret();
    // The computer is on turn in a one-player game.
    bool IsComputersTurn() const;

    // Catalogue form k in the row: the whole expression and its value, or only the operators.
    void ShowCatalogueExpression(int k, bool bWhole);
    // The form in two steps: p1 op p2 first, then p3 op p4 where one of them is 3, the inner
    // result kept in m_nDrawn[3].
    void ShowExpressionSteps(int p1, int p2, int p3, int p4);

    // A click on the piece at nPlace, routed from the board window (turn flow).
    void OnPieceClick(int nPlace);

    // Setting up a game: the setup dialog, for new players the player selection, the records
    // of the humans, then the board and the first turn.
    void NewGame(bool bNewPlayers);
    void SetUpGame(char cSignLetter, int nPieces, bool bAdd, bool bSubtract, bool bMultiply,
                   bool bDivide, const QString& strName1, const QString& strName2,
                   bool bOnePlayer, bool bSounds);

    // The turn: the roll's tick, Pass, the end of a turn with its better-move check, the end of
    // the game. bPassButton: the turn ends from the Pass button.
    void OnPass();
    void EndTurn(bool bPassButton);
    // The computer plays the best move of its roll, or passes when the roll reached nothing.
    void ComputerMove();
    // The computer found nothing: it says so and passes, right after the tick that ended its roll.
    void ComputerPasses();
    // The Hint button: the optimal hint or the operator hint, paid from the player's score.
    void OnHint();
    // The Ways command: the window of every way the last ended turn's roll reached a number.
    void OnWays();
    CWaysWnd* WaysWindow() const { return m_pWaysWnd.get(); }

    // 0 player one, 1 player two; kept by the board window.
    int CurrentPlayer() const;
    // The CPlayer of a human seat, nullptr for the computer or an empty seat.
    CPlayer* SeatPlayer(int nPlayer) const;

    // The view zoom (GameDlgZoom.cpp): the window is resized to the template's size times the
    // zoom, within 1 and what the screen holds; the zoom is kept in the user's configuration.
    void ZoomTo(double dZoom);
    void ZoomIn();
    void ZoomOut();
    static constexpr double kZoomStep = 0.25;
    static constexpr double kMaxZoom = 4.0;
    // The zoom of the first start: the window about two thirds of the screen's height.
    double StartZoom() const;
    // Tab runs through the row in reading order, then Hint, Pass and the board row by row.
    void SetTabOrder();

    static constexpr int kRollTicks = 15;     // draws in one roll
    static constexpr int kCatchUpLead = 5;    // the computer's lead beyond which player one catches up
    static constexpr int kOptimalHintCost = 3;
    static constexpr int kOperatorHintCost = 1;

    std::unique_ptr<CScoreBoard> m_pScoreBoard = std::make_unique<CScoreBoard>(2);

protected:
    bool OnInitDialog() override;
    QWidget* CreateControl(const ControlTemplate& ctl) override;
    void OnCancel() override;
    void OnClose() override;

    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void OnLayout() override;
    void OnDlgItemTextChanged(int nId) override;
    void moveEvent(QMoveEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;

private:
    void OnPaint();
    // Zoom and keyboard.
    void SetUpZoom();
    void AddViewMenu();
    double MaxZoomOnScreen() const;
    QSize WindowSizeAt(double dZoom);
    void KeepOnScreen(QPoint ptCentre);
    // Accessible names and descriptions (GameDlgAccess.cpp).
    void NameControlsForScreenReaders();
    void DescribeControl(int nId);
    QString ScorePanelDescription() const;
    // The input guard of the row: a roll is running, or the computer is on turn (numbers answer
    // then while a catalogue form is shown).
    bool IsRowLocked(bool bNumberButton) const;
    // Routes the row's buttons to their handlers; false for any other control.
    bool OnRowCommand(int nId);
    void PlaceNumber(int nEntry, int nFirstSlot);
    void TakeBackSlot(int nSlot);
    void HandRowValueToBoard(int nValue);
    void ShowRefusal(EvalStatus status);
    bool ApplyStep(int x, char cOperator, int y, int& nResult);
    void ApplyControlColors();
    void UpdateAnchor();
    void ShowAboutBox();
    void CloseRecordsAndSavePlayers();

    // Set-up.
    QString PlayersFolder() const;
    void ChoosePlayer(int nSeat, const QString& strName, QString& strChosen);
    // The opponent's name in a human's record: the other seat's player, or "the computer".
    QString OpponentName(int nPlayer) const;
    void CloseOpenRecordsAsAbandoned();
    void SavePlayers();
    void FillOperatorButtons(bool bAdd, bool bSubtract, bool bMultiply, bool bDivide);
    void ClearRow();
    void HideBrackets();
    void LoadGameBoard(const QString& strKey, int nPieces);
    void ResetTurnFields();

    // Turn flow.
    void RollTick();
    void DrawNumbers();
    void HoldDraw(const CPieceButton& piece, int nIndex, bool bCatchUp);
    bool IsCatchUpDraw(const CPieceButton& piece) const;
    void EndRoll();
    void ShowMoveIcon(int nIconId);
    void ShowTurnScore();
    void OfferBetterMove();
    void HandTurnOver();
    void ResetRowForNewTurn();
    void EndOfGame();
    void AnnounceResult();
    void ShowStatus(const QString& strText);
    bool IsGameRunning() const;

    // Hints.
    void GiveOperatorHint();
    void GiveOptimalHint();
    void ChargeHint(int nCost);
    void ShowGameMessage(const QString& strText, const QString& strCaption);

    // Ways: the turn that ends is kept for the Ways window, and forgotten with its game.
    void KeepEndedTurn();
    void ZoomWaysWindow();
    void ForgetEndedTurn();
    std::string RowText() const;
    std::unique_ptr<CTurnWays> m_pEndedTurn;
    std::unique_ptr<CWaysWnd> m_pWaysWnd;
};
