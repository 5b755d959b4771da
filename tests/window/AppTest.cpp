#include "AppFixture.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>

namespace {

void WriteFile(const QString& strPath, const QByteArray& bytes)
{
    QFile file(strPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

struct SoundCase {
    const char* szContent;  // nullptr: no file
    bool bExpected;
};

class SoundSetting : public AppFixture, public ::testing::WithParamInterface<SoundCase> {};

}  // namespace

// Only the exact first line "TRUE" turns sounds on.
TEST_P(SoundSetting, FirstLineDecides)
{
    if (GetParam().szContent)
        WriteFile(QStringLiteral("data/Sound.dat"), GetParam().szContent);
    EXPECT_TRUE(m_app.CSeriesApp::InitInstance({}));
    EXPECT_EQ(m_app.m_bSound, GetParam().bExpected);
    EXPECT_EQ(m_prompts.Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SoundSetting,
    ::testing::Values(SoundCase{"TRUE\r\n", true}, SoundCase{"TRUE\n", true}, SoundCase{"TRUE", true},
                      SoundCase{"TRUE\r\nFALSE\r\n", true}, SoundCase{"True\r\n", false},
                      SoundCase{"TRUE \r\n", false}, SoundCase{"true\r\n", false},
                      SoundCase{"FALSE\r\n", false}, SoundCase{"", false},
                      SoundCase{"\r\nTRUE\r\n", false}, SoundCase{nullptr, false}),
    [](const ::testing::TestParamInfo<SoundCase>& tpi) { return "case" + std::to_string(tpi.index); });

TEST_F(AppFixture, StartUpRecordsTheFolderWithATrailingSeparator)
{
    ASSERT_TRUE(m_app.CSeriesApp::InitInstance({}));
    EXPECT_EQ(m_app.m_strHomeDir, QDir::currentPath() + QLatin1Char('/'));
}

TEST_F(AppFixture, ExitWritesTheSettingWithCrLf)
{
    m_app.CSeriesApp::InitInstance({});
    m_app.m_bSound = true;
    m_app.ExitInstance();
    EXPECT_EQ(ReadFile(QStringLiteral("data/Sound.dat")), QByteArray("TRUE\r\n"));
    m_app.m_bSound = false;
    m_app.ExitInstance();
    EXPECT_EQ(ReadFile(QStringLiteral("data/Sound.dat")), QByteArray("FALSE\r\n"));
}

TEST_F(AppFixture, ExitWithoutADataFolderWritesNothingAndSaysNothing)
{
    QDir(QStringLiteral("data")).removeRecursively();
    m_app.CSeriesApp::InitInstance({});
    m_app.m_bSound = true;
    m_app.ExitInstance();
    EXPECT_FALSE(QFile::exists(QStringLiteral("data/Sound.dat")));
    EXPECT_EQ(m_prompts.Count(), 0);
}

TEST_F(AppFixture, ArgumentsAreRefusedOnceAndTheGameStillRuns)
{
    WriteFile(QStringLiteral("data/Sound.dat"), "TRUE\r\n");
    bool bWindowRan = false;
    m_modals.ThenEnd(IDOK);  // the start-up picture
    m_modals.Then([&](CDialog& dlg) {
        bWindowRan = dlg.Template().nId == 102;
        static_cast<CGameDlg&>(dlg).QuitGame(1);
    });
    EXPECT_FALSE(m_app.InitInstance({QStringLiteral("saved.zor")}));
    EXPECT_TRUE(bWindowRan);
    ASSERT_EQ(m_prompts.Count(), 1);
    EXPECT_EQ(m_prompts.Last().m_strText, QStringLiteral("Please start a saved game after startup!"));
    EXPECT_EQ(m_prompts.Last().m_strCaption, QStringLiteral("Zorbly"));
    EXPECT_TRUE(m_app.m_strHomeDir.isEmpty());
    EXPECT_FALSE(m_app.m_bSound);
}

namespace {

// Records the commands that reach the application instead of carrying them out.
class CCommandRecorder : public CGameApp {
public:
    void OnCommand(int nId) override { m_commands.push_back(nId); }
    std::vector<int> m_commands;
};

}  // namespace

using Accelerators = AppFixtureOf<CCommandRecorder>;

TEST_F(Accelerators, CtrlNAndCtrlXBecomeNewGameAndExit)
{
    m_modals.ThenEnd(IDOK);  // the start-up picture
    m_modals.Then([&](CDialog& dlg) {
        QWidget* pHint = dlg.GetDlgItem(1038);
        for (Qt::Key key : {Qt::Key_N, Qt::Key_X, Qt::Key_Q}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
            QApplication::sendEvent(pHint, &press);
        }
        QKeyEvent plainN(QEvent::KeyPress, Qt::Key_N, Qt::NoModifier);
        QApplication::sendEvent(pHint, &plainN);
        static_cast<CGameDlg&>(dlg).QuitGame(1);
    });
    m_app.InitInstance({});
    EXPECT_EQ(m_app.m_commands, (std::vector<int>{32775, 32772}));
}

TEST_F(Accelerators, MenuCommandsReachTheApplication)
{
    m_app.m_gameDlg.Create();
    m_app.m_gameDlg.OnCommand(32779);
    m_app.m_gameDlg.OnCommand(57670);
    m_app.m_gameDlg.OnCommand(1028);
    EXPECT_EQ(m_app.m_commands, (std::vector<int>{32779, 57670}));
}

TEST_F(AppFixture, ExitCommandAsksBeforeQuitting)
{
    m_prompts.Answer(IDYES);
    m_modals.ThenEnd(IDOK);  // the start-up picture
    m_modals.Then([&](CDialog&) { m_app.OnCommand(32772); });
    m_app.InitInstance({});
    EXPECT_EQ(m_prompts.Texts(), QStringList{QStringLiteral("Are you sure you want to quit?")});
    EXPECT_TRUE(m_app.m_gameDlg.IsEnded());
}

// The start-up picture opens with the window, before anything else, and again from the menu and
// the system menu.
TEST_F(AppFixture, AboutBoxShowsAtOpeningAndOnRequest)
{
    m_app.m_gameDlg.Create();
    EXPECT_EQ(m_modals.TemplatesRun(), std::vector<int>{100});
    m_app.OnCommand(32774);
    m_app.m_gameDlg.OnSysCommand(CGameDlg::kAboutCommand);
    EXPECT_EQ(m_modals.TemplatesRun(), (std::vector<int>{100, 100, 100}));
    EXPECT_EQ(m_prompts.Count(), 0);
}
