#pragma once

#include "platform/editor/Language.h"

#include <QFont>
#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

class QPrinter;
class QsciScintilla;

namespace platform::editor {

class SyntaxLexer;
class EditorSearch;

// A stretch of text. Lines and columns count from 0; a column counts characters (UTF-16 code units of
// the QString text) within its line.
struct Range {
    int StartLine = 0;
    int StartCol = 0;
    int EndLine = 0;
    int EndCol = 0;
};

// Kinds of token, numbered as the editor numbers its font styles (SetFontStyle) and its styles at a
// text position (StyleAt). LineNumber is the line-number margin.
enum TokenKind {
    TokenText = 0,
    TokenNumber = 1,
    TokenKeyword = 2,
    TokenOperator = 3,
    TokenScopeKeyword = 4,
    TokenComment = 5,
    TokenString = 6,
    TokenTagText = 7,
    TokenTagEntity = 8,
    TokenTagElementName = 9,
    TokenTagAttributeName = 10,
    TokenLineNumber = 11,
};
constexpr int TokenKindCount = 12;

// Font styles, added together.
enum FontStyleFlag { FontStyleNormal = 0, FontStyleBold = 1, FontStyleItalic = 2, FontStyleUnderline = 4 };

// Colour indices of SetColor. Every token kind has a foreground and a background (Bk) colour.
enum ColorIndex {
    ColorWindow = 0,
    ColorLeftMargin = 1,
    ColorBookmark = 2,
    ColorBookmarkBk = 3,
    ColorText = 4,
    ColorTextBk = 5,
    ColorNumber = 6,
    ColorNumberBk = 7,
    ColorKeyword = 8,
    ColorKeywordBk = 9,
    ColorOperator = 10,
    ColorOperatorBk = 11,
    ColorScopeKeyword = 12,
    ColorScopeKeywordBk = 13,
    ColorComment = 14,
    ColorCommentBk = 15,
    ColorString = 16,
    ColorStringBk = 17,
    ColorTagText = 18,
    ColorTagTextBk = 19,
    ColorTagEntity = 20,
    ColorTagEntityBk = 21,
    ColorTagElementName = 22,
    ColorTagElementNameBk = 23,
    ColorTagAttributeName = 24,
    ColorTagAttributeNameBk = 25,
    ColorLineNumber = 26,
    ColorLineNumberBk = 27,
    ColorHDividerLines = 28,
    ColorVDividerLines = 29,
};
constexpr int ColorIndexCount = 30;

// Command numbers of ExecuteCmd.
enum EditorCommand {
    CmdWordRightExtend = 102,
    CmdWordRight = 103,
    CmdWordLeftExtend = 107,
    CmdWordLeft = 108,
    CmdGotoLine = 168,
    CmdReplace = 169,
    CmdFindNext = 176,
    CmdFind = 178,
    CmdDocumentStartExtend = 188,
    CmdDocumentStart = 189,
    CmdDocumentEndExtend = 190,
    CmdDocumentEnd = 191,
    CmdBookmarkPrev = 205,
    CmdBookmarkNext = 206,
};

// Mouse buttons of the mouse events.
enum MouseButtonCode { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

// The syntax-colouring text editor. The text is kept as given, line ends included (CR LF, LF or CR);
// lines typed or inserted by the editor take the line end of the text last set (LF for a text without one).
class Editor : public QWidget {
    Q_OBJECT

public:
    explicit Editor(QWidget *parent = nullptr);
    ~Editor() override;

    // The whole text. Setting it is not an edit: it raises no Change, empties the undo history and
    // clears the bookmarks. Like every text that enters the editor, it is held as the system code page
    // holds it: a character without a byte becomes "?".
    QString Text() const;
    void SetText(const QString &text);
    // The whole text as code-page bytes, handed to `take` a slice at a time straight from the control's
    // own buffer, so that saving a large text makes no whole copy of it. A slice is valid only during
    // the call.
    void ReadAnsi(const std::function<void(QByteArrayView)> &take) const;
    // The same for a text that comes in slices of code-page bytes, so that a large file needs no whole
    // copy beside the control's own: `produce` hands the slices to its sink one after another, on a thread
    // of its own, while the control takes in those before them; ReadText returns what `produce` returns.
    // Room for `utf8Bytes`, the text's length in UTF-8, is made at once. The lexer follows the slices as
    // they go by, on threads of its own, so that it knows the state of every line of the text without
    // reading it again. `produce` runs on the read's thread, so what it touches must be safe there.
    // Whatever one of the read's threads throws (memory running out) fails the read: ReadText returns
    // false once every thread has ended. The sink, too, may throw, to end a read that was cut short, so
    // `produce` must let go of what it holds as the exception passes.
    using SliceSink = std::function<void(QByteArrayView)>;
    bool ReadText(qsizetype utf8Bytes, const std::function<bool(const SliceSink &)> &produce);

    // Number of characters of the whole text, line ends included.
    int TextLength() const;
    // Raises Change now for edits not reported yet: the user's own edits are reported when the event
    // loop comes back, and code that reads a document's state straight after one calls this first.
    void FlushChange();

    QFont Font() const;
    void SetFont(const QFont &font);

    // Display settings.
    void SetColorSyntax(bool on);
    void SetDisplayWhitespace(bool on);
    bool DisplayWhitespace() const;
    // Tab key inserts spaces.
    void SetExpandTabs(bool on);
    // While the text is scrolled, a tool tip names the top line.
    void SetLineToolTips(bool on);
    // The bookmark margin.
    void SetDisplayLeftMargin(bool on);
    // False lets the caret and the selection go past the end of a line.
    void SetSelBounds(bool on);
    void SetLineNumbering(bool on);
    bool LineNumbering() const;
    // Number shown for the first line.
    void SetLineNumberStart(int start);
    // Keywords typed in another letter case take the case of the keyword list (languages that ignore case).
    void SetNormalizeCase(bool on);

