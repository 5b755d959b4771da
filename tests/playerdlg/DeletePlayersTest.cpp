// The delete players dialog: the confirmation, the players of the game left out and kept first,
// and an index that always matches the files on disk, even when a removal fails.

#include "DeletePlayersDlg.h"
#include "PlayerDlgFixture.h"

namespace {

class DeletePlayersTest : public PlayerDlgTest {
protected:
    DeletePlayersTest()
    {
        WriteIndex({"zoe", "zoe0.ply", "Bob", "Bob0.ply", "Ann", "Ann0.ply", "Cy", "Cy0.ply", "Bob", "Bob1.ply"});
        m_prompts.SetDefaultAnswer(IDYES);
    }
    // Runs the dialog: selects the entries of `fileNames`, presses OK, then does `after`.
    int Run(const QStringList& fileNames, std::function<void(CDialog&)> after = {})
    {
        m_modals.Then([=, this](CDialog& dlg) {
            m_listed = Listed(dlg, true);
            EXPECT_FALSE(dlg.IsDlgItemEnabled(IDOK));
            for (int i = 0; i < List(dlg).count(); ++i)
                List(dlg).item(i)->setSelected(fileNames.contains(List(dlg).Entry(i).m_strFileName));
            dlg.PressEnter();
            if (after)
                after(dlg);
        });
        return m_dlg.DoModal();
    }
    CDeletePlayersDlg m_dlg;
    QStringList m_listed;
};

}  // namespace

// Catches the game's players being offered, the index losing them or their place at the top
// (player one, then player two), the wrong one of two equal names deleted, and no confirmation.
TEST_F(DeletePlayersTest, PlayersOfTheGameAreLeftOutAndKeptFirstInTheIndex)
{
    Seat(0, "Cy", "Cy0.ply");
    Seat(1, "Ann", "Ann0.ply");
    EXPECT_EQ(Run({"Bob1.ply"}), IDOK);
    EXPECT_EQ(m_listed, QStringList({"Bob0.ply", "Bob1.ply", "zoe0.ply"}));
    EXPECT_EQ(m_prompts.Texts(), QStringList({"Delete the selected players and their saved games?"}));
    EXPECT_EQ(m_prompts.Last().m_strCaption, "Confirmation");
    EXPECT_FALSE(Exists("Bob1.ply"));
    EXPECT_TRUE(Exists("Bob0.ply"));
    EXPECT_EQ(IndexLines(), QStringList({"Cy", "Cy0.ply", "Ann", "Ann0.ply", "Bob", "Bob0.ply", "zoe", "zoe0.ply"}));
}

// Catches No to the confirmation deleting anything or closing the dialog, and Cancel after it
// reporting a deletion.
TEST_F(DeletePlayersTest, NoToTheConfirmationChangesNothingAndCancelGivesCancel)
{
    const QByteArray indexBefore = ReadRaw("data");
    m_prompts.Answer(IDNO);
    EXPECT_EQ(Run({"Ann0.ply", "zoe0.ply"}, [](CDialog& dlg) {
                  EXPECT_FALSE(dlg.IsEnded());
                  dlg.PressEscape();
              }),
              IDCANCEL);
    EXPECT_TRUE(Exists("Ann0.ply"));
    EXPECT_TRUE(Exists("zoe0.ply"));
    EXPECT_EQ(ReadRaw("data"), indexBefore);
}

