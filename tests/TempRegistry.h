#pragma once

#include "platform/components/Creation.h"

#include <QByteArray>
#include <QTemporaryDir>

// For its lifetime points the component registry (VELLICOR_COMPONENT_REGISTRY) at components.json in a
// temporary folder of its own, so that a test registers libraries without touching the user's registry;
// the variable's old value comes back afterwards.
//
//     TempRegistry registry;
//     ASSERT_TRUE(registry.Register(VELLICOR_PROGRAM_FOLDER "/MwFSO.so"));
//     auto control = HostedControl::Create(clsid, &parent);
class TempRegistry {
public:
    TempRegistry()
        : hadOld_(qEnvironmentVariableIsSet(kVariable))
        , old_(qgetenv(kVariable))
    {
        qputenv(kVariable, FilePath().toLocal8Bit());
    }

    ~TempRegistry()
    {
        if (hadOld_)
            qputenv(kVariable, old_);
        else
            qunsetenv(kVariable);
    }

    TempRegistry(const TempRegistry &) = delete;
    TempRegistry &operator=(const TempRegistry &) = delete;

    // Registers the library file through its own DllRegisterServer, into this registry.
    bool Register(const QString &libraryPath)
    {
        return platform::components::Succeeded(platform::components::RegisterServerLibrary(libraryPath));
    }

    // The registry file (it exists once something was registered).
    QString FilePath() const { return dir_.filePath(QStringLiteral("components.json")); }

private:
    static constexpr const char *kVariable = "VELLICOR_COMPONENT_REGISTRY";

    QTemporaryDir dir_;
    bool hadOld_;
    QByteArray old_;
};
