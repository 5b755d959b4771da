#include "ModalScript.h"

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
    m_templates.push_back(dlg.Template().nId);
    if (m_actions.empty()) {
        dlg.EndDialog(m_nDefaultResult);
        return;
    }
    Action action = std::move(m_actions.front());
    m_actions.pop_front();
    action(dlg);
}
