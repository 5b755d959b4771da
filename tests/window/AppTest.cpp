// The application: the sound setting, start-up and exit, the accelerators and the menu commands.
#include "AppFixture.h"
#include "FakeHelp.h"

#include <QApplication>
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

// Records the commands that reach the application instead of carrying them out.
class CCommandRecorder : public CGameApp {
public:
    void OnCommand(int nId) override { m_commands.push_back(nId); }
    std::vector<int> m_commands;
};

using Accelerators = AppFixtureOf<CCommandRecorder>;

}  // namespace

// Only the exact first line "TRUE" turns sounds on.
TEST_P(SoundSetting, FirstLineDecides)
{
    if (GetParam().szContent)
        WriteFile(QStringLiteral("data/Sound.dat"), GetParam().szContent);
    EXPECT_TRUE(m_app.CSeriesApp::InitInstance({}));
    EXPECT_EQ(m_app.m_bSound, GetParam().bExpected);
}

INSTANTIATE_TEST_SUITE_P(Table, SoundSetting,
                         ::testing::Values(SoundCase{"TRUE\r\n", true}, SoundCase{"TRUE", true},
                                           SoundCase{"TRUE\r\nFALSE\r\n", true}, SoundCase{"True\r\n", false},
                                           SoundCase{"TRUE \r\n", false}, SoundCase{"FALSE\r\n", false},
                                           SoundCase{"\r\nTRUE\r\n", false}, SoundCase{nullptr, false}));

// The setting is written back with CR LF under the start-up folder; without a data folder nothing
// is written and nothing said.
TEST_F(AppFixture, StartUpRecordsTheFolderAndExitWritesTheSetting)
{
    ASSERT_TRUE(m_app.CSeriesApp::InitInstance({}));
    EXPECT_EQ(m_app.m_strHomeDir, QDir::currentPath() + QLatin1Char('/'));
    for (bool bSound : {true, false}) {
        m_app.m_bSound = bSound;
        m_app.ExitInstance();
        EXPECT_EQ(ReadFile(QStringLiteral("data/Sound.dat")), bSound ? "TRUE\r\n" : "FALSE\r\n");
    }
    QDir(QStringLiteral("data")).removeRecursively();
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
    EXPECT_EQ(m_prompts.Texts(), QStringList{"Please start a saved game after startup!"});
    EXPECT_EQ(m_prompts.Last().m_strCaption, QStringLiteral("Zorbly"));
    EXPECT_TRUE(m_app.m_strHomeDir.isEmpty());
    EXPECT_FALSE(m_app.m_bSound);
}

// Ctrl+N and Ctrl+X work while the game window runs; menu commands reach the application, the
// window's own buttons do not.
TEST_F(Accelerators, CtrlNAndCtrlXAndTheMenuReachTheApplication)
{
    m_modals.ThenEnd(IDOK);  // the start-up picture
    m_modals.Then([&](CDialog& dlg) {
        for (auto [key, modifier] : {std::pair{Qt::Key_N, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier},
                                     {Qt::Key_Q, Qt::ControlModifier}, {Qt::Key_N, Qt::NoModifier}}) {
            QKeyEvent press(QEvent::KeyPress, key, modifier);
            QApplication::sendEvent(dlg.GetDlgItem(1038), &press);
        }
        dlg.OnCommand(32779);
        dlg.OnCommand(57670);
        dlg.OnCommand(1028);
        static_cast<CGameDlg&>(dlg).QuitGame(1);
    });
    m_app.InitInstance({});
    EXPECT_EQ(m_app.m_commands, (std::vector<int>{32775, 32772, 32779, 57670}));
}

TEST_F(AppFixture, ExitCommandAsksBeforeQuitting)
{
    m_prompts.Answer(IDYES);
    m_modals.ThenEnd(IDOK);  // the start-up picture
    m_modals.Then([&](CDialog&) { m_app.OnCommand(32772); });
    m_app.InitInstance({});
    EXPECT_EQ(m_prompts.Texts(), QStringList{"Are you sure you want to quit?"});
    EXPECT_TRUE(m_app.m_gameDlg.IsEnded());
}

// The start-up picture opens with the window, before anything else, and again from the menu and
// the system menu. Instructions and Help open the contents, Quick Instructions context 1.
TEST_F(AppFixture, AboutBoxAndHelpOpenOnRequest)
{
    CFakeHelp help;
    m_app.m_gameDlg.Create();
    EXPECT_EQ(m_modals.TemplatesRun(), std::vector<int>{100});
    m_app.OnCommand(32774);
    m_app.m_gameDlg.OnSysCommand(CGameDlg::kAboutCommand);
    EXPECT_EQ(m_modals.TemplatesRun(), (std::vector<int>{100, 100, 100}));
    for (int nCommand : {32773, 57670, 32771})
        m_app.OnCommand(nCommand);
    EXPECT_EQ(help.Calls(), (std::vector<CFakeHelp::Call>{{nullptr, 0}, {nullptr, 0}, {nullptr, 1}}));
    EXPECT_EQ(m_prompts.Count(), 0);
}
