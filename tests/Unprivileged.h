#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cerrno>
#include <functional>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

// Permissions do not bind the superuser, and test machines often run as root. A check that needs a real
// denial (an unreadable folder) runs here in a child process that, when this one is root, has dropped to
// the unprivileged user and group 65534 ("nobody"); otherwise the child keeps this user, whom the
// permissions bind already. Whatever the check makes of the file system comes back as text.
//
//     OpenToEveryone(folders.root());
//     EXPECT_EQ(RunUnprivileged([&] { return Listing(folders.root()); }), "a/ locked/ z/");
namespace unprivileged {

inline constexpr uid_t Nobody = 65534;

// Lets every user into `folder` (read and search), as the child must reach what the test laid out; a
// temporary folder starts open to its owner alone.
inline void OpenToEveryone(const QString &folder)
{
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                      | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                      | QFileDevice::ExeOther);
}

// The text that `check` returns in the child, or a line saying why the child gave none.
inline QString RunUnprivileged(const std::function<QString()> &check)
{
    int channel[2];
    if (pipe(channel) != 0)
        return QStringLiteral("(no pipe to the child)");
    const pid_t child = fork();
    if (child < 0) {
        close(channel[0]);
        close(channel[1]);
        return QStringLiteral("(no child process)");
    }
    if (child == 0) {
        close(channel[0]);
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0))
            _exit(2);
        const QByteArray result = check().toUtf8();
        for (qsizetype written = 0; written < result.size();) {
            const ssize_t step = write(channel[1], result.constData() + written, size_t(result.size() - written));
            if (step <= 0)
                _exit(3);
            written += step;
        }
        // No exit handlers: they belong to the parent (the test runner, its application object).
        _exit(0);
    }
    close(channel[1]);
    QByteArray result;
    char buffer[4096];
    for (ssize_t step; (step = read(channel[0], buffer, sizeof buffer)) != 0;) {
        if (step > 0)
            result.append(buffer, step);
        else if (errno != EINTR)
            break;
    }
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("(the child ended with status %1)").arg(status);
    return QString::fromUtf8(result);
}

} // namespace unprivileged
