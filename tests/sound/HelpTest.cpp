// The help window the help commands open on our help document.

#include "HelpWindow.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Catches the quick instructions' anchor lost or not scrolled to, contents not opened at the top,
// a second window for a second request, a missing document leaving a blank window, and the window
// placed inside its owner, outliving it or not opening again after it.
TEST(HelpWindowTest, OpensAtQuickInstructionsOrContentsAndGoesWithItsOwner)
{
    // The program reads the document relative to its start-up folder.
    const auto restore = qScopeGuard([strOld = QDir::currentPath()] { QDir::setCurrent(strOld); });
    QTemporaryDir emptyDir;
    QDir::setCurrent(emptyDir.path());
    auto pOwner = std::make_unique<QWidget>();
    CHelpWindow::Show(pOwner.get(), CHelpWindow::kQuickInstructions);
    CHelpWindow* pWindow = CHelpWindow::Existing();
    ASSERT_TRUE(pWindow && pWindow->isVisible() && pWindow->isWindow());
    EXPECT_TRUE(pWindow->toPlainText().contains(QStringLiteral("cannot be found")));
    pOwner.reset();
    ASSERT_EQ(CHelpWindow::Existing(), nullptr);

    QDir::setCurrent(QStringLiteral(ZORBLY_SOURCE_DIR));
    CHelpWindow::Show(nullptr, CHelpWindow::kQuickInstructions);
    const std::unique_ptr<CHelpWindow> pShipped(CHelpWindow::Existing());
    ASSERT_TRUE(pShipped && pShipped->isVisible());
    EXPECT_GT(pShipped->verticalScrollBar()->value(), 0);
    EXPECT_EQ(pShipped->documentTitle(), QStringLiteral("Zorbly Help"));
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();  // fits, and is no scrap
    EXPECT_TRUE(pShipped->size().boundedTo(screen * 9 / 10) == pShipped->size()
                && pShipped->size().expandedTo(QSize(640, 560).boundedTo(screen * 8 / 10)) == pShipped->size());
    CHelpWindow::Show(nullptr, CHelpWindow::kContents);
    EXPECT_EQ(CHelpWindow::Existing(), pShipped.get());
    EXPECT_EQ(pShipped->verticalScrollBar()->value(), 0);
}

// Catches a contents entry or cross-reference that leads nowhere, and a picture the help shows
// that is not shipped beside it.
TEST(HelpDocumentTest, EveryLinkAndPictureLeadsSomewhere)
{
    QFile file(QStringLiteral(ZORBLY_SOURCE_DIR "/data/help/zorb.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString strText = QString::fromUtf8(file.readAll());
    int nLinks = 0;
    for (auto it = QRegularExpression(QStringLiteral("href=\"#([^\"]*)\"")).globalMatch(strText); it.hasNext(); ++nLinks) {
        const QString strAnchor = it.next().captured(1);
        EXPECT_TRUE(strText.contains(QStringLiteral(" name=\"%1\"").arg(strAnchor))
                    || strText.contains(QStringLiteral(" id=\"%1\"").arg(strAnchor))) << strAnchor.toStdString();
    }
    EXPECT_GT(nLinks, 10);
    for (auto it = QRegularExpression(QStringLiteral("<img\\s[^>]*src=\"([^\"]+)\"")).globalMatch(strText); it.hasNext();)
        EXPECT_TRUE(QFileInfo::exists(QFileInfo(file).dir().filePath(it.next().captured(1))));
}

} // namespace
