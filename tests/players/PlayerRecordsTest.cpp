// The text file every file of the program goes through; player files and the game records they
// hold: reading, writing back, the record of the game in progress, its report, and the clock
// that dates it.
#include "PlayerFile.h"
#include "PlayersTestSupport.h"
#include "StatsReport.h"

#include <QLocale>

namespace {

using namespace std::string_literals;
using PlayerRecordsTest = PlayersTest;

// Catches CR left on lines, LF-only files misread, a last line without its end dropped or a
// final line end read as one more line, long lines cut, and old single-byte lines (Windows-1252)
// read as replacement characters or as Latin-1 where the two differ, or UTF-8 taken for them.
TEST_F(PlayerRecordsTest, ReadsLinesOfAnyEndLengthAndEncoding)
{
    const QByteArray longLine(300000, 'x');
    const std::vector<std::pair<QByteArray, QStringList>> cases = {
        {"one\r\ntwo\r\n", {"one", "two"}}, {"one\ntwo\n", {"one", "two"}}, {"\r\n", {""}}, {"", {}},
        {"one\r\n\r\nthree", {"one", "", "three"}}, {"mixed\nends\r\nlast", {"mixed", "ends", "last"}},
        {"a\rb\r\n", {"a\rb"}}, {longLine + "\r\nshort\r\n" + longLine, {longLine, "short", longLine}},
        {"Ren\xe9\r\nIt\x92s \x80 5\r\n\x9f\xa0\r\n", {"René", "It\u2019s \u20ac 5", "\u0178\u00a0"}},
        {"Zo\xc3\xab \xe2\x82\xac\r\n", {"Zoë €"}}};
    for (const auto& [bytes, expected] : cases) {
        WriteRaw("t.txt", bytes);
        CPlayerFile file;
        ASSERT_TRUE(file.Open(Folder() + "t.txt", CPlayerFile::modeRead));
        QStringList lines;
        QString strLine;
        while (file.ReadLine(strLine))
            lines.append(strLine);
        EXPECT_EQ(lines, expected) << bytes.left(40).toStdString();
        EXPECT_TRUE(strLine.isEmpty()) << "the string is empty at the end of the file";
    }
}

// Catches text not written as UTF-8, lines not ended in CR LF or CR doubled, a line break inside
// a line shifting every later line, the old file emptied before the new one is closed (or never
// replaced when the file object goes out of scope), and a file that is not open read or written.
TEST_F(PlayerRecordsTest, WritesUtf8CrLfLinesThatReplaceTheOldFileWhenClosed)
{
    WriteRaw("t.txt", "old\r\n");
    {
        CPlayerFile file;
        ASSERT_TRUE(file.Open(Folder() + "t.txt", CPlayerFile::modeWrite));
        EXPECT_TRUE(file.WriteLine(QStringLiteral("Zoë")) && file.WriteLine(QString())
                    && file.WriteLine(QStringLiteral("Ann\r\nBob")) && file.WriteString("report\nlines\r\nend\n"));
        EXPECT_EQ(ReadRaw("t.txt"), "old\r\n");
    }
    EXPECT_EQ(ReadRaw("t.txt"), "Zo\xc3\xab\r\n\r\nAnn  Bob\r\nreport\r\nlines\r\nend\r\n");
    CPlayerFile file;
    EXPECT_FALSE(file.Open(Folder() + "none/t.txt", CPlayerFile::modeWrite));
    EXPECT_FALSE(file.Open(Folder() + "none.txt", CPlayerFile::modeRead));
    QString strLine = QStringLiteral("x");
    EXPECT_FALSE(file.ReadLine(strLine) || !strLine.isEmpty());
    EXPECT_FALSE(file.WriteLine(QStringLiteral("x")));
}

// Catches a field read into the wrong member, the report's wording and line breaks (LF for the
// print file, CR LF for the edit box), and saving that drops, reorders or reformats anything but
// for the substitutions (the title for an empty start line, a date line for an empty one, TRUE
// for a flag other than "FALSE", plain decimal numbers); a game lost without its end line or
// found by a start line in other letter case; a save that follows the file's own name line.
TEST_F(PlayerRecordsTest, PlayerFilesReadAndWriteBackButForTheirSubstitutions)
{
    QStringList lines = ExamplePlayerFile({"12/05/98 at 03:41:07 PM", ""});  // two games
    QStringList written = lines;
    const std::vector<std::tuple<int, const char*, const char*>> changes = {  // line, as read, as written
        {1, "Bob0.ply", "Ann0.ply"}, {6, "Saturday's note", "Saturday's note"},
        {16, "start game stats", "End Game Stats"},  // no game starts here, and the end line is missing
        {19, "", "A 10 piece game with +* operators and only positive numbers allowed."},
        {20, "", "Last played this game on Saturday, 12/05/98 at 03:41 PM"}, {22, "false", "TRUE"},
        {23, "  +3 times", "3"}, {24, "-0014", "-14"}, {25, "", "TRUE"}, {27, "garbage", "0"}};
    for (const auto& [n, szRead, szWritten] : changes)
        std::tie(lines[n], written[n]) = std::pair(szRead, szWritten);
    WriteRaw("Ann0.ply", CrLf(lines));
    WriteRaw("Bob0.ply", "Bob\r\n");
    CPlayer player;
    ASSERT_TRUE(LoadAs(player, "Ann0.ply", "Index name"));
    EXPECT_EQ(player.m_strName, "Ann");
    ASSERT_EQ(player.m_records.size(), 2u);
    EXPECT_EQ(player.m_pCurrentStats, nullptr);
    QString strPrint, strEditBox, strReport;
    CStatsReport::Build(strPrint, player.m_strName, *player.m_records[0], false);
    CStatsReport::Build(strEditBox, player.m_strName, *player.m_records[0], true);
    EXPECT_EQ(strPrint, "COGWHISTLE GAME STATISTICS\n\nGame Title: " + lines[3] + "\nGame Player: Ann\n\n"
                        "Game was finished on Saturday, 12/05/98 at 03:52 PM\n\nScore: 14\n"
                        "The game was played against the computer.\nThe player...\ndid not win the game\n"
                        "missed the optimal move 2 time(s)\npassed a turn 1 time(s)\n"
                        "took the operator hint 0 time(s)\ntook the optimal hint 1 time(s)\n");
    EXPECT_EQ(strEditBox, strPrint.replace("\n", "\r\n"));
    ASSERT_TRUE(player.Save(Folder()));
    EXPECT_EQ(ReadRaw("Ann0.ply") + ReadRaw("Bob0.ply"), CrLf(written) + "Bob\r\n");
    EXPECT_EQ(player.m_records[1]->m_strDateLine, written[20]) << "filled in memory too";
    player.m_records[1]->Describe(strReport, false);
    EXPECT_TRUE(strReport.startsWith("Number of times game played: 3\n"));
}

// Catches crashes or hangs on files that end early, hold garbage, binary bytes or huge lines
// (loaded and saved again), an empty file erasing the name the index gave, and too large a
// number not held at the most.
TEST_F(PlayerRecordsTest, BrokenPlayerFilesLoadAndSaveWithoutCrash)
{
    const std::vector<std::tuple<QByteArray, QString, int>> files = {  // the file, the name, the last game's count
        {QByteArray(), "Cy", -1}, {"Ann", "Ann", -1}, {"Ann\r\nAnn0.ply\r\nStart Game Stats\r\nTitle\r\n", "Ann", 0},
        {"Ann\r\nAnn0.ply\r\nStart Game Stats\r\nStart Game Stats\r\nStart Game Stats", "Ann", 0},
        {QByteArray::fromStdString("Ann\r\n\0\xff\xfe\r\n\n\n\r\r\x80Start Game Stats\r\n"s), "Ann", -1},
        {"Ann\r\nAnn0.ply\r\nStart Game Stats\r\n" + QByteArray(1 << 20, 'x')
             + "\r\ns\r\nd\r\nn\r\nTRUE\r\n99999999999999999999\r\n" + QByteArray(1 << 20, '7'), "Ann", 2147483647}};
    for (const auto& [bytes, strName, nTimesPlayed] : files) {
        WriteRaw("Cy0.ply", bytes);
        CPlayer player;
        ASSERT_TRUE(LoadAs(player, "Cy0.ply", "Cy"));
        EXPECT_EQ(player.m_strName + " " + player.m_strFileName, strName + " Cy0.ply");
        EXPECT_EQ(player.m_records.empty() ? -1 : player.m_records.back()->m_nTimesPlayed, nTimesPlayed);
        EXPECT_TRUE(player.Save(Folder()));
    }
}

// Catches integer lines misread: white space, signs, trailing text, no digits, overflow.
TEST(ParseIntTest, ReadsTheLeadingDecimalNumber)
{
    const std::vector<std::pair<const char*, int>> cases = {
        {"14", 14}, {"  7", 7}, {"\t-3x", -3}, {"+5", 5}, {"0012", 12}, {"", 0}, {"abc", 0}, {"-", 0}, {"1 2", 1},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}, {"99999999999999999999", 2147483647},
        {"-99999999999999999999", -2147483647 - 1}};
    for (const auto& [szLine, nValue] : cases)
        EXPECT_EQ(CStatsRecord::ParseInt(QString::fromLatin1(szLine)), nValue) << szLine;
}

