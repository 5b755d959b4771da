#include "Dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

CDialog::ModalHook& ModalHookSlot()
{
    static CDialog::ModalHook hook;
    return hook;
}

CDialog*& MainWindowSlot()
{
    static CDialog* pMainWindow = nullptr;
    return pMainWindow;
}

// One dialog unit in pixels, for a template whose font has `nPointSize` points: the 12-point game
// window gets 2.25 pixels across and 2.5 down at zoom 1, so its 277 x 108 board holds 7 x 5
// pieces of 89 x 54 pixels exactly; other fonts and zooms scale in proportion. Edges are rounded
// down, so neighbouring controls share their edges at every zoom.
double UnitsToPixelsX(double dUnits, int nPointSize, double dZoom)
{
    return dUnits * 9 * nPointSize * dZoom / 48;
}

double UnitsToPixelsY(double dUnits, int nPointSize, double dZoom)
{
    return dUnits * 5 * nPointSize * dZoom / 24;
}

int PixelEdge(double dPixels)
{
    return static_cast<int>(std::floor(dPixels + 1e-6));
}

double& ViewZoomSlot()
{
    static double dZoom = 1.0;
    return dZoom;
}

Qt::Alignment TextAlignment(unsigned nStyle)
{
    if (nStyle & kAlignRight)
        return Qt::AlignRight | Qt::AlignTop;
    if (nStyle & kAlignCenter)
        return Qt::AlignHCenter | Qt::AlignTop;
    return Qt::AlignLeft | Qt::AlignTop;
}

}  // namespace

CDialog::CDialog(const DialogTemplate& tmpl, QWidget* pParent)
    : QDialog(pParent), m_template(tmpl), m_dZoom(ViewZoom())
{
    setWindowTitle(m_template.strCaption);
    ApplyZoomedFont();
}

CDialog::~CDialog() = default;

void CDialog::SetModalHook(ModalHook hook)
{
    ModalHookSlot() = std::move(hook);
}

bool CDialog::HasModalHook()
{
    return static_cast<bool>(ModalHookSlot());
}

void CDialog::Create()
{
    if (m_bCreated)
        return;
    m_bCreated = true;
    BuildMenu();
    for (const ControlTemplate& ctl : m_template.controls) {
        QWidget* pWidget = CreateControl(ctl);
        if (!pWidget)
            pWidget = CreateStandardControl(ctl);
        AddControl(ctl, pWidget);
    }
    LayoutControls(QPoint());
    FitIntoScreen();
    OnInitDialog();
}

double CDialog::ViewZoom()
{
    return ViewZoomSlot();
}

void CDialog::SetViewZoom(double dZoom)
{
    ViewZoomSlot() = dZoom;
}

double CDialog::ZoomOf(const QWidget* pWidget)
{
    for (; pWidget; pWidget = pWidget->parentWidget()) {
        if (const auto* pDialog = qobject_cast<const CDialog*>(pWidget))
            return pDialog->Zoom();
    }
    return 1.0;
}

QSizeF CDialog::TemplateSize() const
{
    return {UnitsToPixelsX(m_template.cx, m_template.nPointSize, 1.0),
            UnitsToPixelsY(m_template.cy, m_template.nPointSize, 1.0)};
}

void CDialog::ApplyZoomedFont()
{
    QFont font = this->font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(m_template.nPointSize * 5 / 4 * m_dZoom))));
    setFont(font);
    // Menus are windows of their own and do not inherit the dialog's font.
    if (m_pMenuBar) {
        for (QMenu* pMenu : m_pMenuBar->findChildren<QMenu*>())
            pMenu->setFont(font);
    }
}

void CDialog::ApplyZoom(double dZoom, QPoint ptOrigin)
{
    if (dZoom != m_dZoom) {
        m_dZoom = dZoom;
        ApplyZoomedFont();
    }
    LayoutControls(ptOrigin);
}

