#include "BoardKey.h"
#include "GameOptions.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

namespace {

struct OpsCase {
    bool bAdd, bSubtract, bMultiply, bDivide;
    const char* szLetters;
    const char* szOperators;
};

struct SignCase {
    int nMode;
    char cLetter;
    const char* szText;
};

const OpsCase kOps[] = {
    {false, false, false, false, "", ""},   {true, false, false, false, "A", "+"},
    {false, true, false, false, "S", "-"},  {false, false, true, false, "M", "*"},
    {false, false, false, true, "D", "/"},  {true, true, false, false, "AS", "+-"},
    {true, false, true, false, "AM", "+*"}, {true, false, false, true, "AD", "+/"},
    {false, true, true, false, "SM", "-*"}, {false, true, false, true, "SD", "-/"},
    {false, false, true, true, "MD", "*/"}, {true, true, true, false, "ASM", "+-*"},
    {true, true, false, true, "ASD", "+-/"}, {true, false, true, true, "AMD", "+*/"},
    {false, true, true, true, "SMD", "-*/"}, {true, true, true, true, "ASMD", "+-*/"},
};

const SignCase kSigns[] = {{0, 'P', "only positive"}, {1, 'N', "only negative"}, {2, 'A', "both positive and negative"}};

class EveryCombination : public ::testing::TestWithParam<std::tuple<OpsCase, SignCase>> {};

}  // namespace

// The board key names the file a game loads and the text lands in every player's records.
TEST_P(EveryCombination, GivesItsBoardKeyAndTexts)
{
    const auto& [ops, sign] = GetParam();
    GameOptions options;
    options.bAdd = ops.bAdd;
    options.bSubtract = ops.bSubtract;
    options.bMultiply = ops.bMultiply;
    options.bDivide = ops.bDivide;
    options.nSignMode = sign.nMode;
    options.nPieces = 16;

    EXPECT_EQ(options.SignLetter(), sign.cLetter);
    EXPECT_EQ(options.SignText(), QString::fromLatin1(sign.szText));
    EXPECT_EQ(options.OperatorText(), QString::fromLatin1(ops.szOperators));
    EXPECT_EQ(options.BoardKey(),
              QString::fromLatin1(ops.szLetters) + QLatin1Char('.') + QLatin1Char(sign.cLetter));
    EXPECT_EQ(options.Description(),
              QStringLiteral("A 16 piece game with %1 operators and %2 numbers allowed.")
                  .arg(QString::fromLatin1(ops.szOperators), QString::fromLatin1(sign.szText)));
}

INSTANTIATE_TEST_SUITE_P(Table, EveryCombination,
                         ::testing::Combine(::testing::ValuesIn(kOps), ::testing::ValuesIn(kSigns)));

TEST(GameOptionsDefaults, AreTheFirstGamesSettings)
{
    const GameOptions options;
    EXPECT_TRUE(options.bOnePlayer);
    EXPECT_EQ(options.strName[0], QStringLiteral("Name"));
    EXPECT_EQ(options.strName[1], QStringLiteral("Name"));
    EXPECT_EQ(options.nPieces, 26);
    EXPECT_EQ(options.BoardKey(), QStringLiteral("ASMD.A"));
    EXPECT_TRUE(options.bShowQuickInstructions);
}

// Sizes map to piece counts both ways; a count the dialog cannot show, or no size chosen, falls
// back to the default Medium game.
TEST(SizeChoice, MapsToPieceCountsBothWaysAndUnknownValuesFallBackToMedium)
{
    const int nPieces[] = {10, 16, 26, 32};
    for (int nSize = 0; nSize < 4; ++nSize) {
        EXPECT_EQ(PiecesFromSizeChoice(nSize), nPieces[nSize]) << nSize;
        EXPECT_EQ(SizeChoiceFromPieces(nPieces[nSize]), nSize) << nSize;
    }
    for (int nBad : {-1, 4, 99})
        EXPECT_EQ(PiecesFromSizeChoice(nBad), 26) << nBad;
    for (int nBad : {0, 11, 35, -10})
        EXPECT_EQ(SizeChoiceFromPieces(nBad), 2) << nBad;
}

TEST(PlaceholderName, IsExactlyNameOrEmpty)
{
    EXPECT_TRUE(IsPlaceholderName(QString()));
    EXPECT_TRUE(IsPlaceholderName(QStringLiteral("Name")));
    for (const char* sz : {"name", "Names", " "})
        EXPECT_FALSE(IsPlaceholderName(QString::fromLatin1(sz))) << sz;
}
