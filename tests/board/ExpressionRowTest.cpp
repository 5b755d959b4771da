// The expression row of the game window: numbers into slots and back, operators, brackets, the
// caret, refusals; and catalogue forms written into the row by the program.
#include "../engine/ReferenceForms.h"
#include "BoardTestSupport.h"
#include "Sound.h"

namespace {

using ExpressionRow = BoardWindow;

const QString kZero = QStringLiteral("Unable to perform division. | Division by zero error.");
const QString kFraction = QStringLiteral("Result must NOT be a fraction. | Information");

}  // namespace

// A refused division: one message box at the anchor with the refusal's words, the slot of the
// refused step emptied and its number button enabled again, "?" shown, the result and the
// bracket mode untouched, nothing marked.
TEST_F(ExpressionRow, ARefusedDivisionIsReportedAndItsNumberGivenBack)
{
    struct { int a; char o1; int b; char o2; int c, nMode; bool bByZero; const char* strRow; } const kRows[] = {
        {1, '+', 3, '/', 0, 0, true, "1 + 3 /  = ? | 01-- | 00101100"},
        {2, '*', 3, '/', 4, 1, false, "(2 * 3) /  = ? | 01-- | 00101100"},
        {3, '/', 0, '+', 1, 0, true, "3 /  + 1 = ? | 0-2- | 01001010"},
        {5, '/', 2, '-', 2, 2, true, "5 / ( - 2) = ? | 0-2- | 01001010"},
        {7, '/', 5, '/', 2, 2, false, "7 / (5 / ) = ? | 01-- | 00101100"},
    };
    for (const auto& row : kRows) {
        QStringList boxes;
        m_modals.Then([&](CDialog& box) {
            boxes << box.GetDlgItemText(1041) + QStringLiteral(" | ") + box.windowTitle();
            EXPECT_EQ(box.pos(), m_dlg.m_ptAnchor);
            box.EndDialog(IDOK);
        });
        m_dlg.m_nResult = 555;
        BuildRow(row.a, row.o1, row.b, row.o2, row.c, row.nMode);
        EXPECT_EQ(boxes, QStringList(row.bByZero ? kZero : kFraction)) << row.strRow;
        EXPECT_EQ(Row(), QString::fromLatin1(row.strRow));
        EXPECT_EQ(m_dlg.m_nResult, 555);
        EXPECT_FALSE(m_board.m_bAnyMarked);
        EXPECT_EQ(m_dlg.m_nBracketMode, row.nMode);
    }
}

// "( )" steps no brackets, (a o b) o c, a o (b o c), no brackets; value and marks follow.
TEST_F(ExpressionRow, BracketsStepThroughTheThreeModesAndTheValueFollows)
{
    struct { int a; char o1; int b; char o2; int c; const char* strRows[4]; } const kRows[] = {
        {3, '+', 4, '*', 5, {"3 + 4 * 5 = 23", "(3 + 4) * 5 = 35", "3 + (4 * 5) = 23", "3 + 4 * 5 = 23"}},
        {10, '/', 2, '*', 5, {"10 / 2 * 5 = 25", "(10 / 2) * 5 = 25", "10 / (2 * 5) = 1", "10 / 2 * 5 = 25"}},
    };
    for (const auto& row : kRows) {
        BuildRow(row.a, row.o1, row.b, row.o2, row.c);
        for (int nClicks = 0; nClicks < 4; ++nClicks) {
            if (nClicks)
                m_dlg.OnCommand(1004);
            EXPECT_EQ(m_dlg.m_nBracketMode, nClicks % 3);
            EXPECT_EQ(Row(), QString::fromLatin1(row.strRows[nClicks]) + QStringLiteral(" | 012- | 00001110"));
            EXPECT_EQ(QString::number(m_dlg.m_nResult), m_dlg.GetDlgItemText(1013));
            EXPECT_EQ(Marked(), PlacesCarrying(m_dlg.m_nResult)) << nClicks;
            EXPECT_EQ(m_board.m_bAnyMarked, !Marked().empty());
        }
    }
    EXPECT_EQ(m_modals.TemplatesRun().size(), 1u);  // only the start-up picture: no refusal
}

