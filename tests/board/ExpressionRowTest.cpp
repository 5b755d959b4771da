#include "BoardTestSupport.h"
#include "FakeSoundPlayer.h"
#include "Sound.h"

namespace {

using ExpressionRow = BoardWindow;

struct RefusalCase {
    int a, b, c;
    char cFirst, cSecond;
    int nMode;
    bool bByZero;  // division by zero, else a fraction
    int nSlotBack;
};

std::ostream& operator<<(std::ostream& os, const RefusalCase& rc)
{
    return os << rc.a << ' ' << rc.cFirst << ' ' << rc.b << ' ' << rc.cSecond << ' ' << rc.c
              << " mode " << rc.nMode;
}

class RowRefusal : public BoardWindow, public ::testing::WithParamInterface<RefusalCase> {};

}  // namespace

// Each refused division: the game's message box at the anchor with the refusal's words, the
// slot named by the table emptied and its number button enabled again, the other slots kept,
// "?" shown, m_nResult untouched and nothing marked.
TEST_P(RowRefusal, ReportsAndTakesTheNumberBack)
{
    const RefusalCase& rc = GetParam();
    CGameDlg& dlg = Dlg();
    StartTurn(rc.a, rc.b, rc.c);
    dlg.OperatorButton(1006)->SetOperator(rc.cFirst);
    dlg.OperatorButton(1007)->SetOperator(rc.cSecond);
    for (int i = 0; i < rc.nMode; ++i)
        dlg.OnCommand(1004);
    dlg.m_nResult = 555;
    Board().SelectPiece(0, true);

    QString strText, strCaption;
    QPoint ptBox;
    int nBoxes = 0;
    m_modals.Then([&](CDialog& box) {
        ++nBoxes;
        strText = box.GetDlgItemText(1041);
        strCaption = box.windowTitle();
        ptBox = box.pos();
        box.EndDialog(IDOK);
    });
    dlg.OnCommand(1000);
    dlg.OnCommand(1001);
    dlg.OnCommand(1002);

    EXPECT_EQ(nBoxes, 1);
    EXPECT_EQ(strText, rc.bByZero ? QStringLiteral("Unable to perform division.")
                                  : QStringLiteral("Result must NOT be a fraction."));
    EXPECT_EQ(strCaption, rc.bByZero ? QStringLiteral("Division by zero error.")
                                     : QStringLiteral("Information"));
    EXPECT_EQ(ptBox, dlg.m_ptAnchor);
    for (int nSlot = 1; nSlot <= 3; ++nSlot) {
        const int nId = 2000 + nSlot;
        if (nSlot == rc.nSlotBack) {
            EXPECT_EQ(dlg.m_nSlotNumber[nSlot - 1], -1);
            EXPECT_FALSE(dlg.IsDlgItemEnabled(nId));
            EXPECT_EQ(dlg.GetDlgItemText(nId), QString());
            EXPECT_TRUE(dlg.IsDlgItemEnabled(999 + nSlot)) << "its number button";
        } else {
            EXPECT_EQ(dlg.m_nSlotNumber[nSlot - 1], nSlot - 1) << nSlot;
            EXPECT_FALSE(dlg.IsDlgItemEnabled(999 + nSlot)) << nSlot;
        }
    }
    EXPECT_EQ(dlg.GetDlgItemText(1013), QStringLiteral("?"));
    EXPECT_EQ(dlg.m_nResult, 555);
    EXPECT_FALSE(Board().m_bAnyMarked);
    EXPECT_TRUE(Marked().empty());
    EXPECT_EQ(dlg.m_nBracketMode, rc.nMode);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RowRefusal,
    ::testing::Values(
        // a + (b / c), a - (b / c), in modes 0 and 2: slot 3.
        RefusalCase{1, 3, 0, '+', '/', 0, true, 3}, RefusalCase{1, 3, 2, '+', '/', 0, false, 3},
        RefusalCase{1, 3, 0, '+', '/', 2, true, 3}, RefusalCase{1, 3, 2, '+', '/', 2, false, 3},
        RefusalCase{1, 3, 0, '-', '/', 0, true, 3}, RefusalCase{1, 3, 2, '-', '/', 2, false, 3},
        // (a * b) / c in modes 0 and 1; a * (b / c) in mode 2: slot 3.
        RefusalCase{2, 3, 0, '*', '/', 0, true, 3}, RefusalCase{2, 3, 4, '*', '/', 1, false, 3},
        RefusalCase{2, 3, 0, '*', '/', 2, true, 3}, RefusalCase{2, 3, 2, '*', '/', 2, false, 3},
        // (a + b) / c, (a - b) / c in mode 1: slot 3.
        RefusalCase{1, 2, 0, '+', '/', 1, true, 3}, RefusalCase{1, 2, 2, '+', '/', 1, false, 3},
        RefusalCase{5, 2, 0, '-', '/', 1, true, 3}, RefusalCase{5, 2, 2, '-', '/', 1, false, 3},
        // (a / b) op c in modes 0 and 1: slot 2.
        RefusalCase{3, 0, 1, '/', '+', 0, true, 2}, RefusalCase{3, 2, 1, '/', '+', 1, false, 2},
        RefusalCase{3, 0, 1, '/', '-', 1, true, 2}, RefusalCase{3, 2, 1, '/', '*', 0, false, 2},
        // (a / b) / c: slot 2 for the first division, slot 3 for the second.
        RefusalCase{3, 0, 1, '/', '/', 0, true, 2}, RefusalCase{3, 2, 1, '/', '/', 1, false, 2},
        RefusalCase{4, 2, 0, '/', '/', 0, true, 3}, RefusalCase{6, 2, 2, '/', '/', 1, false, 3},
        // a / (b op c) in mode 2: slot 2.
        RefusalCase{3, 0, 0, '/', '+', 2, true, 2}, RefusalCase{3, 1, 1, '/', '+', 2, false, 2},
        RefusalCase{5, 2, 2, '/', '-', 2, true, 2}, RefusalCase{5, 4, 2, '/', '-', 2, false, 2},
        RefusalCase{3, 0, 2, '/', '*', 2, true, 2}, RefusalCase{3, 2, 2, '/', '*', 2, false, 2},
        // a / (b / c) in mode 2, its five checks in order: slot 3.
        RefusalCase{1, 0, 3, '/', '/', 2, true, 3}, RefusalCase{1, 3, 0, '/', '/', 2, true, 3},
        RefusalCase{1, 2, 3, '/', '/', 2, true, 3}, RefusalCase{7, 5, 2, '/', '/', 2, false, 3},
        RefusalCase{7, 4, 2, '/', '/', 2, false, 3}));

