#include "AppFixture.h"
#include "BracketWnd.h"
#include "FakeHelp.h"
#include "GameStats.h"
#include "Player.h"
#include "MessageDlg.h"
#include "Resources.h"

#include <QApplication>
#include <QFontDatabase>
#include <QImage>
#include <QKeyEvent>

namespace {

using GameWindow = AppFixture;

QImage Grab(QWidget& widget)
{
    return widget.grab().toImage();
}

}  // namespace

// Without a font every text silently draws as boxes.
TEST(Fonts, AtLeastOneFontIsInstalled)
{
    EXPECT_FALSE(QFontDatabase::families().isEmpty());
}

TEST_F(GameWindow, EveryTemplateControlStandsAtItsPlace)
{
    CGameDlg& dlg = Window();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Zorbly (Elementary Algebra)"));
    const int nMenuHeight = dlg.GetDlgItem(1014)->y();
    for (const ControlTemplate& ctl : GetDialogTemplate(102).controls) {
        QWidget* pItem = dlg.GetDlgItem(ctl.nId);
        ASSERT_NE(pItem, nullptr) << ctl.nId;
        const QRect rcExpected =
            dlg.DialogUnitsToPixels(QRect(ctl.x, ctl.y, ctl.cx, ctl.cy)).translated(0, nMenuHeight);
        EXPECT_EQ(pItem->geometry(), rcExpected) << ctl.nId;
        EXPECT_EQ(dlg.IsDlgItemVisible(ctl.nId), !(ctl.nStyle & kHidden)) << ctl.nId;
    }
    const QRect rcBoard = dlg.GetDlgItem(1014)->geometry();
    EXPECT_GE(rcBoard.width(), 7 * 89);
    EXPECT_GE(rcBoard.height(), 5 * 54);
    EXPECT_TRUE(dlg.rect().contains(dlg.GetDlgItem(1045)->geometry()));
}

TEST_F(GameWindow, MenuHasTheCommandsInOrder)
{
    const std::vector<MenuPopup>& menu = GetMenu(129);
    ASSERT_EQ(menu.size(), 3u);
    EXPECT_EQ(menu[0].strTitle, QStringLiteral("&File"));
    EXPECT_EQ(menu[0].items[0].strText, QStringLiteral("&New Game\tCtrl+N"));
    EXPECT_EQ(menu[0].items[5].strText, QStringLiteral("&Exit \tCtrl+X"));
    EXPECT_EQ(menu[0].items[5].nCommand, 32772);
    EXPECT_EQ(menu[1].items[0].strText, QStringLiteral("Delete &Players"));
    EXPECT_EQ(menu[2].items[3].strText, QStringLiteral("&About..."));
    EXPECT_EQ(menu[2].items[3].nCommand, 32774);
}

TEST_F(GameWindow, QuitAnsweredNoKeepsTheGame)
{
    CGameDlg& dlg = Window();
    m_prompts.Answer(IDNO);
    dlg.QuitGame(2);
    ASSERT_EQ(m_prompts.Count(), 1);
    EXPECT_EQ(m_prompts.Last().m_strText, QStringLiteral("Are you sure you want to quit?"));
    EXPECT_EQ(m_prompts.Last().m_strCaption, QStringLiteral("Confirmation"));
    EXPECT_EQ(m_prompts.Last().m_buttons, PromptButtons::YesNo);
    EXPECT_EQ(m_prompts.Last().m_icon, PromptIcon::Question);
    EXPECT_FALSE(dlg.IsEnded());
    EXPECT_FALSE(dlg.m_bCloseAllowed);
}

TEST_F(GameWindow, QuitAnsweredYesEndsTheWindow)
{
    CGameDlg& dlg = Window();
    m_prompts.Answer(IDYES);
    dlg.QuitGame(2);
    EXPECT_TRUE(dlg.IsEnded());
    EXPECT_EQ(dlg.Result(), IDOK);
    EXPECT_TRUE(dlg.m_bCloseAllowed);
}

TEST_F(GameWindow, QuitWithoutAskingEndsAtOnce)
{
    CGameDlg& dlg = Window();
    dlg.QuitGame(1);
    EXPECT_EQ(m_prompts.Count(), 0);
    EXPECT_TRUE(dlg.IsEnded());
}

