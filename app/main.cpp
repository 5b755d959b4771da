#include "GameApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorbly"));
    CGameApp theApp;
    theApp.InitInstance(QApplication::arguments().mid(1));
    return theApp.ExitInstance();
}
