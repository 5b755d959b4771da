#pragma once

#include <QString>

class QWidget;

// Asks where to save a file; the real one shows the desktop's save dialog, tests install their own.
class ISaveDialog {
public:
    virtual ~ISaveDialog() = default;
    // The path chosen, or empty when the user cancelled. `strSuggested` is a full path to start
    // from; `strFilter` names the kind of file ("CSV files (*.csv)"); a name typed without an
    // extension gets `strSuffix`.
    virtual QString GetSaveFileName(QWidget* pParent, const QString& strCaption,
                                    const QString& strSuggested, const QString& strFilter,
                                    const QString& strSuffix) = 0;
};

class CSaveDialog {
public:
    static QString GetSaveFileName(QWidget* pParent, const QString& strCaption,
                                   const QString& strSuggested, const QString& strFilter,
                                   const QString& strSuffix);
    // A path in the user's documents folder (the home folder when there is none).
    static QString InDocuments(const QString& strFileName);
    // Installs `pDialog` (not owned); nullptr brings back the desktop's dialog.
    static void SetInstance(ISaveDialog* pDialog);
};