struct ModeCase {
    int a, b, c;
    char cFirst, cSecond;
    std::array<int, 4> nValues;  // after 0, 1, 2 and 3 clicks of "( )"
};

class RowBracketModes : public BoardWindow, public ::testing::WithParamInterface<ModeCase> {};

// The "( )" button steps no brackets, (a op b) op c, a op (b op c), no brackets; the value and
// the marks follow every step.
TEST_P(RowBracketModes, ValueFollowsTheBrackets)
{
    const ModeCase& mc = GetParam();
    CGameDlg& dlg = Dlg();
    StartTurn(mc.a, mc.b, mc.c);
    dlg.OperatorButton(1006)->SetOperator(mc.cFirst);
    dlg.OperatorButton(1007)->SetOperator(mc.cSecond);
    for (int nId : {1000, 1001, 1002})
        dlg.OnCommand(nId);
    for (int nClicks = 0; nClicks < 4; ++nClicks) {
        if (nClicks)
            dlg.OnCommand(1004);
        const int nMode = nClicks % 3;
        EXPECT_EQ(dlg.m_nBracketMode, nMode);
        EXPECT_EQ(dlg.Bracket(1011)->IsGlyphVisible(), nMode == 1) << nClicks;
        EXPECT_EQ(dlg.Bracket(1009)->IsGlyphVisible(), nMode == 1) << nClicks;
        EXPECT_EQ(dlg.Bracket(1010)->IsGlyphVisible(), nMode == 2) << nClicks;
        EXPECT_EQ(dlg.Bracket(1005)->IsGlyphVisible(), nMode == 2) << nClicks;
        EXPECT_EQ(dlg.GetDlgItemText(1013), QString::number(mc.nValues[nClicks])) << nClicks;
        EXPECT_EQ(dlg.m_nResult, mc.nValues[nClicks]) << nClicks;
        EXPECT_EQ(Marked(), PlacesCarrying(mc.nValues[nClicks])) << nClicks;
        EXPECT_EQ(Board().m_bAnyMarked, !PlacesCarrying(mc.nValues[nClicks]).empty());
    }
    EXPECT_EQ(m_modals.TemplatesRun().size(), 1u);  // only the start-up picture
}

