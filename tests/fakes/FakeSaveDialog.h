#pragma once

#include "SaveDialog.h"

#include <QStringList>

// Answers every save dialog with the path given (empty: cancelled) and records each one offered
// as "caption: suggested path"; installed while it lives.
class CFakeSaveDialog : public ISaveDialog {
public:
    CFakeSaveDialog() { CSaveDialog::SetInstance(this); }
    ~CFakeSaveDialog() override { CSaveDialog::SetInstance(nullptr); }
    CFakeSaveDialog(const CFakeSaveDialog&) = delete;
    CFakeSaveDialog& operator=(const CFakeSaveDialog&) = delete;

    QString GetSaveFileName(QWidget*, const QString& strCaption, const QString& strSuggested, const QString&,
                            const QString&) override
    {
        m_asked << strCaption + ": " + strSuggested;
        return m_strAnswer;
    }
    QString m_strAnswer;
    QStringList m_asked;
};
