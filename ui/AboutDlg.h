#pragma once

#include "ScaledDialog.h"

#include <QString>

class CDibStatic;

// The about box: the start-up picture with its own palette, the platform, version and year of
// the about text file, and a sound when it opens.
class CAboutDlg : public CScaledDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 100;
    static constexpr int kPictureId = 1036;
    static constexpr int kPlatformId = 1000;
    static constexpr int kYearId = 1002;
    static constexpr int kVersionId = 1047;

    explicit CAboutDlg(QWidget* pParent = nullptr);
    ~CAboutDlg() override;

    // Loads the picture and the about text; either path may be absent (nullptr). False when the
    // picture file cannot be opened: that has been reported and the box is not to be shown.
    bool SetData(const QString* pImagePath, const QString* pDataPath, bool bSound);

    CDibStatic& Picture() const { return *m_pPicture; }

    QString m_strVersion = QStringLiteral("1.0");
    QString m_strYearText = QStringLiteral("1998");
    QString m_strPlatform = QStringLiteral("Microsoft Windows");
    bool m_bSound = false;
    QString m_strWave;  // played when the box opens; the callers set it

protected:
    QWidget* CreateControl(const ControlTemplate& ctl) override;
    bool OnInitDialog() override;

private:
    void ReadAboutText(const QString& strDataPath);

    CDibStatic* m_pPicture;  // a child of the dialog
};
