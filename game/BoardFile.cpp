#include "BoardFile.h"

#include <climits>
#include <fstream>
#include <limits>

namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";

bool IsBlank(char c)
{
    return kBlanks.find(c) != std::string_view::npos;
}

std::string_view Trimmed(std::string_view strLine)
{
    const auto nFirst = strLine.find_first_not_of(kBlanks);
    if (nFirst == std::string_view::npos)
        return {};
    const auto nLast = strLine.find_last_not_of(kBlanks);
    return strLine.substr(nFirst, nLast - nFirst + 1);
}

} // namespace

std::optional<CBoardFile::CPlaces> CBoardFile::Load(const std::string& strKey)
{
    return LoadFile("data/" + strKey);
}

std::optional<CBoardFile::CPlaces> CBoardFile::LoadFile(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    if (!file)
        return std::nullopt;
    CPlaces places;
    // Only the first 35 lines matter; the rest of the file is never read. A line is read up to
    // one character past the longest used (and its CR), and the rest of it skipped unread.
    char line[nLongestLine + 3];
    for (auto& place : places) {
        file.getline(line, sizeof line);
        if (file.eof() && file.gcount() == 0)
            break;
        if (file.fail() && !file.eof()) {
            file.clear();
            file.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
            continue;  // too long: not used
        }
        place = ParseLine(line);
    }
    return places;
}

CBoardFile::CPlaces CBoardFile::Parse(std::string_view strText)
{
    CPlaces places;
    for (auto& place : places) {
        if (strText.empty())
            break;
        const auto nEnd = strText.find('\n');
        place = ParseLine(strText.substr(0, nEnd));
        strText = nEnd == std::string_view::npos ? std::string_view{} : strText.substr(nEnd + 1);
    }
    return places;
}

std::optional<CBoardPiece> CBoardFile::ParseLine(std::string_view strLine)
{
    const bool bCrLf = !strLine.empty() && strLine.back() == '\r';
    if (strLine.size() - (bCrLf ? 1 : 0) > nLongestLine)
        return std::nullopt;
    const std::string_view strUsed = Trimmed(strLine);
    const auto p = strUsed.find(',');
    if (p == std::string_view::npos)
        return std::nullopt;
    CBoardPiece piece;
    piece.m_strText = std::string(strUsed.substr(0, p == 0 ? 0 : p - 1));
    piece.m_nNumber = ReadInteger(piece.m_strText);
    piece.m_nSecond = ReadInteger(strUsed.substr(strUsed.size() - p));
    return piece;
}

int CBoardFile::ReadInteger(std::string_view strText)
{
    std::size_t i = 0;
    while (i < strText.size() && IsBlank(strText[i]))
        ++i;
    bool bNegative = false;
    if (i < strText.size() && (strText[i] == '+' || strText[i] == '-')) {
        bNegative = strText[i] == '-';
        ++i;
    }
    long long nValue = 0;
    for (; i < strText.size() && strText[i] >= '0' && strText[i] <= '9'; ++i) {
        nValue = nValue * 10 + (strText[i] - '0');
        if (nValue > static_cast<long long>(INT_MAX) + 1)
            nValue = static_cast<long long>(INT_MAX) + 1;  // saturate, keep reading the digits
    }
    if (bNegative)
        nValue = -nValue;
    if (nValue > INT_MAX)
        return INT_MAX;
    return static_cast<int>(nValue);
}
