#include "SetupDlg.h"

#include "Prompts.h"
#include "Resources.h"

#include <algorithm>

namespace {

enum ControlId {
    kOnePlayer = 1016,
    kTwoPlayers = 1017,
    kName1 = 1018,
    kName2 = 1019,
    kAddition = 1020,
    kSubtraction = 1021,
    kMultiplication = 1022,
    kDivision = 1023,
    kPositive = 1024,
    kNegative = 1025,
    kPositiveAndNegative = 1026,
    kQuick = 1027,
    kLarge = 1030,
    kPlaySounds = 1050,
    kQuickInstructions = 1051,
};

}  // namespace

CSetupDlg::CSetupDlg(QWidget* pParent) : CDialog(GetDialogTemplate(132), pParent)
{
}

void CSetupDlg::SetValues(bool bCanCancel, bool bSounds, bool bSubtract, bool bDivide,
                          bool bMultiply, bool bAdd, const QString& strName1,
                          const QString& strName2, int nPlayers, int nSignMode, int nSize,
                          bool bNewPlayers)
{
    m_bCanCancel = bCanCancel;
    m_bSounds = bSounds;
    m_bSubtract = bSubtract;
    m_bDivide = bDivide;
    m_bMultiply = bMultiply;
    m_bAdd = bAdd;
    m_strName1 = strName1;
    m_strName2 = strName2;
    m_nPlayers = nPlayers;
    m_nSignMode = nSignMode;
    m_nSize = nSize;
    m_bNewPlayers = bNewPlayers;
}

GameOptions CSetupDlg::ChosenOptions() const
{
    GameOptions options;
    options.bOnePlayer = m_nPlayers != 1;
    options.strName[0] = m_strName1;
    options.strName[1] = m_strName2;
    options.nPieces = PiecesFromSizeChoice(m_nSize);
    options.bAdd = m_bAdd;
    options.bSubtract = m_bSubtract;
    options.bMultiply = m_bMultiply;
    options.bDivide = m_bDivide;
    options.nSignMode = m_nSignMode;
    options.bSounds = m_bSounds;
    options.bShowQuickInstructions = m_bShowQuickInstructions;
    return options;
}

bool CSetupDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    DoDataExchange(false);
    CenterOnOwner();
    if (!m_bNewPlayers) {
        EnableDlgItem(kOnePlayer, false);
        EnableDlgItem(kTwoPlayers, false);
    }
    // The buttons are settled before the dialog first shows, which is where they first paint.
    OnFirstPaint();
    return true;
}

void CSetupDlg::OnFirstPaint()
{
    if (!m_bFirstPaint)
        return;
    m_bFirstPaint = false;
    EnableDlgItem(kName2, m_nPlayers == 1);
    if (!m_bCanCancel) {
        ShowDlgItem(IDCANCEL, false);
        ShowDlgItem(kQuitGame, true);
    }
}

void CSetupDlg::DoDataExchange(bool bSave)
{
    ExchangeRadio(bSave, kOnePlayer, kTwoPlayers, m_nPlayers);
    ExchangeRadio(bSave, kPositive, kPositiveAndNegative, m_nSignMode);
    ExchangeRadio(bSave, kQuick, kLarge, m_nSize);
    ExchangeCheck(bSave, kAddition, m_bAdd);
    ExchangeCheck(bSave, kMultiplication, m_bMultiply);
    ExchangeCheck(bSave, kDivision, m_bDivide);
    ExchangeCheck(bSave, kSubtraction, m_bSubtract);
    ExchangeName(bSave, kName1, m_strName1);
    ExchangeName(bSave, kName2, m_strName2);
    ExchangeCheck(bSave, kPlaySounds, m_bSounds);
    ExchangeCheck(bSave, kQuickInstructions, m_bShowQuickInstructions);
}

