#include "app/core/mdlLoadNewFiles.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoadLists.h"

namespace mdlLoad {

namespace {

using mdlLibrary::TrimSpaces;

// The fields of a line cut at its first `separators` "|", when every field but the last holds at least
// one character before trimming.
std::optional<QStringList> KindFields(const QString &line, int separators)
{
    std::optional<QStringList> fields = SplitListFields(line, separators);
    if (!fields)
        return std::nullopt;
    for (int n = 0; n < separators; ++n)
        if (fields->at(n).isEmpty())
            return std::nullopt;
    return fields;
}

// The icon, language and file-name fields that both lists begin with.
template <typename Kind>
Kind KindFromFields(const QStringList &fields)
{
    Kind kind;
    kind.Icon = TrimSpaces(fields[0]);
    kind.Type = TrimSpaces(fields[1]);
    const QString fileName = TrimSpaces(fields[2]);
    kind.BaseName = mdlLibrary::GetFileTitle(fileName);
    kind.Ext = mdlLibrary::GetFileExt(fileName);
    return kind;
}

} // namespace

void LoadNewFiles(const QString &path)
{
    NewFiles.clear();
    const std::optional<QStringList> lines = ReadListLines(path);
    if (!lines)
        return;
    for (const QString &line : *lines) {
        const std::optional<QStringList> fields = KindFields(line, 3);
        if (!fields)
            continue;
        NewFileType kind = KindFromFields<NewFileType>(*fields);
        kind.Caption = TrimSpaces(fields->at(3));
        NewFiles.append(kind);
    }
}

void LoadPatterns(const QString &path)
{
    Patterns.clear();
    const std::optional<QStringList> lines = ReadListLines(path);
    if (!lines)
        return;
    for (const QString &line : *lines) {
        const std::optional<QStringList> fields = KindFields(line, 4);
        if (!fields)
            continue;
        NewFilePattern pattern = KindFromFields<NewFilePattern>(*fields);
        pattern.Caption = ListEscapes(TrimSpaces(fields->at(3)));
        pattern.TemplateFile = TrimSpaces(fields->at(4));
        Patterns.append(pattern);
    }
}

} // namespace mdlLoad
