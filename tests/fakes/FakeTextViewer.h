#pragma once

#include "TextViewer.h"

#include <QStringList>

// Records every file handed to the text viewer instead of opening it; installed while it lives.
class CFakeTextViewer : public ITextViewer {
public:
    CFakeTextViewer() { CTextViewer::SetViewer(this); }
    ~CFakeTextViewer() override { CTextViewer::SetViewer(nullptr); }
    CFakeTextViewer(const CFakeTextViewer&) = delete;
    CFakeTextViewer& operator=(const CFakeTextViewer&) = delete;

    bool OpenFile(const QString& strPath) override
    {
        m_files << strPath;
        return m_bOpens;
    }
    bool m_bOpens = true;  // false: the desktop has no application for text
    const QStringList& Files() const { return m_files; }

private:
    QStringList m_files;
};
