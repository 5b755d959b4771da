// Saves that cannot finish change nothing; what killed saves leave is cleared away; two games on
// one players folder lose nothing.
#include "FolderLock.h"
#include "PlayerFile.h"
#include "PlayerIndex.h"
#include "PlayersTestSupport.h"

#include <QCoreApplication>
#include <QProcess>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <utime.h>

namespace {

// Files may grow to `nBytes` only, as on a nearly full disk: a longer write fails with EFBIG.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t nBytes) : m_oldHandler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        const rlimit limit{nBytes, m_saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    void (*m_oldHandler)(int);
    rlimit m_saved{};
};

class DurableSave : public PlayersTest {
protected:
    // Ann's file with `nGames` finished games: about 220 bytes a game.
    static QByteArray PlayerFileWithGames(int nGames)
    {
        QStringList lines = ExamplePlayerFile().mid(0, 2);
        for (int i = 0; i < nGames; ++i)
            lines += ExamplePlayerFile().mid(2);
        return CrLf(lines);
    }
    // Ann with `nGames` games in `strFolder`, loaded, and one more game started.
    void LoadAnnAndPlay(int nGames, const QString& strFolder)
    {
        QFile file(strFolder + "Ann0.ply");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(PlayerFileWithGames(nGames));
        file.close();
        m_ann.m_strFileName = QStringLiteral("Ann0.ply");
        ASSERT_TRUE(m_ann.Load(strFolder));
        m_ann.StartGame(QStringLiteral("A 10 piece game"));
    }
    QStringList FolderFiles() const { return QDir(Folder()).entryList(QDir::Files | QDir::Hidden); }

    CPlayer m_ann;
};

// Catches a save that reports success while the disk refused its last bytes (the file is then
// cut short or empty): under Qt's write buffer the bytes go out only when the file is closed.
class FailedWrite : public DurableSave, public ::testing::WithParamInterface<int> {};

TEST_P(FailedWrite, ReportsFailureAndLeavesTheOldFileByteForByte)
{
    LoadAnnAndPlay(GetParam(), Folder());
    WriteRaw("data", "Ann\r\nAnn0.ply\r\n");
    bool bSaved = true;
    bool bAdded = true;
    {
        const FileSizeLimit limit(PlayerFileWithGames(GetParam()).size() / 2);
        bSaved = m_ann.Save(Folder());
        bAdded = CPlayerIndex::Add(Folder(), {QString(1 << 16, QLatin1Char('B')), "B0.ply"}, nullptr);
    }
    EXPECT_FALSE(bSaved);
    EXPECT_FALSE(bAdded);
    EXPECT_EQ(ReadRaw("Ann0.ply"), PlayerFileWithGames(GetParam()));
    EXPECT_EQ(ReadRaw("data"), "Ann\r\nAnn0.ply\r\n");
    EXPECT_EQ(m_prompts.Texts(), QStringList({"Unable to open data file"}));
    EXPECT_EQ(FolderFiles(), QStringList({"Ann0.ply", "data"})) << "no temporary file stays";
}

// 20 games fit Qt's buffer (the file is written only when it is closed); 200 do not.
INSTANTIATE_TEST_SUITE_P(SmallAndLargeFiles, FailedWrite, ::testing::Values(20, 200));

