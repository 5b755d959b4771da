#include "GameDlg.h"

#include "ElidedLabel.h"

#include <QWidget>

namespace {

struct ControlName {
    int nId;
    const char* szName;
};

// What a screen reader calls the controls whose text is a value rather than a name.
constexpr ControlName kControlNames[] = {
    {1000, "Number 1"}, {1001, "Number 2"}, {1002, "Number 3"}, {1008, "Fourth number"},
    {2001, "Slot 1"},   {2002, "Slot 2"},   {2003, "Slot 3"},   {2004, "Slot 4"},
    {1006, "Operator 1"}, {1007, "Operator 2"}, {1004, "Brackets"}, {1013, "Value"},
    {1044, "Scores"},   {1045, "Expression"},
};

// "?" before a roll and the blinking caret are no value to read out.
QString ValueDescription(const QString& strText)
{
    bool bNumber = false;
    strText.toInt(&bNumber);
    return bNumber ? strText : QStringLiteral("empty");
}

}  // namespace

void CGameDlg::NameControlsForScreenReaders()
{
    for (const ControlName& control : kControlNames) {
        if (QWidget* pItem = GetDlgItem(control.nId)) {
            pItem->setAccessibleName(QString::fromLatin1(control.szName));
            DescribeControl(control.nId);
        }
    }
}

void CGameDlg::DescribeControl(int nId)
{
    QWidget* pItem = GetDlgItem(nId);
    if (!pItem)
        return;
    switch (nId) {
    case 1000: case 1001: case 1002: case 1008: case 1013:
    case 2001: case 2002: case 2003: case 2004:
        pItem->setAccessibleDescription(ValueDescription(GetDlgItemText(nId)));
        break;
    case 1044:
        pItem->setAccessibleDescription(ScorePanelDescription());
        break;
    default:
        break;
    }
}

QString CGameDlg::ScorePanelDescription() const
{
    return QStringLiteral("%1 %2, %3 %4")
        .arg(GetDlgItemText(1032), GetDlgItemText(1034), GetDlgItemText(1033), GetDlgItemText(1035));
}

void CGameDlg::OnDlgItemTextChanged(int nId)
{
    if (nId >= 1032 && nId <= 1035)
        DescribeControl(1044);
    else
        DescribeControl(nId);
    if (auto* pLabel = GetDlgItemAs<CElidedLabel>(nId))
        pLabel->UpdateToolTip();
}
