#include "platform/components/TypeLibrary.h"

#include <algorithm>

namespace platform::components {

namespace {

template <class List, class Match>
auto FindIn(const List &list, Match match) -> decltype(&list.front())
{
    const auto found = std::find_if(list.begin(), list.end(), match);
    return found == list.end() ? nullptr : &*found;
}

bool SameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

const MemberInfo *InterfaceInfo::Find(DispId id) const
{
    return FindIn(members, [id](const MemberInfo &m) { return m.id == id; });
}

const MemberInfo *InterfaceInfo::Find(const QString &name) const
{
    return FindIn(members, [&name](const MemberInfo &m) { return SameName(m.name, name); });
}

const ClassInfo *TypeLibrary::FindClass(const Guid &clsid) const
{
    return FindIn(classes, [&clsid](const ClassInfo &c) { return c.clsid == clsid; });
}

const ClassInfo *TypeLibrary::FindClass(const QString &className) const
{
    return FindIn(classes, [&className](const ClassInfo &c) { return SameName(c.name, className); });
}

const InterfaceInfo *TypeLibrary::FindInterface(const QString &interfaceName) const
{
    return FindIn(interfaces, [&interfaceName](const InterfaceInfo &i) { return i.name == interfaceName; });
}

const EnumInfo *TypeLibrary::FindEnum(const QString &enumName) const
{
    return FindIn(enums, [&enumName](const EnumInfo &e) { return e.name == enumName; });
}

const RecordInfo *TypeLibrary::FindRecord(const QString &recordName) const
{
    return FindIn(records, [&recordName](const RecordInfo &r) { return r.name == recordName; });
}

const QImage *TypeLibrary::FindBitmap(int id) const
{
    const BitmapResource *found = FindIn(bitmaps, [id](const BitmapResource &b) { return b.id == id; });
    return found ? &found->image : nullptr;
}

QString TypeLibrary::ProgId(const ClassInfo &cls) const
{
    return name + QLatin1Char('.') + cls.name;
}

QString TypeLibrary::VersionedProgId(const ClassInfo &cls) const
{
    return ProgId(cls) + QLatin1Char('.') + QString::number(majorVersion);
}

QString TypeLibrary::VersionText() const
{
    return QString::number(majorVersion) + QLatin1Char('.') + QString::number(minorVersion);
}

} // namespace platform::components
