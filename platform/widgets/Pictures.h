#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

// Pictures from the program's folders. Only a regular file is read: a FIFO in a picture's place would hold
// the program until something wrote to it, and a device would be read without end. A picture that is
// missing, is no regular file or cannot be decoded comes back null.
namespace platform::widgets {

QImage LoadImage(const QString &path);
QPixmap LoadPicture(const QString &path);
// A null icon where the picture is null, so that callers can tell "no picture" as they do for pixmaps.
QIcon LoadIcon(const QString &path);

} // namespace platform::widgets
