// AssignFileName: every player gets a file of his own, whose name the file system can hold.
#include "Player.h"
#include "PlayersTestSupport.h"

namespace {

using AssignFileNameTest = PlayersTest;

// Catches: wrong replacement set, wrong shortening (two at a time down to five), a cut inside
// a character, characters left that file names cannot hold.
TEST(FileStemTest, ReplacesAndShortensByCharacters)
{
    struct Case { const char* name; const char* stem; };
    const std::vector<Case> cases = {
        {"Ann", "Ann"},
        {"Tom", "Tom"},
        {"Joseph", "Jose"},
        {"Alexandra", "Alexa"},
        {"Alexander", "Alexa"},
        {"J.R. Smith", "J_R_"},
        {"{}[];~`", "_____"},
        {"a?*<>", "a____"},
        {"x\"|:'", "x____"},
        {"Tab\tx", "Tab_x"},
        {"Amélie", "Amél"},
        {"Ame\u0301lie", "Ame\u0301l"},      // e with a combining accent is one character
        {"Zoë Müller", "Zoë_"},
        {"李小龍先生", "李小龍先生"},
        {"😀😀😀😀😀😀", "😀😀😀😀"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CRecordList::FileStem(QString::fromUtf8(c.name)), QString::fromUtf8(c.stem)) << c.name;
}

// Catches: a second player of a name (or stem) overwriting the first one's file.
TEST_F(AssignFileNameTest, TakesTheFirstFreeNumber)
{
    struct Case { const char* name; const char* file; };
    const std::vector<Case> cases = {
        {"Ann", "Ann0.ply"}, {"Ann", "Ann1.ply"}, {"Alexandra", "Alexa0.ply"},
        {"Alexander", "Alexa1.ply"}, {"J.R. Smith", "J_R_0.ply"}, {"Joseph", "Jose0.ply"},
        {"Who?", "Who_0.ply"},
    };
    for (const Case& c : cases) {
        CPlayer player;
        ASSERT_TRUE(player.AssignFileName(QString::fromUtf8(c.name), Folder())) << c.name;
        EXPECT_EQ(player.m_strName, QString::fromUtf8(c.name));
        EXPECT_EQ(player.m_strFileName, c.file);
        EXPECT_TRUE(Exists(c.file));
        EXPECT_TRUE(ReadRaw(c.file).isEmpty()) << "created empty";
    }
}

// Catches: a name with "?" losing its games (the original could not create such a file).
TEST_F(AssignFileNameTest, NameWithQuestionMarkKeepsItsGames)
{
    CPlayer player;
    ASSERT_TRUE(player.AssignFileName(QStringLiteral("Who?"), Folder()));
    player.StartGame(QStringLiteral("Title"));
    ASSERT_TRUE(player.Save(Folder()));
    CPlayer again;
    again.m_strFileName = player.m_strFileName;
    ASSERT_TRUE(again.Load(Folder()));
    EXPECT_EQ(again.m_strName, "Who?");
    EXPECT_EQ(again.m_records.size(), 1u);
}

// Catches: an endless search, or the file name changed when every candidate is taken.
TEST_F(AssignFileNameTest, FailsAfterAHundredTakenNames)
{
    for (int n = 0; n < 100; ++n)
        WriteRaw(QStringLiteral("Ann%1.ply").arg(n), "Ann\r\n");
    CPlayer player;
    player.m_strFileName = QStringLiteral("old.ply");
    EXPECT_FALSE(player.AssignFileName(QStringLiteral("Ann"), Folder()));
    EXPECT_EQ(player.m_strFileName, "old.ply");
    EXPECT_EQ(player.m_strName, "Ann");
    EXPECT_EQ(ReadRaw("Ann0.ply"), QByteArray("Ann\r\n")) << "nobody's file emptied";
}

}  // namespace
