#pragma once

#include "SeriesApp.h"

#include "GameDlg.h"

#include <QObject>

class QKeyEvent;

// This game's application: the palette, the accelerators, the game window and the menu commands.
class CGameApp : public QObject, public CSeriesApp {
    Q_OBJECT
public:
    CGameApp();
    ~CGameApp() override;

    // The one application object of the process.
    static CGameApp* Instance();

    // Starts up and runs the game window until it ends; always false, as the process then ends.
    bool InitInstance(const QStringList& arguments) override;

    static constexpr int kQuickInstructionsCommand = 32771;
    static constexpr int kExitCommand = 32772;
    static constexpr int kInstructionsCommand = 32773;
    static constexpr int kAboutCommand = 32774;
    static constexpr int kNewGameCommand = 32775;
    static constexpr int kNewPlayersCommand = 32778;
    static constexpr int kPlayerStatisticsCommand = 32779;
    static constexpr int kDeletePlayersCommand = 32780;
    static constexpr int kExportRecordsCommand = 32790;
    static constexpr int kHelpCommand = 57670;
    static constexpr int kWaysCommand = 32781;

    static bool HandlesCommand(int nId);
    virtual void OnCommand(int nId);
    void OnExit();
    void OnNewGame();
    void OnNewPlayers();
    void OnPlayerStatistics();
    void OnDeletePlayers();
    void OnExportRecords();
    void OnAbout();
    void OnInstructions();
    void OnQuickInstructions();
    void OnWays();
    // The about box, as the menu, the system menu and the start-up picture show it.
    void ShowAbout(bool bSound);

    // Offers a key press to the accelerator table; true when it became a command.
    bool ProcessMessageFilter(QObject* pTarget, QKeyEvent* pEvent);

    CGameDlg m_gameDlg;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    bool m_bRunning = false;  // the game window is the main window
};
