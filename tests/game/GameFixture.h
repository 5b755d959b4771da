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

// Every modal dialog of a game, run without an event loop and answered by its template: the
// start-up picture and the game's message boxes are closed with OK (and recorded), the others
// take the next action queued for their template, or end with Cancel when none is left.
// Every dialog and every prompt goes into one log, in the order they appeared.
class CModalRouter {
public:
    using Action = std::function<void(CDialog&)>;
    struct Message {
        QString strText;
        QString strCaption;
    };

    CModalRouter();
    ~CModalRouter();
    CModalRouter(const CModalRouter&) = delete;
    CModalRouter& operator=(const CModalRouter&) = delete;

    void Queue(int nTemplate, Action action) { m_queued[nTemplate].push_back(std::move(action)); }
    void QueueEnd(int nTemplate, int nResult);
    int Queued(int nTemplate) const;
    int Count(int nTemplate) const;

    std::vector<Message> m_messages;  // the game's own message boxes (template 136)
    QStringList m_log;                // "dialog <id>", "prompt <text>", "message <text>"
    std::function<void(const Message&)> m_onMessage;  // runs while a message box is open

private:
    void Run(CDialog& dlg);

    std::map<int, std::deque<Action>> m_queued;
    std::vector<int> m_templates;
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
    QString PlayersFolder() const { return m_home.path() + QStringLiteral("/players/"); }

    // Builds the game window (the start-up picture is its first dialog).
    void OpenWindow();
    // Replaces a board file of the game folder: one line per place, numbers in place order.
    void WriteBoard(const QString& strKey, const std::vector<int>& numbers);

    void QueueSetup(const SetupChoice& choice);
    // The player selection: types the name and confirms it (a new name is added).
    void QueueSelectPlayer(const QString& strName);
    // The first game as the first paint starts it: setup dialog, then a selection per human.
    void StartFirstGame(const SetupChoice& choice, const QStringList& names);
    // Runs the commands the way the end of a game and the menu do.
    void NewGameCommand(bool bNewPlayers, bool bInProgress = true);

    // Ticks the game window's timer until the roll has ended.
    void FinishRoll();
    // The 15 draws a roll started from nSeed would make on the board as it stands.
    std::vector<DrawnRoll> SimulateRoll(unsigned nSeed) const;
    // The first seed from 1 whose roll satisfies the test; 0 when none of the first 5000 does.
    unsigned FindSeed(const std::function<bool(const std::vector<DrawnRoll>&)>& fnWanted) const;
    // Rolls again for the same turn from the seed, as the next turn would.
    void RollFrom(unsigned nSeed);
    // Every row over the drawn numbers that reaches a piece on the board, best points first.
    std::vector<MoveChoice> PossibleMoves();
    // Fills the row through its handlers as a player would click it.
    void EnterRow(const RowChoice& row);
    // A user's click on the piece at nPlace.
    void ClickPiece(int nPlace);
    // Taken places around nPlace, counted from the board model.
    int TakenNeighbours(int nPlace) const;
    int PiecesLeft() const;

    // The player file of a registered player, read back from disk.
    std::unique_ptr<CPlayer> LoadPlayer(const QString& strName) const;

    QString m_strOldDir;
    QTemporaryDir m_home;
    CFakePrompts m_prompts;
    CFakeHelp m_help;
    CFakeSoundPlayer m_sounds;
    CModalRouter m_modals;
    CGameApp m_app;
};
