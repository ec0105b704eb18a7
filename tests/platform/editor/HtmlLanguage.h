#pragma once

#include "platform/editor/Language.h"

// A markup language like HTML: tags, "<!--" "-->" comments that run over lines, strings in double and in
// single quotes.
inline platform::editor::LanguageDefinition HtmlLanguage()
{
    platform::editor::LanguageDefinition html;
    html.Style = platform::editor::LanguageStyleSgml;
    html.MultiLineComments1 = QStringLiteral("<!--");
    html.MultiLineComments2 = QStringLiteral("-->");
    html.StringDelims = QStringLiteral("\"\n'");
    return html;
}