// A number fills the first empty slot and its button is disabled (a disabled one takes no
// click); a slot clicked gives its number back, and an incomplete row shows "?" unmarked. The
// fourth number goes into slot 3, or into slot 4 when the row is full.
TEST_F(ExpressionRow, NumbersFillTheFirstEmptySlotAndComeBackFromIt)
{
    StartTurn(3, 4, 6);
    m_dlg.ClickDlgItem(1001);
    m_dlg.ClickDlgItem(1001);
    EXPECT_EQ(Row(), QStringLiteral("4 +  +  = ? | 1--- | 10101000"));
    m_dlg.ClickDlgItem(1000);
    m_dlg.ClickDlgItem(1002);
    EXPECT_EQ(Row(), QStringLiteral("4 + 3 + 6 = 13 | 102- | 00001110"));
    ASSERT_EQ(Marked(), PlacesCarrying(13));
    ASSERT_FALSE(Marked().empty());
    m_dlg.ClickDlgItem(2001);
    EXPECT_EQ(Row(), QStringLiteral(" + 3 + 6 = ? | -02- | 01000110"));
    EXPECT_FALSE(m_board.m_bAnyMarked || !Marked().empty());
    m_dlg.ClickDlgItem(1001);
    EXPECT_EQ(Row(), QStringLiteral("4 + 3 + 6 = 13 | 102- | 00001110"));

    StartTurn(3, 4, 5);
    m_dlg.m_nDrawn[3] = 9;
    m_dlg.OnNumber4();
    EXPECT_EQ(Row(), QStringLiteral(" +  + 9 = ? | --3- | 11100010"));
    m_dlg.OnSlot3();
    Click({1000, 1001, 1002, 1008});
    EXPECT_EQ(Row(), QStringLiteral("3 + 4 + 5 = 12 | 0123 | 00001111"));
    EXPECT_EQ(m_dlg.GetDlgItemText(2004), QStringLiteral("9"));
    m_dlg.OnSlot4();
    EXPECT_EQ(Row(), QStringLiteral("3 + 4 + 5 = 12 | 012- | 00011110"));
    EXPECT_EQ(m_dlg.GetDlgItemText(2004), QString());
}

// Both operator buttons step through the four operations in order. Nothing answers while the
// numbers are drawn; on the computer's turn only the numbers of a form it shows answer; with
// two humans player two builds freely.
TEST_F(ExpressionRow, OperatorsStepAndTheRowIsLockedWhileDrawingAndOnTheComputersTurn)
{
    StartTurn(3, 4, 5);
    QString strSteps;
    for (int nButton : {1006, 1007, 1006, 1007, 1006, 1007, 1006, 1007, 1006, 1007}) {
        m_dlg.OnCommand(nButton);
        strSteps += QChar::fromLatin1(m_dlg.OperatorButton(nButton)->GetOperator());
    }
    EXPECT_EQ(strSteps, QStringLiteral("--**//++--"));
    m_dlg.OnCommand(1000);
    m_dlg.m_nTurnPhase = 4;
    Click({1001, 1002, 1008, 2001, 2002, 2003, 2004, 1006, 1007, 1004});
    EXPECT_EQ(Row() + QString::number(m_dlg.m_nBracketMode), QStringLiteral("3 -  -  = ? | 0--- | 011010000"));

    m_dlg.m_nTurnPhase = 0;
    m_dlg.m_bOnePlayer = true;
    m_board.m_nCurrentPlayer = 1;
    Click({1001, 2001, 1006, 1007, 1004});
    EXPECT_EQ(Row() + QString::number(m_dlg.m_nBracketMode), QStringLiteral("3 -  -  = ? | 0--- | 011010000"));
    m_dlg.m_bFormShown = true;
    Click({1001, 2001});
    EXPECT_EQ(Row(), QStringLiteral("3 - 4 -  = ? | 01-- | 00101100"));
    m_dlg.m_bOnePlayer = false;
    m_dlg.OnCommand(2001);
    EXPECT_EQ(m_dlg.m_nSlotNumber[0], -1);
}

