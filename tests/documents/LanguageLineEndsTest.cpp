#include "app/documents/mdlLanguageApply.h"
#include "platform/editor/Editor.h"
#include "tests/CaseNames.h"
#include "tests/documents/LanguageFixture.h"

#include <Qsci/qsciscintilla.h>

#include <QStringList>

#include <gtest/gtest.h>

using namespace mdlLanguage;
using Base = QsciScintillaBase;

namespace {

QString FirstEntry(const QString &list)
{
    return list.section(u'\n', 0, 0);
}

// Lines that end in each of the language's constructs, opened and left open where it can be, with the
// line that closes it after them; markup for every language, as pages hold it in scripts too.
QStringList Fragments(const LanguageSyntax &syntax)
{
    QStringList lines = {QStringLiteral("plain words 12 3.5 привет"),
                         QString(),
                         QStringLiteral("<p class=\"x\" title='open"),
                         QStringLiteral("still' id=y>text &amp; &nbsp;</p>"),
                         QStringLiteral("<b"),
                         QStringLiteral(">bold</b> <a href=\"open"),
                         QStringLiteral("closed\">&lt;")};
    if (!syntax.Keywords.isEmpty())
        lines << FirstEntry(syntax.Keywords) + QStringLiteral(" x = 1;");
    if (!syntax.SingleLineComments.isEmpty())
        lines << QStringLiteral("x ") + FirstEntry(syntax.SingleLineComments) + QStringLiteral(" a note");
    if (!syntax.MultiLineComments1.isEmpty())
        lines << QStringLiteral("y ") + FirstEntry(syntax.MultiLineComments1) + QStringLiteral(" opened")
              << QStringLiteral("still inside ") + FirstEntry(syntax.MultiLineComments2) + QStringLiteral(" after");
    for (const QString &delim : syntax.StringDelims.split(u'\n', Qt::SkipEmptyParts)) {
        lines << QStringLiteral("s = ") + delim + QStringLiteral("open")
              << delim + QStringLiteral("closed") + delim + QStringLiteral(" after");
        if (!syntax.EscapeChar.isEmpty())
            lines << QStringLiteral("e = ") + delim + QStringLiteral("escaped ") + syntax.EscapeChar.left(1);
    }
    return lines;
}

// Texts whose constructs end at the very end of the text, with and without a line end after them, and
// inside it.
QStringList Texts(const LanguageSyntax &syntax)
{
    const QStringList fragments = Fragments(syntax);
    QStringList texts = {QStringLiteral("\n"), QStringLiteral("\n\n"), QStringLiteral("a\nb\n")};
    for (const QString &fragment : fragments)
        texts << fragment << fragment + u'\n' << fragment + QStringLiteral("\n\n") << fragment + QStringLiteral("\nnext");
    texts << fragments.join(u'\n') << fragments.join(u'\n') + u'\n';
    return texts;
}

struct LineEnd {
    const char *name;
    const char *chars;
};

void PrintTo(const LineEnd &lineEnd, std::ostream *out)
{
    casenames::Print(out, lineEnd.name);
}

// The styles of every byte of `text` in `editor`, coloured from start to end.
QByteArray StylesOf(platform::editor::Editor &editor, const QString &text)
{
    editor.SetText(text);
    QsciScintilla *control = editor.Control();
    const long length = control->SendScintilla(Base::SCI_GETLENGTH);
    control->SendScintilla(Base::SCI_COLOURISE, 0UL, -1L);
    EXPECT_EQ(control->SendScintilla(Base::SCI_GETENDSTYLED), length) << "styled to the end, and no further";
    QByteArray styles;
    for (long at = 0; at < length; ++at)
        styles += char(control->SendScintilla(Base::SCI_GETSTYLEAT, static_cast<unsigned long>(at)));
    return styles;
}

// The shipped languages colour a text whose lines end in CR LF or a lone CR as they colour it with LF.
class ShippedLanguageLineEnds : public LanguageFixture, public testing::WithParamInterface<LineEnd> {
protected:
    void SetUp() override
    {
        LanguageFixture::SetUp();
        const QString data = QStringLiteral(VELLICOR_SOURCE_DIR "/data/");
        InitLanguages(data + QStringLiteral("setting/language.ini"), data + QStringLiteral("language/"));
    }
};

TEST_P(ShippedLanguageLineEnds, ColourAsWithLineFeeds)
{
    ASSERT_GE(LangHeader.count(), 1);
    const QString lineEnd = QString::fromLatin1(GetParam().chars);
    for (int language = 1; language <= LangHeader.count(); ++language) {
        SCOPED_TRACE(LangHeader[language].SyntaxName.toStdString());
        platform::editor::Editor withLineFeeds, withOther;
        ApplyLanguage(&withLineFeeds, language, false);
        ApplyLanguage(&withOther, language, false);
        for (const QString &text : Texts(LangSyntax[language])) {
            SCOPED_TRACE(text.toStdString());
            const QByteArray expected = StylesOf(withLineFeeds, text);
            const QByteArray utf8 = text.toUtf8();
            const QByteArray styles = StylesOf(withOther, QString(text).replace(u'\n', lineEnd));
            // Each LF stands for the bytes of the other line end, which take its style.
            QByteArray mapped;
            for (qsizetype i = 0; i < utf8.size(); ++i)
                mapped += utf8[i] == '\n' ? QByteArray(lineEnd.size(), expected[i]) : QByteArray(1, expected[i]);
            EXPECT_EQ(styles, mapped);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, ShippedLanguageLineEnds,
                         testing::Values(LineEnd{"CrLf", "\r\n"}, LineEnd{"Cr", "\r"}),
                         casenames::Named(&LineEnd::name));

} // namespace
