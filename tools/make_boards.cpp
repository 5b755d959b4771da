// Writes the 28 board files, one per board key: 35 lines, one piece each, in place order.
// Usage: make_boards [folder]   (default "data")
//
// Every number is reached under its key by rolls of three numbers from 0 to 9 (10 is all but
// never drawn). Most pieces carry numbers that many rolls reach; a few harder ones are kept.
// Each line is "<number> , <share>": the share is the per cent of the 1331 rolls of 0 to 10
// that reach the number (at most 99), right-aligned so that the last characters of the line,
// as many as the comma's position, read back as it.

#include "BoardKey.h"
#include "ExpressionCatalogue.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kPieces = 35;
constexpr int kRolls = 11 * 11 * 11;

struct CReach {
    int nAllRolls = 0;     // rolls of 0 to 10 that reach the number
    int nUsualRolls = 0;   // rolls of 0 to 9
};

std::map<int, CReach> ReachOf(const CBoardKey& key)
{
    std::map<int, CReach> reach;
    CExpressionCatalogue catalogue;
    for (int a = 0; a <= 10; ++a)
        for (int b = 0; b <= 10; ++b)
            for (int c = 0; c <= 10; ++c) {
                catalogue.Fill(a, b, c, key.ops, key.PositiveOnly());
                std::set<int> values;
                for (int k = 1; k <= nCatalogueSize; ++k) {
                    if (catalogue.Value(k) != CExpressionCatalogue::nEmpty)
                        values.insert(catalogue.Value(k));
                }
                const bool bUsual = a < 10 && b < 10 && c < 10;
                for (int nValue : values) {
                    ++reach[nValue].nAllRolls;
                    if (bUsual)
                        ++reach[nValue].nUsualRolls;
                }
            }
    return reach;
}

// Candidates of one sign, the most often reached first.
std::vector<int> Ranked(const std::map<int, CReach>& reach, bool bNegative)
{
    std::vector<int> numbers;
    for (const auto& [nValue, counts] : reach) {
        if (counts.nUsualRolls > 0 && (nValue < 0) == bNegative)
            numbers.push_back(nValue);
    }
    std::stable_sort(numbers.begin(), numbers.end(), [&reach](int x, int y) {
        const int nX = reach.at(x).nUsualRolls;
        const int nY = reach.at(y).nUsualRolls;
        if (nX != nY)
            return nX > nY;
        return std::abs(x) < std::abs(y);
    });
    return numbers;
}

// nCount numbers: about four in five from the top of the ranking, the rest spread over the
// harder remainder; repeats of the top ones when there are too few candidates.
std::vector<int> Choose(const std::vector<int>& ranked, int nCount)
{
    std::vector<int> chosen;
    if (ranked.empty())
        return chosen;
    const int nRanked = static_cast<int>(ranked.size());
    if (nRanked <= nCount) {
        chosen = ranked;
        for (int i = 0; static_cast<int>(chosen.size()) < nCount; ++i)
            chosen.push_back(ranked[static_cast<std::size_t>(i % nRanked)]);
        return chosen;
    }
    const int nHard = nCount / 5;
    const int nCommon = nCount - nHard;
    chosen.assign(ranked.begin(), ranked.begin() + nCommon);
    const int nRest = nRanked - nCommon;
    for (int i = 1; i <= nHard; ++i)
        chosen.push_back(ranked[static_cast<std::size_t>(nCommon + i * nRest / (nHard + 1))]);
    return chosen;
}

std::vector<int> BoardNumbers(const CBoardKey& key, const std::map<int, CReach>& reach)
{
    std::vector<int> numbers;
    if (key.cSignLetter == 'A') {
        const int nNegative = kPieces / 3;
        numbers = Choose(Ranked(reach, true), nNegative);
        const auto positive = Choose(Ranked(reach, false), kPieces - nNegative);
        numbers.insert(numbers.end(), positive.begin(), positive.end());
    } else {
        numbers = Choose(Ranked(reach, key.cSignLetter == 'N'), kPieces);
    }
    return numbers;
}

// The same order on every run and platform: mt19937's output is fixed by the standard.
void Shuffle(std::vector<int>& numbers, const std::string& strKey)
{
    std::uint32_t nSeed = 2166136261u;
    for (char c : strKey)
        nSeed = (nSeed ^ static_cast<unsigned char>(c)) * 16777619u;
    std::mt19937 generator(nSeed);
    for (std::size_t i = numbers.size() - 1; i > 0; --i)
        std::swap(numbers[i], numbers[generator() % (i + 1)]);
}

std::string BoardLine(int nNumber, const CReach& reach)
{
    const std::string strText = std::to_string(nNumber);
    const int nShare = std::min(99, reach.nAllRolls * 100 / kRolls);
    std::string strShare = std::to_string(nShare);
    // The comma sits at position p = length of the text + 1; the last p characters hold the share.
    const std::size_t nWidth = strText.size() + 1;
    strShare.insert(0, nWidth - strShare.size(), ' ');
    return strText + " , " + strShare + "\r\n";
}

bool WriteBoard(const std::filesystem::path& folder, const char* strKey)
{
    const auto key = CBoardKey::Parse(strKey);
    if (!key)
        return false;
    const auto reach = ReachOf(*key);
    std::vector<int> numbers = BoardNumbers(*key, reach);
    if (static_cast<int>(numbers.size()) != kPieces)
        return false;
    Shuffle(numbers, strKey);
    std::ofstream file(folder / strKey, std::ios::binary | std::ios::trunc);
    for (int nNumber : numbers)
        file << BoardLine(nNumber, reach.at(nNumber));
    return static_cast<bool>(file);
}

} // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path folder = argc > 1 ? argv[1] : "data";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const char* strKey : kBoardKeys) {
        if (!WriteBoard(folder, strKey)) {
            std::fprintf(stderr, "make_boards: cannot write %s\n", strKey);
            return 1;
        }
    }
    return 0;
}
