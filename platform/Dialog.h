#pragma once

class QEventLoop;

#include "DialogTemplate.h"

#include <QDialog>
#include <QHash>
#include <functional>

class QButtonGroup;
class QMenuBar;
class QScreen;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Notification codes passed to OnCommand with the control's id.
inline constexpr int BN_CLICKED = 0;
inline constexpr int LBN_SELCHANGE = 1;
inline constexpr int LBN_DBLCLK = 2;
inline constexpr int EN_CHANGE = 0x300;
inline constexpr int EN_KILLFOCUS = 0x200;

// A dialog built from a template table. Controls are addressed by their numeric ids; every click
// or notification of a control, every menu command and every accelerator arrives at OnCommand.
class CDialog : public QDialog {
    Q_OBJECT
public:
    explicit CDialog(const DialogTemplate& tmpl, QWidget* pParent = nullptr);
    ~CDialog() override;

    // Runs the dialog modally and returns the result given to EndDialog (IDCANCEL if none).
    // With a modal hook installed the dialog is built and initialised, the hook acts on it, and
    // the result comes back without an event loop.
    int DoModal();
    void EndDialog(int nResult);
    bool IsEnded() const { return m_bEnded; }
    int Result() const { return m_nResult; }

    using ModalHook = std::function<void(CDialog&)>;
    // Installs the hook every DoModal uses from now on; an empty function removes it.
    static void SetModalHook(ModalHook hook);
    static bool HasModalHook();
    // The program's main window: it runs modal to nothing, so that windows of their own (help)
    // stay usable beside it, and a dialog opened without an owner is owned by it.
    static void SetMainWindow(CDialog* pMainWindow);
    static CDialog* MainWindow();

    // Builds the controls and runs OnInitDialog once; DoModal calls it, tests may call it first.
    void Create();
    bool IsCreated() const { return m_bCreated; }

    QWidget* GetDlgItem(int nId) const;
    template <class T> T* GetDlgItemAs(int nId) const { return qobject_cast<T*>(GetDlgItem(nId)); }
    void SetDlgItemText(int nId, const QString& strText);
    QString GetDlgItemText(int nId) const;
    void SetDlgItemInt(int nId, int nValue);
    void EnableDlgItem(int nId, bool bEnable);
    bool IsDlgItemEnabled(int nId) const;
    void ShowDlgItem(int nId, bool bShow);
    bool IsDlgItemVisible(int nId) const;   // the control's own show state, shown window or not
    void CheckDlgButton(int nId, bool bCheck);
    bool IsDlgButtonChecked(int nId) const;
    void CheckRadioButton(int nFirstId, int nLastId, int nCheckId);
    int GetCheckedRadioButton(int nFirstId, int nLastId) const;  // 0 when none
    void SetLimitText(int nId, int nMax);

    // A user's click: nothing happens on a disabled control.
    void ClickDlgItem(int nId);
    // The Enter and Escape keys as the dialog manager handles them.
    virtual void PressEnter();
    void PressEscape();

    // The rectangle of a control in dialog units, converted to this dialog's pixels at its zoom.
    QRect DialogUnitsToPixels(const QRect& rcUnits) const;
    static QRect DialogUnitsToPixels(const QRect& rcUnits, int nPointSize, double dZoom = 1.0);
    // The template's whole client area in pixels at zoom 1, unrounded.
    QSizeF TemplateSize() const;

    // The view zoom every dialog opens at; the game window sets it, 1 is the template's size.
    static double ViewZoom();
    static void SetViewZoom(double dZoom);
    // This dialog's zoom: every rectangle and its font are the template's times it.
    double Zoom() const { return m_dZoom; }
    // The zoom of the dialog a widget lies in, 1 outside any.
    static double ZoomOf(const QWidget* pWidget);
    // Lays the controls out again at dZoom, the template's area starting at ptOrigin below the menu.
    void ApplyZoom(double dZoom, QPoint ptOrigin = QPoint());
    // The largest zoom at which the template fits the client area, letterboxed in its middle.
    void FitToClientArea();
    // The least width of a window whose title bar shows strCaption whole.
    static int CaptionWidth(const QString& strCaption, const QFont& font);
    // The screen a widget is on, else the primary one; nullptr where there is no screen at all.
    static const QScreen* ScreenOf(const QWidget* pWidget);
    // A window of `base` pixels at zoom 1, at dZoom, within nine tenths of `pScreen` (nullptr:
    // the primary screen).
    static QSize ZoomedWindowSize(const QSize& base, double dZoom, const QScreen* pScreen);
    // `font` at dZoom; a font sized in pixels stays as it is.
    static QFont ZoomedFont(QFont font, double dZoom);
    const DialogTemplate& Template() const { return m_template; }
    // Top-left corner of a control in screen pixels.
    QPoint DlgItemScreenPos(int nId) const;

    // Routes a command as the program's message map does.
    virtual void OnCommand(int nId, int nCode = BN_CLICKED);

protected:
    // Places the dialog over the middle of its owner window.
    void CenterOnOwner();
    // Creates the widget for one control; dialogs override it to put their own classes in place.
    virtual QWidget* CreateControl(const ControlTemplate& ctl);
    virtual bool OnInitDialog() { return true; }
    // After every layout: dialogs fix up what the template alone does not place.
    virtual void OnLayout() {}
    // Every change of a control's text through SetDlgItemText.
    virtual void OnDlgItemTextChanged(int nId) { Q_UNUSED(nId); }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // The close box; by default the same as Escape.
    virtual void OnClose() { OnCommand(IDCANCEL); }
    // The menu bar built from the template's menu, if any.
    QMenuBar* MenuBar() const { return m_pMenuBar; }
    int MenuHeight() const;
    // The user may resize the window from `minimum` up; FitToClientArea lays it out.
    void SetResizable(const QSize& minimum);

    void keyPressEvent(QKeyEvent* pEvent) override;
    void RunAsMainWindow();
    void closeEvent(QCloseEvent* pEvent) override;
    void done(int nResult) override;

private:
    QWidget* CreateStandardControl(const ControlTemplate& ctl);
    void AddControl(const ControlTemplate& ctl, QWidget* pWidget);
    void ConnectNotifications(int nId, QWidget* pWidget);
    void BuildMenu();
    int DefaultButtonId() const;
    void ApplyZoomedFont();
    void LayoutControls(QPoint ptOrigin);
    void FitIntoScreen();
    void DressAsGameDialog();

    DialogTemplate m_template;
    QHash<int, QWidget*> m_controls;
    std::vector<QWidget*> m_widgets;  // in template order
    QButtonGroup* m_pRadioGroup = nullptr;
    QMenuBar* m_pMenuBar = nullptr;
    bool m_bCreated = false;
    bool m_bEnded = false;
    bool m_bInExec = false;
    QEventLoop* m_pMainLoop = nullptr;  // while the main window runs
    int m_nResult = IDCANCEL;
    double m_dZoom = 1.0;
    bool m_bResizable = false;
};
