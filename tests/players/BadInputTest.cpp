// Broken files and folders: the program's own message or a quiet fallback, never a crash,
// never a lost history.
#include "FakePrompts.h"
#include "Player.h"
#include "PlayerIndex.h"
#include "PlayersTestSupport.h"

#include <QWidget>
#include <unistd.h>

namespace {

using BadInputTest = PlayersTest;

// Catches: a crash or no message when the players folder is missing; a player stored nowhere
// while pretending success.
TEST_F(BadInputTest, MissingPlayersFolderAsksToReinstall)
{
    ASSERT_TRUE(QDir(Folder()).removeRecursively());
    CFakePrompts prompts;
    QWidget owner;
    QWidget* const pOwner = &owner;
    EXPECT_TRUE(CPlayerIndex::List(Folder(), pOwner).isEmpty());
    ASSERT_EQ(prompts.Count(), 1);
    EXPECT_EQ(prompts.Last().m_strText, "Please re-install Cogwhistle!");
    EXPECT_EQ(prompts.Last().m_strCaption, "File Error");
    EXPECT_EQ(prompts.Last().m_buttons, PromptButtons::Ok);
    EXPECT_EQ(prompts.Last().m_pParent, pOwner);

    CPlayer player;
    EXPECT_FALSE(player.AssignFileName(QStringLiteral("Ann"), Folder()));
    EXPECT_TRUE(player.m_strFileName.isEmpty());
    player.StartGame(QStringLiteral("t"));
    EXPECT_FALSE(player.Save(Folder()));
    EXPECT_FALSE(player.Load(Folder()));
    EXPECT_FALSE(CPlayerIndex::Add(Folder(), {"Ann", ""}, nullptr));
    EXPECT_EQ(prompts.Last().m_strText, "Unable to open data file");
    EXPECT_EQ(prompts.Last().m_strCaption, "File Error!");
    EXPECT_EQ(prompts.Count(), 2);
}

// Catches: a save into a folder that cannot be written emptying or cutting the saved file.
TEST_F(BadInputTest, ReadOnlyFolderLosesNothingSaved)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders; the disk-full case covers root";
    WriteRaw("Ann0.ply", CrLf(kExamplePlayerFile));
    WriteRaw("data", "Ann\r\nAnn0.ply\r\n");
    QFile::setPermissions(Folder(), QFile::ReadOwner | QFile::ExeOwner);
    CFakePrompts prompts;
    CPlayer player;
    player.m_strFileName = QStringLiteral("Ann0.ply");
    ASSERT_TRUE(player.Load(Folder()));
    player.PurgeAll();
    player.StartGame(QStringLiteral("t"));
    const bool bSaved = player.Save(Folder());
    const bool bAdded = CPlayerIndex::Add(Folder(), {"Bob", "Bob0.ply"}, nullptr);
    QFile::setPermissions(Folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(bSaved);
    EXPECT_FALSE(bAdded);
    EXPECT_EQ(ReadRaw("Ann0.ply"), CrLf(kExamplePlayerFile));
    EXPECT_EQ(ReadRaw("data"), QByteArray("Ann\r\nAnn0.ply\r\n"));
}

// Catches: a player file or index that could not be read being emptied or overwritten.
TEST_F(BadInputTest, UnreadableFilesAreNotWrittenOver)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    WriteRaw("Ann0.ply", CrLf(kExamplePlayerFile));
    WriteRaw("data", "Ann\r\nAnn0.ply\r\n");
    for (const char* file : {"Ann0.ply", "data"})
        QFile::setPermissions(Folder() + file, QFile::WriteOwner);
    CFakePrompts prompts;
    CPlayer player;
    player.m_strFileName = QStringLiteral("Ann0.ply");
    EXPECT_FALSE(player.Load(Folder()));
    player.StartGame(QStringLiteral("t"));
    EXPECT_FALSE(player.Save(Folder()));
    EXPECT_TRUE(CPlayerIndex::List(Folder(), nullptr).isEmpty());
    EXPECT_FALSE(CPlayerIndex::Add(Folder(), {"Bob", "Bob0.ply"}, nullptr));
    EXPECT_EQ(prompts.Texts(), QStringList({"Please re-install Cogwhistle!", "Unable to open data file"}));
    for (const char* file : {"Ann0.ply", "data"})
        QFile::setPermissions(Folder() + file, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(ReadRaw("Ann0.ply"), CrLf(kExamplePlayerFile));
    EXPECT_EQ(ReadRaw("data"), QByteArray("Ann\r\nAnn0.ply\r\n"));
}

// Catches: crashes or hangs on files that end early, hold garbage, binary bytes or huge lines.
TEST_F(BadInputTest, BrokenPlayerFilesLoadWithoutCrash)
{
    const std::vector<QByteArray> files = {
        QByteArray(),
        "Ann",
        "Ann\r\nAnn0.ply\r\nStart Game Stats\r\nTitle\r\n",
        "Ann\r\nAnn0.ply\r\nStart Game Stats\r\nStart Game Stats\r\nStart Game Stats",
        QByteArray("\0\xff\xfe\r\n\n\n\r\r\x80Start Game Stats\r\n", 28),
        "Ann\r\nAnn0.ply\r\nStart Game Stats\r\n" + QByteArray(1 << 20, 'x')
            + "\r\ns\r\nd\r\nn\r\nTRUE\r\n99999999999999999999\r\n" + QByteArray(1 << 20, '7'),
    };
    for (const QByteArray& bytes : files) {
        WriteRaw("Ann0.ply", bytes);
        CPlayer player;
        player.m_strName = QStringLiteral("Ann");
        player.m_strFileName = QStringLiteral("Ann0.ply");
        EXPECT_TRUE(player.Load(Folder()));
        EXPECT_EQ(player.m_strFileName, "Ann0.ply");
        for (const auto& pRecord : player.m_records) {
            QString strReport;
            pRecord->Describe(strReport, true);
        }
        EXPECT_TRUE(player.Save(Folder()));
    }
    CPlayer player;
    player.m_strFileName = QStringLiteral("Ann0.ply");
    ASSERT_TRUE(player.Load(Folder()));
    ASSERT_EQ(player.m_records.size(), 1u);
    EXPECT_EQ(player.m_records[0]->m_nTimesPlayed, 2147483647) << "too large a number is held";
    EXPECT_EQ(player.m_records[0]->m_nScore, 2147483647);
}

// Catches: integer lines misread: white space, signs, trailing text, no digits, overflow.
TEST(ParseIntTest, ReadsLeadingDecimalNumber)
{
    struct Case { const char* line; int value; };
    const std::vector<Case> cases = {
        {"14", 14}, {"  7", 7}, {"\t-3x", -3}, {"+5", 5}, {"0012", 12}, {"", 0}, {"abc", 0},
        {"-", 0}, {"1 2", 1}, {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"99999999999999999999", 2147483647}, {"-99999999999999999999", -2147483647 - 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CStatsRecord::ParseInt(QString::fromLatin1(c.line)), c.value) << c.line;
}

}  // namespace
