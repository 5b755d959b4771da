#pragma once

#include "Dialog.h"

// A dialog laid out by the fixed dialog-unit scale of its template and centred on the screen.
// The game window and the about box derive from it.
class CScaledDialog : public CDialog {
    Q_OBJECT
public:
    explicit CScaledDialog(int nTemplateId, QWidget* pParent = nullptr);

protected:
    bool OnInitDialog() override;
};
