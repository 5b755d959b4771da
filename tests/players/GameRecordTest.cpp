// The record of the game in progress, kept through the player object.
#include "FakePrompts.h"
#include "Player.h"
#include "PlayersTestSupport.h"
#include "StatsReport.h"

namespace {

using GameRecordTest = PlayersTest;

// Catches: counters or score landing in the wrong field, a record not closed by EndGame, the
// date lines not following the game's course.
TEST_F(GameRecordTest, RecordFollowsTheGameFromStartToEnd)
{
    CFakePrompts prompts;
    CPlayer player;
    player.StartGame(QStringLiteral("A 10 piece game"));
    ASSERT_NE(player.m_pCurrentStats, nullptr);
    CGameStats* pRecord = player.m_pCurrentStats;
    EXPECT_EQ(pRecord->m_strStarted, "12/05/98 at 03:41:07 PM");
    EXPECT_EQ(pRecord->m_nScore, 1);

    player.CountOptimalHint();
    player.CountOperatorHint();
    player.CountOperatorHint();
    player.CountMissedMove();
    player.CountMissedMove();
    player.CountMissedMove();
    player.CountPass();
    player.SetScore(9);
    EXPECT_EQ(pRecord->m_nOptimalHints, 1);
    EXPECT_EQ(pRecord->m_nOperatorHints, 2);
    EXPECT_EQ(pRecord->m_nMissedMoves, 3);
    EXPECT_EQ(pRecord->m_nPasses, 1);
    EXPECT_EQ(pRecord->m_nScore, 9);

    player.m_strFileName = QStringLiteral("Ann0.ply");
    ASSERT_TRUE(player.Save(Folder()));
    EXPECT_EQ(pRecord->m_strDateLine, "Last played this game on Saturday, 12/05/98 at 03:41 PM");

    CClock::SetNowForTests(QDateTime(QDate(1998, 12, 5), QTime(15, 52, 0)));
    player.EndGame(QStringLiteral("the computer"), true, false);
    EXPECT_EQ(player.m_pCurrentStats, nullptr);
    EXPECT_EQ(pRecord->m_strDateLine, "Game was finished on Saturday, 12/05/98 at 03:52 PM");
    EXPECT_FALSE(pRecord->m_bNotWon);
    EXPECT_EQ(pRecord->m_strOpponent, "the computer");
    EXPECT_EQ(prompts.Count(), 0);
}

// Catches: a game that was abandoned reported as finished; an unclosed game's wording.
TEST_F(GameRecordTest, AbandonedAndUnclosedGamesReportSo)
{
    CPlayer player;
    player.StartGame(QStringLiteral("first"));
    player.StartGame(QStringLiteral("second"));  // the first is left open for good
    player.EndGame(QStringLiteral("Bob"), false, true);
    ASSERT_EQ(player.m_records.size(), 2u);
    EXPECT_EQ(player.m_records[1]->m_strDateLine, "Game was played on Saturday, 12/05/98 at 03:41 PM");
    EXPECT_FALSE(player.m_records[1]->m_bFinished);

    QString strReport;
    player.m_records[0]->Describe(strReport, false);
    EXPECT_TRUE(strReport.contains("\nScore: 1\nThe game was played against an unknown player.\n"
                                   "The player...\ndid not win the game\n"));
}

// Catches: scores of 0 or less stored, changes made or no message without a game in progress.
TEST_F(GameRecordTest, NoGameInProgressShowsTheMessageAndChangesNothing)
{
    CFakePrompts prompts;
    CPlayer player;
    player.EndGame(QStringLiteral("x"), true, true);
    EXPECT_EQ(prompts.Count(), 0) << "EndGame says nothing";
    const std::vector<std::function<void()>> operations = {
        [&] { player.SetScore(5); }, [&] { player.CountOptimalHint(); },
        [&] { player.CountOperatorHint(); }, [&] { player.CountMissedMove(); },
        [&] { player.CountPass(); }};
    for (const auto& operation : operations)
        operation();
    ASSERT_EQ(prompts.Count(), 5);
    for (const auto& prompt : prompts.Prompts()) {
        EXPECT_EQ(prompt.m_strText, "No m_pCurrentStats!");
        EXPECT_EQ(prompt.m_strCaption, kAppName);
        EXPECT_EQ(prompt.m_buttons, PromptButtons::Ok);
    }
    EXPECT_TRUE(player.m_records.empty());

    player.StartGame(QStringLiteral("t"));
    for (int nScore : {0, -7}) {
        player.SetScore(nScore);
        EXPECT_EQ(player.m_pCurrentStats->m_nScore, 1);
    }
}

// Catches: games listed in the text order of their start times instead of the order played,
// the game in progress listed or purged.
TEST_F(GameRecordTest, RecordsAreListedAndPurgedInTheOrderPlayed)
{
    CPlayer player;
    const std::vector<QDateTime> starts = {QDateTime(QDate(1998, 12, 5), QTime(15, 0)),
                                           QDateTime(QDate(1999, 1, 2), QTime(9, 0)),
                                           QDateTime(QDate(1999, 1, 2), QTime(13, 0))};
    for (const QDateTime& dt : starts) {
        CClock::SetNowForTests(dt);
        player.StartGame(QStringLiteral("t"));
        player.EndGame(QStringLiteral("x"), true, true);
    }
    player.StartGame(QStringLiteral("in progress"));
    QStringList listed;
    for (const CGameStats* pRecord : player.ListedRecords())
        listed.append(pRecord->m_strStarted);
    EXPECT_EQ(listed, QStringList({"12/05/98 at 03:00:00 PM", "01/02/99 at 09:00:00 AM",
                                   "01/02/99 at 01:00:00 PM"}));

    EXPECT_FALSE(player.PurgeRecord(player.m_pCurrentStats));
    EXPECT_TRUE(player.PurgeRecord(player.ListedRecords()[1]));
    EXPECT_EQ(player.ListedRecords().size(), 2u);
    player.PurgeAll();
    ASSERT_EQ(player.m_records.size(), 1u);
    EXPECT_EQ(player.m_records[0].get(), player.m_pCurrentStats);
}

// Catches: the print file written with LF only, or a failure to write it reported as success.
TEST_F(GameRecordTest, PrintFileIsWrittenWithCrLf)
{
    CPlayer player;
    player.StartGame(QStringLiteral("t"));
    QString strReport;
    CStatsReport::Build(strReport, QStringLiteral("Ann"), *player.m_pCurrentStats, false);
    ASSERT_TRUE(CStatsReport::WritePrintFile(Folder(), strReport));
    const QByteArray bytes = ReadRaw("stats.txt");
    EXPECT_TRUE(bytes.startsWith("COGWHISTLE GAME STATISTICS\r\n\r\nGame Title: t\r\nGame Player: Ann\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
    EXPECT_EQ(bytes.count('\n'), 15);
    EXPECT_FALSE(CStatsReport::WritePrintFile(Folder() + "missing/", strReport));
}

}  // namespace
