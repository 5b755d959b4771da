// Reading board files: which lines are used, how the text, the number and the second number
// are cut from a line, and what a short, long or missing file gives.
#include "BoardFile.h"
#include "BoardModel.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <climits>
#include <fstream>
#include <string>

namespace {

struct CLineCase {
    const char* strLine;
    bool bUsed;
    const char* strText;
    int nNumber;
    int nSecond;
};

class BoardFileLine : public ::testing::TestWithParam<CLineCase> {};

TEST_P(BoardFileLine, ReadsTextNumberAndSecondNumber)
{
    const CLineCase& line = GetParam();
    const auto piece = CBoardFile::ParseLine(line.strLine);
    ASSERT_EQ(piece.has_value(), line.bUsed) << line.strLine;
    if (!piece)
        return;
    EXPECT_EQ(piece->m_strText, line.strText) << line.strLine;
    EXPECT_EQ(piece->m_nNumber, line.nNumber) << line.strLine;
    EXPECT_EQ(piece->m_nSecond, line.nSecond) << line.strLine;
    EXPECT_EQ(piece->m_bTaken, 0);
}

INSTANTIATE_TEST_SUITE_P(ParsingRules, BoardFileLine, ::testing::Values(
    CLineCase{"12 ,5", true, "12", 12, 0},        // last 3 characters " ,5" read as 0
    CLineCase{"-7 ,3", true, "-7", -7, 0},
    CLineCase{"12,5", true, "1", 1, 0},           // the character before the comma separates
    CLineCase{"12 , 34", true, "12", 12, 34},
    CLineCase{"5 , 37", true, "5", 5, 37},
    CLineCase{"-12 ,   99", true, "-12", -12, 99},
    CLineCase{"  42 , 17  \r", true, "42", 42, 17},  // blanks and CR trimmed at both ends
    CLineCase{"\t8 ,  6", true, "8", 8, 6},
    CLineCase{",5", true, "", 0, 0},              // comma first: empty text
    CLineCase{"x , 9", true, "x", 0, 9},
    CLineCase{"x ,9", true, "x", 0, 0},          // last 2 characters ",9" read as 0
    CLineCase{"3x , 12", true, "3x", 3, 12},
    CLineCase{"1,2,3", true, "", 0, 3},           // only the first comma counts
    CLineCase{"99999999999 , 1", true, "99999999999", INT_MAX, 99999999},  // saturates
    CLineCase{"-99999999999 , 1", true, "-99999999999", INT_MIN, 999999999},
    CLineCase{"no comma", false, "", 0, 0},
    CLineCase{"", false, "", 0, 0},
    CLineCase{"   \r", false, "", 0, 0}));

// The last line needs no line end.
TEST(BoardFileText, MissingLinesLeavePlacesEmptyAndExtraLinesAreIgnored)
{
    std::string strText = "1 ,0\r\nnothing here\r\n3 ,0";
    auto places = CBoardFile::Parse(strText);
    EXPECT_EQ(places[0]->m_nNumber, 1);
    EXPECT_FALSE(places[1].has_value());
    EXPECT_EQ(places[2]->m_nNumber, 3);
    for (int i = 3; i < CBoardFile::nPlaces; ++i)
        EXPECT_FALSE(places[static_cast<std::size_t>(i)].has_value()) << i;

    strText.clear();
    for (int i = 0; i < 40; ++i)
        strText += std::to_string(i) + " ,0\n";
    places = CBoardFile::Parse(strText);
    EXPECT_EQ(places[34]->m_nNumber, 34);
}

TEST(BoardFileDisk, LoadsFromDataFolderAndKeepsBoardWhenFileIsMissing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString strOld = QDir::currentPath();
    ASSERT_TRUE(QDir(dir.path()).mkdir("data"));
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    {
        std::ofstream file("data/T.A", std::ios::binary);
        for (int i = 0; i < 35; ++i)
            file << (i - 17) << " ,    " << i % 10 << "\r\n";
    }
    CBoardModel board;
    EXPECT_TRUE(board.LoadBoard("T.A"));
    EXPECT_EQ(board.Piece(0).m_nNumber, -17);
    EXPECT_EQ(board.Piece(34).m_nNumber, 17);
    EXPECT_EQ(board.Piece(34).m_nSecond, 4);

    EXPECT_FALSE(board.LoadBoard("missing.A"));
    EXPECT_EQ(board.Piece(34).m_nNumber, 17);
    ASSERT_TRUE(QDir::setCurrent(strOld));
}

} // namespace
