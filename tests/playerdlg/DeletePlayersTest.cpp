// The delete players dialog: the confirmation, the players of the game left out and kept first,
// and an index that always matches the files on disk, even when a removal fails.

#include "DeletePlayersDlg.h"
#include "PlayerDlgFixture.h"

#include <algorithm>

namespace {

// The file name lines of the index, in order.
QStringList FileNameLines(const QStringList& lines)
{
    QStringList fileNames;
    for (qsizetype i = 1; i < lines.size(); i += 2)
        fileNames << lines[i];
    return fileNames;
}

QStringList Sorted(QStringList list)
{
    std::sort(list.begin(), list.end());
    return list;
}

}  // namespace

// One run each: the players offered (never those of the game, with or without a file), the
// files removed, the index afterwards (the game's players first, player one then two, the others
// by name), and the result. Catches a run without confirmation or after No; OK left off after a
// selection was undone; the wrong one of two equal names deleted; a missing file or an entry
// without one blocking the run; a file outside the players folder removed; a failed removal not
// reported by name, not stopping the run, or leaving the list, the index and the disk apart; and
// Cancel hiding that players were removed (or claiming it when none were).
TEST_F(PlayerDlgTest, DeletingPlayersLeavesTheIndexMatchingTheDisk)
{
    struct Case {
        QStringList seats;     // names and file names of the players of the game
        QStringList selected;  // file names selected before OK
        int nAnswer;           // to the confirmation
        const char* szBlocked; // a file that cannot be removed
        QStringList listed;    // file names offered
        int nResult;           // after Cancel if the dialog stays open
        QStringList index;     // file names in the index afterwards
        QStringList files;     // files left in the players folder
    };
    const QStringList all = {"zoe0.ply", "Bob0.ply", "Ann0.ply", "Cy0.ply", "Bob1.ply", "Gone0.ply", "../out.txt", ""};
    const QStringList byName = {"Ann0.ply", "Bob0.ply", "Bob1.ply", "Cy0.ply", "Gone0.ply", "../out.txt", "", "zoe0.ply"};
    const QStringList allFiles = {"Ann0.ply", "Bob0.ply", "Bob1.ply", "Cy0.ply", "data", "zoe0.ply"};
    const std::vector<Case> cases = {
        {{"Cy", "Cy0.ply", "Ann", "Ann0.ply"}, {"Bob1.ply"}, IDYES, nullptr,
         {"Bob0.ply", "Bob1.ply", "Gone0.ply", "../out.txt", "", "zoe0.ply"}, IDOK,
         {"Cy0.ply", "Ann0.ply", "Bob0.ply", "Gone0.ply", "../out.txt", "", "zoe0.ply"},
         {"Ann0.ply", "Bob0.ply", "Cy0.ply", "data", "zoe0.ply"}},
        {{}, {"Ann0.ply", "zoe0.ply"}, IDNO, nullptr, byName, IDCANCEL, all, allFiles},
        {{"Nofile", ""}, {}, IDYES, nullptr,
         {"Ann0.ply", "Bob0.ply", "Bob1.ply", "Cy0.ply", "Gone0.ply", "../out.txt", "zoe0.ply"}, IDOK, byName, allFiles},
        {{}, {"Gone0.ply", "../out.txt", ""}, IDYES, nullptr, byName, IDOK,
         {"Ann0.ply", "Bob0.ply", "Bob1.ply", "Cy0.ply", "zoe0.ply"}, allFiles},
        {{}, {"Ann0.ply", "Bob1.ply", "zoe0.ply"}, IDYES, "Bob1.ply", byName, IDOK,
         {"Bob0.ply", "Bob1.ply", "Cy0.ply", "Gone0.ply", "../out.txt", "", "zoe0.ply"},
         {"Bob0.ply", "Cy0.ply", "data", "zoe0.ply"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selected.join(", ").toStdString());
        QDir(Folder()).removeRecursively();
        QDir().mkpath(Folder());
        WriteIndex({"zoe", "zoe0.ply", "Bob", "Bob0.ply", "Ann", "Ann0.ply", "Cy", "Cy0.ply", "Bob", "Bob1.ply",
                    "Gone", "Gone0.ply", "Mal", "../out.txt", "Nofile", ""});
        QFile::remove(Folder() + "Gone0.ply");
        if (c.szBlocked && QFile::remove(Folder() + c.szBlocked))
            QDir().mkpath(Folder() + c.szBlocked + "/inside");  // a folder is not removed as a file
        for (auto& pPlayer : m_app.m_pPlayer)
            pPlayer.reset();
        for (int n = 0; 2 * n < c.seats.size(); ++n)
            Seat(n, c.seats[2 * n], c.seats[2 * n + 1]);
        m_prompts.ClearRecord();
        m_prompts.Answer(c.nAnswer);
        QStringList listed;
        m_modals.Then([&](CDialog& dlg) {
            listed = Listed(dlg, true);
            EXPECT_FALSE(dlg.IsDlgItemEnabled(IDOK));
            for (bool bAll : {true, false})
                for (int i = 0; i < List(dlg).count(); ++i)
                    List(dlg).item(i)->setSelected(bAll || c.selected.contains(List(dlg).Entry(i).m_strFileName));
            EXPECT_TRUE(dlg.IsDlgItemEnabled(IDOK));
            dlg.PressEnter();
            if (!dlg.IsEnded()) {
                EXPECT_EQ(Sorted(Listed(dlg, true)), Sorted(FileNameLines(IndexLines())));
                dlg.PressEscape();
            }
        });
        CDeletePlayersDlg dlg;
        EXPECT_EQ(dlg.DoModal(), c.nResult);
        EXPECT_EQ(listed, c.listed);
        EXPECT_EQ(FileNameLines(IndexLines()), c.index);
        EXPECT_EQ(Files(), c.files);
        EXPECT_TRUE(QFile::exists(Folder() + "../out.txt"));
        EXPECT_EQ(Said(m_prompts).value(0), "Confirmation: Delete the selected players and their saved games?");
        EXPECT_EQ(Said(m_prompts).value(1), c.szBlocked ? "File Error: Unable to delete the player file "
                                                              + Folder() + c.szBlocked + "." : QString());
    }
}
