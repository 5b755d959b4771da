#include "BoardKey.h"

const std::array<const char*, 28> kBoardKeys = {
    "A.P",   "M.P",   "AM.P",  "AD.P",  "MD.P",  "AMD.P", "S.N",   "S.A",   "SD.N",  "SD.A",
    "AS.P",  "AS.N",  "AS.A",  "SM.P",  "SM.N",  "SM.A",  "ASM.P", "ASM.N", "ASM.A", "ASD.P",
    "ASD.N", "ASD.A", "SMD.P", "SMD.N", "SMD.A", "ASMD.P", "ASMD.N", "ASMD.A",
};

std::string CBoardKey::Text() const
{
    std::string strKey;
    if (ops.bAdd)
        strKey += 'A';
    if (ops.bSubtract)
        strKey += 'S';
    if (ops.bMultiply)
        strKey += 'M';
    if (ops.bDivide)
        strKey += 'D';
    strKey += '.';
    strKey += cSignLetter;
    return strKey;
}

std::optional<CBoardKey> CBoardKey::Parse(std::string_view strKey)
{
    const auto nDot = strKey.find('.');
    if (nDot == std::string_view::npos || nDot + 2 != strKey.size())
        return std::nullopt;
    CBoardKey key;
    key.ops = {false, false, false, false};
    key.cSignLetter = strKey[nDot + 1];
    if (key.cSignLetter != 'P' && key.cSignLetter != 'N' && key.cSignLetter != 'A')
        return std::nullopt;
    bool* pFlags[] = {&key.ops.bAdd, &key.ops.bSubtract, &key.ops.bMultiply, &key.ops.bDivide};
    const std::string_view strLetters = "ASMD";
    std::size_t nNext = 0;  // letters must come in the order A, S, M, D, each at most once
    for (char cLetter : strKey.substr(0, nDot)) {
        const auto nAt = strLetters.find(cLetter, nNext);
        if (nAt == std::string_view::npos)
            return std::nullopt;
        *pFlags[nAt] = true;
        nNext = nAt + 1;
    }
    if (nDot == 0)
        return std::nullopt;
    return key;
}
