#include "platform/editor/Language.h"

#include <QHash>

namespace platform::editor {

namespace {

QHash<QString, LanguageDefinition> &Definitions()
{
    static QHash<QString, LanguageDefinition> definitions;
    return definitions;
}

} // namespace

void DefineLanguage(const QString &name, const LanguageDefinition &definition)
{
    Definitions().insert(name, definition);
}

void UndefineLanguage(const QString &name)
{
    Definitions().remove(name);
}

bool FindLanguageDefinition(const QString &name, LanguageDefinition &definition)
{
    const auto found = Definitions().constFind(name);
    if (found == Definitions().constEnd())
        return false;
    definition = *found;
    return true;
}

} // namespace platform::editor
