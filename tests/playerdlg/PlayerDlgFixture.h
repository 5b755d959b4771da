#pragma once

#include "../players/PlayersTestSupport.h"
#include "../window/AppFixture.h"
#include "FakeTextViewer.h"
#include "PlayerListBox.h"

// The player list of a dialog, and its entries' names or file names.
inline CPlayerListBox& List(CDialog& dlg) { return *dlg.GetDlgItemAs<CPlayerListBox>(1028); }
inline QStringList Listed(CDialog& dlg, bool bFileNames = false)
{
    QStringList listed;
    for (int i = 0; i < List(dlg).count(); ++i)
        listed << (bFileNames ? List(dlg).Entry(i).m_strFileName : List(dlg).Entry(i).m_strName);
    return listed;
}

// One game as the game window records it for a player.
struct PlayedGame { int nScore; bool bFinished, bWon; int nOptimalHints, nOperatorHints, nPasses, nMissedMoves; };

// A started application in a temporary game folder with a players folder, "now" fixed, message
// boxes, modal dialogs and the text viewer faked.
class PlayerDlgTest : public AppFixture, public PlayersFolderFiles {
protected:
    PlayerDlgTest()
    {
        CClock::SetNowForTests(QDateTime(QDate(1999, 1, 2), QTime(10, 5, 0)));
        m_app.CSeriesApp::InitInstance({});
    }
    ~PlayerDlgTest() override { CClock::ResetNow(); }

    QString Folder() const override { return m_app.m_strHomeDir + "players/"; }
    // The index from pairs of name and file name, and the file of each player who has one, with
    // a finished game for every start time given for it.
    void WriteIndex(const QStringList& lines, const QMap<QString, QStringList>& starts = {}) const
    {
        WriteRaw("data", CrLf(lines));
        for (qsizetype i = 1; i < lines.size(); i += 2)
            if (!lines[i].isEmpty())
                WriteRaw(lines[i], CrLf(ExamplePlayerFile(starts.value(lines[i]), lines[i - 1], lines[i])));
    }
    QStringList IndexLines() const { return QString::fromUtf8(ReadRaw("data")).chopped(2).split("\r\n"); }
    // The player file `strFileName` with the games given, one a day from 01/02/99 at 10:05:00 AM on,
    // each against the computer.
    void WritePlayer(const QString& strName, const QString& strFileName, const std::vector<PlayedGame>& games) const
    {
        QStringList lines{strName, strFileName};
        for (const PlayedGame& g : games)
            lines << "Start Game Stats" << "A 16 piece game with +- operators and only positive numbers allowed."
                  << QString("01/%1/99 at 10:05:00 AM").arg(2 + &g - games.data(), 2, 10, QChar('0')) << "" << "" << (g.bFinished ? "TRUE" : "FALSE")
                  << "0" << QString::number(g.nScore) << (g.bWon ? "FALSE" : "TRUE") << "the computer"
                  << QString("%1 %2 %3 %4").arg(g.nMissedMoves).arg(g.nPasses).arg(g.nOperatorHints).arg(g.nOptimalHints).split(' ')
                  << "End Game Stats";
        WriteRaw(strFileName, CrLf(lines));
    }
    // A player of the game in progress, loaded from his file.
    CPlayer& Seat(int nSeat, const QString& strName, const QString& strFileName)
    {
        auto& pPlayer = m_app.m_pPlayer[nSeat] = std::make_unique<CPlayer>();
        pPlayer->m_strName = strName;
        pPlayer->m_strFileName = strFileName;
        pPlayer->Load(Folder());
        return *pPlayer;
    }

    CFakeTextViewer m_viewer;
};
