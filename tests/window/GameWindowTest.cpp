// The game window: its colours, the anchor of its message boxes, and quitting.
#include "AppFixture.h"
#include "Player.h"

#include <QApplication>

namespace {

using GameWindow = AppFixture;

struct QuitCase {
    const char* szName;
    std::function<void(CGameDlg&)> act;
    int nAnswer;  // to "Are you sure you want to quit?"; 0: not asked
    bool bEnds;
    bool bTwoPlayers;
};

class Quit : public AppFixture, public ::testing::WithParamInterface<QuitCase> {};

}  // namespace

// The panels fill below their caption band; the texts on them are white on green and black on
// sea green.
TEST_F(GameWindow, PanelsAndTheirTextsHaveTheirColours)
{
    CGameDlg& dlg = Window();
    const QImage image = dlg.grab().toImage();
    for (auto [nId, colour] : {std::pair{1044, QColor(0, 153, 51)}, {1045, QColor(35, 211, 131)}}) {
        const QRect rc = dlg.GetDlgItem(nId)->geometry();
        EXPECT_EQ(image.pixelColor(rc.left() + 1, rc.bottom() - 1), colour) << nId;
        EXPECT_EQ(image.pixelColor(rc.center().x(), rc.bottom() - 1), colour) << nId;
        EXPECT_NE(image.pixelColor(rc.left() + 1, rc.top() + 5), colour) << nId;
    }
    EXPECT_EQ(dlg.GetDlgItem(1032)->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(dlg.GetDlgItem(1013)->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(dlg.GetDlgItem(2001)->palette().color(QPalette::Window), QColor(35, 211, 131));
}

// The game's message boxes open at control 1043 wherever the window is moved.
TEST_F(GameWindow, MessageBoxAnchorFollowsTheWindow)
{
    CGameDlg& dlg = Window();
    dlg.show();
    for (QPoint ptWindow : {QPoint(30, 40), QPoint(250, 120)}) {
        dlg.move(ptWindow);
        QApplication::processEvents();
        EXPECT_EQ(dlg.m_ptAnchor, dlg.DlgItemScreenPos(1043));
    }
}

// Exit, the close box and Escape ask first; Yes closes each open record as abandoned against its
// opponent and saves it; No keeps the game and its records; Enter does nothing.
TEST_P(Quit, AsksAndClosesTheRecordsOnlyWhenConfirmed)
{
    const QuitCase& c = GetParam();
    CGameDlg& dlg = Window();
    m_app.CSeriesApp::InitInstance({});
    for (int nSeat = 0; nSeat < 1 + c.bTwoPlayers; ++nSeat) {
        m_app.m_pPlayer[nSeat] = std::make_unique<CPlayer>();
        m_app.m_pPlayer[nSeat]->m_strName = nSeat ? "Bob" : "Ann";
        m_app.m_pPlayer[nSeat]->m_strFileName = nSeat ? "Bob0.ply" : "Ann0.ply";
        m_app.m_pPlayer[nSeat]->StartGame(QStringLiteral("A 10 piece game"));
    }
    if (c.nAnswer)
        m_prompts.Answer(c.nAnswer);
    c.act(dlg);

    EXPECT_EQ(m_prompts.Texts(), c.nAnswer ? QStringList{"Are you sure you want to quit?"} : QStringList());
    if (c.nAnswer) {
        EXPECT_EQ(m_prompts.Last().m_strCaption, QStringLiteral("Confirmation"));
        EXPECT_EQ(m_prompts.Last().m_buttons, PromptButtons::YesNo);
        EXPECT_EQ(m_prompts.Last().m_icon, PromptIcon::Question);
    }
    EXPECT_EQ(dlg.IsEnded(), c.bEnds);
    EXPECT_EQ(dlg.m_bCloseAllowed, c.bEnds);
    const bool bClosed = c.bEnds && c.nAnswer;
    EXPECT_EQ(m_app.m_pPlayer[0] && m_app.m_pPlayer[0]->m_pCurrentStats, !bClosed);
    for (int nSeat = 0; bClosed && nSeat < 1 + c.bTwoPlayers; ++nSeat) {
        CPlayer loaded;
        loaded.m_strFileName = nSeat ? "Bob0.ply" : "Ann0.ply";
        ASSERT_TRUE(loaded.Load(QDir::currentPath() + QStringLiteral("/players/")));
        ASSERT_EQ(loaded.m_records.size(), 1u);
        EXPECT_FALSE(loaded.m_records[0]->m_bFinished);
        EXPECT_TRUE(loaded.m_records[0]->m_bNotWon);
        EXPECT_EQ(loaded.m_records[0]->m_strOpponent, nSeat ? "Ann" : c.bTwoPlayers ? "Bob" : "the computer");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Quit,
    ::testing::Values(QuitCase{"ExitAnsweredYes", [](CGameDlg& d) { d.QuitGame(2); }, IDYES, true, true},
                      QuitCase{"CloseBoxAnsweredYes", [](CGameDlg& d) { d.close(); }, IDYES, true, false},
                      QuitCase{"ExitAnsweredNo", [](CGameDlg& d) { d.QuitGame(2); }, IDNO, false, true},
                      QuitCase{"CloseBoxAnsweredNo", [](CGameDlg& d) { d.close(); }, IDNO, false, false},
                      QuitCase{"EscapeAnsweredNo", [](CGameDlg& d) { d.PressEscape(); }, IDNO, false, false},
                      QuitCase{"WithoutAsking", [](CGameDlg& d) { d.QuitGame(1); }, 0, true, false},
                      QuitCase{"Enter", [](CGameDlg& d) { d.PressEnter(); }, 0, false, false}),
    [](const auto& tpi) { return std::string(tpi.param.szName); });
