#pragma once

#include "Dialog.h"

#include <deque>
#include <functional>
#include <vector>

// Runs every modal dialog without an event loop. Each DoModal takes the next scripted action;
// with none left the dialog ends with the default result. Records the templates that ran.
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

    const std::vector<int>& TemplatesRun() const { return m_templates; }

private:
    void Run(CDialog& dlg);

    std::deque<Action> m_actions;
    std::vector<int> m_templates;
    int m_nDefaultResult;
};
