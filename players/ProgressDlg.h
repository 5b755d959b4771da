#pragma once

#include "Dialog.h"

class CPlayer;
class CProgressChart;

// The progress chart of one player's games, the game in progress left out as in the statistics
// dialog. With fewer than two games it says so instead of drawing a chart. The chart can be
// saved as a PNG picture.
class CProgressDlg : public CDialog {
    Q_OBJECT
public:
    explicit CProgressDlg(QWidget* pParent = nullptr);

    void OnCommand(int nId, int nCode = BN_CLICKED) override;

    static constexpr int kChartId = 1041;
    static constexpr int kNoteId = 1042;
    static constexpr int kSavePictureId = 1043;

    const CPlayer* m_pShownPlayer = nullptr;  // not owned

protected:
    QWidget* CreateControl(const ControlTemplate& ctl) override;
    bool OnInitDialog() override;

private:
    void ShowNote(const QString& strNote);
    void OnSavePicture();
    bool SavePicture(const QString& strPath) const;

    CProgressChart* m_pChart = nullptr;
};
