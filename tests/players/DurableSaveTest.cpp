// Saves that cannot finish change nothing; what killed saves leave is cleared away; two games on
// one players folder lose nothing.
#include "FolderLock.h"
#include "PlayerIndex.h"
#include "PlayersTestSupport.h"

#include <QCoreApplication>
#include <QProcess>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <utime.h>

namespace {

// Runs `work` while files may grow to `nBytes` only, as on a nearly full disk: a longer write
// fails with EFBIG instead of ending the process.
void WithFileSizeLimit(rlim_t nBytes, const std::function<void()>& work)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit limit{nBytes, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
    work();
    setrlimit(RLIMIT_FSIZE, &saved);
}

class DurableSave : public PlayersTest {
protected:
    QString Folder() const override { return m_strFolder.isEmpty() ? PlayersTest::Folder() : m_strFolder; }
    // Ann's file with `nGames` finished games (about 220 bytes a game), loaded, and one more game
    // started.
    void LoadAnnAndPlay(int nGames)
    {
        m_before = CrLf(ExamplePlayerFile(QStringList(nGames, "12/05/98 at 03:41:07 PM")));
        WriteRaw("Ann0.ply", m_before);
        ASSERT_TRUE(LoadAs(m_ann, "Ann0.ply"));
        m_ann.StartGame(QStringLiteral("A 10 piece game"));
    }