INSTANTIATE_TEST_SUITE_P(
    Table, RowBracketModes,
    ::testing::Values(ModeCase{3, 4, 5, '+', '*', {23, 35, 23, 23}},
                      ModeCase{7, 2, 1, '-', '-', {4, 4, 6, 4}},
                      ModeCase{8, 2, 2, '/', '/', {2, 2, 8, 2}},
                      ModeCase{12, 6, 2, '/', '/', {1, 1, 4, 1}},
                      ModeCase{3, 9, 3, '-', '/', {0, -2, 0, 0}},
                      ModeCase{2, 3, 4, '*', '+', {10, 10, 14, 10}},
                      ModeCase{10, 2, 5, '/', '*', {25, 25, 1, 25}}));

TEST_F(ExpressionRow, AnIncompleteRowClearsTheMarks)
{
    CGameDlg& dlg = Dlg();
    StartTurn(3, 4, 6);
    for (int nId : {1000, 1001, 1002})
        dlg.OnCommand(nId);
    ASSERT_EQ(Marked(), PlacesCarrying(13));
    ASSERT_FALSE(Marked().empty());
    dlg.OnCommand(2002);
    EXPECT_EQ(dlg.GetDlgItemText(1013), QStringLiteral("?"));
    EXPECT_TRUE(Marked().empty());
    EXPECT_FALSE(Board().m_bAnyMarked);
}

TEST_F(ExpressionRow, NumbersFillTheFirstEmptySlotAndComeBackFromIt)
{
    CGameDlg& dlg = Dlg();
    StartTurn(3, 4, 5);
    dlg.ClickDlgItem(1001);
    dlg.ClickDlgItem(1001);  // disabled now: nothing happens
    EXPECT_EQ(dlg.GetDlgItemText(2001), QStringLiteral("4"));
    EXPECT_EQ(dlg.m_nSlotNumber[0], 1);
    EXPECT_EQ(dlg.m_nSlotNumber[1], -1);
    EXPECT_TRUE(dlg.IsDlgItemEnabled(2001));
    EXPECT_FALSE(dlg.IsDlgItemEnabled(1001));
    dlg.ClickDlgItem(1000);
    dlg.ClickDlgItem(1002);
    EXPECT_EQ(dlg.GetDlgItemText(1013), QStringLiteral("12"));
    // Taking slot 1 back keeps slots 2 and 3; the next number goes into slot 1.
    dlg.ClickDlgItem(2001);
    EXPECT_TRUE(dlg.IsDlgItemEnabled(1001));
    EXPECT_FALSE(dlg.IsDlgItemEnabled(2001));
    EXPECT_EQ(dlg.GetDlgItemText(2001), QString());
    EXPECT_EQ(dlg.GetDlgItemText(2002), QStringLiteral("3"));
    EXPECT_EQ(dlg.GetDlgItemText(1013), QStringLiteral("?"));
    dlg.ClickDlgItem(1001);
    EXPECT_EQ(dlg.m_nSlotNumber[0], 1);
    EXPECT_EQ(dlg.GetDlgItemText(1013), QStringLiteral("12"));
}

TEST_F(ExpressionRow, FourthNumberGoesIntoSlotThreeOrFour)
{
    CGameDlg& dlg = Dlg();
    StartTurn(3, 4, 5);
    dlg.m_nDrawn[3] = 9;
    dlg.OnNumber4();
    EXPECT_EQ(dlg.m_nSlotNumber[2], 3);
    EXPECT_EQ(dlg.GetDlgItemText(2003), QStringLiteral("9"));
    EXPECT_FALSE(dlg.IsDlgItemEnabled(1008));
    dlg.OnSlot3();
    EXPECT_TRUE(dlg.IsDlgItemEnabled(1008));
    for (int nId : {1000, 1001, 1002})
        dlg.OnCommand(nId);
    dlg.OnNumber4();
    EXPECT_EQ(dlg.m_nSlotNumber[3], 3);
    EXPECT_EQ(dlg.GetDlgItemText(2004), QStringLiteral("9"));
    dlg.OnSlot4();
    EXPECT_EQ(dlg.m_nSlotNumber[3], -1);
    EXPECT_EQ(dlg.GetDlgItemText(2004), QString());
    EXPECT_FALSE(dlg.IsDlgItemEnabled(2004));
    EXPECT_TRUE(dlg.IsDlgItemEnabled(1008));
}

