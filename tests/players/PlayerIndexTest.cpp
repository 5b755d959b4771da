// The player index and the names of player files: listing, adding, and what happens when
// nothing can be stored.
#include "PlayerIndex.h"
#include "PlayersTestSupport.h"

namespace {

using PlayerIndexTest = PlayersTest;
using Entries = QList<CPlayerEntry>;

// Catches a wrong replacement set, wrong shortening (two at a time down to five), a cut inside
// a character, and characters left that file names cannot hold.
TEST(FileStemTest, ReplacesAndShortensByCharacters)
{
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"Ann", "Ann"}, {"Joseph", "Jose"}, {"Alexandra", "Alexa"}, {"J.R. Smith", "J_R_"}, {"{}[];~`", "_____"},
        {"a?*<>", "a____"}, {"x\"|:'", "x____"}, {"Tab\tx", "Tab_x"}, {"Amélie", "Amél"}, {"Zoë Müller", "Zoë_"},
        {"Ame\u0301lie", "Ame\u0301l"}, {"李小龍先生", "李小龍先生"}, {"😀😀😀😀😀😀", "😀😀😀😀"}, {"", ""}};
    for (const auto& [szName, szStem] : cases)
        EXPECT_EQ(CRecordList::FileStem(QString::fromUtf8(szName)), QString::fromUtf8(szStem)) << szName;
}

// Catches a second player of a name, of a stem or of a name in other letter case overwriting
// the first one's file (the folder may be copied where letter case does not tell files apart),
// and files not created empty.
TEST_F(PlayerIndexTest, NewFileNamesTakeTheFirstNumberFreeWhateverTheLetterCase)
{
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"Ann", "Ann0.ply"}, {"ann", "ann1.ply"}, {"ANN", "ANN2.ply"}, {"Alexandra", "Alexa0.ply"},
        {"Alexander", "Alexa1.ply"}, {"Who?", "Who_0.ply"}};
    for (const auto& [szName, szFile] : cases) {
        CPlayer player;
        ASSERT_TRUE(player.AssignFileName(QString::fromUtf8(szName), Folder())) << szName;
        EXPECT_EQ(player.m_strName + " " + player.m_strFileName, QString::fromUtf8(szName) + " " + szFile);
        EXPECT_EQ(ReadRaw(szFile), "") << "created empty";
    }
}

// Catches an endless search, a file emptied or the file name changed when every name is taken,
// and loading or saving reported done without a players folder or a file name.
TEST_F(PlayerIndexTest, WithoutRoomForAFileNothingIsStoredAndTheFailuresAreReported)
{
    for (int n = 0; n < 100; ++n)
        WriteRaw(QStringLiteral("Ann%1.ply").arg(n), "Ann\r\n");
    CPlayer player;
    player.m_strFileName = QStringLiteral("old.ply");
    EXPECT_FALSE(player.AssignFileName(QStringLiteral("Ann"), Folder()));
    EXPECT_EQ(player.m_strName + " " + player.m_strFileName, "Ann old.ply");
    EXPECT_EQ(ReadRaw("Ann0.ply"), "Ann\r\n");

    ASSERT_TRUE(QDir(Folder()).removeRecursively());
    player.StartGame(QStringLiteral("t"));
    for (const char* szFileName : {"Ann0.ply", ""}) {
        EXPECT_FALSE(LoadAs(player, szFileName)) << szFileName;
        EXPECT_FALSE(player.Save(Folder())) << szFileName;
    }
    EXPECT_FALSE(QDir(Folder()).exists());
}

// Catches a missing index not created, an empty line taken for a name, a name on the last line
// lost, duplicates merged, an old single-byte name misread, and players left out by a file name
// that differs in letter case.
TEST_F(PlayerIndexTest, ListingSkipsEmptyLinesAndLeavesOutOnlyExactFileNames)
{
    EXPECT_TRUE(CPlayerIndex::List(Folder(), nullptr).isEmpty());
    EXPECT_EQ(ReadRaw("data"), "");
    WriteRaw("data", "Ann\r\nAnn0.ply\r\n\r\nBob\r\nBob0.ply\nRen\xe9\r\nRen0.ply\r\nAnn\r\nAnn1.ply\r\nCy");
    const Entries all = {{"Ann", "Ann0.ply"}, {"Bob", "Bob0.ply"}, {"René", "Ren0.ply"}, {"Ann", "Ann1.ply"}, {"Cy", ""}};
    EXPECT_EQ(CPlayerIndex::List(Folder(), nullptr), all);
    EXPECT_EQ(CPlayerIndex::List(Folder(), nullptr, {"Ann1.ply", "bob0.ply"}), Entries({all[0], all[1], all[2], all[4]}));
    EXPECT_EQ(m_prompts.Count(), 0);
}

// Catches the entries already in the index rewritten (their bytes stay, whatever encoding an
// older game wrote), the new entry not at the end, and an index that does not end with a whole
// entry not written anew, whole (a dangling name would get the new player's file).
TEST_F(PlayerIndexTest, AddingAppendsAndKeepsTheBytesOfTheEntriesThere)
{
    const std::vector<std::pair<QByteArray, QByteArray>> cases = {
        {QByteArray(), "Bob\r\nBob0.ply\r\n"},
        {"Ren\xe9\r\nRen0.ply\r\n", "Ren\xe9\r\nRen0.ply\r\nBob\r\nBob0.ply\r\n"},
        {"Ann\nAnn0.ply\n", "Ann\nAnn0.ply\nBob\r\nBob0.ply\r\n"},
        {"Ann\r\nAnn0.ply\r\nCy", "Ann\r\nAnn0.ply\r\nCy\r\n\r\nBob\r\nBob0.ply\r\n"},
        {"Ann\r\nAnn0.ply", "Ann\r\nAnn0.ply\r\nBob\r\nBob0.ply\r\n"}};
    for (const auto& [before, after] : cases) {
        QFile::remove(Folder() + "data");
        if (!before.isNull())
            WriteRaw("data", before);
        ASSERT_TRUE(CPlayerIndex::Add(Folder(), {"Bob", "Bob0.ply"}, nullptr));
        EXPECT_EQ(ReadRaw("data"), after) << before.toStdString();
    }
    EXPECT_EQ(m_prompts.Count(), 0);
}

}  // namespace
