#include "app/core/mdlLoadTypeFiles.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoadLists.h"

namespace mdlLoad {

void LoadTypeFiles(const QString &path)
{
    using mdlLibrary::TrimSpaces;
    TypeFiles.clear();
    const std::optional<QStringList> lines = ReadListLines(path);
    if (!lines)
        return;
    for (const QString &line : *lines) {
        const std::optional<QStringList> fields = SplitListFields(line, 3);
        // The first three fields need a character before trimming; a field of blanks passes and is "".
        if (!fields || fields->at(0).isEmpty() || fields->at(1).isEmpty() || fields->at(2).isEmpty())
            continue;
        TypeFile type;
        type.Name = ListEscapes(TrimSpaces(fields->at(0)));
        type.DefaultExt = TrimSpaces(fields->at(1));
        type.Language = TrimSpaces(fields->at(2));
        for (const QString &extension : fields->at(3).split(u' ', Qt::SkipEmptyParts))
            type.Extensions.append(extension);
        TypeFiles.append(type);
    }
}

} // namespace mdlLoad