TEST_F(ExpressionRow, OperatorsStepThroughTheAllowedOnes)
{
    CGameDlg& dlg = Dlg();
    StartTurn(3, 4, 5);
    for (int nButton : {1006, 1007}) {
        QString strSteps;
        for (int i = 0; i < 5; ++i) {
            dlg.OnCommand(nButton);
            strSteps += QChar::fromLatin1(dlg.OperatorButton(nButton)->GetOperator());
        }
        EXPECT_EQ(strSteps, QStringLiteral("-*/+-")) << nButton;
    }
}

TEST_F(ExpressionRow, NothingAnswersWhileTheNumbersAreDrawn)
{
    CGameDlg& dlg = Dlg();
    StartTurn(3, 4, 5);
    dlg.OnCommand(1000);
    dlg.m_nTurnPhase = 4;
    for (int nId : {1001, 1002, 1008, 2001, 2002, 2003, 2004, 1006, 1007, 1004})
        dlg.OnCommand(nId);
    EXPECT_EQ(std::vector<int>(dlg.m_nSlotNumber, dlg.m_nSlotNumber + 4),
              (std::vector<int>{0, -1, -1, -1}));
    EXPECT_EQ(dlg.OperatorButton(1006)->GetOperator(), '+');
    EXPECT_EQ(dlg.OperatorButton(1007)->GetOperator(), '+');
    EXPECT_EQ(dlg.m_nBracketMode, 0);
}

TEST_F(ExpressionRow, OnTheComputersTurnOnlyTheNumbersOfAShownFormAnswer)
{
    CGameDlg& dlg = Dlg();
    StartTurn(3, 4, 5);
    dlg.OnCommand(1000);
    dlg.m_bOnePlayer = true;
    Board().m_nCurrentPlayer = 1;
    for (int nId : {1001, 2001, 1006, 1007, 1004})
        dlg.OnCommand(nId);
    EXPECT_EQ(dlg.m_nSlotNumber[0], 0);
    EXPECT_EQ(dlg.m_nSlotNumber[1], -1);
    EXPECT_EQ(dlg.OperatorButton(1006)->GetOperator(), '+');
    EXPECT_EQ(dlg.m_nBracketMode, 0);
    dlg.m_bFormShown = true;
    dlg.OnCommand(1001);
    EXPECT_EQ(dlg.m_nSlotNumber[1], 1);
    dlg.OnCommand(2001);
    EXPECT_EQ(dlg.m_nSlotNumber[0], 0);
    // Two humans: player two builds freely.
    dlg.m_bOnePlayer = false;
    dlg.OnCommand(2001);
    EXPECT_EQ(dlg.m_nSlotNumber[0], -1);
}

TEST_F(ExpressionRow, CaretBlinksInTheFirstEmptySlot)
{
    CGameDlg& dlg = Dlg();
    StartTurn(3, 4, 5);
    QStringList shown;
    for (int i = 0; i < 3; ++i) {
        dlg.OnTimer();
        shown << dlg.GetDlgItemText(2001);
    }
    EXPECT_EQ(shown, (QStringList{QString(), QStringLiteral("^"), QString()}));
    dlg.OnCommand(1000);
    EXPECT_EQ(dlg.GetDlgItemText(2001), QStringLiteral("3"));
    dlg.OnTimer();
    EXPECT_EQ(dlg.GetDlgItemText(2002), QStringLiteral("^"));
    // Taking slot 1 back wipes the caret from slot 2.
    dlg.OnCommand(2001);
    EXPECT_EQ(dlg.GetDlgItemText(2002), QString());
    // A full row has no caret and keeps its phase.
    for (int nId : {1000, 1001, 1002})
        dlg.OnCommand(nId);
    const bool bPhase = dlg.m_bBlink;
    dlg.OnTimer();
    EXPECT_EQ(dlg.m_bBlink, bPhase);
    EXPECT_EQ(dlg.GetDlgItemText(2003), QStringLiteral("5"));
}

TEST_F(ExpressionRow, CaretStandsStillDuringARollAndWhileASoundHolds)
{
    CGameDlg& dlg = Dlg();
    StartTurn(3, 4, 5);
    dlg.m_bBlink = true;
    {
        CSound::CHold hold;
        dlg.OnTimer();
    }
    EXPECT_EQ(dlg.GetDlgItemText(2001), QString());
    EXPECT_TRUE(dlg.m_bBlink);
    dlg.m_nTurnPhase = 2;
    dlg.OnTimer();
    EXPECT_EQ(dlg.GetDlgItemText(2001), QString());
    EXPECT_TRUE(dlg.m_bBlink);
    dlg.m_nTurnPhase = 0;
    dlg.OnTimer();
    EXPECT_EQ(dlg.GetDlgItemText(2001), QStringLiteral("^"));
}
