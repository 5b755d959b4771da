#pragma once

#include "Dialog.h"

class CGameStats;
class CPlayer;
class QListWidget;
class QPlainTextEdit;

// Shows the recorded games of one player, oldest first, with the report of the selected game;
// prints the report and purges records. The game in progress is neither listed nor purged.
class CStatsDlg : public CDialog {
    Q_OBJECT
public:
    explicit CStatsDlg(QWidget* pParent = nullptr);

    // Appends the report of `pRecord`: "\r\n" line breaks for the report box, "\n" for printing.
    void BuildReport(QString& strOut, const CGameStats* pRecord, bool bEditBox) const;

    void OnCommand(int nId, int nCode = BN_CLICKED) override;

    // The text of the report box, with the line breaks it was given.
    QString ReportText() const { return m_strReport; }
    // The record an entry of the games list stands for.
    CGameStats* RecordAt(int nIndex) const;

    static constexpr int kGamesId = 1031;
    static constexpr int kReportId = 1032;
    static constexpr int kPrintId = 1033;
    static constexpr int kSelectedLabelId = 1034;
    static constexpr int kPurgeId = 1035;
    static constexpr int kPurgeAllId = 1036;
    static constexpr int kProgressId = 1037;

    CPlayer* m_pShownPlayer = nullptr;  // not owned

protected:
    QWidget* CreateControl(const ControlTemplate& ctl) override;
    bool OnInitDialog() override;

private:
    void OnSelChangeGames();
    void OnPrint();
    void OnPurge();
    void OnPurgeAll();
    void OnProgress();
    void SetReportText(const QString& strReport);
    void ClearReport();
    void SaveShownPlayer();
    CGameStats* SelectedRecord() const;
    QString PlayersFolder() const;
    // Lists the shown player's games, nothing selected.
    void FillGames();

    QListWidget* m_pGames = nullptr;
    QPlainTextEdit* m_pReport = nullptr;
    QString m_strReport;
};
