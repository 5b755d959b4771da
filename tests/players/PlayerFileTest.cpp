// CPlayerFile: the text file every file of the program goes through.
#include "PlayerFile.h"
#include "PlayersTestSupport.h"

namespace {

using PlayerFileTest = PlayersTest;

// Catches CR left on lines, LF-only files misread, a last line without its end dropped or a
// final line end read as one more line, long lines cut, and old single-byte lines (Windows-1252)
// read as replacement characters or as Latin-1 where the two differ, or UTF-8 taken for them.
TEST_F(PlayerFileTest, ReadsLinesOfAnyEndLengthAndEncoding)
{
    const QByteArray longLine(300000, 'x');
    const std::vector<std::pair<QByteArray, QStringList>> cases = {
        {"one\r\ntwo\r\n", {"one", "two"}},
        {"one\ntwo\n", {"one", "two"}},
        {"one\r\n\r\nthree", {"one", "", "three"}},
        {"mixed\nends\r\nlast", {"mixed", "ends", "last"}},
        {"\r\n", {""}},
        {"", {}},
        {"a\rb\r\n", {"a\rb"}},
        {longLine + "\r\nshort\r\n" + longLine, {longLine, "short", longLine}},
        {"Ren\xe9\r\nIt\x92s \x80 5\r\n\x9f\xa0\r\n", {"René", "It\u2019s \u20ac 5", "\u0178\u00a0"}},
        {"Zo\xc3\xab \xe2\x82\xac\r\n", {"Zoë €"}},
    };
    for (const auto& [bytes, expected] : cases) {
        WriteRaw("t.txt", bytes);
        CPlayerFile file;
        ASSERT_TRUE(file.Open(Folder() + "t.txt", CPlayerFile::modeRead));
        QStringList lines;
        QString strLine;
        while (file.ReadLine(strLine))
            lines.append(strLine);
        EXPECT_EQ(lines, expected) << bytes.left(40).toStdString();
        EXPECT_TRUE(strLine.isEmpty()) << "the string is empty at the end of the file";
    }
}

// Catches text not written as UTF-8, lines not ended in CR LF or CR doubled, a line break inside
// a line shifting every later line, and the old file emptied before the new one is closed (or
// never replaced when the file object goes out of scope).
TEST_F(PlayerFileTest, WritesUtf8CrLfLinesThatReplaceTheOldFileWhenClosed)
{
    WriteRaw("t.txt", "old\r\n");
    {
        CPlayerFile file;
        ASSERT_TRUE(file.Open(Folder() + "t.txt", CPlayerFile::modeWrite));
        EXPECT_TRUE(file.WriteLine(QStringLiteral("Zoë")));
        EXPECT_TRUE(file.WriteLine(QString()));
        EXPECT_TRUE(file.WriteLine(QStringLiteral("Ann\r\nBob")));
        EXPECT_TRUE(file.WriteString(QStringLiteral("report\nlines\r\nend\n")));
        EXPECT_EQ(ReadRaw("t.txt"), "old\r\n");
    }
    EXPECT_EQ(ReadRaw("t.txt"), "Zo\xc3\xab\r\n\r\nAnn  Bob\r\nreport\r\nlines\r\nend\r\n");
}

// Catches a file in a missing folder reported as open, and a closed file that still reads or
// writes.
TEST_F(PlayerFileTest, NothingIsReadOrWrittenWithoutAnOpenFile)
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
