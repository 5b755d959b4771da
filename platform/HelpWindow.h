#pragma once

#include <QPointer>
#include <QTextBrowser>

// Shows the help document at a context; the real one opens the help window, tests install their own.
class IHelpViewer {
public:
    virtual ~IHelpViewer() = default;
    virtual void ShowHelp(QWidget* pOwner, int nContext) = 0;
};

// The help window in place of the original help file: our HTML help document in a text browser.
// One window serves every request and is brought to the front each time.
class QScreen;

class CHelpWindow : public QTextBrowser {
public:
    static constexpr int kContents = 0;           // the top of the document
    static constexpr int kQuickInstructions = 1;  // the anchor "quick"

    // The program's help call: goes to the installed viewer, or opens the help window.
    static void Show(QWidget* pOwner, int nContext);
    // Installs `pViewer` (not owned); nullptr brings back the help window.
    static void SetViewer(IHelpViewer* pViewer);

    // Opens the one help window (made on first use, owned by `pOwner`'s window when given) at
    // `nContext`; an unknown context shows the top.
    static CHelpWindow* Open(QWidget* pOwner, int nContext);
    // The help window if it is open, else nullptr.
    static CHelpWindow* Existing();
    // The help document, relative to the current folder.
    static QString DocumentPath();

    void ShowContext(int nContext);
    // Sized with the game's zoom, within the screen it opens on (the primary one for nullptr).
    void FitOnScreen(const QScreen* pScreen);

private:
    explicit CHelpWindow(QWidget* pParent);

    static QPointer<CHelpWindow> s_pWindow;
};
