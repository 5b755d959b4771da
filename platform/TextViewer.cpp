#include "TextViewer.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {

ITextViewer* s_pViewer = nullptr;

} // namespace

void CTextViewer::Open(const QString& strPath)
{
    if (s_pViewer) {
        s_pViewer->OpenFile(strPath);
        return;
    }
    // The desktop starts the viewer detached, so this returns at once.
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(strPath).absoluteFilePath()));
}

void CTextViewer::SetViewer(ITextViewer* pViewer)
{
    s_pViewer = pViewer;
}
