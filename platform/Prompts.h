#pragma once

#include <QString>

class QWidget;

enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptIcon { None, Information, Question, Warning, Error };

// Every message box of the program goes through here. The answer is IDOK, IDCANCEL, IDYES or IDNO.
class IPrompts {
public:
    virtual ~IPrompts() = default;
    virtual int Show(QWidget* pParent, const QString& strText, const QString& strCaption,
                     PromptButtons buttons, PromptIcon icon) = 0;
};

class CPrompts {
public:
    static IPrompts& Instance();
    // Installs `pPrompts` (not owned); nullptr brings back the real message boxes.
    static void SetInstance(IPrompts* pPrompts);
};

// The application's own message box: OK only, titled with the application's name "Zorbly".
int AfxMessageBox(const QString& strText, PromptButtons buttons = PromptButtons::Ok,
                  PromptIcon icon = PromptIcon::None);
// A window's own message box with an explicit caption.
int MessageBox(QWidget* pParent, const QString& strText, const QString& strCaption,
               PromptButtons buttons = PromptButtons::Ok, PromptIcon icon = PromptIcon::None);

inline const QString kAppName = QStringLiteral("Zorbly");
