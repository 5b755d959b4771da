// The committed board files: each of the 28 keys loads 35 pieces whose numbers some roll reaches
// under that key, with the sign its letter promises, and whose second number reads back as the
// share of rolls that reach it.
#include "BoardFile.h"
#include "BoardKey.h"
#include "ExpressionCatalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

// Rolls of 0 to 10 that reach each number under the key.
std::map<int, int> RollsReaching(const CBoardKey& key)
{
    std::map<int, int> rolls;
    CExpressionCatalogue catalogue;
    for (int a = 0; a <= 10; ++a)
        for (int b = 0; b <= 10; ++b)
            for (int c = 0; c <= 10; ++c) {
                catalogue.Fill(a, b, c, key.ops, key.PositiveOnly());
                std::set<int> values;
                for (int k = 1; k <= nCatalogueSize; ++k)
                    values.insert(catalogue.Value(k));
                values.erase(CExpressionCatalogue::nEmpty);
                for (int v : values)
                    ++rolls[v];
            }
    return rolls;
}

class BoardData : public ::testing::TestWithParam<const char*> {};

TEST_P(BoardData, HoldsThirtyFiveReachablePiecesOfTheRightSign)
{
    const std::string strKey = GetParam();
    const auto places = CBoardFile::LoadFile(std::string(ZORBLY_SOURCE_DIR) + "/data/" + strKey);
    ASSERT_TRUE(places.has_value()) << strKey;
    const auto key = CBoardKey::Parse(strKey);
    ASSERT_TRUE(key.has_value());
    const auto rolls = RollsReaching(*key);
    int nNegative = 0;
    for (int i = 0; i < CBoardFile::nPlaces; ++i) {
        const auto& piece = (*places)[static_cast<std::size_t>(i)];
        ASSERT_TRUE(piece.has_value()) << strKey << " place " << i;
        EXPECT_EQ(piece->m_strText, std::to_string(piece->m_nNumber)) << strKey << " place " << i;
        const auto it = rolls.find(piece->m_nNumber);
        ASSERT_NE(it, rolls.end()) << strKey << " cannot reach " << piece->m_nNumber;
        EXPECT_EQ(piece->m_nSecond, std::min(99, it->second * 100 / 1331)) << strKey << " place " << i;
        nNegative += piece->m_nNumber < 0 ? 1 : 0;
    }
    switch (key->cSignLetter) {
    case 'P': EXPECT_EQ(nNegative, 0) << strKey; break;
    case 'N': EXPECT_EQ(nNegative, CBoardFile::nPlaces) << strKey; break;
    default:
        EXPECT_GT(nNegative, 0) << strKey;
        EXPECT_LT(nNegative, CBoardFile::nPlaces) << strKey;
    }
}

INSTANTIATE_TEST_SUITE_P(AllBoardKeys, BoardData, ::testing::ValuesIn(kBoardKeys),
                         [](const ::testing::TestParamInfo<const char*>& param) {
                             std::string strName = param.param;
                             strName.replace(strName.find('.'), 1, "_");
                             return strName;
                         });

TEST(BoardKeys, ReadAndWriteTheLettersInOrder)
{
    const auto key = CBoardKey::Parse("AM.P");
    ASSERT_TRUE(key.has_value());
    EXPECT_TRUE(key->ops.bAdd && key->ops.bMultiply);
    EXPECT_FALSE(key->ops.bSubtract || key->ops.bDivide);
    EXPECT_TRUE(key->PositiveOnly());
    EXPECT_EQ(key->Text(), "AM.P");
    for (const char* strBad : {"MA.P", "AM.X", "AM", ".P", "AAM.P", "AM.PP", ""})
        EXPECT_FALSE(CBoardKey::Parse(strBad).has_value()) << strBad;
    for (const char* strKey : kBoardKeys)
        EXPECT_EQ(CBoardKey::Parse(strKey)->Text(), strKey);
}

} // namespace
