#include "Prompts.h"

#include "Dialog.h"

#include <QMessageBox>

namespace {

class CMessageBoxPrompts : public IPrompts {
public:
    int Show(QWidget* pParent, const QString& strText, const QString& strCaption,
             PromptButtons buttons, PromptIcon icon) override
    {
        QMessageBox box(ToQtIcon(icon), strCaption, strText, ToQtButtons(buttons), pParent);
        return FromQtButton(box.exec());
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
