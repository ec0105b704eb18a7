#include "app/mainwindow/ImageList.h"

#include <QPixmap>

void ImageList::Add(int index, const QString &file, const QString &key)
{
    if (index < 1 || index > Count() + 1 || (!key.isEmpty() && keys_.contains(key)))
        return;
    const QPixmap picture(file);
    if (picture.isNull())
        return;
    pictures_.insert(index - 1, QIcon(picture));
    if (!key.isEmpty())
        keys_.insert(key);
}

void ImageList::AddOwn(const QString &file)
{
    const QPixmap picture(file);
    pictures_.append(picture.isNull() ? QIcon() : QIcon(picture));
}

QIcon ImageList::Icon(int index) const
{
    return index >= 1 && index <= Count() ? pictures_[index - 1] : QIcon();
}

void ImageList::Clear()
{
    pictures_.clear();
    keys_.clear();
}
