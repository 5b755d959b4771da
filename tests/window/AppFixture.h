#pragma once

#include "FakePrompts.h"
#include "FakeSoundPlayer.h"
#include "GameApp.h"
#include "ModalScript.h"
#include "QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// An application in a fresh temporary game folder, with message boxes and modal dialogs
// scripted (a dialog left unscripted is cancelled). The game window is built but not run. The
// start-up picture is the first modal dialog of every opening of the window.
template <class App>
class AppFixtureOf : public ::testing::Test {
protected:
    AppFixtureOf() : m_strOldDir(QDir::currentPath())
    {
        QDir::setCurrent(m_home.path());
        QDir().mkpath(QStringLiteral("data"));
        QDir().mkpath(QStringLiteral("players"));
        // The start-up picture and its text, as an installed game has them.
        for (const char* szName : {"zorb.bmp", "zorb.dat"})
            QFile::copy(QStringLiteral(ZORBLY_SOURCE_DIR "/data/") + szName,
                        QStringLiteral("data/") + szName);
    }
    ~AppFixtureOf() override { QDir::setCurrent(m_strOldDir); }

    CGameDlg& Window()
    {
        m_app.m_gameDlg.Create();
        return m_app.m_gameDlg;
    }

    QString m_strOldDir;
    QTemporaryDir m_home;
    CFakePrompts m_prompts;
    CFakeSoundPlayer m_sounds;
    CModalScript m_modals{IDCANCEL};
    App m_app;
};

using AppFixture = AppFixtureOf<CGameApp>;
