// CPlayerFile: the text file every file of the program goes through.
#include "PlayerFile.h"
#include "PlayersTestSupport.h"

#include <csignal>
#include <sys/resource.h>

namespace {

class PlayerFileTest : public PlayersTest {
protected:
    QStringList ReadAll(const QString& strName)
    {
        CPlayerFile file;
        EXPECT_TRUE(file.Open(Folder() + strName, CPlayerFile::modeRead));
        QStringList lines;
        QString strLine;
        while (file.ReadLine(strLine))
            lines.append(strLine);
        EXPECT_TRUE(strLine.isEmpty()) << "the string is empty at the end of the file";
        return lines;
    }
};

// Catches: CR left on lines, LF-only files misread, a last line without line end dropped,
// or a trailing line end read as an extra empty line.
TEST_F(PlayerFileTest, ReadsLinesOfCrLfAndLfFilesAlike)
{
    struct Case { QByteArray bytes; QStringList lines; };
    const std::vector<Case> cases = {
        {"one\r\ntwo\r\n", {"one", "two"}},
        {"one\ntwo\n", {"one", "two"}},
        {"one\r\n\r\nthree", {"one", "", "three"}},
        {"mixed\nends\r\nlast", {"mixed", "ends", "last"}},
        {"\r\n", {""}},
        {"", {}},
        {"a\rb\r\n", {"a\rb"}},
    };
    for (const Case& c : cases) {
        WriteRaw("t.txt", c.bytes);
        EXPECT_EQ(ReadAll("t.txt"), c.lines) << c.bytes.toStdString();
    }
}

// Catches: a fixed line buffer that cuts or splits long lines.
TEST_F(PlayerFileTest, ReadsLinesOfAnyLength)
{
    const QByteArray longLine(300000, 'x');
    WriteRaw("t.txt", longLine + "\r\nshort\r\n" + longLine);
    const QStringList lines = ReadAll("t.txt");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].size(), longLine.size());
    EXPECT_EQ(lines[1], "short");
    EXPECT_EQ(lines[2].size(), longLine.size());
}

// Catches: text not written as UTF-8, lines not ended in CR LF, text mode doubling CR.
TEST_F(PlayerFileTest, WritesUtf8LinesEndingInCrLf)
{
    CPlayerFile file;
    ASSERT_TRUE(file.Open(Folder() + "t.txt", CPlayerFile::modeWrite));
    EXPECT_TRUE(file.WriteLine(QStringLiteral("Zoë")));
    EXPECT_TRUE(file.WriteLine(QString()));
    EXPECT_TRUE(file.WriteString(QStringLiteral("report\nlines\r\nend\n")));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(ReadRaw("t.txt"), QByteArray("Zo\xc3\xab\r\n\r\nreport\r\nlines\r\nend\r\n"));
    EXPECT_EQ(ReadAll("t.txt"), QStringList({"Zoë", "", "report", "lines", "end"}));
}

// Catches: a line break inside a text shifting every later line of a file.
TEST_F(PlayerFileTest, LineBreakInsideALineStaysOneLine)
{
    CPlayerFile file;
    ASSERT_TRUE(file.Open(Folder() + "t.txt", CPlayerFile::modeWrite));
    file.WriteLine(QStringLiteral("Ann\r\nBob"));
    ASSERT_TRUE(file.Close());
    EXPECT_EQ(ReadAll("t.txt"), QStringList({"Ann  Bob"}));
}

// Catches: files of the original program (single-byte text) read as replacement characters.
TEST_F(PlayerFileTest, ReadsSingleByteTextAsLatin1)
{
    WriteRaw("t.txt", "Zo\xeb\r\n");
    EXPECT_EQ(ReadAll("t.txt"), QStringList({QStringLiteral("Zoë")}));
}

// Catches: the old file emptied before the new one is complete.
TEST_F(PlayerFileTest, OldFileStaysUntilTheNewOneIsClosed)
{
    WriteRaw("t.txt", "old\r\n");
    {
        CPlayerFile file;
        ASSERT_TRUE(file.Open(Folder() + "t.txt", CPlayerFile::modeWrite));
        file.WriteLine(QStringLiteral("new"));
        EXPECT_EQ(ReadRaw("t.txt"), QByteArray("old\r\n"));
    }
    EXPECT_EQ(ReadRaw("t.txt"), QByteArray("new\r\n")) << "closed when it goes out of scope";
}

// Catches: a write that fails on a full disk reported as success, or leaving half a file.
TEST_F(PlayerFileTest, FailedWriteIsReportedAndOldFileKept)
{
    WriteRaw("t.txt", "old\r\n");
    // A file size limit fails the writes as a full disk would, even for root.
    rlimit oldLimit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
    rlimit smallLimit = oldLimit;
    smallLimit.rlim_cur = 4096;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &smallLimit), 0);
    CPlayerFile file;
    bool bOpened = file.Open(Folder() + "t.txt", CPlayerFile::modeWrite);
    for (int i = 0; bOpened && i < 1000; ++i)
        file.WriteLine(QString(100, QLatin1Char('x')));
    const bool bClosed = file.Close();
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_TRUE(bOpened);
    EXPECT_FALSE(bClosed);
    EXPECT_TRUE(file.HasWriteError());
    EXPECT_EQ(ReadRaw("t.txt"), QByteArray("old\r\n"));
    EXPECT_EQ(QDir(Folder()).entryList(QDir::Files), QStringList({"t.txt"})) << "no temporary left";
}

// Catches: opening a file in a missing folder reported as success.
TEST_F(PlayerFileTest, OpeningInAMissingFolderFails)
{
    CPlayerFile file;
    EXPECT_FALSE(file.Open(Folder() + "none/t.txt", CPlayerFile::modeWrite));
    EXPECT_FALSE(file.Open(Folder() + "none.txt", CPlayerFile::modeRead));
    QString strLine = QStringLiteral("x");
    EXPECT_FALSE(file.ReadLine(strLine));
    EXPECT_TRUE(strLine.isEmpty());
    EXPECT_FALSE(file.WriteLine(QStringLiteral("x")));
}

}  // namespace