// Catches changes (or no message) without a game in progress, where EndGame says nothing;
// scores of 0 or less stored; the game in progress purged; counters or score landing in the wrong field; a record not closed
// by EndGame; date lines not following the game's course; an abandoned game reported as
// finished; and the wording of a game that was never closed.
TEST_F(PlayerRecordsTest, RecordFollowsTheGameFromStartToEnd)
{
    CPlayer player;
    const auto play = [&player] {
        for (auto count : {&CPlayer::CountOptimalHint, &CPlayer::CountOperatorHint, &CPlayer::CountOperatorHint,
                           &CPlayer::CountMissedMove, &CPlayer::CountMissedMove, &CPlayer::CountMissedMove,
                           &CPlayer::CountPass})
            (player.*count)();
        player.SetScore(9);
    };
    player.EndGame(QStringLiteral("x"), true, true);
    play();
    EXPECT_EQ(Said(m_prompts), QStringList(8, "Zorbly: No m_pCurrentStats!"));
    EXPECT_TRUE(player.m_records.empty());
    player.m_strFileName = QStringLiteral("Ann0.ply");
    player.StartGame(QStringLiteral("A 10 piece game"));
    ASSERT_NE(player.m_pCurrentStats, nullptr);
    EXPECT_EQ(player.m_pCurrentStats->m_strStarted, "12/05/98 at 03:41:07 PM");
    player.SetScore(0);
    EXPECT_EQ(player.m_pCurrentStats->m_nScore, 1);
    play();
    EXPECT_FALSE(player.PurgeRecord(player.m_pCurrentStats)) << "the game in progress is never purged";
    ASSERT_TRUE(player.Save(Folder()));
    EXPECT_EQ(player.m_pCurrentStats->m_strDateLine, "Last played this game on Saturday, 12/05/98 at 03:41 PM");
    CClock::SetNowForTests(QDateTime(QDate(1998, 12, 5), QTime(15, 52, 0)));
    player.EndGame(QStringLiteral("the computer"), true, false);
    player.StartGame(QStringLiteral("left open"));
    player.StartGame(QStringLiteral("abandoned"));
    player.EndGame(QStringLiteral("Bob"), false, true);
    ASSERT_EQ(player.m_records.size(), 3u);
    EXPECT_TRUE(player.m_pCurrentStats == nullptr && !player.m_records[2]->m_bFinished);
    QString strReport;
    for (const auto& pGame : player.m_records)
        pGame->Describe(strReport, false);
    const QString strNone = "missed the optimal move 0 time(s)\npassed a turn 0 time(s)\n"
                            "took the operator hint 0 time(s)\ntook the optimal hint 0 time(s)\n";
    EXPECT_EQ(strReport, "Game was finished on Saturday, 12/05/98 at 03:52 PM\n\nScore: 9\n"
                         "The game was played against the computer.\nThe player...\nearned the highest score\n"
                         "missed the optimal move 3 time(s)\npassed a turn 1 time(s)\ntook the operator hint 2 time(s)\n"
                         "took the optimal hint 1 time(s)\n\n\nScore: 1\nThe game was played against an unknown player.\n"
                         "The player...\ndid not win the game\n" + strNone + "Game was played on Saturday, 12/05/98 at 03:52 PM"
                         "\n\nScore: 1\nThe game was played against Bob.\nThe player...\ndid not win the game\n" + strNone);
    EXPECT_EQ(m_prompts.Count(), 8);
}

