// Player files and the game records they hold: reading, writing back, the record of the game in
// progress, its report, and the clock that dates it.
#include "PlayersTestSupport.h"
#include "StatsReport.h"

#include <QLocale>
#include <clocale>
#include <functional>

namespace {

using namespace std::string_literals;
using PlayerRecordsTest = PlayersTest;

// Catches a field read into the wrong member, the game not found, the report's wording, and
// line breaks other than CR LF for the edit box and LF for the print file.
TEST_F(PlayerRecordsTest, ExampleFileLoadsAndReportsItsLines)
{
    WriteRaw("Ann0.ply", CrLf(ExamplePlayerFile()));
    CPlayer player;
    ASSERT_TRUE(LoadAs(player, "Ann0.ply", "Index name"));
    EXPECT_EQ(player.m_strName, "Ann");
    ASSERT_EQ(player.m_records.size(), 1u);
    EXPECT_EQ(player.m_pCurrentStats, nullptr);
    EXPECT_TRUE(player.m_records[0]->m_bFinished);
    EXPECT_EQ(player.m_records[0]->m_strStarted, "12/05/98 at 03:41:07 PM");
    QString strPrint;
    QString strEditBox;
    CStatsReport::Build(strPrint, player.m_strName, *player.m_records[0], false);
    CStatsReport::Build(strEditBox, player.m_strName, *player.m_records[0], true);
    EXPECT_EQ(strPrint.split('\n'), QStringList({
        "COGWHISTLE GAME STATISTICS", "",
        "Game Title: A 10 piece game with +* operators and only positive numbers allowed.",
        "Game Player: Ann", "", "Game was finished on Saturday, 12/05/98 at 03:52 PM", "",
        "Score: 14", "The game was played against the computer.", "The player...",
        "did not win the game", "missed the optimal move 2 time(s)", "passed a turn 1 time(s)",
        "took the operator hint 0 time(s)", "took the optimal hint 1 time(s)", ""}));
    EXPECT_EQ(strEditBox, strPrint.replace("\n", "\r\n"));
}

// Catches saving that drops, reorders or reformats anything of a file, the substitutions
// (title for an empty start line, a date line for an empty one, TRUE for a flag other than
// "FALSE", plain decimal numbers) missing or misplaced, a game lost without its end line or
// found by a start line in other letter case, and a save that follows the file's own name line
// over another player's file.
TEST_F(PlayerRecordsTest, SavingWritesTheFileBackButForItsSubstitutions)
{
    QStringList lines = ExamplePlayerFile();
    lines[1] = "Bob0.ply";
    lines[6] = "Saturday's note";
    lines.last() = "start game stats";  // the end line missing, and no game starts here
    QStringList second = ExamplePlayerFile().mid(2);
    second[2] = second[3] = "";
    second[5] = "false";
    second[6] = "  +3 times";
    second[7] = "-0014";
    second[8] = "";
    second[10] = "garbage";
    WriteRaw("Ann0.ply", CrLf(lines + second));
    WriteRaw("Bob0.ply", "Bob\r\n");
    CPlayer player;
    ASSERT_TRUE(LoadAs(player, "Ann0.ply"));
    ASSERT_TRUE(player.Save(Folder()));

    QStringList expected = ExamplePlayerFile();
    expected[6] = "Saturday's note";
    QStringList secondOut = ExamplePlayerFile().mid(2);
    secondOut[2] = secondOut[1];
    secondOut[3] = "Last played this game on Saturday, 12/05/98 at 03:41 PM";
    secondOut[6] = "3";
    secondOut[7] = "-14";
    secondOut[10] = "0";
    EXPECT_EQ(ReadRaw("Ann0.ply"), CrLf(expected + secondOut));
    EXPECT_EQ(ReadRaw("Bob0.ply"), "Bob\r\n");
    ASSERT_EQ(player.m_records.size(), 2u);
    EXPECT_EQ(player.m_records[1]->m_strDateLine, secondOut[3]) << "filled in memory too";
    QString strReport;
    player.m_records[1]->Describe(strReport, false);
    EXPECT_TRUE(strReport.startsWith("Number of times game played: 3\n"));
}

// Catches crashes or hangs on files that end early, hold garbage, binary bytes or huge lines,
// an empty file erasing the name the index gave, and too large a number not held at the most.
TEST_F(PlayerRecordsTest, BrokenPlayerFilesLoadAndSaveWithoutCrash)
{
    const std::vector<std::pair<QByteArray, QString>> files = {
        {QByteArray(), "Cy"},
        {"Ann", "Ann"},
        {"Ann\r\nAnn0.ply\r\nStart Game Stats\r\nTitle\r\n", "Ann"},
        {"Ann\r\nAnn0.ply\r\nStart Game Stats\r\nStart Game Stats\r\nStart Game Stats", "Ann"},
        {QByteArray::fromStdString("Ann\r\n\0\xff\xfe\r\n\n\n\r\r\x80Start Game Stats\r\n"s), "Ann"},
        {"Ann\r\nAnn0.ply\r\nStart Game Stats\r\n" + QByteArray(1 << 20, 'x')
             + "\r\ns\r\nd\r\nn\r\nTRUE\r\n99999999999999999999\r\n" + QByteArray(1 << 20, '7'), "Ann"},
    };
    for (const auto& [bytes, strName] : files) {
        WriteRaw("Cy0.ply", bytes);
        CPlayer player;
        ASSERT_TRUE(LoadAs(player, "Cy0.ply", "Cy"));
        EXPECT_EQ(player.m_strName, strName);
        EXPECT_EQ(player.m_strFileName, "Cy0.ply");
        for (const auto& pRecord : player.m_records) {
            QString strReport;
            pRecord->Describe(strReport, true);
        }
        EXPECT_TRUE(player.Save(Folder()));
    }
    CPlayer player;
    ASSERT_TRUE(LoadAs(player, "Cy0.ply"));
    ASSERT_EQ(player.m_records.size(), 1u);
    EXPECT_EQ(player.m_records[0]->m_nTimesPlayed, 2147483647);
    EXPECT_EQ(player.m_records[0]->m_nScore, 2147483647);
}

// Catches integer lines misread: white space, signs, trailing text, no digits, overflow.
TEST(ParseIntTest, ReadsTheLeadingDecimalNumber)
{
    const std::vector<std::pair<const char*, int>> cases = {
        {"14", 14}, {"  7", 7}, {"\t-3x", -3}, {"+5", 5}, {"0012", 12}, {"", 0}, {"abc", 0},
        {"-", 0}, {"1 2", 1}, {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"99999999999999999999", 2147483647}, {"-99999999999999999999", -2147483647 - 1},
    };
    for (const auto& [szLine, nValue] : cases)
        EXPECT_EQ(CStatsRecord::ParseInt(QString::fromLatin1(szLine)), nValue) << szLine;
}

// Catches counters or score landing in the wrong field, a record not closed by EndGame, date
// lines not following the game's course, an abandoned game reported as finished, and the
// wording of a game that was never closed.
TEST_F(PlayerRecordsTest, RecordFollowsTheGameFromStartToEnd)
{
    CPlayer player;
    player.m_strFileName = QStringLiteral("Ann0.ply");
    player.StartGame(QStringLiteral("A 10 piece game"));
    CGameStats* pRecord = player.m_pCurrentStats;
    ASSERT_NE(pRecord, nullptr);
    EXPECT_EQ(pRecord->m_strStarted, "12/05/98 at 03:41:07 PM");
    EXPECT_EQ(pRecord->m_nScore, 1);
    player.CountOptimalHint();
    for (int i = 0; i < 2; ++i)
        player.CountOperatorHint();
    for (int i = 0; i < 3; ++i)
        player.CountMissedMove();
    player.CountPass();
    player.SetScore(9);
    ASSERT_TRUE(player.Save(Folder()));
    EXPECT_EQ(pRecord->m_strDateLine, "Last played this game on Saturday, 12/05/98 at 03:41 PM");
    CClock::SetNowForTests(QDateTime(QDate(1998, 12, 5), QTime(15, 52, 0)));
    player.EndGame(QStringLiteral("the computer"), true, false);
    EXPECT_EQ(player.m_pCurrentStats, nullptr);
    QString strReport;
    pRecord->Describe(strReport, false);
    EXPECT_EQ(strReport, "Game was finished on Saturday, 12/05/98 at 03:52 PM\n\nScore: 9\n"
                         "The game was played against the computer.\nThe player...\n"
                         "earned the highest score\nmissed the optimal move 3 time(s)\n"
                         "passed a turn 1 time(s)\ntook the operator hint 2 time(s)\n"
                         "took the optimal hint 1 time(s)\n");

    player.StartGame(QStringLiteral("left open"));
    player.StartGame(QStringLiteral("abandoned"));
    player.EndGame(QStringLiteral("Bob"), false, true);
    ASSERT_EQ(player.m_records.size(), 3u);
    EXPECT_EQ(player.m_records[2]->m_strDateLine, "Game was played on Saturday, 12/05/98 at 03:52 PM");
    EXPECT_FALSE(player.m_records[2]->m_bFinished);
    strReport.clear();
    player.m_records[1]->Describe(strReport, false);
    EXPECT_TRUE(strReport.endsWith("\nScore: 1\nThe game was played against an unknown player.\n"
                                   "The player...\ndid not win the game\n"
                                   "missed the optimal move 0 time(s)\npassed a turn 0 time(s)\n"
                                   "took the operator hint 0 time(s)\ntook the optimal hint 0 time(s)\n"));
    EXPECT_EQ(m_prompts.Count(), 0);
}

// Catches a change made, or no message shown, without a game in progress (EndGame says
// nothing), and scores of 0 or less stored.
TEST_F(PlayerRecordsTest, NoGameInProgressShowsTheMessageAndChangesNothing)
{
    CPlayer player;
    player.EndGame(QStringLiteral("x"), true, true);
    const std::vector<std::function<void()>> operations = {
        [&] { player.SetScore(5); }, [&] { player.CountOptimalHint(); },
        [&] { player.CountOperatorHint(); }, [&] { player.CountMissedMove(); },
        [&] { player.CountPass(); }};
    for (const auto& operation : operations)
        operation();
    EXPECT_EQ(m_prompts.Texts(), QStringList(5, "No m_pCurrentStats!"));
    EXPECT_EQ(m_prompts.Last().m_strCaption, kAppName);
    EXPECT_TRUE(player.m_records.empty());
    player.StartGame(QStringLiteral("t"));
    for (int nScore : {0, -7}) {
        player.SetScore(nScore);
        EXPECT_EQ(player.m_pCurrentStats->m_nScore, 1);
    }
}

// Catches names or AM/PM taken from the user's locale, hours 0 and 12 on the 12-hour clock,
// missing leading zeros, an unknown conversion or a lone "%" swallowed, and a fixed "now" that
// does not come back to the clock.
TEST(ClockTest, FormatsInEnglishWhateverTheLocaleAndNowCanBeFixed)
{
    const QLocale oldLocale;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_ALL, "C.UTF-8");
    const QDateTime saturday(QDate(1998, 12, 5), QTime(15, 52, 9));
    const QDateTime midnight(QDate(2001, 3, 4), QTime(0, 5, 0));
    const std::vector<std::tuple<QDateTime, const char*, const char*>> cases = {
        {saturday, "Game was finished on %A, %m/%d/%y at %I:%M %p",
         "Game was finished on Saturday, 12/05/98 at 03:52 PM"},
        {saturday, "%m/%d/%y at %I:%M:%S %p", "12/05/98 at 03:52:09 PM"},
        {saturday, "%a %b %B %Y %H %j %w", "Sat Dec December 1998 15 339 6"},
        {saturday, "%c|%x|%X", "Sat Dec  5 15:52:09 1998|12/05/98|15:52:09"},
        {midnight, "%A %I:%M %p %y %e", "Sunday 12:05 AM 01  4"},
        {QDateTime(QDate(2001, 3, 4), QTime(12, 0, 0)), "%I %p", "12 PM"},
        {saturday, "100%% %q %", "100% %q %"},
    };
    for (const auto& [dt, szPattern, szExpected] : cases)
        EXPECT_EQ(CClock::Format(dt, QString::fromUtf8(szPattern)), QString::fromUtf8(szExpected));
    QLocale::setDefault(oldLocale);

    CClock::SetNowForTests(saturday);
    EXPECT_EQ(CClock::FormatNow(QStringLiteral("%m/%d/%y")), "12/05/98");
    CClock::ResetNow();
    EXPECT_NE(CClock::Now().date(), saturday.date());
}

}  // namespace
