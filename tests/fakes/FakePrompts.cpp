#include "FakePrompts.h"

#include "Dialog.h"

CFakePrompts::CFakePrompts()
{
    CPrompts::SetInstance(this);
}

CFakePrompts::~CFakePrompts()
{
    CPrompts::SetInstance(nullptr);
}

int CFakePrompts::Show(QWidget*, const QString& strText, const QString& strCaption,
                       PromptButtons buttons, PromptIcon icon)
{
    m_prompts.push_back(Prompt{strText, strCaption, buttons, icon});
    if (m_onShow)
        m_onShow(m_prompts.back());
    if (!m_answers.empty()) {
        const int nAnswer = m_answers.front();
        m_answers.pop_front();
        return nAnswer;
    }
    return m_nDefaultAnswer != 0 ? m_nDefaultAnswer : FirstButton(buttons);
}

QStringList CFakePrompts::Texts() const
{
    QStringList texts;
    for (const Prompt& prompt : m_prompts)
        texts.append(prompt.m_strText);
    return texts;
}

int CFakePrompts::FirstButton(PromptButtons buttons)
{
    switch (buttons) {
    case PromptButtons::YesNo:
    case PromptButtons::YesNoCancel:
        return IDYES;
    case PromptButtons::Ok:
    case PromptButtons::OkCancel:
        break;
    }
    return IDOK;
}
