// The document window's editing commands, which the main window's menus and tool bars run on the active
// document.
#include "app/documents/frmContent.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/documents/mdlFile.h"
#include "platform/editor/Editor.h"

#include <QPrinter>
#include <QPrinterInfo>

using platform::editor::Range;

void frmContent::FindText()
{
    txtContent->ExecuteCmd(platform::editor::CmdFind);
    Change_Position();
    Size_Exchange();
}

void frmContent::FindNextText()
{
    txtContent->ExecuteCmd(platform::editor::CmdFindNext);
    Change_Position();
    Size_Exchange();
}

void frmContent::ReplaceText()
{
    txtContent->ExecuteCmd(platform::editor::CmdReplace);
    Change_Position();
    Size_Exchange();
}

void frmContent::GotoLine()
{
    txtContent->ExecuteCmd(platform::editor::CmdGotoLine, -1);
    Change_Position();
    Size_Exchange();
}

void frmContent::PrintText()
{
    const int pointSize = static_cast<int>(std::lround(txtContent->Font().pointSizeF()));
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    // Without a printer the dialog is the only way to print (to a file).
    if (mdlLoad::PrintSetup || printer.isNull()) {
        QPrinter chosen(QPrinter::HighResolution);
        txtContent->PrintContents(chosen, 0, pointSize);
    } else {
        QPrinter standard(printer, QPrinter::HighResolution);
        txtContent->PrintContents(standard, 1, pointSize);
    }
}

void frmContent::PasteReCode(const QString &newText)
{
    SelectAllText();
    txtContent->SetSelText(newText);
    ShowCodePages();
}

void frmContent::SelectAllText()
{
    const int lastLine = txtContent->LineCount() - 1;
    txtContent->SetSel({0, 0, lastLine, txtContent->GetLineLength(lastLine)});
}

void frmContent::SelectLineText()
{
    const Range selection = txtContent->GetSel(true);
    // A selection that ends at the very start of a line does not take that line.
    const int last = selection.EndLine > selection.StartLine && selection.EndCol == 0 ? selection.EndLine - 1
                                                                                       : selection.EndLine;
    txtContent->SetSel({selection.StartLine, 0, last, txtContent->GetLineLength(last)});
}

void frmContent::SpaceDelText(int typeDel)
{
    txtContent->SetSelText(mdlLibrary::SpaceDelete(txtContent->SelText(), typeDel));
}

void frmContent::PasteText(const QString &phraseText)
{
    if (phraseText.isEmpty())
        return;
    InsertText(mdlLibrary::WithLineEnds(phraseText, txtContent->LineEnd()));
}

void frmContent::PasteText2(const QString &center, const QString &before, const QString &after)
{
    if (!center.isEmpty()) {
        PasteText(center);
    } else if (!before.isEmpty() || !after.isEmpty()) {
        // The selection goes back as it was; only the wrapping takes the document's line end.
        const QString lineEnd = txtContent->LineEnd();
        InsertText(mdlLibrary::WithLineEnds(before, lineEnd) + txtContent->SelText() +
                   mdlLibrary::WithLineEnds(after, lineEnd));
    }
}

void frmContent::InsertText(const QString &text)
{
    txtContent->SetSelText(text);
    Range caret = txtContent->GetSel(true);
    caret.StartLine = caret.EndLine;
    caret.StartCol = caret.EndCol;
    txtContent->SetSel(caret);
}

void frmContent::Undo()
{
    if (txtContent->CanUndo())
        txtContent->Undo();
}

void frmContent::Redo()
{
    if (txtContent->CanRedo())
        txtContent->Redo();
}

void frmContent::ClipboardCopy()
{
    if (txtContent->CanCopy())
        txtContent->Copy();
}

void frmContent::ClipboardCut()
{
    if (txtContent->CanCut())
        txtContent->Cut();
}

void frmContent::ClipboardPaste()
{
    if (txtContent->CanPaste())
        txtContent->Paste();
}

void frmContent::ClipboardDel()
{
    const Range selection = txtContent->GetSel(true);
    txtContent->DeleteSel();
    txtContent->SetSel({selection.StartLine, selection.StartCol, selection.StartLine, selection.StartCol});
}

void frmContent::RegistrText(int typeRegistr)
{
    if (typeRegistr == 0 || !txtContent->HasSelection())
        return;
    txtContent->SetSelText(mdlLibrary::RegistrConvert(txtContent->SelText(), typeRegistr));
}

void frmContent::PositionCursor(int newLine, int newCol)
{
    if (newLine == -1)
        newLine = PositionLine();
    if (newCol == -1)
        newCol = PositionCol();
    newLine = std::min(newLine, txtContent->LineCount() - 1);
    txtContent->SetCaretPos(newLine, newCol);
}

int frmContent::PositionLine() const
{
    return txtContent->GetSel(false).EndLine;
}

int frmContent::PositionCol() const
{
    return txtContent->GetSel(false).EndCol;
}
