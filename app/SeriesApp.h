#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <memory>

class CPlayer;

// The general application: its start-up folder, the sound setting and the current players.
// It knows nothing of this particular game.
class CSeriesApp {
public:
    CSeriesApp();
    virtual ~CSeriesApp();
    CSeriesApp(const CSeriesApp&) = delete;
    CSeriesApp& operator=(const CSeriesApp&) = delete;

    // Records the start-up folder and reads the sound setting; false when start-up was refused
    // because the program was given arguments.
    virtual bool InitInstance(const QStringList& arguments);
    // Writes the sound setting; the process's exit code.
    virtual int ExitInstance();

    QString SoundSettingPath() const;

    QString m_strHomeDir;  // the start-up folder with a trailing "/", empty when refused
    bool m_bSound = false;
    std::array<std::unique_ptr<CPlayer>, 2> m_pPlayer;  // the humans of the game in progress
};
