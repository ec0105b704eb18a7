#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <initializer_list>
#include <optional>
#include <utility>

// Environment variables of this process set for the lifetime of the object (removed where the value is
// null), and put back as they were afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::initializer_list<std::pair<const char *, const char *>> values)
    {
        for (const auto &[name, value] : values) {
            previous_.append({name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt});
            Set(name, value ? std::optional(QByteArray(value)) : std::nullopt);
        }
    }
    ~ScopedEnvironment()
    {
        for (const auto &[name, value] : previous_)
            Set(name, value);
    }
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

private:
    static void Set(const char *name, const std::optional<QByteArray> &value)
    {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }

    QList<std::pair<const char *, std::optional<QByteArray>>> previous_;
};
