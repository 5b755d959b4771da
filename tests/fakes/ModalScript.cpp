#include "ModalScript.h"

#include "MessageDlg.h"

CModalScript::CModalScript(int nDefaultResult) : m_nDefaultResult(nDefaultResult)
{
    CDialog::SetModalHook([this](CDialog& dlg) { Run(dlg); });
}

CModalScript::~CModalScript()
{
    CDialog::SetModalHook({});
}

void CModalScript::ThenEnd(int nResult)
{
    Then([nResult](CDialog& dlg) { dlg.EndDialog(nResult); });
}

void CModalScript::Run(CDialog& dlg)
{
    const int nTemplate = dlg.Template().nId;
    m_templates.push_back(nTemplate);
    auto* pMessage = qobject_cast<CMessageDlg*>(&dlg);
    if (pMessage)
        m_messages << pMessage->m_strText;
    m_log << (pMessage ? "message " + pMessage->m_strText : QStringLiteral("dialog %1").arg(nTemplate));
    std::deque<Action>& actions = m_queued[nTemplate].empty() ? m_actions : m_queued[nTemplate];
    if (actions.empty()) {
        if (pMessage && m_onMessage)
            m_onMessage();
        return dlg.EndDialog(nTemplate == 100 ? IDOK : m_nDefaultResult);
    }
    const Action action = std::move(actions.front());
    actions.pop_front();
    action(dlg);
}
