#pragma once

#include <QString>

// Menu items and tabs take "&" as the mark of their key letter. A caption made of data (a path, a
// document's name, a code page or language from a list) shows each "&" as it stands.
inline QString LiteralCaption(QString text)
{
    return text.replace(u'&', QLatin1String("&&"));
}
