#include "app/mainwindow/ImageList.h"
#include "platform/widgets/Pictures.h"

#include <QPixmap>

void ImageList::Add(int index, const QString &file, const QString &key)
{
    if (index < 1 || index > Count() + 1 || (!key.isEmpty() && keys_.contains(key)))
        return;
    const QPixmap picture = platform::widgets::LoadPicture(file);
    if (picture.isNull())
        return;
    pictures_.insert(index - 1, QIcon(picture));
    if (!key.isEmpty())
        keys_.insert(key);
}

void ImageList::AddOwn(const QString &file)
{
    pictures_.append(platform::widgets::LoadIcon(file));
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
