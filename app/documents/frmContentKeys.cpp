// The document window's keys and the events of its editor: the window's own keys, the editor's shortcuts
// (caret moves, bookmarks, clipboard keys, tag pairs, comments), the first edit that marks the document
// changed, and the right-click menu.
#include "app/documents/frmContent.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileCommands.h"
#include "app/documents/mdlFileWindows.h"
#include "app/documents/mdlLanguage.h"
#include "app/mainwindow/frmMain.h"
#include "platform/editor/Editor.h"
#include "platform/keys/KeyCodes.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

namespace {

using namespace platform::editor;
using namespace platform::keys;

constexpr int CtrlShiftMask = CtrlMask | ShiftMask;

// Ctrl with these keys moves the caret by the editor's own commands; Ctrl+Shift extends the selection.
struct CaretKey {
    int keyCode;
    int command;
    int extendCommand;
};
constexpr CaretKey CaretKeys[] = {
    {VK_END, CmdDocumentEnd, CmdDocumentEndExtend},
    {VK_HOME, CmdDocumentStart, CmdDocumentStartExtend},
    {VK_LEFT, CmdWordLeft, CmdWordLeftExtend},
    {VK_RIGHT, CmdWordRight, CmdWordRightExtend},
};

// Keys that put a pair of tags round the selection, or insert the pair where nothing is selected.
struct TagPairKey {
    int shift;
    int keyCode;
    const char *before;
    const char *after;
};
constexpr TagPairKey TagPairKeys[] = {
    {CtrlMask, 'B', "<b>", "</b>"},
    {CtrlMask, VK_OEM_COMMA, "<", ">"},
    {CtrlMask, VK_OEM_PERIOD, "</", ">"},
    {CtrlShiftMask, 'M', "<!--", "-->"},
    {CtrlShiftMask, 'C', "<center>", "</center>"},
    {CtrlShiftMask, 'A', "<a href=\"\">", "</a>"},
    {CtrlShiftMask, 'D', "<div>", "</div>"},
};

} // namespace

bool frmContent::KeyPreview(const QKeyEvent &event)
{
    const int pressed = VirtualKeyCode(event);
    int keyCode = pressed;
    int shift = ShiftStateOf(event.modifiers());
    Form_KeyDown(keyCode, shift);
    // A key is consumed when a handler set its code to 0. A key that has no code of its own (a character
    // on a key that the keyboard map added for it) is not: it goes on to type its text.
    return pressed != 0 && keyCode == 0;
}

void frmContent::Form_KeyDown(int &keyCode, int &shift)
{
    FormKeyCommand(keyCode, shift);
    if (shift == CtrlMask) {
        if (keyCode == VK_RETURN || keyCode == VK_SPACE) {
            const QString text = keyCode == VK_RETURN ? QStringLiteral("<br>") : QStringLiteral("&nbsp;");
            keyCode = shift = 0;
            PasteText2(text, QString(), QString());
        } else if (keyCode >= '1' && keyCode <= '9') {
            // The key goes on to the editor, which leaves it alone as it does every Ctrl key.
            if (frmContent *document = mdlFile::OpenDocumentWindow(mdlFile::FindDocumentByTab(keyCode - '0')))
                document->SetFocusForm();
        }
    }
    mdlFile::RefreshEditCommands();
}

void frmContent::txtContent_KeyDown(int keyCode, int shift, bool &cancel)
{
    frmMain *main = forms::frmMain.get();
    bool handled = false;
    if (shift == CtrlMask || shift == CtrlShiftMask) {
        for (const CaretKey &key : CaretKeys)
            if (keyCode == key.keyCode)
                txtContent->ExecuteCmd(shift == CtrlMask ? key.command : key.extendCommand);
    }
    if (shift == CtrlMask && keyCode == VK_OEM_2) {
        CommentText();
    } else if (shift == ShiftMask && keyCode == VK_INSERT) {
        main->mnuEdit_Paste_Click();
        handled = true;
    } else if (shift == ShiftMask && keyCode == VK_DELETE) {
        main->mnuEdit_Cut_Click();
        handled = true;
    } else if (shift == CtrlMask && keyCode == VK_INSERT) {
        main->mnuEdit_Copy_Click();
        handled = true;
    } else if (shift == CtrlShiftMask && keyCode == 'P') {
        txtContent->ExecuteCmd(CmdBookmarkNext);
    } else if (shift == CtrlShiftMask && keyCode == 'K') {
        txtContent->ExecuteCmd(CmdBookmarkPrev);
    }
    if (!handled) {
        for (const TagPairKey &pair : TagPairKeys)
            if (shift == pair.shift && keyCode == pair.keyCode)
                PasteText2(QString(), QString::fromLatin1(pair.before), QString::fromLatin1(pair.after));
    }
    // The editor never acts on a Ctrl or Alt combination of its own: the menus and the keys above give
    // them their meaning.
    if (shift >= CtrlMask && keyCode != VK_SHIFT && keyCode != VK_CONTROL && keyCode != VK_MENU)
        handled = true;
    if (keyCode == VK_F2 && shift == 0 && mdlLoad::SaveF2) {
        handled = true;
        main->SaveDocument(tag_);
    }
    // Deleting the word before the caret stays the editor's.
    if (keyCode == VK_BACK && shift == CtrlMask)
        handled = false;
    cancel = handled;
}

void frmContent::CommentText()
{
    using mdlLibrary::CommentForm;
    const mdlLibrary::CommentMarkers markers = mdlLanguage::CommentMarkersOf(mdlFile::DocumentRecords[tag_].Language);
    const CommentForm form = mdlLibrary::CommentFormFor(txtContent->SelText(), markers);
    if (form == CommentForm::None)
        return;
    if (form == CommentForm::Lines)
        SelectLineText();
    txtContent->SetSelText(mdlLibrary::CommentText(txtContent->SelText(), form, markers));
}

void frmContent::txtContent_Change()
{
    if (mdlFile::MarkChanged(mdlFile::DocumentRecords[tag_]))
        mdlFile::UpdateDocumentTabImage(tag_);
    // A changed text is no longer what the last save wrote: its message gives way to the size.
    if (forms::frmMain->SavedNoticeDocument == tag_)
        forms::frmMain->SavedNoticeDocument = 0;
    Size_Exchange();
    Change_Position();
    mdlFile::RefreshEditCommands();
}

void frmContent::txtContent_KeyUp()
{
    Size_Exchange();
    Change_Position();
    mdlFile::RefreshEditCommands();
}

void frmContent::txtContent_MouseDown()
{
    Change_Position();
    mdlFile::RefreshEditCommands();
}

void frmContent::txtContent_MouseUp()
{
    // The editor reports the release before it acts on it, and a click inside the selection drops the
    // selection only then: the caret and the commands are read once it has.
    QTimer::singleShot(0, this, [this] {
        Change_Position();
        mdlFile::RefreshEditCommands();
    });
}

void frmContent::txtContent_RClick()
{
    forms::frmMain->mnuPopupText->popup(QCursor::pos());
}
