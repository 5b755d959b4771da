#pragma once

#include "Dialog.h"

#include <QStringList>
#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <vector>

// Runs every modal dialog without an event loop. A dialog takes the next action queued for its
// template, else the next scripted one; with none left it ends with the default result (the
// start-up picture, template 100, always with OK). Records the templates that ran, and the game's
// own message boxes.
class CModalScript {
public:
    using Action = std::function<void(CDialog&)>;

    explicit CModalScript(int nDefaultResult = IDOK);
    ~CModalScript();
    CModalScript(const CModalScript&) = delete;
    CModalScript& operator=(const CModalScript&) = delete;

    void Then(Action action) { m_actions.push_back(std::move(action)); }
    // Ends the next dialog with `nResult` at once.
    void ThenEnd(int nResult);
    // The next dialog of template `nTemplate` takes `action`, ahead of those given by Then.
    void Queue(int nTemplate, Action action) { m_queued[nTemplate].push_back(std::move(action)); }

    const std::vector<int>& TemplatesRun() const { return m_templates; }
    int Count(int nTemplate) const { return static_cast<int>(std::ranges::count(m_templates, nTemplate)); }

    QStringList m_messages;             // the texts of the game's own message boxes
    QStringList m_log;                  // "dialog <id>" or "message <text>", and what a test adds
    std::function<void()> m_onMessage;  // runs while a message box is open and unscripted

private:
    void Run(CDialog& dlg);

    std::deque<Action> m_actions;
    std::map<int, std::deque<Action>> m_queued;
    std::vector<int> m_templates;
    int m_nDefaultResult;
};
