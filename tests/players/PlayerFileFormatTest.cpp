// The player file: loading, saving and the report of a record.
#include "FakePrompts.h"
#include "Player.h"
#include "PlayersTestSupport.h"
#include "StatsReport.h"

namespace {

class PlayerFileFormatTest : public PlayersTest {
protected:
    // Loads `strFileName` as the index would name it.
    void LoadAs(CPlayer& player, const QString& strFileName, const QString& strIndexName = "Ann")
    {
        player.m_strName = strIndexName;
        player.m_strFileName = strFileName;
        player.Clear();
        ASSERT_TRUE(player.Load(Folder()));
    }
};

// Catches: any field read into the wrong member, the record not found, the report's wording.
TEST_F(PlayerFileFormatTest, ExampleFileLoadsAndReportsItsTenLines)
{
    WriteRaw("Ann0.ply", CrLf(kExamplePlayerFile));
    CPlayer player;
    LoadAs(player, "Ann0.ply");
    EXPECT_EQ(player.m_strName, "Ann");
    ASSERT_EQ(player.m_records.size(), 1u);
    EXPECT_EQ(player.m_pCurrentStats, nullptr);
    const CGameStats& record = *player.m_records[0];
    EXPECT_TRUE(record.m_bFinished);
    EXPECT_EQ(record.m_strStarted, "12/05/98 at 03:41:07 PM");

    QString strReport;
    CStatsReport::Build(strReport, player.m_strName, record, false);
    EXPECT_EQ(strReport.split('\n'), QStringList({
        "COGWHISTLE GAME STATISTICS", "",
        "Game Title: A 10 piece game with +* operators and only positive numbers allowed.",
        "Game Player: Ann", "",
        "Game was finished on Saturday, 12/05/98 at 03:52 PM", "", "Score: 14",
        "The game was played against the computer.", "The player...", "did not win the game",
        "missed the optimal move 2 time(s)", "passed a turn 1 time(s)",
        "took the operator hint 0 time(s)", "took the optimal hint 1 time(s)", ""}));
    QString strEditBox;
    record.Describe(strEditBox, true);
    EXPECT_EQ(strEditBox.count("\r\n"), 10);
    EXPECT_EQ(strEditBox.count('\n'), 10) << "every line break is CR LF for the edit box";
}

// Catches: saving that drops, reorders or reformats anything of a well-formed file.
TEST_F(PlayerFileFormatTest, SavingReproducesTheFileLineForLine)
{
    QStringList lines = kExamplePlayerFile;
    lines += kExamplePlayerFile.mid(2);  // a second game
    lines[20] = "Saturday's note";
    WriteRaw("Ann0.ply", CrLf(lines));
    CPlayer player;
    LoadAs(player, "Ann0.ply");
    ASSERT_TRUE(player.Save(Folder()));
    EXPECT_EQ(ReadRaw("Ann0.ply"), CrLf(lines));
}

// Catches: the documented substitutions missing, or applied where they should not be.
TEST_F(PlayerFileFormatTest, SavingFillsEmptyLinesAndNormalisesFlagsAndNumbers)
{
    QStringList lines = kExamplePlayerFile;
    lines[4] = "";          // start line
    lines[5] = "";          // date line
    lines[7] = "false";     // flag other than "FALSE"
    lines[8] = "  +3 times";
    lines[9] = "-0014";
    lines[10] = "";
    lines[12] = "garbage";
    lines.removeLast();     // no "End Game Stats"
    WriteRaw("Ann0.ply", CrLf(lines));
    CPlayer player;
    LoadAs(player, "Ann0.ply");
    ASSERT_EQ(player.m_records.size(), 1u);
    ASSERT_TRUE(player.Save(Folder()));

    QStringList expected = kExamplePlayerFile;
    expected[4] = expected[3];
    expected[5] = "Last played this game on Saturday, 12/05/98 at 03:41 PM";
    expected[8] = "3";
    expected[9] = "-14";
    expected[12] = "0";
    EXPECT_EQ(ReadRaw("Ann0.ply"), CrLf(expected));
    EXPECT_EQ(player.m_records[0]->m_strDateLine, expected[5]) << "filled in memory too";

    QString strReport;
    player.m_records[0]->Describe(strReport, false);
    EXPECT_TRUE(strReport.startsWith("Number of times game played: 3\n"));
}

// Catches: block start matched in any letter case, or a game lost when its end line is missing.
TEST_F(PlayerFileFormatTest, GamesAreFoundByTheirExactStartLine)
{
    QStringList lines = kExamplePlayerFile.mid(0, 16);  // first game without its end line
    lines += "start game stats";
    lines += kExamplePlayerFile.mid(2);
    lines[18] = "Second";  // the second game's title
    WriteRaw("Ann0.ply", CrLf(lines));
    CPlayer player;
    LoadAs(player, "Ann0.ply");
    ASSERT_EQ(player.m_records.size(), 2u);
    EXPECT_EQ(player.m_records[1]->m_strTitle, "Second");
}

// Catches: a file's name line sending the save over another player's file, or an empty file
// erasing the name the index gave.
TEST_F(PlayerFileFormatTest, SaveGoesBackToTheFileThatWasLoaded)
{
    QStringList lines = kExamplePlayerFile;
    lines[1] = "Bob0.ply";
    WriteRaw("Ann0.ply", CrLf(lines));
    WriteRaw("Bob0.ply", "Bob\r\nBob0.ply\r\n");
    CPlayer player;
    LoadAs(player, "Ann0.ply");
    ASSERT_TRUE(player.Save(Folder()));
    EXPECT_EQ(ReadRaw("Bob0.ply"), QByteArray("Bob\r\nBob0.ply\r\n"));
    EXPECT_EQ(ReadRaw("Ann0.ply"), CrLf(kExamplePlayerFile));

    WriteRaw("Cy0.ply", "");
    CPlayer empty;
    LoadAs(empty, "Cy0.ply", "Cy");
    EXPECT_EQ(empty.m_strName, "Cy");
    EXPECT_EQ(empty.m_strFileName, "Cy0.ply");
}

}  // namespace
