#pragma once

#include "DialogTemplate.h"

#include <QIcon>
#include <QKeySequence>
#include <QPixmap>
#include <vector>

// The program's built-in resources, looked up by their numeric ids.

struct Accelerator {
    int nKey;                        // Qt::Key
    Qt::KeyboardModifiers modifiers;
    int nCommand;
};

// The template of dialog `nId`; every id the program uses is present.
const DialogTemplate& GetDialogTemplate(int nId);
// Menu resource `nId`, its pop-ups in order; empty when there is none.
const std::vector<MenuPopup>& GetMenu(int nId);
// Accelerator table `nId`; empty when there is none.
const std::vector<Accelerator>& GetAccelerators(int nId);
// Bitmap and icon resources; a null pixmap or icon when missing.
QPixmap LoadBitmap(int nId);
QIcon LoadIcon(int nId);
