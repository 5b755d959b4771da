#include "FocusRingStyle.h"
#include "GameApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(new CFocusRingStyle);
    QApplication::setApplicationName(QStringLiteral("Zorbly"));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zorbly.Zorbly"));
    CGameApp theApp;
    theApp.InitInstance(QApplication::arguments().mid(1));
    return theApp.ExitInstance();
}
