#include "DibStatic.h"

#include "Dialog.h"

#include "Prompts.h"

#include <QFile>
#include <QPainter>
#include <cmath>
#include <QTimer>
#include <new>

CDibStatic::CDibStatic(QWidget* pParent) : QWidget(pParent) {}

CDibStatic::~CDibStatic() = default;

bool CDibStatic::LoadDib(const QString& strPath)
{
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly)) {
        ReportOpenError(strPath);
        return false;
    }
    m_bPaintErrorShown = false;
    m_hDib = ReadDibFile(file);
    if (m_hDib.isEmpty())
        AfxMessageBox(QStringLiteral("Error reading DIB file."));

    m_pPalette.reset();
    try {
        m_pPalette = std::make_unique<DibPalette>();
    } catch (const std::bad_alloc&) {
        m_hDib.clear();
        AfxMessageBox(QStringLiteral("Not enough memory for palette."));
        update();
        return true;
    }
    if (!MakeDibPalette(m_hDib, *m_pPalette))
        AfxMessageBox(QStringLiteral("Error creating palette from DIB."));
    update();
    return true;
}

void CDibStatic::ReportOpenError(const QString& strPath)
{
    // The texts of the framework's file errors.
    const QString strText = QFile::exists(strPath)
        ? QStringLiteral("Access to %1 was denied.")
        : QStringLiteral("%1 was not found.");
    AfxMessageBox(strText.arg(strPath), PromptButtons::Ok, PromptIcon::Error);
}

bool CDibStatic::OnQueryNewPalette()
{
    update();  // the colours come out right on a true-colour screen; repaint all the same
    return true;
}

bool CDibStatic::PaintPicture(QPainter& dc) const
{
    const QRect rcPicture(0, 0, DibWidth(m_hDib), DibHeight(m_hDib));
    // The picture grows with the dialog's zoom, as its place in the template does.
    const double dZoom = CDialog::ZoomOf(this);
    const QRect rcShown(0, 0, static_cast<int>(std::lround(rcPicture.width() * dZoom)),
                        static_cast<int>(std::lround(rcPicture.height() * dZoom)));
    return DrawDib(dc, rcShown, m_hDib, rcPicture, m_pPalette.get());
}

void CDibStatic::paintEvent(QPaintEvent*)
{
    OnPaint();
}

void CDibStatic::OnPaint()
{
    if (!HasPicture() || !HasPalette())
        return;
    QPainter dc(this);
    if (!PaintPicture(dc) && !m_bPaintErrorShown) {
        // Once per picture, or every repaint after the box closes would bring it back; and no
        // modal box inside a paint event: report right after it.
        m_bPaintErrorShown = true;
        QTimer::singleShot(0, this, [] { AfxMessageBox(QStringLiteral("Error painting DIB")); });
    }
}
