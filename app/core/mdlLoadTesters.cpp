#include "app/core/mdlLoadTesters.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoadLists.h"

#include <QHash>

namespace mdlLoad {

namespace {

using mdlLibrary::TrimSpaces;

// The address without `scheme`, which the testers page writes in front of it again.
QString WithoutScheme(const QString &address, QLatin1String scheme)
{
    return address.startsWith(scheme, Qt::CaseInsensitive) ? address.mid(scheme.size()) : address;
}

// The number of the first group read under each key, as FindTesterGroup gives it: a person line looks its
// group up here, so that 50 000 groups are not searched from the first for each person.
using GroupNumbers = QHash<QString, int>;

void ReadGroup(const QString &line, GroupNumbers &numbers)
{
    const std::optional<QStringList> fields = SplitListFields(line, 1);
    if (!fields)
        return;
    TesterGroup group;
    group.Name = TrimSpaces(fields->at(0));
    group.Title = TrimSpaces(fields->at(1));
    const int number = TesterGroups.append(group);
    if (!numbers.contains(group.Name))
        numbers.insert(group.Name, number);
}

// The group key, name and mailbox need a character each before trimming; the web address may be empty.
void ReadMan(const QString &line, const GroupNumbers &numbers)
{
    const std::optional<QStringList> fields = SplitListFields(line, 3);
    if (!fields || fields->at(0).isEmpty() || fields->at(1).isEmpty() || fields->at(2).isEmpty())
        return;
    const int group = numbers.value(TrimSpaces(fields->at(0)));
    if (group == 0)
        return;
    TesterMan man;
    man.Name = TrimSpaces(fields->at(1));
    man.Email = WithoutScheme(TrimSpaces(fields->at(2)), QLatin1String("mailto:"));
    man.Url = WithoutScheme(TrimSpaces(fields->at(3)), QLatin1String("http://"));
    TesterGroups[group].Men.append(man);
}

} // namespace

void LoadTesterIni(const QString &path)
{
    TesterGroups.clear();
    const std::optional<QStringList> lines = ReadListLines(path);
    if (!lines)
        return;
    QString section;
    GroupNumbers numbers;
    for (const QString &line : *lines) {
        if (ReadSectionHeader(line, section))
            continue;
        if (section == QLatin1String("group"))
            ReadGroup(line, numbers);
        else if (section == QLatin1String("man"))
            ReadMan(line, numbers);
    }
}

int FindTesterGroup(const QString &name)
{
    for (int g = 1; g <= TesterGroups.count(); ++g)
        if (TesterGroups[g].Name == name)
            return g;
    return 0;
}

} // namespace mdlLoad
