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

// Records the commands that reach the application instead of carrying them out.
class CCommandRecorder : public CGameApp {
public:
    void OnCommand(int nId) override { m_commands.push_back(nId); }
    std::vector<int> m_commands;
};

using Accelerators = AppFixtureOf<CCommandRecorder>;

}  // namespace

// Only the exact first line "TRUE" turns sounds on.
TEST_F(AppFixture, SoundSettingIsOnOnlyWhenTheFirstLineIsTrue)
{
    const std::pair<const char*, bool> cases[] = {
        {"TRUE\r\n", true},   {"TRUE", true},        {"TRUE\r\nFALSE\r\n", true}, {"True\r\n", false},
        {"TRUE \r\n", false}, {"FALSE\r\n", false}, {"\r\nTRUE\r\n", false},     {nullptr, false}};
    for (auto [szContent, bExpected] : cases) {
        QFile::remove(QStringLiteral("data/Sound.dat"));
        if (szContent)
            WriteFile(QStringLiteral("data/Sound.dat"), szContent);
        EXPECT_TRUE(m_app.CSeriesApp::InitInstance({}));
        EXPECT_EQ(m_app.m_bSound, bExpected) << (szContent ? szContent : "no file");
    }
}

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

// The game runs after the refusal, with sounds off and no start-up folder; File > Exit asks first.
TEST_F(AppFixture, ArgumentsAreRefusedOnceAndTheGameStillRuns)
{
    WriteFile(QStringLiteral("data/Sound.dat"), "TRUE\r\n");
    m_prompts.Answer({IDOK, IDYES});
    m_modals.ThenEnd(IDOK);  // the start-up picture
    m_modals.Then([&](CDialog&) { m_app.OnCommand(32772); });
    EXPECT_FALSE(m_app.InitInstance({QStringLiteral("saved.zor")}));
    EXPECT_EQ(m_modals.TemplatesRun(), (std::vector<int>{100, 102}));
    EXPECT_EQ(m_prompts.Texts(), (QStringList{"Please start a saved game after startup!", "Are you sure you want to quit?"}));
    EXPECT_EQ(m_prompts.Prompts()[0].m_strCaption, QStringLiteral("Zorbly"));
    EXPECT_TRUE(m_app.m_strHomeDir.isEmpty() && !m_app.m_bSound && m_app.m_gameDlg.IsEnded());
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
