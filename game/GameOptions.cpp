#include "GameOptions.h"

#include "BoardKey.h"

#include <array>

namespace {

constexpr std::array<int, 4> kPiecesBySize = {10, 16, 26, 32};
constexpr int kDefaultSize = 2;

}  // namespace

char GameOptions::SignLetter() const
{
    return ::SignLetter(nSignMode);
}

QString GameOptions::SignText() const
{
    return ::SignText(nSignMode);
}

QString GameOptions::OperatorText() const
{
    return ::OperatorText(bAdd, bSubtract, bMultiply, bDivide);
}

QString GameOptions::BoardKey() const
{
    return ::BoardKey(bAdd, bSubtract, bMultiply, bDivide, SignLetter());
}

QString GameOptions::Description() const
{
    return GameDescription(nPieces, OperatorText(), SignText());
}

char SignLetter(int nSignMode)
{
    switch (nSignMode) {
    case kSignPositive: return 'P';
    case kSignNegative: return 'N';
    default: return 'A';
    }
}

QString SignText(int nSignMode)
{
    switch (nSignMode) {
    case kSignPositive: return QStringLiteral("only positive");
    case kSignNegative: return QStringLiteral("only negative");
    default: return QStringLiteral("both positive and negative");
    }
}

QString OperatorText(bool bAdd, bool bSubtract, bool bMultiply, bool bDivide)
{
    QString strText;
    if (bAdd)
        strText += QLatin1Char('+');
    if (bSubtract)
        strText += QLatin1Char('-');
    if (bMultiply)
        strText += QLatin1Char('*');
    if (bDivide)
        strText += QLatin1Char('/');
    return strText;
}

QString BoardKey(bool bAdd, bool bSubtract, bool bMultiply, bool bDivide, char cSignLetter)
{
    const CBoardKey key{COperationSet{bAdd, bSubtract, bMultiply, bDivide}, cSignLetter};
    return QString::fromStdString(key.Text());
}

QString GameDescription(int nPieces, const QString& strOperators, const QString& strSigns)
{
    return QStringLiteral("A %1 piece game with %2 operators and %3 numbers allowed.")
        .arg(nPieces)
        .arg(strOperators, strSigns);
}

int PiecesFromSizeChoice(int nSize)
{
    if (nSize < 0 || nSize >= static_cast<int>(kPiecesBySize.size()))
        return kPiecesBySize[kDefaultSize];
    return kPiecesBySize[nSize];
}

int SizeChoiceFromPieces(int nPieces)
{
    for (int nSize = 0; nSize < static_cast<int>(kPiecesBySize.size()); ++nSize) {
        if (kPiecesBySize[nSize] == nPieces)
            return nSize;
    }
    return kDefaultSize;
}

bool IsPlaceholderName(const QString& strName)
{
    return strName.isEmpty() || strName == QStringLiteral("Name");
}
