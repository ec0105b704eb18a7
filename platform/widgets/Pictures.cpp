#include "platform/widgets/Pictures.h"

#include "platform/files/WholeFile.h"

namespace platform::widgets {

QImage LoadImage(const QString &path)
{
    return files::IsFile(path) ? QImage(path) : QImage();
}

QPixmap LoadPicture(const QString &path)
{
    return files::IsFile(path) ? QPixmap(path) : QPixmap();
}

QIcon LoadIcon(const QString &path)
{
    const QPixmap picture = LoadPicture(path);
    return picture.isNull() ? QIcon() : QIcon(picture);
}

} // namespace platform::widgets
