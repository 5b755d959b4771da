#include "SaveDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace {

ISaveDialog* s_pDialog = nullptr;

} // namespace

QString CSaveDialog::GetSaveFileName(QWidget* pParent, const QString& strCaption,
                                     const QString& strSuggested, const QString& strFilter,
                                     const QString& strSuffix)
{
    if (s_pDialog)
        return s_pDialog->GetSaveFileName(pParent, strCaption, strSuggested, strFilter, strSuffix);
    QFileDialog dlg(pParent, strCaption, strSuggested, strFilter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setDefaultSuffix(strSuffix);
    dlg.selectFile(strSuggested);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return dlg.selectedFiles().constFirst();
}

QString CSaveDialog::InDocuments(const QString& strFileName)
{
    QString strFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (strFolder.isEmpty() || !QDir(strFolder).exists())
        strFolder = QDir::homePath();
    return QDir(strFolder).filePath(strFileName);
}

void CSaveDialog::SetInstance(ISaveDialog* pDialog)
{
    s_pDialog = pDialog;
}
