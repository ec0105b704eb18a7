#include "app/core/mdlLoadTypeFiles.h"
#include "app/dialogs/DialogLists.h"

#include <gtest/gtest.h>

namespace {

mdlLoad::TypeFile Type(const QString &defaultExt, const QStringList &extensions)
{
    mdlLoad::TypeFile type{QStringLiteral("type"), defaultExt, QStringLiteral("HTML"), {}};
    for (const QString &extension : extensions)
        type.Extensions.append(extension);
    return type;
}

TEST(DialogLists, TheSaveDialogAppendsADefaultExtensionOnlyWhereTheNameLacksOne)
{
    mdlLoad::TypeFiles.clear();
    mdlLoad::TypeFiles.append(Type("htm", {"htm", "html"}));
    mdlLoad::TypeFiles.append(Type("txt", {"*"}));
    mdlLoad::TypeFiles.append(Type(QString(), {"css"}));
    struct Case {
        int index;
        const char *name;
        const char *expected;
    } cases[] = {
        {0, "page.HTML", "page.HTML"},    {0, "page", "page.htm"},     {0, "notes.txt", "notes.txt.htm"},
        {1, "notes.txt", "notes.txt"},    {1, "README", "README"},     {2, "style", "style"},
        {3, "page", "page"},              {-1, "page", "page"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(mdlLoad::GetTypeFileExt(c.index, c.name), c.expected) << c.index << ' ' << c.name;
    mdlLoad::TypeFiles.clear();
}

} // namespace
