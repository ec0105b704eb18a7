#pragma once

#include <QByteArray>
#include <QStringList>

// For its lifetime the host's drives are "/" and `roots` (VELLICOR_MOUNT_ROOTS) instead of the mount
// table's, for the program and for MwFSO alike; the variable's old value comes back afterwards.
class TempMountRoots {
public:
    explicit TempMountRoots(const QStringList &roots)
        : hadOld_(qEnvironmentVariableIsSet(kVariable))
        , old_(qgetenv(kVariable))
    {
        qputenv(kVariable, roots.join(u':').toLocal8Bit());
    }

    ~TempMountRoots()
    {
        if (hadOld_)
            qputenv(kVariable, old_);
        else
            qunsetenv(kVariable);
    }

    TempMountRoots(const TempMountRoots &) = delete;
    TempMountRoots &operator=(const TempMountRoots &) = delete;

private:
    static constexpr const char *kVariable = "VELLICOR_MOUNT_ROOTS";

    bool hadOld_;
    QByteArray old_;
};
