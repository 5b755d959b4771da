#include "TextViewer.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {

ITextViewer* s_pViewer = nullptr;

} // namespace

bool CTextViewer::Open(const QString& strPath)
{
    if (s_pViewer)
        return s_pViewer->OpenFile(strPath);
    // The desktop starts the viewer detached, so this returns at once.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(strPath).absoluteFilePath()));
}

void CTextViewer::SetViewer(ITextViewer* pViewer)
{
    s_pViewer = pViewer;
}
