#pragma once

#include "BoardWnd.h"
#include "FakeHelp.h"
#include "FakePrompts.h"
#include "FakeSoundPlayer.h"
#include "GameApp.h"
#include "MessageDlg.h"
#include "PieceButton.h"
#include "Player.h"
#include "QtPrinters.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <vector>

// Runs every modal dialog without an event loop: the start-up picture and the game's message
// boxes are closed with OK, the others take the next action queued for their template, or
// Cancel when none is left. Every dialog and prompt goes into one log, in order.
class CModalRouter {
public:
    using Action = std::function<void(CDialog&)>;

    CModalRouter();
    ~CModalRouter();
    CModalRouter(const CModalRouter&) = delete;
    CModalRouter& operator=(const CModalRouter&) = delete;

    void Queue(int nTemplate, Action action) { m_queued[nTemplate].push_back(std::move(action)); }
    int Count(int nTemplate) const
    {
        return static_cast<int>(m_log.count(QStringLiteral("dialog %1").arg(nTemplate)));
    }

    QStringList m_messages;            // the texts of the game's own message boxes
    QStringList m_log;                 // "dialog <id>", "prompt <text>", "message <text>"
    std::function<void()> m_onMessage;  // runs while a message box is open

private:
    void Run(CDialog& dlg);

    std::map<int, std::deque<Action>> m_queued;
};

// What the setup dialog is given for the next game.
struct SetupChoice {
    bool bTwoPlayers = false;
    int nSize = 0;                        // 0 Quick ... 3 Large
    QString strOperations = QStringLiteral("ASMD");
    int nSignMode = 2;                    // 0 positive, 1 negative, 2 both
    bool bSounds = false;
    bool bQuickInstructions = false;
};

// One way of filling the row: the drawn entries in slot order, the operators and the brackets.
struct RowChoice {
    int nEntry[3] = {0, 1, 2};
    char cOperator[2] = {'+', '+'};
    int nBracketMode = 0;
    int nValue = 0;
};

// A move a player can make with the numbers of the turn: the row and the piece it reaches.
struct MoveChoice {
    RowChoice row;
    int nPlace = -1;
    int nPoints = 0;  // the piece's taken-neighbour count plus 1
};

// One draw of a roll as the board's search sees it.
struct DrawnRoll {
    int nNumber[3] = {0, 0, 0};
    bool bReaches = false;
    int nPlace = -1;  // the best piece's place
    int nCount = -1;  // its taken-neighbour count
    int nValue = 0;   // its number
};

// The game application in a fresh game folder with the real board files, every dialog and
// message box scripted, sounds recorded, and a fixed seed.
class GameTest : public ::testing::Test {
protected:
    static constexpr unsigned kSeed = 20240611;

    GameTest();
    ~GameTest() override;

    CGameDlg& Dlg() { return m_app.m_gameDlg; }
    CBoardWnd& Board() { return *Dlg().Board(); }

    // Replaces a board file of the game folder: one line per place, numbers in place order.
    void WriteBoard(const QString& strKey, const std::vector<int>& numbers);

    void QueueSetup(const SetupChoice& choice);
    // The player selection: types the name and confirms it (a new name is added).
    void QueueSelectPlayer(const QString& strName);
    // Opens the window and starts the first game: setup dialog, then a selection per human.
    void StartFirstGame(const SetupChoice& choice, const QStringList& names);
    // A Quick one-player game for Ann, its first roll over.
    void StartRolledGame(bool bSounds = false);
    // Runs the commands the way the end of a game and the menu do.
    void NewGameCommand(bool bNewPlayers, bool bInProgress = true);

    void FinishRoll();
    // The 15 draws a roll started from nSeed would make on the board as it stands.
    std::vector<DrawnRoll> SimulateRoll(unsigned nSeed) const;
    // The first seed from 1 whose roll satisfies the test; 0 when none of the first 5000 does.
    unsigned FindSeed(const std::function<bool(const std::vector<DrawnRoll>&)>& fnWanted) const;
    // Rolls again for the same turn from the seed, as the next turn would.
    void RollFrom(unsigned nSeed);
    // Every row over the drawn numbers that reaches a piece on the board, best points first.
    std::vector<MoveChoice> PossibleMoves();
    void EnterRow(const RowChoice& row);
    void ClickPiece(int nPlace);
    // Opens the hint dialog and clicks nButton in it.
    void TakeHint(int nButton);
    int TakenNeighbours(int nPlace) const;

    // Read back from disk.
    std::unique_ptr<CPlayer> LoadPlayer(const QString& strName) const;

    QString m_strOldDir;
    QTemporaryDir m_home;
    CFakePrompts m_prompts;
    CFakeHelp m_help;
    CFakeSoundPlayer m_sounds;
    CModalRouter m_modals;
    CGameApp m_app;
};
