#pragma once

#include <QString>

// Opens a text file for reading; the real one hands it to the desktop, tests install their own.
class ITextViewer {
public:
    virtual ~ITextViewer() = default;
    // False when nothing could be started to show the file.
    virtual bool OpenFile(const QString& strPath) = 0;
};

// In place of starting the system text editor on the printed statistics: the file opens in the
// desktop's default application for text. The program does not wait for it.
class CTextViewer {
public:
    // Opens `strPath` (relative to the current folder, or absolute); false when the desktop has
    // no application for it.
    static bool Open(const QString& strPath);
    // Installs `pViewer` (not owned); nullptr brings back the desktop.
    static void SetViewer(ITextViewer* pViewer);
};
