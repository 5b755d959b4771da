// The about box: its picture, its three text lines and their fallbacks, and its sound.

#include "AboutDlg.h"
#include "Dib.h"
#include "DibFixtures.h"
#include "DibStatic.h"
#include "FakePrompts.h"
#include "FakeSoundPlayer.h"
#include "ModalScript.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kShippedPicture = QStringLiteral(ZORBLY_SOURCE_DIR "/data/zorb.bmp");
const QString kShippedText = QStringLiteral(ZORBLY_SOURCE_DIR "/data/zorb.dat");

using ShownTexts = QStringList;  // platform, year, version

// Runs the box as the program does and reads what its three text controls show.
ShownTexts RunAndReadTexts(CAboutDlg& dlg)
{
    ShownTexts shown;
    CModalScript script;
    script.Then([&](CDialog& d) {
        for (int nId : {CAboutDlg::kPlatformId, CAboutDlg::kYearId, CAboutDlg::kVersionId})
            shown << d.GetDlgItemText(nId);
        d.EndDialog(IDOK);
    });
    dlg.DoModal();
    return shown;
}

// Catches lines read in the wrong order or a missing line taken from the defaults.
TEST(AboutDlgTest, AboutTextLinesFillPlatformYearAndVersionAndMissingLinesAreEmpty)
{
    struct Case {
        QByteArray file;
        ShownTexts expected;
    };
    const Case cases[] = {
        {"Linux\r\n2026\r\n2.5\r\n", {"Linux", "2026", "2.5"}},
        {"Linux\n2026\n2.5", {"Linux", "2026", "2.5"}},
        {"Linux\r\n", {"Linux", "", ""}},
        {"Linux\r\n2026\r\n", {"Linux", "2026", ""}},
        {"", {"", "", ""}},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        CFakePrompts prompts;
        CAboutDlg dlg;
        const QString strData = dir.filePath(QStringLiteral("zorb.dat"));
        QFile file(strData);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.file) == c.file.size());
        file.close();
        ASSERT_TRUE(dlg.SetData(&kShippedPicture, &strData, false));
        EXPECT_TRUE(prompts.Texts().isEmpty());
        EXPECT_EQ(RunAndReadTexts(dlg), c.expected) << c.file.toStdString();
    }
}

// Catches a missing about text passed over in silence or leaving the template's own texts.
TEST(AboutDlgTest, MissingAboutTextIsReportedAndTheDefaultsShown)
{
    CFakePrompts prompts;
    CAboutDlg dlg;
    const QString strData = QStringLiteral("no/such/zorb.dat");
    ASSERT_TRUE(dlg.SetData(&kShippedPicture, &strData, false));
    EXPECT_EQ(prompts.Texts(), QStringList{QStringLiteral("Missing about box data!\nPlease reinstall Cogwhistle.")});
    EXPECT_EQ(prompts.Last().m_strCaption, QStringLiteral("Zorbly"));
    EXPECT_EQ(RunAndReadTexts(dlg), (ShownTexts{"Microsoft Windows", "1998", "1.0"}));
}

// Catches a caller's missing path going unreported, and the box going on to be shown (and its
// text read) after its picture file was not found.
TEST(AboutDlgTest, AbsentPathsAndAMissingPictureAreReported)
{
    CFakePrompts prompts;
    CAboutDlg absent;
    ASSERT_TRUE(absent.SetData(nullptr, nullptr, false));
    CAboutDlg missing;
    const QString strImage = QStringLiteral("no/such/zorb.bmp");
    EXPECT_FALSE(missing.SetData(&strImage, &kShippedText, true));
    EXPECT_EQ(prompts.Texts(),
              (QStringList{QStringLiteral("No image path given!\nThis could only be caused by human error."),
                           QStringLiteral("No data path given!\nThis could only be caused by human error."),
                           QStringLiteral("no/such/zorb.bmp was not found.")}));
    EXPECT_FALSE(absent.Picture().HasPicture());
    EXPECT_EQ(missing.m_strPlatform, QStringLiteral("Microsoft Windows"));
}

// Catches the shipped picture and text not reaching the box, or the box opening behind the game:
// the picture fills control 1036 at its natural size and the three lines show.
TEST(AboutDlgTest, ShippedPictureFillsThePictureControlAndShippedTextShows)
{
    CFakePrompts prompts;
    CAboutDlg dlg;
    ASSERT_TRUE(dlg.SetData(&kShippedPicture, &kShippedText, false));
    EXPECT_TRUE(prompts.Texts().isEmpty());
    EXPECT_EQ(RunAndReadTexts(dlg), (ShownTexts{"Linux (Qt 6)", "2026", "1.0"}));
    EXPECT_TRUE(dlg.windowFlags() & Qt::WindowStaysOnTopHint);

    QWidget* pControl = dlg.GetDlgItem(CAboutDlg::kPictureId);
    ASSERT_EQ(pControl, &dlg.Picture());
    const DibBlock& block = dlg.Picture().Dib();
    EXPECT_EQ(pControl->size(), QSize(DibWidth(block), DibHeight(block)));
    EXPECT_EQ(pControl->geometry().topLeft(), dlg.DialogUnitsToPixels(QRect(1, 2, 159, 155)).topLeft());

    const QImage painted = pControl->grab().toImage();
    const QImage expected = DibToImage(block);
    for (const QPoint& pt : {QPoint(0, 0), QPoint(150, 60), QPoint(298, 322), QPoint(40, 180)})
        EXPECT_EQ(painted.pixel(pt) | 0xFF000000u, expected.pixel(pt) | 0xFF000000u) << pt.x() << "," << pt.y();
}

// Catches the wave played with sounds off, without a wave name, synchronously, or only when the
// box closes.
TEST(AboutDlgTest, WavePlaysAsTheBoxOpensOnlyWithSoundsOnAndAWaveName)
{
    struct Case {
        bool bSound;
        QString strWave;
        bool bPlays;
    };
    const Case cases[] = {
        {true, QStringLiteral("data/zorb.wav"), true},
        {false, QStringLiteral("data/zorb.wav"), false},
        {true, QString(), false},
    };
    for (const Case& c : cases) {
        CFakePrompts prompts;
        CFakeSoundPlayer sound;
        CAboutDlg dlg;
        dlg.m_strWave = c.strWave;
        ASSERT_TRUE(dlg.SetData(&kShippedPicture, &kShippedText, c.bSound));
        std::vector<CFakeSoundPlayer::Call> callsWhileOpen;
        CModalScript script;
        script.Then([&](CDialog& d) {
            callsWhileOpen = sound.Calls();
            d.EndDialog(IDOK);
        });
        dlg.DoModal();
        std::vector<CFakeSoundPlayer::Call> expected;
        if (c.bPlays)
            expected.push_back({QStringLiteral("data/zorb.wav"), false});
        EXPECT_EQ(callsWhileOpen, expected) << c.bSound << " " << c.strWave.toStdString();
        EXPECT_EQ(sound.Calls(), expected);
    }
}

}  // namespace
