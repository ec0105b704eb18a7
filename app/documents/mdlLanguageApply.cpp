#include "app/documents/mdlLanguageApply.h"

#include "app/documents/frmContent.h"
#include "app/documents/mdlLanguage.h"
#include "app/mainwindow/frmMain.h"
#include "platform/editor/Editor.h"
#include "platform/editor/Language.h"

#include <QAction>
#include <QMenu>

namespace mdlLanguage {

void RegisterLanguage(int index)
{
    if (!LangHeader.contains(index) && index != 0)
        return;
    const LanguageSyntax &syntax = LangSyntax[index];
    platform::editor::LanguageDefinition language;
    language.CaseSensitive = LangFont[index].CaseSensitive;
    language.EscapeChar = syntax.EscapeChar;
    language.Keywords = syntax.Keywords;
    language.MultiLineComments1 = syntax.MultiLineComments1;
    language.MultiLineComments2 = syntax.MultiLineComments2;
    language.Operators = syntax.Operators;
    language.ScopeKeywords1 = syntax.ScopeKeywords1;
    language.ScopeKeywords2 = syntax.ScopeKeywords2;
    language.SingleLineComments = syntax.SingleLineComments;
    language.StringDelims = syntax.StringDelims;
    language.Style = syntax.Style;
    language.TagAttributeNames = syntax.TagAttributeNames;
    language.TagElementNames = syntax.TagElementNames;
    language.TagEntities = syntax.TagEntities;
    language.TerminatorChar = syntax.TerminatorChar;
    platform::editor::DefineLanguage(LangHeader[index].SyntaxName, language);
}

void ApplyLanguage(platform::editor::Editor *editor, int index, bool syncPanel)
{
    if (!editor || (index != 0 && !LangHeader.contains(index)))
        return;
    const LanguageHeader &header = LangHeader[index];
    if (syncPanel) {
        if (auto *window = qobject_cast<frmContent *>(editor->parentWidget());
            window && window->panel_visible != header.DisplayLeftPanel) {
            window->PanelVisible(header.DisplayLeftPanel);
            if (window->Tag() == forms::frmMain->ActiveFileIndex)
                forms::frmMain->mnuView_WorkPanel->setChecked(header.DisplayLeftPanel);
        }
    }
    RegisterLanguage(index);

    const LanguageLines &lines = LangLines[index];
    const LanguageFont &font = LangFont[index];
    editor->SetColorSyntax(header.ColorSyntax);
    editor->SetLanguage(header.SyntaxName);
    editor->SetDisplayLeftMargin(header.DisplayLeftMargin);
    editor->SetSelBounds(header.SelBounds);
    editor->SetLineNumbering(lines.LineNumbering);
    editor->SetLineNumberStart(lines.LineNumberStart);
    editor->SetLineToolTips(lines.LineToolTips);
    editor->SetExpandTabs(font.ExpandTabs);
    QFont shown = editor->Font();
    if (!font.FontName.isEmpty())
        shown.setFamily(font.FontName);
    if (font.FontSize > 0)
        shown.setPointSizeF(font.FontSize);
    editor->SetFont(shown);
    editor->SetNormalizeCase(font.NormalizeCase);
    editor->SetTabSize(font.TabSize);
    editor->SetAutoIndentMode(font.SpacePrevLine ? 2 : 0);
    for (const auto &[style, value] : FontStyleSettings(LangStyle[index]))
        editor->SetFontStyle(style, value);
    for (const auto &[color, value] : ColorSettings(LangColors[index]))
        editor->SetColor(color, value);
}

void SetDocumentLanguage(platform::editor::Editor *editor, int index, const QString &syntaxName, bool syncPanel)
{
    if (!syntaxName.isEmpty())
        index = FindLanguage(syntaxName);
    if (syncPanel)
        CheckLanguageMenu(index);
    ApplyLanguage(editor, index, syncPanel);
}

void CheckLanguageMenu(int index)
{
    const QList<QAction *> &items = forms::frmMain->mnuView_Syntax_Lang;
    if (index >= 1 && index < items.size() && items[index]->isChecked())
        return;
    for (int i = 1; i < items.size(); ++i)
        items[i]->setChecked(false);
    if (index >= 1 && index < items.size())
        items[index]->setChecked(true);
}

void FillLanguageMenu()
{
    frmMain *main = forms::frmMain.get();
    if (LangHeader.count() < 1) {
        main->mnuView_Syntax->setEnabled(false);
        return;
    }
    for (int i = 1; i <= LangHeader.count(); ++i)
        main->AddSyntaxItem(LangHeader[i].Name);
}

} // namespace mdlLanguage
