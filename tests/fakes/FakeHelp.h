#pragma once

#include "HelpWindow.h"

#include <vector>

// Records every help request instead of opening the help window; installed while it lives.
class CFakeHelp : public IHelpViewer {
public:
    struct Call {
        QWidget* pOwner = nullptr;
        int nContext = 0;
        bool operator==(const Call&) const = default;
    };

    CFakeHelp() { CHelpWindow::SetViewer(this); }
    ~CFakeHelp() override { CHelpWindow::SetViewer(nullptr); }
    CFakeHelp(const CFakeHelp&) = delete;
    CFakeHelp& operator=(const CFakeHelp&) = delete;

    void ShowHelp(QWidget* pOwner, int nContext) override { m_calls.push_back({pOwner, nContext}); }
    const std::vector<Call>& Calls() const { return m_calls; }

private:
    std::vector<Call> m_calls;
};
