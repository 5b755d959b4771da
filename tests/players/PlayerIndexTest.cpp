// The player index: listing, adding, and the rewrite after deleting players.
#include "FakePrompts.h"
#include "PlayerIndex.h"
#include "PlayersTestSupport.h"

namespace {

using PlayerIndexTest = PlayersTest;
using Entries = QList<CPlayerEntry>;

// Catches: an empty line taken as a name, a name on the last line lost, duplicates merged,
// current players listed.
TEST_F(PlayerIndexTest, ListingSkipsEmptyLinesAndKeepsDuplicatesApart)
{
    WriteRaw("data", "Ann\r\nAnn0.ply\r\n\r\nBob\r\nBob0.ply\nAnn\r\nAnn1.ply\r\nCy");
    CFakePrompts prompts;
    const Entries all = CPlayerIndex::List(Folder(), nullptr);
    EXPECT_EQ(all, Entries({{"Ann", "Ann0.ply"}, {"Bob", "Bob0.ply"}, {"Ann", "Ann1.ply"}, {"Cy", ""}}));
    const Entries others = CPlayerIndex::List(Folder(), nullptr, {"Ann1.ply", "bob0.ply"});
    EXPECT_EQ(others, Entries({{"Ann", "Ann0.ply"}, {"Bob", "Bob0.ply"}, {"Cy", ""}}));
    EXPECT_EQ(prompts.Count(), 0);
}

// Catches: a missing index not created, or an index created over one that exists.
TEST_F(PlayerIndexTest, MissingIndexIsCreatedEmpty)
{
    CFakePrompts prompts;
    EXPECT_TRUE(CPlayerIndex::List(Folder(), nullptr).isEmpty());
    EXPECT_TRUE(Exists("data"));
    EXPECT_EQ(prompts.Count(), 0);
}

// Catches: a new entry not at the end, or pairing a dangling name line with the new name.
TEST_F(PlayerIndexTest, AddingPutsTheEntryAtTheEnd)
{
    CFakePrompts prompts;
    ASSERT_TRUE(CPlayerIndex::Add(Folder(), {"Ann", "Ann0.ply"}, nullptr));
    EXPECT_EQ(ReadRaw("data"), QByteArray("Ann\r\nAnn0.ply\r\n"));
    WriteRaw("data", "Ann\r\nAnn0.ply\r\nCy");
    ASSERT_TRUE(CPlayerIndex::Add(Folder(), {"Bob", "Bob0.ply"}, nullptr));
    EXPECT_EQ(CPlayerIndex::List(Folder(), nullptr),
              Entries({{"Ann", "Ann0.ply"}, {"Cy", ""}, {"Bob", "Bob0.ply"}}));
    EXPECT_EQ(prompts.Count(), 0);
}

class DeletePlayersTest : public PlayersTest {
protected:
    void SetUp() override
    {
        PlayersTest::SetUp();
        for (const char* file : {"Ann0.ply", "bob0.ply", "Cy0.ply", "Ann1.ply", "Dee0.ply"})
            WriteRaw(file, "x\r\n");
        ASSERT_TRUE(CPlayerIndex::Write(Folder(), m_current + m_listed));
    }
    const Entries m_current = {{"Dee", "Dee0.ply"}};
    // As the delete dialog lists them: by name, current players left out.
    const Entries m_listed = {{"Ann", "Ann0.ply"}, {"Ann", "Ann1.ply"}, {"bob", "bob0.ply"},
                              {"Cy", "Cy0.ply"}, {"Eve", ""}};
    CFakePrompts m_prompts;
};

// Catches: the wrong file removed among duplicates, the current players dropped or moved,
// the others not in name order.
TEST_F(DeletePlayersTest, RemovesFilesAndRewritesCurrentPlayersFirstThenByName)
{
    const Entries unsorted = {{"Cy", "Cy0.ply"}, {"bob", "bob0.ply"}, {"Ann", "Ann0.ply"},
                              {"Ann", "Ann1.ply"}, {"Eve", ""}};
    const CDeleteOutcome outcome = CPlayerIndex::DeletePlayers(Folder(), unsorted, {2}, m_current, nullptr);
    EXPECT_TRUE(outcome.AllRemoved());
    EXPECT_TRUE(outcome.m_bIndexWritten);
    EXPECT_FALSE(Exists("Ann0.ply"));
    EXPECT_TRUE(Exists("Ann1.ply"));
    EXPECT_EQ(CPlayerIndex::List(Folder(), nullptr),
              Entries({{"Dee", "Dee0.ply"}, {"Ann", "Ann1.ply"}, {"bob", "bob0.ply"},
                       {"Cy", "Cy0.ply"}, {"Eve", ""}}));
    EXPECT_EQ(m_prompts.Count(), 0);
}

// Catches: a missing file or an entry without a file blocking the deletion of the others.
TEST_F(DeletePlayersTest, MissingFileAndEntryWithoutFileCountAsRemoved)
{
    QFile::remove(Folder() + "Ann1.ply");
    const CDeleteOutcome outcome =
        CPlayerIndex::DeletePlayers(Folder(), m_listed, {4, 1, 3}, m_current, nullptr);
    EXPECT_TRUE(outcome.AllRemoved());
    EXPECT_EQ(outcome.m_removed.size(), 3);
    EXPECT_FALSE(Exists("Cy0.ply"));
    EXPECT_EQ(CPlayerIndex::List(Folder(), nullptr),
              Entries({{"Dee", "Dee0.ply"}, {"Ann", "Ann0.ply"}, {"bob", "bob0.ply"}}));
    EXPECT_EQ(m_prompts.Count(), 0);
}

// Catches: a failed removal reported without the file's name, the run going on past it, or the
// index left naming removed files (or dropping the ones still there).
TEST_F(DeletePlayersTest, FailedRemovalStopsTheRunButTheIndexIsStillRewritten)
{
    // A folder in place of bob's file cannot be removed as a file, even by root.
    QFile::remove(Folder() + "bob0.ply");
    ASSERT_TRUE(QDir(Folder()).mkpath("bob0.ply/inside"));
    const CDeleteOutcome outcome =
        CPlayerIndex::DeletePlayers(Folder(), m_listed, {0, 2, 3}, m_current, nullptr);
    EXPECT_FALSE(outcome.AllRemoved());
    EXPECT_EQ(outcome.m_strFailedPath, Folder() + "bob0.ply");
    ASSERT_EQ(m_prompts.Count(), 1);
    EXPECT_TRUE(m_prompts.Last().m_strText.contains(Folder() + "bob0.ply"));
    EXPECT_EQ(m_prompts.Last().m_strCaption, "File Error");
    EXPECT_FALSE(Exists("Ann0.ply"));
    EXPECT_TRUE(Exists("Cy0.ply")) << "the run stopped at bob";
    EXPECT_TRUE(outcome.m_bIndexWritten);
    EXPECT_EQ(CPlayerIndex::List(Folder(), nullptr),
              Entries({{"Dee", "Dee0.ply"}, {"Ann", "Ann1.ply"}, {"bob", "bob0.ply"},
                       {"Cy", "Cy0.ply"}, {"Eve", ""}}));
}

// Catches: an index entry naming a path outside the players folder deleting that file.
TEST_F(DeletePlayersTest, EntryNamingAnotherFolderRemovesNothingThere)
{
    WriteRaw("../outside.txt", "keep");
    const Entries listed = {{"Mal", "../outside.txt"}};
    CPlayerIndex::DeletePlayers(Folder(), listed, {0}, m_current, nullptr);
    EXPECT_TRUE(QFile::exists(Home() + "outside.txt"));
}

}  // namespace
