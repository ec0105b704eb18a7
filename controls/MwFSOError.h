#pragma once

#include <QByteArray>
#include <QString>

#include <exception>
#include <new>
#include <utility>

namespace MwFSO {

// The error a helper method raises: the fields an automation error carries, so that a dispatch wrapper can
// hand it to its client as it stands. An empty description takes the standard text of the number.
class MwFSOError : public std::exception {
public:
    MwFSOError(qint32 number, QString description, QString source = QString(), QString helpFile = QString(),
               qint32 helpContext = 0);

    qint32 Number;
    QString Source;
    QString Description;
    QString HelpFile;
    qint32 HelpContext;

    const char *what() const noexcept override { return message_.constData(); }

private:
    QByteArray message_;
};

// The numbers of the failures the helper raises itself, with their texts.
enum ErrorNumber : qint32 {
    ErrorInvalidArgument = 5,
    ErrorOutOfMemory = 7,
    ErrorInternal = 51,
    ErrorFileNotFound = 53,
    ErrorDeviceIO = 57,
    ErrorFileExists = 58,
    ErrorDiskFull = 61,
    ErrorDeviceUnavailable = 68,
    ErrorPermissionDenied = 70,
    ErrorDiskNotReady = 71,
    ErrorPathFileAccess = 75,
    ErrorPathNotFound = 76,
    ErrorObjectNotSet = 91,
};

[[noreturn]] void Raise(ErrorNumber number);

// The error of a failed system call: `missing` is the number an absent item gives (file or path not found).
[[noreturn]] void RaiseErrno(int code, ErrorNumber missing);

// The common frame of a helper method. The steps fill `result`; at the first failure the method stops:
// an error numbered above 0 goes on to the caller unchanged, one numbered 0 or below is dropped and the
// result is returned as the steps left it. An error gets the source of the first method it leaves; any
// other exception becomes an error of the same shape.
template <typename Result, typename Steps>
Result Guarded(const char *source, Result result, Steps &&steps)
{
    const auto pass = [source](MwFSOError &error) {
        if (error.Source.isEmpty())
            error.Source = QString::fromLatin1(source);
        return error.Number > 0;
    };
    try {
        std::forward<Steps>(steps)(result);
    } catch (MwFSOError &error) {
        if (pass(error))
            throw;
    } catch (const std::bad_alloc &) {
        throw MwFSOError(ErrorOutOfMemory, QString(), QString::fromLatin1(source));
    } catch (const std::exception &failure) {
        throw MwFSOError(ErrorInternal, QString::fromLocal8Bit(failure.what()), QString::fromLatin1(source));
    }
    return result;
}

} // namespace MwFSO