    // Switches to the language defined under that name; an unknown name gives plain text.
    void SetLanguage(const QString &name);
    QString Language() const;

    void SetTabSize(int size);
    // 0 no indent, any other value indents a new line as the previous one.
    void SetAutoIndentMode(int mode);

    // The line end that lines typed or inserted by the editor take: "\r\n", "\n" or "\r".
    QString LineEnd() const;
    int LineCount() const;
    // Line text and length without the line end. A line outside the text gives "" and 0.
    QString GetLine(int line) const;
    int GetLineLength(int line) const;

    // The selection. Normalized, the start comes first; otherwise the start is the anchor and the end
    // the caret.
    Range GetSel(bool normalized = true) const;
    // Selects from the start (anchor) to the end (caret); places beyond the text are clamped.
    void SetSel(const Range &range, bool makeVisible = true);
    QString SelText() const;
    // Replaces the selection as one undo step and selects the new text (as the code page holds it).
    void SetSelText(const QString &text);
    // Number of selected characters.
    int SelLength() const;
    // Whether any character is selected: SelLength() >= 1 without counting them.
    bool HasSelection() const;
    void DeleteSel();
    // Moves the caret; a column past the line end goes to the line end.
    void SetCaretPos(int line, int column);

    // Colour number red + 256 × green + 65536 × blue; a negative background takes the window colour.
    void SetColor(int index, int color);
    // Font style (FontStyleFlag) of a token kind.
    void SetFontStyle(int index, int style);

    // Runs one of the EditorCommand numbers; other numbers do nothing. `argument` is not used by them.
    void ExecuteCmd(int command, int argument = 0);

    bool CanUndo() const;
    bool CanRedo() const;
    bool CanCut() const;
    bool CanCopy() const;
    bool CanPaste() const;
    void Undo();
    void Redo();
    void Cut();
    void Copy();
    void Paste();
    void ClearUndo();

    void SetBookmark(int line, bool on);
    bool GetBookmark(int line) const;
    // Bookmarks exactly the listed lines; -1 and lines outside the text name none.
    void SetAllBookmarks(const QList<int> &lines);
    QList<int> GetAllBookmarks() const;

    // Prints the text with the font enlarged or reduced to `pointSize`: the pages, their order and the
    // copies that `printer` holds, and nothing that only the screen shows (whitespace marks, bookmarks,
    // the selection). Flags 0 first asks the user through the print dialog (false when cancelled); 1
    // prints on `printer` as it is set.
    bool PrintContents(QPrinter &printer, int flags, int pointSize);

    // Style (TokenKind) of the character at a line and column, once the text there has been coloured.
    int StyleAt(int line, int column);

    // The inner control, for focus and geometry.
    QsciScintilla *Control() const;

signals:
    // The text was edited (typing, SelText, clipboard, undo, replace).
    void Change();
    // Key codes are Windows virtual-key codes (65 'A', 35 End, 191 '/', ...) of the key's place on a
    // US keyboard, whatever the layout; `shift` is a platform::keys::ShiftState sum. Setting `cancel` keeps the key from
    // the editor.
    void KeyDown(int keyCode, int shift, bool &cancel);
    void KeyUp(int keyCode, int shift);
    // Button is a MouseButtonCode; x and y are pixels in the text area. Setting `cancel` keeps the
    // press from the editor.
    void MouseDown(int button, int shift, int x, int y, bool &cancel);
    void MouseUp(int button, int shift, int x, int y, bool &cancel);
    // The editor shows no menu of its own; `cancel` also keeps the click from the editor.
    void RClick(bool &cancel);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Byte position of a line and column, and back.
    long PositionOf(int line, int column) const;
    void LineColumnOf(long position, int &line, int &column) const;
    QString Bytes(long from, long to) const;
    void ApplyStyles();
    void UpdateMargins();
    // Styling starts again from the top, as far as the text is shown.
    void Restyle();
    void OnModified(long position, int type, long length);
    long CodeUnits(long position, long length) const;
    void CountPendingInsert();
    // Setting the text: room for `utf8Bytes`, then its UTF-8 slice by slice (`characters` in each), then
    // the end, which is neither an undo step nor Change.
    void BeginText(qsizetype utf8Bytes);
    void AppendUtf8(const QByteArray &utf8, qsizetype characters);
    void EndText();
    // Gives the control's buffer room beyond a text of `utf8Bytes`, so that the first keys typed into a
    // large text need not copy it all to grow it.
    void AllocateWithRoom(qsizetype utf8Bytes);
    // Runs FlushChange when an editing call ends, so that its caller sees Change before it goes on.
    struct EditCall {
        Editor &editor;
        ~EditCall() { editor.FlushChange(); }
    };
    void NormalizeCase(int added);

    QsciScintilla *control_ = nullptr;
    SyntaxLexer *lexer_ = nullptr;
    EditorSearch *search_ = nullptr;
    QString language_;
    QFont font_;
    int colors_[ColorIndexCount] = {};
    int fontStyles_[TokenKindCount] = {};
    bool lineNumbering_ = false;
    int lineNumberStart_ = 1;
    bool displayLeftMargin_ = false;
    bool normalizeCase_ = false;
    bool lineToolTips_ = false;
    bool settingText_ = false;
    // A change was announced and Change is still to be raised.
    bool changePending_ = false;
    // The line count that the line-number margin was last sized for.
    int marginLines_ = 0;
    // The text's length in UTF-16 code units, and an insertion announced but not counted yet.
    long textLength_ = 0;
    struct {
        long position = 0;
        long length = 0;
    } pendingInsert_;
};

} // namespace platform::editor
