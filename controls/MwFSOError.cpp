#include "controls/MwFSOError.h"

#include <cerrno>

namespace MwFSO {

namespace {

QString StandardText(qint32 number)
{
    switch (number) {
    case ErrorInvalidArgument: return QStringLiteral("Неверный вызов процедуры или неверный аргумент");
    case ErrorOutOfMemory: return QStringLiteral("Недостаточно памяти");
    case ErrorInternal: return QStringLiteral("Внутренняя ошибка");
    case ErrorFileNotFound: return QStringLiteral("Файл не найден");
    case ErrorDeviceIO: return QStringLiteral("Ошибка ввода/вывода на устройстве");
    case ErrorFileExists: return QStringLiteral("Файл уже существует");
    case ErrorDiskFull: return QStringLiteral("Диск заполнен");
    case ErrorDeviceUnavailable: return QStringLiteral("Устройство недоступно");
    case ErrorPermissionDenied: return QStringLiteral("Отказано в разрешении");
    case ErrorDiskNotReady: return QStringLiteral("Диск не готов");
    case ErrorPathFileAccess: return QStringLiteral("Ошибка доступа к пути/файлу");
    case ErrorPathNotFound: return QStringLiteral("Путь не найден");
    case ErrorObjectNotSet: return QStringLiteral("Переменная объекта или переменная блока With не задана");
    default: return QString();
    }
}

} // namespace

MwFSOError::MwFSOError(qint32 number, QString description, QString source, QString helpFile, qint32 helpContext)
    : Number(number),
      Source(std::move(source)),
      Description(description.isEmpty() ? StandardText(number) : std::move(description)),
      HelpFile(std::move(helpFile)),
      HelpContext(helpContext),
      message_(Description.toUtf8())
{
}

void Raise(ErrorNumber number)
{
    throw MwFSOError(number, QString());
}

void RaiseErrno(int code, ErrorNumber missing)
{
    switch (code) {
    case ENOENT:
    case ENOTDIR:
        Raise(missing);
    case EEXIST:
    case ENOTEMPTY:
        Raise(ErrorFileExists);
    case EACCES:
    case EPERM:
    case EROFS:
    case EBUSY:
        Raise(ErrorPermissionDenied);
    case ENOSPC:
    case EDQUOT:
        Raise(ErrorDiskFull);
    case EIO:
        Raise(ErrorDeviceIO);
    case ENOMEM:
        Raise(ErrorOutOfMemory);
    default:
        Raise(ErrorPathFileAccess);
    }
}

} // namespace MwFSO
