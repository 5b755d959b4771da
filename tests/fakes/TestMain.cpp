#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Runs every test program headless: offscreen windows and a private runtime folder.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtimeDir;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    // Settings such as the zoom start empty and never reach the user's own configuration.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(runtimeDir.path()));
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