// The same on a real file system that is full, where one can be mounted (as root).
TEST_F(DurableSave, FullDiskReportsFailureAndLeavesTheOldFile)
{
    QTemporaryDir mountPoint;
    const QByteArray mountPath = QFile::encodeName(mountPoint.path());
    if (::mount("tmpfs", mountPath.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small file system here (needs root)";
    const QString strFolder = mountPoint.path() + QLatin1Char('/');
    LoadAnnAndPlay(20, strFolder);
    QFile filler(strFolder + QStringLiteral("filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    ASSERT_TRUE(filler.resize(filler.size() - block.size()));  // room for the lock file only
    const bool bSaved = m_ann.Save(strFolder);
    QFile saved(strFolder + QStringLiteral("Ann0.ply"));
    const QByteArray after = saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray();
    saved.close();
    filler.close();
    ::umount(mountPath.constData());
    EXPECT_FALSE(bSaved);
    EXPECT_EQ(after, PlayerFileWithGames(20));
}

// Catches temporary files of killed saves piling up, and the clean-up touching anything else:
// files of other names, files without the file they stood for, and a save still under way.
TEST_F(DurableSave, LeftoversOfKilledSavesAreRemovedWhenThePlayersAreListed)
{
    const QStringList files = {"Ann0.ply", "Ann0.ply.aB3xY9", "data.Qw12Er", "Bob0.ply.Zz9Yy8",
                               "Ann0.ply.new", "notes.txt", "data", "Ann0.ply.Fresh1"};
    const utimbuf old{time(nullptr) - 120, time(nullptr) - 120};
    for (const QString& strName : files) {
        WriteRaw(strName, "x");
        if (strName != "Ann0.ply.Fresh1")
            utime(QFile::encodeName(Folder() + strName).constData(), &old);
    }
    CPlayerIndex::List(Folder(), nullptr);
    EXPECT_EQ(FolderFiles(), QStringList({"Ann0.ply", "Ann0.ply.Fresh1", "Ann0.ply.new",
                                          "Bob0.ply.Zz9Yy8", "data", "notes.txt"}));
}

// Catches a save that writes from what it read at the start: another game's records, or a
// record this game purged, would be lost or come back.
TEST_F(DurableSave, SavingKeepsWhatAnotherGameSavedForThePlayer)
{
    LoadAnnAndPlay(3, Folder());
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
    const QString strTag = qEnvironmentVariable("ZORBLY_WORKER_TAG");
    ASSERT_FALSE(strFolder.isEmpty());
    CPlayer sam;
    sam.m_strFileName = QStringLiteral("Sam0.ply");
    ASSERT_TRUE(sam.Load(strFolder));
    for (int i = 0; i < 100; ++i) {
        const QString strName = strTag + QString::number(i);
        CPlayer player;
        ASSERT_TRUE(player.AssignFileName(strName, strFolder));
        player.StartGame(strName);
        ASSERT_TRUE(player.Save(strFolder));
        ASSERT_TRUE(CPlayerIndex::Add(strFolder, {strName, player.m_strFileName}, nullptr));
        sam.StartGame(strName);
        sam.EndGame(QStringLiteral("the computer"), true, false);
        ASSERT_TRUE(sam.Save(strFolder));
    }
}

// Catches two games on one players folder each rewriting the index or a player file from what
// it read earlier: players and games of the other game would vanish.
TEST_F(DurableSave, TwoGamesOnOneFolderLoseNothing)
{
    WriteRaw("Sam0.ply", "Sam\r\nSam0.ply\r\n");
    WriteRaw("data", "Sam\r\nSam0.ply\r\n");
    QProcess workers[2];
    for (int i = 0; i < 2; ++i) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZORBLY_WORKER_FOLDER"), Folder());
        env.insert(QStringLiteral("ZORBLY_WORKER_TAG"), i == 0 ? QStringLiteral("Ann") : QStringLiteral("Bob"));
        workers[i].setProcessEnvironment(env);
        workers[i].start(QCoreApplication::applicationFilePath(),
                         {"--gtest_also_run_disabled_tests", "--gtest_filter=ConcurrentGames.DISABLED_Worker"});
    }
    for (QProcess& worker : workers) {
        ASSERT_TRUE(worker.waitForFinished(120000));
        EXPECT_EQ(worker.exitCode(), 0) << worker.readAllStandardOutput().toStdString();
    }
    QList<CPlayerEntry> entries;
    ASSERT_EQ(CPlayerIndex::Read(Folder(), entries), CPlayerIndex::ReadResult::Read);
    EXPECT_EQ(entries.size(), 201);
    for (const CPlayerEntry& entry : entries) {
        CPlayer player;
        ASSERT_TRUE(LoadAs(player, entry.m_strFileName));
        EXPECT_EQ(player.m_records.size(), entry.m_strName == "Sam" ? 200u : 1u) << entry.m_strName.toStdString();
    }
    EXPECT_FALSE(Exists(CFolderLock::LockFileName()));
}

}  // namespace
