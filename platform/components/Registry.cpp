#include "platform/components/Registry.h"

#include "platform/files/WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace platform::components {

namespace {

namespace files = platform::files;

const QString kClasses = QStringLiteral("classes");
const QString kProgIds = QStringLiteral("progIds");
const QString kTypeLibraries = QStringLiteral("typeLibraries");

// What the registry file may hold: far more than every library of the program registers.
constexpr qint64 kMaxRegistryBytes = qint64(1) << 20;

// The whole file, read as the program's list files are. Nothing at its place is an empty registry. A
// registry that cannot be read (not a regular file, as a FIFO, a folder or a link to a device is; larger
// than kMaxRegistryBytes; no JSON object) is nothing: no class is found in it, and it is never written
// over, for its owner to mend.
std::optional<QJsonObject> ReadRegistry()
{
    const QString path = RegistryFilePath();
    const QFileInfo entry(path);
    if (!entry.exists() && !entry.isSymLink())
        return QJsonObject();
    const files::ReadResult read = files::ReadWhole(path, kMaxRegistryBytes);
    if (!read.ok())
        return std::nullopt;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(read.bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

bool WriteRegistry(const QJsonObject &registry)
{
    QSaveFile file(RegistryFilePath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(registry).toJson());
    return file.commit();
}

// `registry[section][key]` changed by `change`, the section dropped from the file when it empties.
template <class Change>
void Edit(QJsonObject &registry, const QString &section, Change change)
{
    QJsonObject entries = registry.value(section).toObject();
    change(entries);
    if (entries.isEmpty())
        registry.remove(section);
    else
        registry.insert(section, entries);
}

// Reads the registry, lets `change` edit it and writes it back when it changed. Registering processes
// take turns through a lock file beside it, so that none loses what another wrote meanwhile.
template <class Change>
HResult Update(Change change)
{
    const QString path = RegistryFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.lock())
        return REGDB_E_WRITEREGDB;
    const std::optional<QJsonObject> before = ReadRegistry();
    if (!before)
        return REGDB_E_READREGDB;
    QJsonObject registry = *before;
    if (const HResult status = change(registry); Failed(status))
        return status;
    if (registry == *before)
        return S_OK;
    return WriteRegistry(registry) ? S_OK : REGDB_E_WRITEREGDB;
}

QString ToolboxBitmap(const QString &libraryPath, const ClassInfo &cls)
{
    return cls.toolboxBitmap ? libraryPath + QLatin1Char(',') + QString::number(cls.toolboxBitmap) : QString();
}

HResult Register(
    QJsonObject &registry, const QString &libraryPath, const TypeLibrary &types, const QList<Guid> &classes)
{
    const QString server = QFileInfo(libraryPath).absoluteFilePath();
    for (const Guid &clsid : classes) {
        const ClassInfo *cls = types.FindClass(clsid);
        if (!cls)
            return SELFREG_E_CLASS;
        const QString progId = types.ProgId(*cls);
        const QString versionedProgId = types.VersionedProgId(*cls);
        Edit(registry, kClasses, [&](QJsonObject &entries) {
            entries.insert(clsid.ToString(),
                QJsonObject{{"name", cls->name}, {"server", server}, {"progId", progId},
                    {"versionedProgId", versionedProgId}, {"typeLibrary", types.libid.ToString()},
                    {"version", types.VersionText()}, {"control", (cls->flags & ClassControl) != 0},
                    {"toolboxBitmap", ToolboxBitmap(server, *cls)}});
        });
        Edit(registry, kProgIds, [&](QJsonObject &entries) {
            const QJsonObject target{{"clsid", clsid.ToString()}, {"server", server}};
            entries.insert(progId, target);
            entries.insert(versionedProgId, target);
        });
    }
    Edit(registry, kTypeLibraries, [&](QJsonObject &entries) {
        QJsonObject versions = entries.value(types.libid.ToString()).toObject();
        versions.insert(types.VersionText(),
            QJsonObject{{"name", types.name}, {"path", server}, {"locale", qint64(types.locale)},
                {"control", types.controlLibrary}});
        entries.insert(types.libid.ToString(), versions);
    });
    return S_OK;
}

HResult Unregister(
    QJsonObject &registry, const QString &libraryPath, const TypeLibrary &types, const QList<Guid> &classes)
{
    const QString server = QFileInfo(libraryPath).absoluteFilePath();
    const auto writtenHere = [&server](const QJsonValue &entry, const QString &key) {
        return entry.toObject().value(key).toString() == server;
    };
    for (const Guid &clsid : classes) {
        Edit(registry, kClasses, [&](QJsonObject &entries) {
            if (writtenHere(entries.value(clsid.ToString()), QStringLiteral("server")))
                entries.remove(clsid.ToString());
        });
        Edit(registry, kProgIds, [&](QJsonObject &entries) {
            for (auto entry = entries.begin(); entry != entries.end();) {
                const QJsonObject target = entry.value().toObject();
                const bool ours = target.value(u"clsid").toString() == clsid.ToString()
                    && writtenHere(target, QStringLiteral("server"));
                if (ours)
                    entry = entries.erase(entry);
                else
                    ++entry;
            }
        });
    }
    Edit(registry, kTypeLibraries, [&](QJsonObject &entries) {
        QJsonObject versions = entries.value(types.libid.ToString()).toObject();
        if (writtenHere(versions.value(types.VersionText()), QStringLiteral("path")))
            versions.remove(types.VersionText());
        if (versions.isEmpty())
            entries.remove(types.libid.ToString());
        else
            entries.insert(types.libid.ToString(), versions);
    });
    return S_OK;
}

} // namespace

QString RegistryFilePath()
{
    const QString configured = qEnvironmentVariable("VELLICOR_COMPONENT_REGISTRY");
    if (!configured.isEmpty())
        return configured;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/vellicor/components.json");
}

std::optional<ClassRegistration> FindClassRegistration(const Guid &clsid)
{
    const std::optional<QJsonObject> registry = ReadRegistry();
    if (!registry)
        return std::nullopt;
    const QJsonValue value = registry->value(kClasses).toObject().value(clsid.ToString());
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject entry = value.toObject();
    ClassRegistration found;
    found.clsid = clsid;
    found.name = entry.value(u"name").toString();
    found.server = entry.value(u"server").toString();
    found.progId = entry.value(u"progId").toString();
    found.versionedProgId = entry.value(u"versionedProgId").toString();
    found.libid = Guid::Parse(entry.value(u"typeLibrary").toString()).value_or(Guid());
    found.version = entry.value(u"version").toString();
    found.control = entry.value(u"control").toBool();
    found.toolboxBitmap = entry.value(u"toolboxBitmap").toString();
    return found;
}

std::optional<Guid> FindProgId(const QString &progId)
{
    const std::optional<QJsonObject> registry = ReadRegistry();
    if (!registry)
        return std::nullopt;
    const QJsonObject entry = registry->value(kProgIds).toObject().value(progId).toObject();
    return Guid::Parse(entry.value(u"clsid").toString());
}

QString FindTypeLibraryPath(const Guid &libid, const QString &version)
{
    const std::optional<QJsonObject> registry = ReadRegistry();
    if (!registry)
        return QString();
    return registry->value(kTypeLibraries)
        .toObject()
        .value(libid.ToString())
        .toObject()
        .value(version)
        .toObject()
        .value(u"path")
        .toString();
}

HResult RegisterLibrary(const QString &libraryPath, const TypeLibrary &types, const QList<Guid> &classes)
{
    return Update([&](QJsonObject &registry) { return Register(registry, libraryPath, types, classes); });
}

HResult UnregisterLibrary(const QString &libraryPath, const TypeLibrary &types, const QList<Guid> &classes)
{
    return Update([&](QJsonObject &registry) { return Unregister(registry, libraryPath, types, classes); });
}

} // namespace platform::components
