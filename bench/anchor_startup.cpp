// The anchors of the start-up benchmark, in a program that links Qt alone: a small QMainWindow
// (three menus, six buttons, eight labels, an icon) or a QDialog with a label and a button.
// Started by bench_startup as: anchor_startup mainwindow|dialog <start time in ns>.
#include "FirstPaint.h"

#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

void BuildMainWindowAnchor(QMainWindow& window)
{
    for (const char* szMenu : {"&Game", "&Maintenance", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(szMenu))->addAction(QStringLiteral("Item"));
    auto* pCentral = new QWidget;
    auto* pLayout = new QVBoxLayout(pCentral);
    for (int i = 0; i < 6; ++i)
        pLayout->addWidget(new QPushButton(QStringLiteral("Button %1").arg(i)));
    for (int i = 0; i < 8; ++i)
        pLayout->addWidget(new QLabel(QStringLiteral("Label %1").arg(i)));
    window.setCentralWidget(pCentral);
    window.setWindowIcon(window.style()->standardIcon(QStyle::SP_ComputerIcon));
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3)
        return 2;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    CFirstPaint spy(QByteArray(argv[2]).toLongLong());
    if (qstrcmp(argv[1], "dialog") == 0) {
        QDialog dlg;
        auto* pLayout = new QVBoxLayout(&dlg);
        pLayout->addWidget(new QLabel(QStringLiteral("Zorbly")));
        pLayout->addWidget(new QPushButton(QStringLiteral("OK")));
        dlg.installEventFilter(&spy);
        dlg.show();
        return application.exec();
    }
    QMainWindow window;
    BuildMainWindowAnchor(window);
    window.installEventFilter(&spy);
    window.show();
    return application.exec();
}