TEST_F(GameWindow, CloseBoxAndEscapeAskLikeExit)
{
    CGameDlg& dlg = Window();
    m_prompts.Answer({IDNO, IDNO});
    dlg.close();
    dlg.PressEscape();
    EXPECT_EQ(m_prompts.Texts(), (QStringList{QStringLiteral("Are you sure you want to quit?"),
                                              QStringLiteral("Are you sure you want to quit?")}));
    EXPECT_FALSE(dlg.IsEnded());
}

TEST_F(GameWindow, EnterDoesNothing)
{
    CGameDlg& dlg = Window();
    dlg.PressEnter();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&dlg, &enter);
    EXPECT_EQ(m_prompts.Count(), 0);
    EXPECT_FALSE(dlg.IsEnded());
}

TEST_F(GameWindow, AnchorFollowsControl1043AsTheWindowMoves)
{
    CGameDlg& dlg = Window();
    dlg.show();
    dlg.move(100, 50);
    QApplication::processEvents();
    const QPoint ptFirst = dlg.m_ptAnchor;
    EXPECT_EQ(ptFirst, dlg.DlgItemScreenPos(1043));
    dlg.move(160, 90);
    QApplication::processEvents();
    EXPECT_EQ(dlg.m_ptAnchor, ptFirst + QPoint(60, 40));
}

TEST_F(GameWindow, MessageBoxOpensAtTheAnchorBeforeAndAfterAMove)
{
    CGameDlg& dlg = Window();
    dlg.show();
    for (QPoint ptWindow : {QPoint(30, 40), QPoint(250, 120)}) {
        dlg.move(ptWindow);
        QApplication::processEvents();
        QPoint ptShown;
        QString strText;
        m_modals.Then([&](CDialog& box) {
            ptShown = box.pos();
            strText = box.GetDlgItemText(1041);
            EXPECT_EQ(box.windowTitle(), QStringLiteral("Computer's Move"));
            box.PressEnter();
        });
        CMessageDlg box;
        EXPECT_EQ(box.Run(dlg.m_ptAnchor.x(), dlg.m_ptAnchor.y(),
                          QStringLiteral("I'm afraid I cannot find\na move, so I must pass."),
                          QStringLiteral("Computer's Move")),
                  IDOK);
        EXPECT_EQ(ptShown, dlg.m_ptAnchor);
        EXPECT_EQ(strText, QStringLiteral("I'm afraid I cannot find\na move, so I must pass."));
    }
}

TEST_F(GameWindow, PanelsFillBelowTheirCaptionBand)
{
    CGameDlg& dlg = Window();
    const QImage image = Grab(dlg);
    struct {
        int nId;
        QColor colour;
    } panels[] = {{1044, QColor(0, 153, 51)}, {1045, QColor(35, 211, 131)}};
    for (const auto& panel : panels) {
        const QRect rc = dlg.GetDlgItem(panel.nId)->geometry();
        // A spot of the panel with no control on it: just inside its lower-left corner.
        EXPECT_EQ(image.pixelColor(rc.left() + 1, rc.bottom() - 1), panel.colour) << panel.nId;
        EXPECT_NE(image.pixelColor(rc.left() + 1, rc.top() + 5), panel.colour) << panel.nId;
    }
}

