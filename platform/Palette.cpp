#include "Palette.h"

#include "Prompts.h"

CPalette::CPalette()
    : m_entries{QColor(102, 204, 255), QColor(255, 255, 128), QColor(0, 153, 51),
                QColor(35, 211, 131)}
{
}

const CPalette& CPalette::Application()
{
    static const CPalette palette;
    return palette;
}

void SelectApplicationPalette()
{
    if (!CPalette::Application().SelectAndRealize())
        AfxMessageBox(QStringLiteral("Error selecting palette."));
}