// The caret blinks in the first empty slot only; taking a slot back wipes it elsewhere; a full
// row, a roll or a holding sound keeps it still.
TEST_F(ExpressionRow, CaretBlinksInTheFirstEmptySlot)
{
    StartTurn(3, 4, 5);
    QStringList shown;
    for (int i = 0; i < 3; ++i) {
        m_dlg.OnTimer();
        shown << m_dlg.GetDlgItemText(2001);
    }
    EXPECT_EQ(shown, (QStringList{QString(), QStringLiteral("^"), QString()}));
    m_dlg.OnCommand(1000);
    m_dlg.OnTimer();
    EXPECT_EQ(m_dlg.GetDlgItemText(2001) + m_dlg.GetDlgItemText(2002), QStringLiteral("3^"));
    m_dlg.OnCommand(2001);
    EXPECT_EQ(m_dlg.GetDlgItemText(2002), QString());
    Click({1000, 1001, 1002});
    m_dlg.m_bBlink = true;
    m_dlg.OnTimer();
    EXPECT_EQ(Row() + QString::number(m_dlg.m_bBlink), QStringLiteral("3 + 4 + 5 = 12 | 012- | 000011101"));
    m_dlg.OnCommand(2001);
    {
        CSound::CHold hold;
        m_dlg.OnTimer();
    }
    m_dlg.m_nTurnPhase = 2;
    m_dlg.OnTimer();
    EXPECT_EQ(m_dlg.GetDlgItemText(2001) + QString::number(m_dlg.m_bBlink), QStringLiteral("1"));
    m_dlg.m_nTurnPhase = 0;
    m_dlg.OnTimer();
    EXPECT_EQ(m_dlg.GetDlgItemText(2001), QStringLiteral("^"));
}

// Every form the catalogue fills, for every roll, reads in the row as written, with its value
// after "=" and the pieces carrying it marked, and without a refusal.
TEST_F(ExpressionRow, EveryFilledCatalogueFormOfEveryRollReadsAsWritten)
{
    for (int nRoll = 0; nRoll < 1331; ++nRoll) {
        const int a = nRoll / 121, b = nRoll / 11 % 11, c = nRoll % 11;
        for (const CReferenceForm& form : kReferenceForms) {
            const auto value = ReferenceFormValue(form, a, b, c, "ASMD.A");
            if (!value)
                continue;
            StartTurn(a, b, c);
            m_dlg.ShowCatalogueExpression(form.k, true);
            const QString strForm = QString::fromLatin1(form.strForm).replace('a', QString::number(a))
                .replace('b', QString::number(b)).replace('c', QString::number(c));
            if (RowText() != strForm || m_dlg.GetDlgItemText(1013) != QString::number(*value)
                || m_dlg.m_nResult != *value || Marked() != PlacesCarrying(static_cast<int>(*value)))
                FAIL() << form.strForm << " " << a << b << c << ": " << Row().toStdString();
        }
    }
    EXPECT_EQ(m_modals.TemplatesRun().size(), 1u);
}