void CDialog::LayoutControls(QPoint ptOrigin)
{
    if (m_pMenuBar) {
        m_pMenuBar->adjustSize();
        m_pMenuBar->setGeometry(0, 0, std::max(width(), DialogUnitsToPixels(QRect(0, 0, m_template.cx, 1)).width()),
                                m_pMenuBar->sizeHint().height());
    }
    // By position in the template: several controls may share an id (-1).
    for (std::size_t i = 0; i < m_widgets.size(); ++i) {
        const ControlTemplate& ctl = m_template.controls[i];
        m_widgets[i]->setGeometry(DialogUnitsToPixels(QRect(ctl.x, ctl.y, ctl.cx, ctl.cy))
                                      .translated(ptOrigin.x(), ptOrigin.y() + MenuHeight()));
    }
    if (!m_bResizable) {
        const QRect rc = DialogUnitsToPixels(QRect(0, 0, m_template.cx, m_template.cy));
        setFixedSize(rc.width(), rc.height() + MenuHeight());
    }
    OnLayout();
}

void CDialog::SetResizable(const QSize& minimum)
{
    m_bResizable = true;
    setMinimumSize(minimum);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void CDialog::FitToClientArea()
{
    const QSizeF size = TemplateSize();
    auto fit = [&] { return std::min(width() / size.width(), (height() - MenuHeight()) / size.height()); };
    // A zoom that still fits and is within two pixels of the fit stays, so that a window sized
    // for a zoom keeps exactly that zoom.
    auto keepsCurrent = [&](double dFit) {
        return PixelEdge(size.width() * m_dZoom) <= width() &&
               PixelEdge(size.height() * m_dZoom) <= height() - MenuHeight() &&
               std::abs(dFit - m_dZoom) * std::max(size.width(), size.height()) < 2;
    };
    double dZoom = fit();
    if (!keepsCurrent(dZoom)) {
        // The menu's height follows the font, so the fit is taken again.
        ApplyZoom(dZoom);
        dZoom = fit();
    }
    if (keepsCurrent(dZoom))
        dZoom = m_dZoom;
    const QPoint ptOrigin(std::max(0, (width() - PixelEdge(size.width() * dZoom)) / 2),
                          std::max(0, (height() - MenuHeight() - PixelEdge(size.height() * dZoom)) / 2));
    ApplyZoom(dZoom, ptOrigin);
}

const QScreen* CDialog::ScreenOf(const QWidget* pWidget)
{
    const QScreen* pScreen = pWidget ? pWidget->screen() : nullptr;
    return pScreen ? pScreen : QGuiApplication::primaryScreen();
}

QSize CDialog::ZoomedWindowSize(const QSize& base, double dZoom, const QScreen* pScreen)
{
    if (!pScreen)
        pScreen = QGuiApplication::primaryScreen();
    const QSize size = base * dZoom;
    return pScreen ? size.boundedTo(pScreen->availableGeometry().size() * 9 / 10) : size;
}

QFont CDialog::ZoomedFont(QFont font, double dZoom)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * dZoom);
    return font;
}

// A dialog larger than the screen it opens on is zoomed down until it fits.
void CDialog::FitIntoScreen()
{
    const QScreen* pScreen = ScreenOf(this);
    if (!pScreen || m_bResizable)
        return;
    const QSize available = pScreen->availableGeometry().size();
    const double dShrink = std::min(double(available.width()) / width(), double(available.height()) / height());
    if (dShrink < 1.0)
        ApplyZoom(m_dZoom * dShrink * 0.95);
}

// Wide enough for its caption, with room for the title bar's buttons.
int CDialog::CaptionWidth(const QString& strCaption, const QFont& font)
{
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(strCaption) + 4 * metrics.height() + 32;
}

// The game's icon and a width for the caption; owned by the game window, it has no taskbar
// entry of its own.
void CDialog::DressAsGameDialog()
{
    if (CDialog* pMain = MainWindowSlot(); pMain && pMain != this && windowIcon().isNull())
        setWindowIcon(pMain->windowIcon());
    if (std::abs(m_dZoom - ViewZoom()) > 1e-9 && !m_bResizable) {
        ApplyZoom(ViewZoom());
        FitIntoScreen();
    }
    const int nCaption = CaptionWidth(windowTitle(), font());
    if (!m_bResizable && width() < nCaption)
        setFixedWidth(nCaption);
}

// Without a parent the owner is the window the user is working in, as for any dialog the game
// opens; with none at all, the screen. A dialog's position is in screen pixels, parent or not.
void CDialog::CenterOnOwner()
{
    QWidget* pOwner = parentWidget() ? parentWidget()->window() : QApplication::activeWindow();
    QRect rcOwner;
    if (pOwner && pOwner != this)
        rcOwner = pOwner->frameGeometry();
    else if (const QScreen* pScreen = QGuiApplication::primaryScreen())
        rcOwner = pScreen->availableGeometry();
    else
        return;
    QRect rc(QPoint(0, 0), size());
    rc.moveCenter(rcOwner.center());
    move(rc.topLeft());
}