// Catches names or AM/PM taken from the user's locale, hours 0 and 12 on the 12-hour clock,
// missing leading zeros, an unknown conversion or a lone "%" swallowed, and a fixed "now" that
// does not come back to the clock.
TEST(ClockTest, FormatsInEnglishWhateverTheLocaleAndNowCanBeFixed)
{
    const QLocale oldLocale;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QDateTime saturday(QDate(1998, 12, 5), QTime(15, 52, 9));
    const QDateTime midnight(QDate(2001, 3, 4), QTime(0, 5, 0));
    const std::vector<std::tuple<QDateTime, const char*, const char*>> cases = {
        {saturday, "Game was finished on %A, %m/%d/%y at %I:%M %p", "Game was finished on Saturday, 12/05/98 at 03:52 PM"},
        {saturday, "%m/%d/%y at %I:%M:%S %p", "12/05/98 at 03:52:09 PM"},
        {saturday, "%a %b %B %Y %H %j %w", "Sat Dec December 1998 15 339 6"},
        {saturday, "%c|%x|%X", "Sat Dec  5 15:52:09 1998|12/05/98|15:52:09"},
        {midnight, "%A %I:%M %p %y %e", "Sunday 12:05 AM 01  4"},
        {midnight.addSecs(11 * 3600 + 55 * 60), "%I %p", "12 PM"},
        {saturday, "100%% %q %", "100% %q %"}};
    for (const auto& [dt, szPattern, szExpected] : cases)
        EXPECT_EQ(CClock::Format(dt, QString::fromUtf8(szPattern)), QString::fromUtf8(szExpected));
    QLocale::setDefault(oldLocale);
    CClock::SetNowForTests(saturday);
    EXPECT_EQ(CClock::FormatNow(QStringLiteral("%m/%d/%y")), "12/05/98");
    CClock::ResetNow();
    EXPECT_NE(CClock::Now().date(), saturday.date());
}

}  // namespace