    QString m_strFolder;  // in place of the players folder
    CPlayer m_ann;
    QByteArray m_before;
};

// Catches a save that reports success while the disk refused its last bytes (the file is then
// cut short or empty): under Qt's write buffer the bytes go out only when the file is closed.
class FailedWrite : public DurableSave, public ::testing::WithParamInterface<int> {};

TEST_P(FailedWrite, ReportsFailureAndLeavesTheOldFileByteForByte)
{
    LoadAnnAndPlay(GetParam());
    WriteRaw("data", "Ann\r\nAnn0.ply\r\n");
    WithFileSizeLimit(m_before.size() / 2, [this] {
        EXPECT_FALSE(m_ann.Save(Folder()));
        EXPECT_FALSE(CPlayerIndex::Add(Folder(), {QString(1 << 16, QLatin1Char('B')), "B0.ply"}, nullptr));
    });
    EXPECT_EQ(ReadRaw("Ann0.ply") + ReadRaw("data"), m_before + "Ann\r\nAnn0.ply\r\n");
    EXPECT_EQ(Said(m_prompts), QStringList({"File Error!: Unable to open data file"}));
    EXPECT_EQ(Files(), QStringList({"Ann0.ply", "data"})) << "no temporary file stays";
}

// 20 games fit Qt's buffer (the file is written only when it is closed); 200 do not.
INSTANTIATE_TEST_SUITE_P(SmallAndLargeFiles, FailedWrite, ::testing::Values(20, 200));

// Catches temporary files of killed saves piling up, and the clean-up touching anything else:
// files of other names, files without the file they stood for, and a save still under way.
TEST_F(DurableSave, LeftoversOfKilledSavesAreRemovedWhenThePlayersAreListed)
{
    const utimbuf old{time(nullptr) - 120, time(nullptr) - 120};
    for (const QString strName : {"Ann0.ply", "Ann0.ply.aB3xY9", "data.Qw12Er", "Bob0.ply.Zz9Yy8", "Ann0.ply.new",
                                   "notes.txt", "data", "Ann0.ply.Fresh1"}) {
        WriteRaw(strName, "x");
        utime(QFile::encodeName(Folder() + strName).constData(), strName.endsWith("Fresh1") ? nullptr : &old);
    }
    CPlayerIndex::List(Folder(), nullptr);
    EXPECT_EQ(Files(), QStringList({"Ann0.ply", "Ann0.ply.Fresh1", "Ann0.ply.new", "Bob0.ply.Zz9Yy8", "data", "notes.txt"}));
}

// Catches a save that writes from what it read at the start: another game's records, or a
// record this game purged, would be lost or come back.
TEST_F(DurableSave, SavingKeepsWhatAnotherGameSavedForThePlayer)
{
    LoadAnnAndPlay(3);
    m_ann.EndGame(QStringLiteral("the computer"), true, false);
    CPlayer other;
    ASSERT_TRUE(LoadAs(other, "Ann0.ply"));
    other.PurgeRecord(other.m_records.front().get());
    other.StartGame(QStringLiteral("Another game"));
    ASSERT_TRUE(other.Save(Folder()));
    m_ann.StartGame(QStringLiteral("The game in progress"));
    ASSERT_TRUE(m_ann.Save(Folder()));
    QStringList titles;
    for (const auto& pRecord : m_ann.m_records)
        titles << pRecord->m_strTitle;
    EXPECT_EQ(titles.size(), 5);
    EXPECT_EQ(titles.mid(2), QStringList({"A 10 piece game", "The game in progress", "Another game"}));
    EXPECT_EQ(m_ann.m_pCurrentStats, m_ann.m_records[3].get());
    CPlayer again;
    ASSERT_TRUE(LoadAs(again, "Ann0.ply"));
    EXPECT_EQ(again.m_records.size(), 5u);
}

// A worker of the test below, started as a process of its own: adds 100 players and saves a
// game for each, and 100 games for the shared player "Sam".
TEST(ConcurrentGames, DISABLED_Worker)
{
    const QString strFolder = qEnvironmentVariable("ZORBLY_WORKER_FOLDER");
    CPlayer sam;
    sam.m_strFileName = QStringLiteral("Sam0.ply");
    ASSERT_TRUE(sam.Load(strFolder));
    for (int i = 0; i < 100; ++i) {
        CPlayer player;
        ASSERT_TRUE(player.AssignFileName(qEnvironmentVariable("ZORBLY_WORKER_TAG") + QString::number(i), strFolder));
        player.StartGame(player.m_strName);
        ASSERT_TRUE(player.Save(strFolder));
        ASSERT_TRUE(CPlayerIndex::Add(strFolder, {player.m_strName, player.m_strFileName}, nullptr));
        sam.StartGame(player.m_strName);
        sam.EndGame(QStringLiteral("the computer"), true, false);
        ASSERT_TRUE(sam.Save(strFolder));
    }
}

// Catches two games on one players folder each rewriting the index or a player file from what
// it read earlier: players and games of the other game would vanish.
TEST_F(DurableSave, TwoGamesOnOneFolderLoseNothing)
{
    for (const char* szFile : {"Sam0.ply", "data"})
        WriteRaw(szFile, "Sam\r\nSam0.ply\r\n");
    QProcess workers[2];
    qputenv("ZORBLY_WORKER_FOLDER", Folder().toLocal8Bit());
    for (int i = 0; i < 2; ++i) {
        qputenv("ZORBLY_WORKER_TAG", i == 0 ? "Ann" : "Bob");  // taken in when the worker starts
        workers[i].start(QCoreApplication::applicationFilePath(),
                         {"--gtest_also_run_disabled_tests", "--gtest_filter=ConcurrentGames.DISABLED_Worker"});
    }
    for (QProcess& worker : workers) {
        ASSERT_TRUE(worker.waitForFinished(120000));
        EXPECT_EQ(worker.exitCode(), 0) << worker.readAllStandardOutput().toStdString();
    }
    const QList<CPlayerEntry> entries = CPlayerIndex::List(Folder(), nullptr);
    EXPECT_EQ(entries.size(), 201);
    for (const CPlayerEntry& entry : entries) {
        CPlayer player;
        ASSERT_TRUE(LoadAs(player, entry.m_strFileName));
        EXPECT_EQ(player.m_records.size(), entry.m_strName == "Sam" ? 200u : 1u) << entry.m_strName.toStdString();
    }
    EXPECT_FALSE(Files().contains(CFolderLock::LockFileName()));
}

}  // namespace
