// The delete players dialog: the confirmation, the players of the game left out and kept first,
// and an index that always matches the files on disk, even when a removal fails.

#include "DeletePlayersDlg.h"
#include "PlayerDlgFixture.h"
#include "PlayerListBox.h"

namespace {

CPlayerListBox& List(CDialog& dlg)
{
    return *dlg.GetDlgItemAs<CPlayerListBox>(CDeletePlayersDlg::kListId);
}

QStringList ListedFiles(CDialog& dlg)
{
    QStringList files;
    for (int i = 0; i < List(dlg).count(); ++i)
        files << List(dlg).Entry(i).m_strFileName;
    return files;
}

void Select(CDialog& dlg, const QStringList& fileNames)
{
    for (int i = 0; i < List(dlg).count(); ++i)
        List(dlg).item(i)->setSelected(fileNames.contains(List(dlg).Entry(i).m_strFileName));
}

class DeletePlayersTest : public PlayerDlgTest {
protected:
    DeletePlayersTest()
    {
        WriteIndex({"zoe", "zoe0.ply", "Bob", "Bob0.ply", "Ann", "Ann0.ply", "Cy", "Cy0.ply",
                    "Bob", "Bob1.ply"});
        const QStringList index = IndexLines();
        for (qsizetype i = 0; i + 1 < index.size(); i += 2)
            WritePlayerFile(index[i], index[i + 1], {});
    }
    int Run(std::function<void(CDialog&)> action)
    {
        m_modals.Then(std::move(action));
        return m_dlg.DoModal();
    }
    CDeletePlayersDlg m_dlg;
};

}  // namespace

// Catches the game's players being offered, and the index losing them or their place at the top.
TEST_F(DeletePlayersTest, PlayersOfTheGameAreLeftOutAndKeptFirstInTheIndex)
{
    Seat(0, "Cy", "Cy0.ply");
    Seat(1, "Ann", "Ann0.ply");
    m_prompts.SetDefaultAnswer(IDYES);
    EXPECT_EQ(Run([](CDialog& dlg) {
                  EXPECT_EQ(ListedFiles(dlg), QStringList({"Bob0.ply", "Bob1.ply", "zoe0.ply"}));
                  EXPECT_FALSE(dlg.IsDlgItemEnabled(IDOK));
                  Select(dlg, {"Bob1.ply"});
                  dlg.PressEnter();
              }),
              IDOK);
    EXPECT_EQ(m_prompts.Texts(), QStringList({"Delete the selected players and their saved games?"}));
    EXPECT_EQ(m_prompts.Last().m_strCaption, "Confirmation");
    EXPECT_FALSE(Exists("Bob1.ply"));
    EXPECT_TRUE(Exists("Bob0.ply"));
    EXPECT_EQ(IndexLines(), QStringList({"Cy", "Cy0.ply", "Ann", "Ann0.ply", "Bob", "Bob0.ply",
                                         "zoe", "zoe0.ply"}));
}

TEST_F(DeletePlayersTest, NoToTheConfirmationChangesNothingAndKeepsTheDialogOpen)
{
    const QByteArray indexBefore = ReadRaw("data");
    m_prompts.Answer(IDNO);
    Run([](CDialog& dlg) {
        Select(dlg, {"Ann0.ply", "zoe0.ply"});
        dlg.PressEnter();
        EXPECT_FALSE(dlg.IsEnded());
        dlg.PressEscape();
    });
    EXPECT_EQ(m_dlg.Result(), IDCANCEL);
    EXPECT_TRUE(Exists("Ann0.ply"));
    EXPECT_TRUE(Exists("zoe0.ply"));
    EXPECT_EQ(ReadRaw("data"), indexBefore);
}

// Any change of selection allows OK; with nothing selected the run removes no file and only
// puts the index in order.
TEST_F(DeletePlayersTest, DeselectingEverythingStillAllowsOkWhichOnlyReordersTheIndex)
{
    m_prompts.SetDefaultAnswer(IDYES);
    Run([](CDialog& dlg) {
        Select(dlg, {"Ann0.ply"});
        Select(dlg, {});
        EXPECT_TRUE(dlg.IsDlgItemEnabled(IDOK));
        dlg.PressEnter();
    });
    EXPECT_EQ(m_dlg.Result(), IDOK);
    EXPECT_EQ(IndexLines(), QStringList({"Ann", "Ann0.ply", "Bob", "Bob0.ply", "Bob", "Bob1.ply",
                                         "Cy", "Cy0.ply", "zoe", "zoe0.ply"}));
    for (const char* szFile : {"zoe0.ply", "Bob0.ply", "Ann0.ply", "Cy0.ply", "Bob1.ply"})
        EXPECT_TRUE(Exists(szFile)) << szFile;
}

// A file already gone and an entry without a file count as removed: such entries can be deleted.
TEST_F(DeletePlayersTest, MissingFilesAndEntriesWithoutAFileAreDeleted)
{
    WriteIndex({"Ann", "Ann0.ply", "Gone", "Gone0.ply", "Nofile", ""});
    m_prompts.SetDefaultAnswer(IDYES);
    Run([](CDialog& dlg) {
        Select(dlg, {"Gone0.ply", ""});
        dlg.PressEnter();
    });
    EXPECT_EQ(m_dlg.Result(), IDOK);
    EXPECT_EQ(m_prompts.Count(), 1);
    EXPECT_EQ(IndexLines(), QStringList({"Ann", "Ann0.ply"}));
}

// A file that cannot be removed stops the run with its name reported; players removed before it
// leave the index and the list, the others stay in both, and the dialog stays open.
TEST_F(DeletePlayersTest, AFailedRemovalIsReportedByNameAndTheIndexStillMatchesTheDisk)
{
    QFile::remove(Folder() + "Bob1.ply");
    QDir(Folder()).mkpath("Bob1.ply/inside");  // a folder: removing it as a file fails
    m_prompts.SetDefaultAnswer(IDYES);
    Run([](CDialog& dlg) {
        Select(dlg, {"Ann0.ply", "Bob1.ply", "zoe0.ply"});
        dlg.PressEnter();
        EXPECT_FALSE(dlg.IsEnded());
        EXPECT_EQ(ListedFiles(dlg), QStringList({"Bob0.ply", "Bob1.ply", "Cy0.ply", "zoe0.ply"}));
        dlg.PressEscape();
    });
    ASSERT_EQ(m_prompts.Count(), 2);
    EXPECT_TRUE(m_prompts.Last().m_strText.contains(Folder() + "Bob1.ply"));
    EXPECT_EQ(m_prompts.Last().m_strCaption, "File Error");
    EXPECT_FALSE(Exists("Ann0.ply"));
    EXPECT_TRUE(Exists("zoe0.ply"));
    EXPECT_EQ(IndexLines(), QStringList({"Bob", "Bob0.ply", "Bob", "Bob1.ply", "Cy", "Cy0.ply",
                                         "zoe", "zoe0.ply"}));
}

// An index that cannot be read is never rewritten from the empty list.
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
