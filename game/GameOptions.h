#pragma once

#include <QString>

// The settings of one game, as the setup dialog shows and returns them.
struct GameOptions {
    bool bOnePlayer = true;  // one human against the computer
    QString strName[2] = {QStringLiteral("Name"), QStringLiteral("Name")};
    int nPieces = 26;  // 10, 16, 26 or 32
    bool bAdd = true;
    bool bSubtract = true;
    bool bMultiply = true;
    bool bDivide = true;
    int nSignMode = 2;  // 0 positive only, 1 negative only, 2 both
    bool bSounds = false;  // the caller takes the saved sound setting
    bool bShowQuickInstructions = true;

    char SignLetter() const;
    QString SignText() const;
    QString OperatorText() const;
    QString BoardKey() const;
    QString Description() const;
};

// The sign modes of the "Number Signs" choice.
inline constexpr int kSignPositive = 0;
inline constexpr int kSignNegative = 1;
inline constexpr int kSignBoth = 2;

// 'P', 'N' or 'A'; an unknown mode counts as both signs.
char SignLetter(int nSignMode);
// "only positive", "only negative" or "both positive and negative".
QString SignText(int nSignMode);
// The characters "+", "-", "*", "/" of the allowed operations, in this order, run together.
QString OperatorText(bool bAdd, bool bSubtract, bool bMultiply, bool bDivide);
// The board file's name: "ASMD" letters of the allowed operations, ".", the sign letter.
QString BoardKey(bool bAdd, bool bSubtract, bool bMultiply, bool bDivide, char cSignLetter);
// The title of a game's record: "A 10 piece game with +* operators and only positive ...".
QString GameDescription(int nPieces, const QString& strOperators, const QString& strSigns);

// The size choice Quick, Small, Medium, Large (0 to 3) and its piece count 10, 16, 26, 32.
// Anything else maps to the default game, Medium with 26 pieces.
int PiecesFromSizeChoice(int nSize);
int SizeChoiceFromPieces(int nPieces);

// "Name" and the empty name stand for a name not given.
bool IsPlaceholderName(const QString& strName);