// z o (x o y) shows z and the outer operator first, its slot numbers in the order of the steps;
// the inner result becomes the fourth number; the number buttons are done. The board window
// passes the call on. Player two: a human sees every piece with the value, the computer only
// its choice.
TEST_F(ExpressionRow, ACatalogueFormShowsItsStepsInTheRow)
{
    StartTurn(8, 2, 3);
    m_dlg.ShowCatalogueExpression(104, true);
    EXPECT_EQ(Row(), QStringLiteral("8 / (2 - 3) = -8 | 1203 | 00001110"));
    EXPECT_EQ(m_dlg.m_nDrawn[3], -1);
    EXPECT_EQ(m_dlg.GetDlgItemText(1016), QStringLiteral("-1"));
    EXPECT_TRUE(m_dlg.m_bFormShown);
    StartTurn(2, 3, 4);
    m_board.ShowCatalogueExpression(31, true);
    EXPECT_EQ(Row(), QStringLiteral("(2 + 3) * 4 = 20 | 0132 | 00001110"));
    EXPECT_EQ(m_dlg.GetDlgItemText(1008), QStringLiteral("5"));
    EXPECT_EQ(m_dlg.m_nResult, 20);

    m_board.m_nCurrentPlayer = 1;
    m_dlg.m_bOnePlayer = false;
    StartTurn(2, 3, 4);
    m_dlg.m_nBestPlace = 0;
    m_dlg.ShowCatalogueExpression(2, true);
    EXPECT_EQ(Marked(), PlacesCarrying(24));
    m_dlg.m_bOnePlayer = true;
    StartTurn(2, 3, 4);
    ASSERT_FALSE(PlacesCarrying(9).empty());
    m_dlg.m_nBestPlace = *PlacesCarrying(9).begin();
    m_dlg.ShowCatalogueExpression(1, true);
    EXPECT_EQ(Marked(), std::set<int>{m_dlg.m_nBestPlace});
    EXPECT_TRUE(Marked(false).empty());
}

// The operator hint sets only the operators, in the order the row reads them; outside the
// catalogue nothing but the flag changes; the next click steps on from the list position.
TEST_F(ExpressionRow, TheOperatorHintSetsOnlyTheOperators)
{
    for (auto [k, strRow] : {std::pair{104, " /  -  = ?"}, {30, " +  *  = ?"}, {90, " /  -  = ?"},
                             {0, " +  +  = ?"}, {105, " +  +  = ?"}}) {
        StartTurn(8, 2, 3);
        m_dlg.ShowCatalogueExpression(k, false);
        EXPECT_EQ(Row(), QString::fromLatin1(strRow) + QStringLiteral(" | ---- | 11100000")) << k;
        EXPECT_TRUE(m_dlg.m_bFormShown);
    }
    m_dlg.OnCommand(1006);  // after form 90
    EXPECT_EQ(m_dlg.OperatorButton(1006)->GetOperator(), '-');
}

// A refused step of a form shown by the program is reported and its slot given back: the inner
// step gives back slot 2, the outer slot 4; nothing is stored or marked.
TEST_F(ExpressionRow, RefusedStepsOfAShownFormAreReportedAndTakenBack)
{
    QStringList texts;
    auto record = [&](CDialog& box) {
        texts << box.GetDlgItemText(1041) + QStringLiteral(" | ") + box.windowTitle();
        box.EndDialog(IDOK);
    };
    StartTurn(3, 0, 4);
    m_modals.Then(record);
    m_dlg.OperatorButton(1006)->SetOperator('/');
    m_dlg.ShowExpressionSteps(0, 1, 3, 2);
    EXPECT_EQ(m_dlg.m_nSlotNumber[1], -1);
    StartTurn(4, 3, 2);
    m_modals.Then(record);
    m_dlg.OperatorButton(1006)->SetOperator('+');
    m_dlg.OperatorButton(1007)->SetOperator('/');
    m_dlg.m_nResult = 77;
    m_dlg.ShowExpressionSteps(0, 1, 3, 2);
    EXPECT_EQ(Row(), QStringLiteral("4 + 3 /  = ? | 01-- | 11111100"));
    EXPECT_EQ(m_dlg.m_nResult, 77);
    EXPECT_TRUE(Marked().empty());
    EXPECT_EQ(texts, (QStringList{kZero, kFraction}));
}