void CDialog::SetMainWindow(CDialog* pMainWindow)
{
    MainWindowSlot() = pMainWindow;
}

CDialog* CDialog::MainWindow()
{
    return MainWindowSlot();
}

int CDialog::DoModal()
{
    m_bEnded = false;
    m_nResult = IDCANCEL;
    Create();
    if (this != MainWindowSlot())
        DressAsGameDialog();
    if (ModalHook hook = ModalHookSlot()) {
        hook(*this);
        return m_nResult;
    }
    if (m_bEnded)
        return m_nResult;
    if (this == MainWindowSlot()) {
        RunAsMainWindow();
        return m_nResult;
    }
    // Modal to its owner only: the help window, a window of its own, stays usable beside it.
    if (!parentWidget()) {
        QWidget* pOwner = QApplication::activeModalWidget();
        if (!pOwner && MainWindowSlot() && MainWindowSlot()->isVisible())
            pOwner = MainWindowSlot();
        if (pOwner && pOwner != this)
            setParent(pOwner, windowFlags());
    }
    setWindowModality(parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
    m_bInExec = true;
    exec();
    m_bInExec = false;
    return m_nResult;
}

// Shown until EndDialog, blocking no other window: its dialogs are modal to it alone.
void CDialog::RunAsMainWindow()
{
    QEventLoop loop;
    m_pMainLoop = &loop;
    show();
    loop.exec();
    m_pMainLoop = nullptr;
    hide();
}

void CDialog::EndDialog(int nResult)
{
    m_nResult = nResult;
    m_bEnded = true;
    if (m_bInExec)
        QDialog::done(nResult);
    else if (m_pMainLoop)
        m_pMainLoop->quit();
}

void CDialog::done(int nResult)
{
    EndDialog(nResult);
}

QWidget* CDialog::CreateControl(const ControlTemplate&)
{
    return nullptr;
}

QWidget* CDialog::CreateStandardControl(const ControlTemplate& ctl)
{
    switch (ctl.kind) {
    case CtlKind::PushButton:
    case CtlKind::DefPushButton:
    case CtlKind::OwnerDrawButton: {
        auto* pButton = new QPushButton(ctl.strText);
        pButton->setAutoDefault(false);
        pButton->setDefault(ctl.kind == CtlKind::DefPushButton);
        return pButton;
    }
    case CtlKind::Static: {
        auto* pLabel = new QLabel(ctl.strText);
        pLabel->setAlignment(TextAlignment(ctl.nStyle));
        pLabel->setWordWrap(ctl.cy > 12);
        pLabel->setTextFormat(Qt::PlainText);
        return pLabel;
    }
    case CtlKind::IconStatic: {
        auto* pLabel = new QLabel;
        pLabel->setPixmap(QIcon(QStringLiteral(":/icons/%1.png").arg(ctl.nImage)).pixmap(32, 32));
        return pLabel;
    }
    case CtlKind::BlackRect: {
        auto* pFrame = new QFrame;
        pFrame->setAutoFillBackground(true);
        QPalette pal = pFrame->palette();
        pal.setColor(QPalette::Window, Qt::black);
        pFrame->setPalette(pal);
        return pFrame;
    }
    case CtlKind::FrameStatic:
    case CtlKind::Picture:
        return new QFrame;
    case CtlKind::GroupBox:
        return new QGroupBox(ctl.strText);
    case CtlKind::RadioButton:
        return new QRadioButton(ctl.strText);
    case CtlKind::CheckBox:
        return new QCheckBox(ctl.strText);
    case CtlKind::Edit:
        return new QLineEdit(ctl.strText);
    case CtlKind::ListBox: {
        auto* pList = new QListWidget;
        pList->setSortingEnabled(ctl.nStyle & kSorted);
        pList->setSelectionMode((ctl.nStyle & kMultiSelect) ? QAbstractItemView::ExtendedSelection
                                                             : QAbstractItemView::SingleSelection);
        return pList;
    }
    }
    return new QWidget;
}

void CDialog::AddControl(const ControlTemplate& ctl, QWidget* pWidget)
{
    pWidget->setParent(this);
    pWidget->setObjectName(QString::number(ctl.nId));
    pWidget->setHidden(ctl.nStyle & kHidden);
    pWidget->setEnabled(!(ctl.nStyle & kDisabled));
    // The first control in a template lies on top, as the dialog manager stacks them.
    pWidget->lower();
    if (ctl.kind == CtlKind::RadioButton) {
        if (!m_pRadioGroup || (ctl.nStyle & kGroup))
            m_pRadioGroup = new QButtonGroup(this);
        m_pRadioGroup->addButton(qobject_cast<QAbstractButton*>(pWidget));
    }
    m_controls.insert(ctl.nId, pWidget);
    m_widgets.push_back(pWidget);
    ConnectNotifications(ctl.nId, pWidget);
}

void CDialog::ConnectNotifications(int nId, QWidget* pWidget)
{
    if (auto* pButton = qobject_cast<QAbstractButton*>(pWidget)) {
        connect(pButton, &QAbstractButton::clicked, this, [this, nId] { OnCommand(nId, BN_CLICKED); });
    } else if (auto* pList = qobject_cast<QListWidget*>(pWidget)) {
        connect(pList, &QListWidget::itemSelectionChanged, this,
                [this, nId] { OnCommand(nId, LBN_SELCHANGE); });
        connect(pList, &QListWidget::itemDoubleClicked, this,
                [this, nId] { OnCommand(nId, LBN_DBLCLK); });
    } else if (auto* pEdit = qobject_cast<QLineEdit*>(pWidget)) {
        connect(pEdit, &QLineEdit::textEdited, this, [this, nId] { OnCommand(nId, EN_CHANGE); });
        connect(pEdit, &QLineEdit::editingFinished, this,
                [this, nId] { OnCommand(nId, EN_KILLFOCUS); });
    }
}

void CDialog::BuildMenu()
{
    if (!m_template.nMenuId)
        return;
    m_pMenuBar = new QMenuBar(this);
    for (const MenuPopup& popup : m_template.menu) {
        QMenu* pMenu = m_pMenuBar->addMenu(popup.strTitle);
        for (const MenuItem& item : popup.items) {
            if (!item.nCommand) {
                pMenu->addSeparator();
                continue;
            }
            const int nCommand = item.nCommand;
            QAction* pAction = pMenu->addAction(item.strText);
            pAction->setObjectName(QString::number(nCommand));
            connect(pAction, &QAction::triggered, this, [this, nCommand] { OnCommand(nCommand); });
        }
    }
    ApplyZoomedFont();
}

int CDialog::MenuHeight() const
{
    return m_pMenuBar ? m_pMenuBar->height() : 0;
}

QRect CDialog::DialogUnitsToPixels(const QRect& rcUnits, int nPointSize, double dZoom)
{
    const int nLeft = PixelEdge(UnitsToPixelsX(rcUnits.x(), nPointSize, dZoom));
    const int nTop = PixelEdge(UnitsToPixelsY(rcUnits.y(), nPointSize, dZoom));
    const int nRight = PixelEdge(UnitsToPixelsX(rcUnits.x() + rcUnits.width(), nPointSize, dZoom));
    const int nBottom = PixelEdge(UnitsToPixelsY(rcUnits.y() + rcUnits.height(), nPointSize, dZoom));
    return QRect(nLeft, nTop, nRight - nLeft, nBottom - nTop);
}

QRect CDialog::DialogUnitsToPixels(const QRect& rcUnits) const
{
    return DialogUnitsToPixels(rcUnits, m_template.nPointSize, m_dZoom);
}

QPoint CDialog::DlgItemScreenPos(int nId) const
{
    QWidget* pItem = GetDlgItem(nId);
    return pItem ? mapToGlobal(pItem->geometry().topLeft()) : mapToGlobal(QPoint(0, 0));
}

void CDialog::OnCommand(int nId, int nCode)
{
    if (nCode != BN_CLICKED)
        return;
    if (nId == IDOK)
        OnOK();
    else if (nId == IDCANCEL)
        OnCancel();
}

QWidget* CDialog::GetDlgItem(int nId) const
{
    return m_controls.value(nId, nullptr);
}

void CDialog::SetDlgItemText(int nId, const QString& strText)
{
    QWidget* pItem = GetDlgItem(nId);
    if (auto* pLabel = qobject_cast<QLabel*>(pItem))
        pLabel->setText(strText);
    else if (auto* pButton = qobject_cast<QAbstractButton*>(pItem))
        pButton->setText(strText);
    else if (auto* pEdit = qobject_cast<QLineEdit*>(pItem))
        pEdit->setText(strText);
    else if (auto* pGroup = qobject_cast<QGroupBox*>(pItem))
        pGroup->setTitle(strText);
    else if (pItem)
        pItem->setWindowTitle(strText);
    if (pItem)
        OnDlgItemTextChanged(nId);
}

QString CDialog::GetDlgItemText(int nId) const
{
    QWidget* pItem = GetDlgItem(nId);
    if (auto* pLabel = qobject_cast<QLabel*>(pItem))
        return pLabel->text();
    if (auto* pButton = qobject_cast<QAbstractButton*>(pItem))
        return pButton->text();
    if (auto* pEdit = qobject_cast<QLineEdit*>(pItem))
        return pEdit->text();
    if (auto* pGroup = qobject_cast<QGroupBox*>(pItem))
        return pGroup->title();
    return pItem ? pItem->windowTitle() : QString();
}

void CDialog::SetDlgItemInt(int nId, int nValue)
{
    SetDlgItemText(nId, QString::number(nValue));
}

void CDialog::EnableDlgItem(int nId, bool bEnable)
{
    if (QWidget* pItem = GetDlgItem(nId))
        pItem->setEnabled(bEnable);
}

bool CDialog::IsDlgItemEnabled(int nId) const
{
    QWidget* pItem = GetDlgItem(nId);
    return pItem && pItem->isEnabled();
}

void CDialog::ShowDlgItem(int nId, bool bShow)
{
    if (QWidget* pItem = GetDlgItem(nId))
        pItem->setHidden(!bShow);
}

bool CDialog::IsDlgItemVisible(int nId) const
{
    QWidget* pItem = GetDlgItem(nId);
    return pItem && !pItem->isHidden();
}

void CDialog::CheckDlgButton(int nId, bool bCheck)
{
    if (auto* pButton = qobject_cast<QAbstractButton*>(GetDlgItem(nId))) {
        pButton->setCheckable(true);
        pButton->setChecked(bCheck);
    }
}

bool CDialog::IsDlgButtonChecked(int nId) const
{
    auto* pButton = qobject_cast<QAbstractButton*>(GetDlgItem(nId));
    return pButton && pButton->isChecked();
}

void CDialog::CheckRadioButton(int nFirstId, int nLastId, int nCheckId)
{
    for (int nId = nFirstId; nId <= nLastId; ++nId) {
        if (auto* pButton = qobject_cast<QAbstractButton*>(GetDlgItem(nId)))
            pButton->setChecked(nId == nCheckId);
    }
}

int CDialog::GetCheckedRadioButton(int nFirstId, int nLastId) const
{
    for (int nId = nFirstId; nId <= nLastId; ++nId) {
        if (IsDlgButtonChecked(nId))
            return nId;
    }
    return 0;
}

void CDialog::SetLimitText(int nId, int nMax)
{
    if (auto* pEdit = qobject_cast<QLineEdit*>(GetDlgItem(nId)))
        pEdit->setMaxLength(nMax);
}

void CDialog::ClickDlgItem(int nId)
{
    if (auto* pButton = qobject_cast<QAbstractButton*>(GetDlgItem(nId)))
        pButton->click();
}

int CDialog::DefaultButtonId() const
{
    for (const ControlTemplate& ctl : m_template.controls) {
        if (ctl.kind == CtlKind::DefPushButton)
            return ctl.nId;
    }
    return IDOK;
}

void CDialog::PressEnter()
{
    const int nId = DefaultButtonId();
    QWidget* pItem = GetDlgItem(nId);
    if (!pItem || pItem->isEnabled())
        OnCommand(nId, BN_CLICKED);
}

void CDialog::PressEscape()
{
    OnCommand(IDCANCEL, BN_CLICKED);
}

void CDialog::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) {
        QDialog::keyPressEvent(pEvent);
        return;
    }
    switch (pEvent->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        PressEnter();
        break;
    case Qt::Key_Escape:
        PressEscape();
        break;
    default:
        QDialog::keyPressEvent(pEvent);
    }
}

void CDialog::closeEvent(QCloseEvent* pEvent)
{
    pEvent->ignore();
    OnClose();
}
