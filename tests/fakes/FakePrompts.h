#pragma once

#include "Prompts.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

// A prompts service for tests: records every message box and answers from a script.
// Constructing one installs it; destroying it brings back the real message boxes.
class CFakePrompts : public IPrompts {
public:
    struct Prompt {
        QString m_strText;
        QString m_strCaption;
        PromptButtons m_buttons = PromptButtons::Ok;
        PromptIcon m_icon = PromptIcon::None;
    };

    CFakePrompts();
    ~CFakePrompts() override;
    CFakePrompts(const CFakePrompts&) = delete;
    CFakePrompts& operator=(const CFakePrompts&) = delete;

    int Show(QWidget* pParent, const QString& strText, const QString& strCaption,
             PromptButtons buttons, PromptIcon icon) override;

    // Answers for the next prompts, in order (IDOK, IDCANCEL, IDYES, IDNO).
    void Answer(int nAnswer) { m_answers.push_back(nAnswer); }
    void Answer(std::initializer_list<int> answers) { m_answers.insert(m_answers.end(), answers); }
    // Runs when a prompt shows, after it is recorded (a test may act on the screen from here).
    void OnShow(std::function<void(const Prompt&)> callback) { m_onShow = std::move(callback); }
    // With no scripted answer left: the first button of the box (IDOK or IDYES), or this one.
    void SetDefaultAnswer(int nAnswer) { m_nDefaultAnswer = nAnswer; }

    const std::vector<Prompt>& Prompts() const { return m_prompts; }
    int Count() const { return static_cast<int>(m_prompts.size()); }
    const Prompt& Last() const { return m_prompts.back(); }
    QStringList Texts() const;
    void ClearRecord() { m_prompts.clear(); }

private:
    static int FirstButton(PromptButtons buttons);

    std::vector<Prompt> m_prompts;
    std::deque<int> m_answers;
    std::function<void(const Prompt&)> m_onShow;
    int m_nDefaultAnswer = 0;
};
