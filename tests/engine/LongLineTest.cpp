// A board line longer than any piece shows is not used, and costs neither time nor memory.
#include "BoardFile.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <string>

namespace {

// Catches a line kept whole in memory (a 100 MB line froze the game) and the cut-off moving.
TEST(BoardFileLongLine, IsNotUsedAndTheLinesAfterItAre)
{
    QTemporaryDir dir;
    const std::string strPath = dir.filePath(QStringLiteral("BIG.A")).toStdString();
    const std::string strLongest = "7 ," + std::string(CBoardFile::nLongestLine - 5, ' ') + "42";
    {
        std::ofstream file(strPath, std::ios::binary);
        file << "5 ,10\r\n" << std::string(20'000'000, '9') << ",1\r\n" << strLongest << "\r\n"
             << strLongest << " \r\n" << "6 ,12";
    }
    const auto places = CBoardFile::LoadFile(strPath);
    ASSERT_TRUE(places);
    ASSERT_TRUE((*places)[0]);
    EXPECT_EQ((*places)[0]->m_nNumber, 5);
    EXPECT_FALSE((*places)[1]) << "the long line is not used";
    ASSERT_TRUE((*places)[2]) << "a line of the longest length is used";
    EXPECT_EQ((*places)[2]->m_nSecond, 42);
    EXPECT_FALSE((*places)[3]) << "one character more is too long";
    ASSERT_TRUE((*places)[4]);
    EXPECT_EQ((*places)[4]->m_nNumber, 6);
    EXPECT_FALSE(CBoardFile::Parse(std::string(CBoardFile::nLongestLine + 1, ','))[0]);
}

}  // namespace
