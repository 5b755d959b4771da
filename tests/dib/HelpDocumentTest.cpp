// The help document the help commands open: its anchors, links and pictures.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

const QString kHelpPath = QStringLiteral(ZORBLY_SOURCE_DIR "/data/help/zorb.html");

QString HelpText()
{
    QFile file(kHelpPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QStringList Captures(const QString& strText, const QString& strPattern)
{
    QStringList found;
    const QRegularExpression pattern(strPattern, QRegularExpression::CaseInsensitiveOption);
    for (auto it = pattern.globalMatch(strText); it.hasNext();)
        found << it.next().captured(1);
    return found;
}

QSet<QString> Anchors(const QString& strText)
{
    const QStringList names = Captures(strText, QStringLiteral("<a\\s+name=\"([^\"]+)\""))
        + Captures(strText, QStringLiteral("\\sid=\"([^\"]+)\""));
    return QSet<QString>(names.begin(), names.end());
}

// Catches the quick instructions' anchor renamed or lost: Help > Quick Instructions and a game
// started with "Show Quick Instructions" open the document there.
TEST(HelpDocumentTest, HasTheQuickInstructionsAnchorTheHelpCommandsOpen)
{
    const QString strText = HelpText();
    ASSERT_FALSE(strText.isEmpty());
    EXPECT_TRUE(Anchors(strText).contains(QStringLiteral("quick")));

    QTextBrowser browser;
    browser.setSource(QUrl::fromLocalFile(kHelpPath));
    EXPECT_EQ(browser.documentTitle(), QStringLiteral("Zorbly Help"));
    EXPECT_TRUE(browser.toPlainText().contains(QStringLiteral("Quick instructions")));
}

// Catches a contents entry or cross-reference that leads nowhere, and a picture the help shows
// that is not shipped beside it.
TEST(HelpDocumentTest, EveryLinkAndPictureLeadsSomewhere)
{
    const QString strText = HelpText();
    const QSet<QString> anchors = Anchors(strText);
    const QStringList links = Captures(strText, QStringLiteral("href=\"#([^\"]*)\""));
    EXPECT_GT(links.size(), 10);
    for (const QString& strLink : links)
        EXPECT_TRUE(anchors.contains(strLink)) << strLink.toStdString();
    const QDir helpDir = QFileInfo(kHelpPath).dir();
    for (const QString& strSource : Captures(strText, QStringLiteral("<img\\s[^>]*src=\"([^\"]+)\"")))
        EXPECT_TRUE(QFileInfo::exists(helpDir.filePath(strSource))) << strSource.toStdString();
}

}  // namespace
