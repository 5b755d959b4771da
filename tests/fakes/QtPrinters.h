#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& str, std::ostream* pOut)
{
    *pOut << '"' << str.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* pOut)
{
    *pOut << '{';
    for (const QString& str : list)
        *pOut << " \"" << str.toStdString() << '"';
    *pOut << " }";
}