// Catches OK left off after a selection was undone, a file removed with nothing selected, the
// index not put in order by name, and a seated player without a file offered or kept first.
TEST_F(DeletePlayersTest, NothingSelectedRemovesNoFileAndOnlyPutsTheIndexInOrder)
{
    WriteIndex({"zoe", "zoe0.ply", "Nofile", "", "Bob", "Bob0.ply", "Ann", "Ann0.ply", "Cy", "Cy0.ply", "Bob", "Bob1.ply"});
    Seat(0, "Nofile", "");
    m_modals.Then([](CDialog& dlg) {
        EXPECT_EQ(Listed(dlg), QStringList({"Ann", "Bob", "Bob", "Cy", "zoe"}));
        List(dlg).item(0)->setSelected(true);
        List(dlg).item(0)->setSelected(false);
        EXPECT_TRUE(dlg.IsDlgItemEnabled(IDOK));
        dlg.PressEnter();
    });
    EXPECT_EQ(m_dlg.DoModal(), IDOK);
    EXPECT_EQ(IndexLines(), QStringList({"Ann", "Ann0.ply", "Bob", "Bob0.ply", "Bob", "Bob1.ply", "Cy", "Cy0.ply",
                                         "Nofile", "", "zoe", "zoe0.ply"}));
    for (const char* szFile : {"zoe0.ply", "Bob0.ply", "Ann0.ply", "Cy0.ply", "Bob1.ply"})
        EXPECT_TRUE(Exists(szFile)) << szFile;
}

// Catches a file already gone or an entry without a file blocking the deletion, and an entry
// naming a file outside the players folder removing that file.
TEST_F(DeletePlayersTest, MissingFilesAndEntriesWithoutAFileAreDeletedButNothingOutside)
{
    WriteIndex({"Ann", "Ann0.ply", "Gone", "Gone0.ply", "Nofile", "", "Mal", "../outside.txt"});
    QFile::remove(Folder() + "Gone0.ply");
    EXPECT_EQ(Run({"Gone0.ply", "", "../outside.txt"}), IDOK);
    EXPECT_EQ(m_prompts.Count(), 1);
    EXPECT_EQ(IndexLines(), QStringList({"Ann", "Ann0.ply"}));
    EXPECT_TRUE(QFile::exists(m_app.m_strHomeDir + "outside.txt"));
}

// Catches a failed removal not reported by name, the run going on past it, the index not
// matching the disk afterwards (removed players gone from it, the others kept), the dialog
// closing, and Cancel then hiding that players were removed.
TEST_F(DeletePlayersTest, AFailedRemovalIsReportedByNameAndTheIndexStillMatchesTheDisk)
{
    QFile::remove(Folder() + "Bob1.ply");
    QDir(Folder()).mkpath("Bob1.ply/inside");  // a folder: removing it as a file fails
    EXPECT_EQ(Run({"Ann0.ply", "Bob1.ply", "zoe0.ply"}, [](CDialog& dlg) {
                  EXPECT_FALSE(dlg.IsEnded());
                  EXPECT_EQ(Listed(dlg, true), QStringList({"Bob0.ply", "Bob1.ply", "Cy0.ply", "zoe0.ply"}));
                  dlg.PressEscape();
              }),
              IDOK);
    ASSERT_EQ(m_prompts.Count(), 2);
    EXPECT_TRUE(m_prompts.Last().m_strText.contains(Folder() + "Bob1.ply"));
    EXPECT_EQ(m_prompts.Last().m_strCaption, "File Error");
    EXPECT_FALSE(Exists("Ann0.ply"));
    EXPECT_TRUE(Exists("zoe0.ply"));
    EXPECT_EQ(IndexLines(), QStringList({"Bob", "Bob0.ply", "Bob", "Bob1.ply", "Cy", "Cy0.ply", "zoe", "zoe0.ply"}));
}

// Catches an index that cannot be read being rewritten from the empty list (or the folder made).
TEST_F(PlayerDlgTest, MissingPlayersFolderGivesTheReinstallMessageAndAnEmptyList)
{
    QDir(Folder()).removeRecursively();
    m_prompts.SetDefaultAnswer(IDYES);
    m_modals.Then([](CDialog& dlg) {
        EXPECT_EQ(List(dlg).count(), 0);
        dlg.OnCommand(IDOK);
    });
    m_app.OnDeletePlayers();
    EXPECT_EQ(m_modals.TemplatesRun(), std::vector<int>({142}));
    ASSERT_GE(m_prompts.Count(), 1);
    EXPECT_EQ(m_prompts.Prompts()[0].m_strText, "Please re-install Cogwhistle!");
    EXPECT_EQ(m_prompts.Prompts()[0].m_strCaption, "File Error");
    EXPECT_FALSE(QDir(Folder()).exists());
}
