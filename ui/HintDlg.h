#pragma once

#include "Dialog.h"

// "Types of Hints": the player picks the optimal hint or the operator hint, or takes none.
// DoModal returns the id of the button that closed it: kOptimal, kOperators or IDCANCEL.
class CHintDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kOptimal = 1040;
    static constexpr int kOperators = 3;

    explicit CHintDlg(QWidget* pParent = nullptr);

    void OnCommand(int nId, int nCode = BN_CLICKED) override;

protected:
    bool OnInitDialog() override;
};
