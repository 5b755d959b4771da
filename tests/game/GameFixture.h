#pragma once

#include "../window/AppFixture.h"
#include "BoardWnd.h"
#include "FakeHelp.h"
#include "HintDlg.h"
#include "OperatorButton.h"
#include "PieceButton.h"
#include "Player.h"
#include "PlayerIndex.h"
#include "Random.h"

#include <QCoreApplication>

// What the setup dialog is given for the next game; names are typed only when given.
struct SetupChoice {
    bool bTwoPlayers = false;
    int nSize = 0;  // 0 Quick ... 3 Large
    const char* szOperations = "ASMD";
    int nSignMode = 2;  // 0 positive, 1 negative, 2 both
    bool bSounds = false;
    bool bQuickInstructions = false;
    const char* szName[2] = {nullptr, nullptr};
};

// The game application in a fresh game folder with the real board files, every dialog and
// message box scripted (the game's own message boxes close with OK, other dialogs left
// unscripted are cancelled), sounds and help requests recorded, and a fixed seed.
class GameTest : public AppFixture {
protected:
    GameTest()
    {
        const QDir source(QStringLiteral(ZORBLY_SOURCE_DIR "/data"));
        for (const QString& strName : source.entryList({"*.A", "*.P", "*.N"}))
            QFile::copy(source.filePath(strName), QStringLiteral("data/") + strName);
        m_prompts.OnShow([this](const CFakePrompts::Prompt& p) { m_modals.m_log << "prompt " + p.m_strText; });
        m_app.CSeriesApp::InitInstance({});
        CRandom::Seed(20240611);
    }

    CGameDlg& Dlg() { return m_app.m_gameDlg; }
    CBoardWnd& Board() { return *Dlg().Board(); }
    const CGameStats& Record(int nSeat = 0) { return *m_app.m_pPlayer[nSeat]->m_records.back(); }
    // The scores shown, the player to move and the turn phase: "3:0 player 1 phase 1".
    QString Shown()
    {
        const CGameDlg& dlg = Dlg();
        return dlg.GetDlgItemText(1034) + ":" + dlg.GetDlgItemText(1035) +
               QStringLiteral(" player %1 phase %2").arg(dlg.CurrentPlayer()).arg(dlg.m_nTurnPhase);
    }
    // What a record counts: "score 3 passes 1 missed 1 hints 0+0".
    static QString Counts(const CGameStats& r)
    {
        return QStringLiteral("score %1 passes %2 missed %3 hints %4+%5")
            .arg(r.m_nScore).arg(r.m_nPasses).arg(r.m_nMissedMoves).arg(r.m_nOptimalHints).arg(r.m_nOperatorHints);
    }

    // Replaces the board file of a key: the numbers in place order.
    static void WriteBoard(const QString& strKey, const std::vector<int>& numbers)
    {
        QFile file(QStringLiteral("data/") + strKey);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (int nNumber : numbers)
            file.write(QByteArray::number(nNumber) + " , 0\r\n");
    }

    void QueueSetup(const SetupChoice& c)
    {
        m_modals.Queue(132, [c](CDialog& dlg) {
            if (dlg.IsDlgItemEnabled(1016))
                dlg.CheckRadioButton(1016, 1017, c.bTwoPlayers ? 1017 : 1016);
            dlg.CheckRadioButton(1027, 1030, 1027 + c.nSize);
            for (int i = 0; i < 4; ++i)
                dlg.CheckDlgButton(1020 + i, QByteArray(c.szOperations).contains("ASMD"[i]));
            dlg.CheckRadioButton(1024, 1026, 1024 + c.nSignMode);
            dlg.CheckDlgButton(1050, c.bSounds);
            dlg.CheckDlgButton(1051, c.bQuickInstructions);
            for (int i = 0; i < 2 && c.szName[i]; ++i)
                dlg.SetDlgItemText(1018 + i, QString::fromLatin1(c.szName[i]));
            dlg.ClickDlgItem(IDOK);
        });
    }
    // The player selection: types a new name and confirms it.
    void QueueSelectPlayer(const QString& strName)
    {
        m_modals.Queue(143, [strName](CDialog& dlg) {
            dlg.SetDlgItemText(1029, strName);
            dlg.OnCommand(1029, EN_CHANGE);
            dlg.ClickDlgItem(IDOK);
        });
    }
    // Opens the window and starts the first game: the setup dialog, then a selection per name.
    void StartFirstGame(const SetupChoice& choice, const QStringList& names = {"Ann"})
    {
        Dlg().Create();
        QueueSetup(choice);
        for (const QString& strName : names)
            QueueSelectPlayer(strName);
        NewGameCommand(true, false);
        m_prompts.ClearRecord();  // "Add new player?"
    }
    void StartRolledGame(const SetupChoice& choice = {}, const QStringList& names = {"Ann"})
    {
        StartFirstGame(choice, names);
        FinishRoll();
    }
    // The menu commands; with bInProgress false, the set-up at start and after a game.
    void NewGameCommand(bool bNewPlayers, bool bInProgress = true)
    {
        Dlg().m_bGameInProgress = bInProgress;
        bNewPlayers ? m_app.OnNewPlayers() : m_app.OnNewGame();
        Dlg().m_bGameInProgress = true;
    }
    // Ticks until the roll is over; a computer that cannot move passes, which starts a roll.
    void FinishRoll()
    {
        for (int nTick = 0; nTick <= CGameDlg::kRollTicks && Dlg().m_nTurnPhase != 0; ++nTick) {
            const int nBefore = Dlg().m_nTurnPhase;
            Dlg().OnTimer();
            if (Dlg().m_nTurnPhase < nBefore)
                break;
        }
        QCoreApplication::processEvents();  // a computer that cannot move passes after the tick
        ASSERT_LE(Dlg().m_nTurnPhase, 1);
    }
    // Fills the row with the roll's best move, which marks every piece of its value; returns the
    // best of them, or the one worth the fewest points.
    CPieceButton& MarkBest(bool bBest = true)
    {
        Dlg().ShowCatalogueExpression(Dlg().m_nBestIndex, true);
        CPieceButton* pPiece = Board().Piece(Dlg().m_nBestPlace);
        for (CPieceButton* pMarked : Board().m_marked) {
            if (!bBest && pMarked->m_nCount < pPiece->m_nCount)
                pPiece = pMarked;
        }
        return *pPiece;
    }
    // Takes that piece; returns its points.
    int TakeMarkedPiece(bool bBest = true)
    {
        CPieceButton& piece = MarkBest(bBest);
        const int nPoints = piece.m_nCount + 1;
        piece.click();
        return nPoints;
    }
    void TakeHint(int nButton)
    {
        m_modals.Queue(135, [nButton](CDialog& dlg) { dlg.ClickDlgItem(nButton); });
        Dlg().OnCommand(1038, BN_CLICKED);
    }
    // The player's first record of a game, read back from disk.
    CGameStats RecordOnDisk(const QString& strName, std::size_t nRecords = 1) const
    {
        QList<CPlayerEntry> entries;
        CPlayerIndex::Read(m_home.filePath(QStringLiteral("players/")), entries);
        CPlayer player;
        for (const CPlayerEntry& entry : entries) {
            if (entry.m_strName == strName)
                player.m_strFileName = entry.m_strFileName;
        }
        EXPECT_TRUE(player.Load(m_home.filePath(QStringLiteral("players/"))) && player.m_records.size() == nRecords);
        return player.m_records.empty() ? CGameStats() : *player.m_records.front();
    }

    CFakeHelp m_help;
};