// A radio group's choice is the index of its checked button, -1 when none is checked.
void CSetupDlg::ExchangeRadio(bool bSave, int nFirstId, int nLastId, int& nIndex)
{
    if (bSave) {
        const int nChecked = GetCheckedRadioButton(nFirstId, nLastId);
        nIndex = nChecked ? nChecked - nFirstId : -1;
    } else {
        CheckRadioButton(nFirstId, nLastId, nFirstId + nIndex);
    }
}

void CSetupDlg::ExchangeCheck(bool bSave, int nId, bool& bValue)
{
    if (bSave)
        bValue = IsDlgButtonChecked(nId);
    else
        CheckDlgButton(nId, bValue);
}

// Typing stops at the player selection dialog's limit, and a longer name that comes in is kept
// whole rather than cut or refused: the boxes are hidden, so a refusal could never be mended.
void CSetupDlg::ExchangeName(bool bSave, int nId, QString& strName)
{
    if (bSave) {
        strName = GetDlgItemText(nId);
        return;
    }
    SetLimitText(nId, std::max<int>(kMaxNameLength, strName.size()));
    SetDlgItemText(nId, strName);
}

bool CSetupDlg::Validate()
{
    const bool bAdd = IsDlgButtonChecked(kAddition);
    const bool bSubtract = IsDlgButtonChecked(kSubtraction);
    const bool bMultiply = IsDlgButtonChecked(kMultiplication);
    const bool bDivide = IsDlgButtonChecked(kDivision);
    const bool bPositive = IsDlgButtonChecked(kPositive);

    if (!bAdd && !bSubtract && !bMultiply && !bDivide) {
        ShowInvalid(QStringLiteral("You must select an operation."));
        return false;
    }
    if (bDivide && !bAdd && !bSubtract && !bMultiply) {
        ShowInvalid(QStringLiteral("You can't play a game with only division."));
        return false;
    }
    if (!bSubtract && !bPositive) {
        CheckRadioButton(kPositive, kPositiveAndNegative, kPositive);
        ShowInvalid(QStringLiteral("Using these operators, you must play\nwith positive numbers only."));
        return false;
    }
    if (bSubtract && !bAdd && !bMultiply && bPositive) {
        CheckRadioButton(kPositive, kPositiveAndNegative, kPositiveAndNegative);
        ShowInvalid(QStringLiteral("Using these operators, you can't play\nwith only positive numbers."));
        return false;
    }
    return true;
}

void CSetupDlg::ShowInvalid(const QString& strText)
{
    MessageBox(this, strText, QStringLiteral("Invalid Game Setup"), PromptButtons::Ok,
               PromptIcon::None);
}

void CSetupDlg::OnCommand(int nId, int nCode)
{
    if (nCode != BN_CLICKED) {
        CDialog::OnCommand(nId, nCode);
        return;
    }
    switch (nId) {
    case kOnePlayer:
        EnableDlgItem(kName2, false);
        break;
    case kTwoPlayers:
        EnableDlgItem(kName2, true);
        break;
    case kAddition:
    case kSubtraction:
    case kMultiplication:
    case kDivision:
        Validate();  // tells at once; the click itself stands
        break;
    case kQuitGame:
        OnQuitGame();
        break;
    default:
        CDialog::OnCommand(nId, nCode);
    }
}

void CSetupDlg::OnQuitGame()
{
    const int nAnswer = MessageBox(this, QStringLiteral("Are you sure you want to quit?"),
                                   QStringLiteral("Confirmation Dialog"), PromptButtons::YesNo,
                                   PromptIcon::Question);
    if (nAnswer == IDYES)
        EndDialog(kQuitGame);
}

void CSetupDlg::OnOK()
{
    if (!Validate())
        return;
    m_bMayClose = true;
    DoDataExchange(true);
    EndDialog(IDOK);
}

void CSetupDlg::OnCancel()
{
    m_bMayClose = true;
    EndDialog(IDCANCEL);
}

void CSetupDlg::OnClose()
{
    // OK and Cancel end the dialog themselves; the frame's close box does nothing.
    if (m_bMayClose)
        CDialog::OnClose();
}
