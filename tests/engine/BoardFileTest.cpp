// Board files: how a line is cut into text, number and second number, which lines are used, the
// keys that name them, and the 28 committed files, whose pieces some roll must reach under their key.
#include "BoardFile.h"
#include "BoardKey.h"
#include "ExpressionCatalogue.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <set>
#include <string>

namespace {

// The character before the first comma ends the text; the second number is read from as many
// characters at the end as the comma stands from the start; blanks and CR are trimmed.
TEST(BoardFileLine, ReadsTextNumberAndSecondNumber)
{
    struct { const char* strLine; const char* strText; int nNumber, nSecond; } const kLines[] = {
        {"12 ,5", "12", 12, 0}, {"-7 ,3", "-7", -7, 0}, {"12,5", "1", 1, 0},
        {"12 , 34", "12", 12, 34}, {"5 , 37", "5", 5, 37}, {"-12 ,   99", "-12", -12, 99},
        {"  42 , 17  \r", "42", 42, 17}, {"\t8 ,  6", "8", 8, 6}, {",5", "", 0, 0},
        {"x , 9", "x", 0, 9}, {"x ,9", "x", 0, 0}, {"3x , 12", "3x", 3, 12}, {"1,2,3", "", 0, 3},
        {"99999999999 , 1", "99999999999", INT_MAX, 99999999},
        {"-99999999999 , 1", "-99999999999", INT_MIN, 999999999},
    };
    for (const auto& line : kLines) {
        const auto piece = CBoardFile::ParseLine(line.strLine);
        ASSERT_TRUE(piece.has_value()) << line.strLine;
        EXPECT_EQ(piece->m_strText, line.strText) << line.strLine;
        EXPECT_EQ(piece->m_nNumber, line.nNumber) << line.strLine;
        EXPECT_EQ(piece->m_nSecond, line.nSecond) << line.strLine;
        EXPECT_EQ(piece->m_bTaken, 0);
    }
    for (const char* strUnused : {"no comma", "", "   \r"})
        EXPECT_FALSE(CBoardFile::ParseLine(strUnused).has_value()) << strUnused;
}

// A line without a comma leaves its place empty, the last line needs no line end, lines
// beyond 35 are ignored.
TEST(BoardFileText, FillsThePlacesInOrderFromTheFirst35Lines)
{
    auto places = CBoardFile::Parse("1 ,0\r\nnothing here\r\n3 ,0");
    EXPECT_EQ(places[0]->m_nNumber, 1);
    EXPECT_FALSE(places[1].has_value());
    EXPECT_EQ(places[2]->m_nNumber, 3);
    for (int i = 3; i < CBoardFile::nPlaces; ++i)
        EXPECT_FALSE(places[static_cast<std::size_t>(i)].has_value()) << i;
    std::string strText;
    for (int i = 0; i < 40; ++i)
        strText += std::to_string(i) + " ,0\n";
    EXPECT_EQ(CBoardFile::Parse(strText)[34]->m_nNumber, 34);
}

// Keys name their operations in the order A, S, M, D, then the sign letter.
TEST(BoardKeys, ReadAndWriteTheLettersInOrder)
{
    for (const char* strBad : {"MA.P", "AM.X", "AM", ".P", "AAM.P", "AM.PP", ""})
        EXPECT_FALSE(CBoardKey::Parse(strBad).has_value()) << strBad;
    for (const char* strKey : kBoardKeys)
        EXPECT_EQ(CBoardKey::Parse(strKey)->Text(), strKey);
}

class BoardData : public ::testing::TestWithParam<const char*> {};

// Each committed file: 35 pieces that some roll reaches under its key, of the sign its letter
// promises, whose second number is the share in percent of the 1331 rolls that reach it.
TEST_P(BoardData, HoldsThirtyFiveReachablePiecesOfTheRightSign)
{
    const std::string strKey = GetParam();
    const auto places = CBoardFile::LoadFile(ZORBLY_SOURCE_DIR "/data/" + strKey);
    ASSERT_TRUE(places.has_value()) << strKey;
    const auto key = CBoardKey::Parse(strKey);
    std::map<int, int> rolls;
    CExpressionCatalogue catalogue;
    for (int nRoll = 0; nRoll < 1331; ++nRoll) {
        catalogue.Fill(nRoll / 121, nRoll / 11 % 11, nRoll % 11, key->ops, key->PositiveOnly());
        std::set<int> values;
        for (int k = 1; k <= nCatalogueSize; ++k)
            values.insert(catalogue.Value(k));
        for (int v : values)
            ++rolls[v];
    }
    std::set<char> signs;
    for (const auto& piece : *places) {
        ASSERT_TRUE(piece.has_value() && piece->m_nNumber != CExpressionCatalogue::nEmpty) << strKey;
        EXPECT_EQ(piece->m_strText, std::to_string(piece->m_nNumber)) << strKey;
        EXPECT_EQ(piece->m_nSecond, std::min(99, rolls[piece->m_nNumber] * 100 / 1331)) << strKey;
        EXPECT_GT(rolls[piece->m_nNumber], 0) << strKey << " cannot reach " << piece->m_nNumber;
        signs.insert(piece->m_nNumber < 0 ? 'N' : 'P');
    }
    EXPECT_EQ(signs.size() == 2 ? 'A' : *signs.begin(), key->cSignLetter) << strKey;
}

INSTANTIATE_TEST_SUITE_P(AllBoardKeys, BoardData, ::testing::ValuesIn(kBoardKeys));

} // namespace
