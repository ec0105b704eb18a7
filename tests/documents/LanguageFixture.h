#pragma once

#include "app/core/mdlLoad.h"
#include "app/documents/mdlLanguage.h"

#include "tests/TempFolder.h"

#include <gtest/gtest.h>

// A program folder of its own with setting/language.ini and language/*.ini written by the test.
class LanguageFixture : public testing::Test {
protected:
    void SetUp() override { savedUseDefault_ = mdlLoad::UseDefaultLng; mdlLoad::UseDefaultLng = true; }
    void TearDown() override { mdlLoad::UseDefaultLng = savedUseDefault_; }

    QString ListFile() const { return folder.path("setting/language.ini"); }
    QString LanguageFolder() const { return folder.path("language") + u'/'; }

    void WriteList(const QByteArray &text) const { folder.write("setting/language.ini", text); }
    void WriteDefinition(const QString &name, const QByteArray &text) const
    {
        folder.write("language/" + name, text);
    }
    void Init() const { mdlLanguage::InitLanguages(ListFile(), LanguageFolder()); }

    // One language, "a.ini", with the given definition (and default.ini when it is given).
    void LoadOne(const QByteArray &definition, const QByteArray &defaults = QByteArray()) const
    {
        WriteList("A|a.ini\r\n");
        WriteDefinition("a.ini", definition);
        if (!defaults.isNull())
            WriteDefinition("default.ini", defaults);
        Init();
    }

    TempFolder folder;

private:
    bool savedUseDefault_ = true;
};

// Every table but the header, element `index` against element 0 (the built-in defaults).
inline void ExpectBuiltInDefaults(int index)
{
    using namespace mdlLanguage;
    EXPECT_EQ(LangHeader[index].SyntaxName, LangHeader[0].SyntaxName);
    EXPECT_EQ(LangHeader[index].ColorSyntax, LangHeader[0].ColorSyntax);
    EXPECT_EQ(LangHeader[index].SelBounds, LangHeader[0].SelBounds);
    EXPECT_EQ(LangSyntax[index], LangSyntax[0]);
    EXPECT_EQ(LangLines[index], LangLines[0]);
    EXPECT_EQ(LangFont[index], LangFont[0]);
    EXPECT_EQ(LangStyle[index], LangStyle[0]);
    EXPECT_EQ(LangColors[index], LangColors[0]);
}
