#pragma once

#include <sys/types.h>
#include <unistd.h>

// For its lifetime the process acts as the unprivileged user "nobody" when it runs as root, so that a
// permission denial is real under root too; root comes back afterwards. A process that is not root is
// unprivileged already and stays as it is.
class UnprivilegedUser {
public:
    UnprivilegedUser() : wasRoot_(geteuid() == 0)
    {
        // The saved ids stay root's, which is what allows the way back.
        if (wasRoot_ && setresgid(Nobody, Nobody, 0) == 0)
            (void)!setresuid(Nobody, Nobody, 0);
    }

    ~UnprivilegedUser()
    {
        if (wasRoot_ && setresuid(0, 0, 0) == 0)
            (void)!setresgid(0, 0, 0);
    }

    UnprivilegedUser(const UnprivilegedUser &) = delete;
    UnprivilegedUser &operator=(const UnprivilegedUser &) = delete;

    // False when root could not give up its rights: a check under it would prove nothing.
    bool ok() const { return geteuid() != 0; }

private:
    static constexpr uid_t Nobody = 65534;
    bool wasRoot_;
};
