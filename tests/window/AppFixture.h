#pragma once

#include "FakePrompts.h"
#include "GameApp.h"
#include "ModalScript.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// An application in a fresh temporary game folder, with message boxes and modal dialogs
// scripted. The game window is built but not run.
class AppFixture : public ::testing::Test {
protected:
    AppFixture() : m_strOldDir(QDir::currentPath())
    {
        QDir::setCurrent(m_home.path());
        QDir().mkpath(QStringLiteral("data"));
        QDir().mkpath(QStringLiteral("players"));
    }
    ~AppFixture() override { QDir::setCurrent(m_strOldDir); }

    CGameDlg& Window()
    {
        m_app.m_gameDlg.Create();
        return m_app.m_gameDlg;
    }

    QString m_strOldDir;
    QTemporaryDir m_home;
    CFakePrompts m_prompts;
    CModalScript m_modals;
    CGameApp m_app;
};
