// regsvr: registers a component library by calling its DllRegisterServer, or with -u unregisters it
// through DllUnregisterServer. Exit code 0 on success, 1 when the library fails, 2 on a wrong command line.
#include "platform/components/Creation.h"
#include "platform/components/Registry.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

namespace components = platform::components;

QString Reason(components::HResult status, const char *exportName)
{
    if (status == components::CO_E_DLLNOTFOUND)
        return QStringLiteral("the file was not found");
    if (status == components::CO_E_ERRORINDLL)
        return QStringLiteral("the file is no component library");
    if (status == components::REGDB_E_READREGDB)
        return QStringLiteral("the component registry %1 cannot be read, so it is left as it is")
            .arg(components::RegistryFilePath());
    if (status == components::REGDB_E_WRITEREGDB)
        return QStringLiteral("the component registry %1 cannot be written").arg(components::RegistryFilePath());
    return QString::fromLatin1(exportName) + QStringLiteral(" failed");
}

void Print(std::FILE *stream, const QString &text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stream);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    const bool unregister = !arguments.isEmpty() && arguments.front() == QLatin1String("-u");
    if (unregister)
        arguments.removeFirst();
    if (arguments.size() != 1 || arguments.front().startsWith(QLatin1Char('-'))) {
        Print(stderr, QStringLiteral("usage: regsvr [-u] <library>"));
        return 2;
    }

    const QString library = arguments.front();
    const char *exportName = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    const components::HResult status
        = unregister ? components::UnregisterServerLibrary(library) : components::RegisterServerLibrary(library);
    if (components::Failed(status)) {
        const QString code = QString::number(static_cast<std::uint32_t>(status), 16).toUpper();
        Print(stderr, QStringLiteral("regsvr: %1: %2 (0x%3)").arg(library, Reason(status, exportName), code));
        return 1;
    }
    Print(stdout, QStringLiteral("regsvr: %1 in %2 succeeded").arg(QString::fromLatin1(exportName), library));
    return 0;
}
