#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <ostream>

// Qt's strings in test failures as text rather than as arrays of code units.
inline void PrintTo(const QString &text, std::ostream *out)
{
    QString shown = text;
    shown.replace(u'\\', QStringLiteral("\\\\")).replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
    *out << '"' << shown.toStdString() << '"';
}

inline void PrintTo(const QStringList &list, std::ostream *out)
{
    *out << '{';
    for (qsizetype i = 0; i < list.size(); ++i)
        *out << (i ? ", \"" : "\"") << list[i].toStdString() << '"';
    *out << '}';
}
