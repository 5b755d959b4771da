#include "FakeHelp.h"
#include "FakeTextViewer.h"
#include "HelpWindow.h"
#include "TextViewer.h"

#include <QDir>
#include <QScrollBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Runs a test in a fresh folder, as the program runs in its start-up folder.
class HelpWindowInFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_strOldFolder = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
    }
    void TearDown() override
    {
        delete CHelpWindow::Existing();
        QDir::setCurrent(m_strOldFolder);
    }

    // A document long enough that the quick instructions lie well below the first screen.
    void WriteDocument()
    {
        QString strHtml = QStringLiteral("<html><body><h1>Contents</h1>");
        for (int i = 0; i < 150; ++i)
            strHtml += QStringLiteral("<p>Paragraph %1</p>").arg(i);
        strHtml += QStringLiteral("<h2><a name=\"quick\"></a>Quick instructions</h2>");
        for (int i = 0; i < 150; ++i)
            strHtml += QStringLiteral("<p>More %1</p>").arg(i);
        strHtml += QStringLiteral("</body></html>");
        QDir().mkpath(QStringLiteral("data/help"));
        QFile file(CHelpWindow::DocumentPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(strHtml.toUtf8());
    }

    QTemporaryDir m_dir;
    QString m_strOldFolder;
};

TEST_F(HelpWindowInFolder, QuickInstructionsOpenAtTheirAnchorAndContentsAtTheTop)
{
    WriteDocument();
    CHelpWindow* pWindow = CHelpWindow::Open(nullptr, CHelpWindow::kQuickInstructions);
    ASSERT_TRUE(pWindow->isVisible());
    EXPECT_GT(pWindow->verticalScrollBar()->value(), 0);

    EXPECT_EQ(CHelpWindow::Open(nullptr, CHelpWindow::kContents), pWindow) << "one window serves every request";
    EXPECT_EQ(pWindow->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(pWindow->toPlainText().startsWith(QStringLiteral("Contents")));
}

TEST_F(HelpWindowInFolder, MissingDocumentGivesAPlainMessage)
{
    CHelpWindow* pWindow = CHelpWindow::Open(nullptr, CHelpWindow::kQuickInstructions);
    EXPECT_TRUE(pWindow->isVisible());
    EXPECT_TRUE(pWindow->toPlainText().contains(QStringLiteral("cannot be found")));
}

TEST_F(HelpWindowInFolder, ClosesWithItsOwnerAndOpensAgainLater)
{
    WriteDocument();
    auto pOwner = std::make_unique<QWidget>();
    CHelpWindow::Open(pOwner.get(), CHelpWindow::kContents);
    ASSERT_NE(CHelpWindow::Existing(), nullptr);
    pOwner.reset();
    EXPECT_EQ(CHelpWindow::Existing(), nullptr);
    EXPECT_NE(CHelpWindow::Open(nullptr, CHelpWindow::kContents), nullptr);
}

TEST(HelpAndTextCalls, GoToTheInstalledViewersWithoutOpeningAWindow)
{
    CFakeHelp fake;
    CFakeTextViewer viewer;
    CTextViewer::Open(QStringLiteral("players/stats.txt"));
    EXPECT_EQ(viewer.Files(), QStringList{QStringLiteral("players/stats.txt")});
    QWidget owner;
    CHelpWindow::Show(&owner, CHelpWindow::kQuickInstructions);
    CHelpWindow::Show(nullptr, CHelpWindow::kContents);
    EXPECT_EQ(fake.Calls(), (std::vector<CFakeHelp::Call>{{&owner, 1}, {nullptr, 0}}));
    EXPECT_EQ(CHelpWindow::Existing(), nullptr);
}

} // namespace