TEST_F(GameWindow, ControlsAreColouredByThePanelTheyStandOn)
{
    using Kind = CGameDlg::ColorKind;
    EXPECT_EQ(CGameDlg::ControlColorKind(1034), Kind::ScorePanel);
    EXPECT_EQ(CGameDlg::ControlColorKind(23534), Kind::ScorePanel);
    EXPECT_EQ(CGameDlg::ControlColorKind(1031), Kind::ExpressionPanel);
    EXPECT_EQ(CGameDlg::ControlColorKind(2004), Kind::Control);
    EXPECT_EQ(CGameDlg::ControlColorKind(1038), Kind::Default);
    CGameDlg& dlg = Window();
    EXPECT_EQ(dlg.GetDlgItem(1032)->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(dlg.GetDlgItem(1013)->palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(GameWindow, BracketsStartHiddenOnSeaGreen)
{
    CGameDlg& dlg = Window();
    for (int nId : {1011, 1010, 1009, 1005}) {
        CBracketWnd* pBracket = dlg.Bracket(nId);
        ASSERT_NE(pBracket, nullptr);
        EXPECT_FALSE(pBracket->IsGlyphVisible());
        EXPECT_EQ(pBracket->BitmapId(), nId == 1011 || nId == 1010 ? 130 : 137);
    }
}

TEST_F(GameWindow, TimerRunsAtThreeHundredMilliseconds)
{
    CGameDlg& dlg = Window();
    EXPECT_TRUE(dlg.m_timer.isActive());
    EXPECT_EQ(dlg.m_timer.interval(), 300);
}

namespace {

std::unique_ptr<CPlayer> PlayerInGame(const QString& strName, const QString& strFile)
{
    auto pPlayer = std::make_unique<CPlayer>();
    pPlayer->m_strName = strName;
    pPlayer->m_strFileName = strFile;
    pPlayer->StartGame(QStringLiteral("A 10 piece game with + operators and only positive numbers allowed."));
    return pPlayer;
}

const CGameStats& OnlyRecordOnDisk(const QString& strFile)
{
    static CPlayer loaded;
    loaded.Clear();
    loaded.m_strFileName = strFile;
    EXPECT_TRUE(loaded.Load(QDir::currentPath() + QStringLiteral("/players/")));
    EXPECT_EQ(loaded.m_records.size(), 1u);
    return *loaded.m_records.front();
}

}  // namespace

// Quitting mid-game keeps both players' histories: each open game is closed as abandoned
// against the right opponent and written to disk.
TEST_F(GameWindow, QuitClosesBothRecordsAsAbandonedAndSaves)
{
    CGameDlg& dlg = Window();
    m_app.CSeriesApp::InitInstance({});
    m_app.m_pPlayer[0] = PlayerInGame(QStringLiteral("Ann"), QStringLiteral("Ann0.ply"));
    m_app.m_pPlayer[1] = PlayerInGame(QStringLiteral("Bob"), QStringLiteral("Bob0.ply"));
    m_prompts.Answer(IDYES);
    dlg.QuitGame(2);
    EXPECT_FALSE(m_app.m_pPlayer[0]);
    EXPECT_FALSE(m_app.m_pPlayer[1]);
    const CGameStats& ann = OnlyRecordOnDisk(QStringLiteral("Ann0.ply"));
    EXPECT_EQ(ann.m_strOpponent, QStringLiteral("Bob"));
    EXPECT_FALSE(ann.m_bFinished);
    EXPECT_TRUE(ann.m_bNotWon);
    EXPECT_EQ(OnlyRecordOnDisk(QStringLiteral("Bob0.ply")).m_strOpponent, QStringLiteral("Ann"));
}

TEST_F(GameWindow, QuitAgainstTheComputerNamesIt)
{
    CGameDlg& dlg = Window();
    m_app.CSeriesApp::InitInstance({});
    m_app.m_pPlayer[0] = PlayerInGame(QStringLiteral("Ann"), QStringLiteral("Ann0.ply"));
    m_prompts.Answer(IDYES);
    dlg.QuitGame(2);
    EXPECT_EQ(OnlyRecordOnDisk(QStringLiteral("Ann0.ply")).m_strOpponent, QStringLiteral("the computer"));
}

TEST_F(GameWindow, QuitAnsweredNoLeavesTheRecordOpen)
{
    CGameDlg& dlg = Window();
    m_app.m_pPlayer[0] = PlayerInGame(QStringLiteral("Ann"), QStringLiteral("Ann0.ply"));
    m_prompts.Answer(IDNO);
    dlg.QuitGame(2);
    ASSERT_TRUE(m_app.m_pPlayer[0]);
    EXPECT_NE(m_app.m_pPlayer[0]->m_pCurrentStats, nullptr);
}

TEST_F(GameWindow, HelpCommandsOpenContentsAndQuickInstructions)
{
    CFakeHelp help;
    m_app.OnCommand(32773);
    m_app.OnCommand(57670);
    m_app.OnCommand(32771);
    ASSERT_EQ(help.Calls().size(), 3u);
    EXPECT_EQ(help.Calls()[0].nContext, 0);
    EXPECT_EQ(help.Calls()[1].nContext, 0);
    EXPECT_EQ(help.Calls()[2].nContext, 1);
}
