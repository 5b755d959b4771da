#include "Prompts.h"

#include "Dialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>

namespace {

class CMessageBoxPrompts : public IPrompts {
public:
    int Show(QWidget* pParent, const QString& strText, const QString& strCaption,
             PromptButtons buttons, PromptIcon icon) override
    {
        QMessageBox box(ToQtIcon(icon), strCaption, strText, ToQtButtons(buttons), Owner(pParent));
        DressAsGameDialog(box);
        return FromQtButton(box.exec());
    }

    // Without an owner the box is the game window's, so it has no taskbar entry of its own.
    static QWidget* Owner(QWidget* pParent)
    {
        if (pParent)
            return pParent;
        if (QWidget* pModal = QApplication::activeModalWidget())
            return pModal;
        return CDialog::MainWindow();
    }

    // The game's icon, the view zoom, and room for the whole caption: a message box sizes itself
    // to its text, not to its title.
    static void DressAsGameDialog(QMessageBox& box)
    {
        if (const CDialog* pMain = CDialog::MainWindow())
            box.setWindowIcon(pMain->windowIcon());
        const QFont font = CDialog::ZoomedFont(box.font(), CDialog::ViewZoom());
        box.setFont(font);
        if (auto* pGrid = qobject_cast<QGridLayout*>(box.layout()))
            pGrid->addItem(new QSpacerItem(CDialog::CaptionWidth(box.windowTitle(), font), 0, QSizePolicy::Minimum),
                           pGrid->rowCount(), 0, 1, pGrid->columnCount());
    }

private:
    static QMessageBox::Icon ToQtIcon(PromptIcon icon)
    {
        switch (icon) {
        case PromptIcon::Information: return QMessageBox::Information;
        case PromptIcon::Question: return QMessageBox::Question;
        case PromptIcon::Warning: return QMessageBox::Warning;
        case PromptIcon::Error: return QMessageBox::Critical;
        case PromptIcon::None: break;
        }
        return QMessageBox::NoIcon;
    }

    static QMessageBox::StandardButtons ToQtButtons(PromptButtons buttons)
    {
        switch (buttons) {
        case PromptButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case PromptButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case PromptButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case PromptButtons::Ok: break;
        }
        return QMessageBox::Ok;
    }

    static int FromQtButton(int nButton)
    {
        switch (nButton) {
        case QMessageBox::Yes: return IDYES;
        case QMessageBox::No: return IDNO;
        case QMessageBox::Cancel: return IDCANCEL;
        default: return IDOK;
        }
    }
};

IPrompts*& InstalledPrompts()
{
    static IPrompts* pPrompts = nullptr;
    return pPrompts;
}

}  // namespace

IPrompts& CPrompts::Instance()
{
    static CMessageBoxPrompts realPrompts;
    IPrompts* pInstalled = InstalledPrompts();
    return pInstalled ? *pInstalled : realPrompts;
}

void CPrompts::SetInstance(IPrompts* pPrompts)
{
    InstalledPrompts() = pPrompts;
}

int AfxMessageBox(const QString& strText, PromptButtons buttons, PromptIcon icon)
{
    return CPrompts::Instance().Show(nullptr, strText, kAppName, buttons, icon);
}

int MessageBox(QWidget* pParent, const QString& strText, const QString& strCaption,
               PromptButtons buttons, PromptIcon icon)
{
    return CPrompts::Instance().Show(pParent, strText, strCaption, buttons, icon);
}
