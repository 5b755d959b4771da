#pragma once

#include "Prompts.h"

#include <QStringList>

// Records every message box and answers OK; installed for the lifetime of the object.
class CRecordingPrompts : public IPrompts {
public:
    struct Prompt {
        QString strText;
        QString strCaption;
        PromptIcon icon;
    };

    CRecordingPrompts() { CPrompts::SetInstance(this); }
    ~CRecordingPrompts() override { CPrompts::SetInstance(nullptr); }

    int Show(QWidget*, const QString& strText, const QString& strCaption, PromptButtons,
             PromptIcon icon) override
    {
        m_prompts.push_back({strText, strCaption, icon});
        return 1;  // IDOK
    }

    QStringList Texts() const
    {
        QStringList texts;
        for (const Prompt& prompt : m_prompts)
            texts << prompt.strText;
        return texts;
    }
    const std::vector<Prompt>& Prompts() const { return m_prompts; }

private:
    std::vector<Prompt> m_prompts;
};
