#include "platform/editor/Editor.h"

#include "platform/dialogs/MessageBox.h"
#include "platform/editor/EditorControl.h"
#include "platform/editor/EditorSearch.h"
#include "platform/editor/LineStateScan.h"
#include "platform/editor/ScintillaCall.h"
#include "platform/editor/SyntaxLexer.h"
#include "platform/editor/TextPrinting.h"
#include "platform/editor/TextSlices.h"
#include "platform/keys/KeyCodes.h"
#include "platform/text/AnsiCodePage.h"
#include "platform/widgets/ColorNumbers.h"

#include <Qsci/qscicommandset.h>
#include <Qsci/qsciscintilla.h>

#include <QAccessibleWidget>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QScrollBar>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace platform::editor {

namespace {

// The control's own accessibility answers every change and every caret move with a count of the
// characters from the text's start, so a key typed at the end of a large text would cost as much as
// reading all of it. The editor is described as a plain editable widget instead. Qt asks the factories
// in the order they were installed, and this one goes in before the control's first instance.
QAccessibleInterface *PlainAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("QsciScintilla") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::EditableText);
    return nullptr;
}

using Base = QsciScintillaBase;

constexpr int BookmarkMarker = 1;
constexpr int NumberMargin = 0;
constexpr int BookmarkMargin = 1;
constexpr int BookmarkMarginWidth = 16;

// The foreground colour index of each token kind; its background follows it.
constexpr int foregroundOf[TokenKindCount] = {
    ColorText,   ColorNumber,  ColorKeyword,   ColorOperator,       ColorScopeKeyword,     ColorComment,
    ColorString, ColorTagText, ColorTagEntity, ColorTagElementName, ColorTagAttributeName, ColorLineNumber,
};

using platform::widgets::ColorOf;

int ButtonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return LeftButton;
    case Qt::RightButton:
        return RightButton;
    case Qt::MiddleButton:
        return MiddleButton;
    default:
        return 0;
    }
}

bool IsWordChar(int c)
{
    return c >= 0x80 || c == '_' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

Editor::Editor(QWidget *parent) : QWidget(parent)
{
    static const bool accessibleInstalled = (QAccessible::installFactory(PlainAccessible), true);
    Q_UNUSED(accessibleInstalled);
    control_ = new EditorControl(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(control_);
    setFocusProxy(control_);

    control_->setUtf8(true);
    // Ctrl+Shift+Z redoes, as Ctrl+Y does.
    QsciCommand *redo = control_->standardCommands()->find(QsciCommand::Redo);
    redo->setAlternateKey((Qt::CTRL | Qt::SHIFT | Qt::Key_Z).toCombined());
    lexer_ = new SyntaxLexer(control_);
    control_->setLexer(lexer_);
    // Only the notices that come before a change are asked for: the control answers every notice of a
    // change made with a count of the characters from the text's start, which would make each key
    // typed at the end of a large text cost as much as reading all of it.
    Sci(control_, Base::SCI_SETMODEVENTMASK,
        static_cast<unsigned long>(Base::SC_MOD_BEFOREINSERT | Base::SC_MOD_BEFOREDELETE));
    Sci(control_, Base::SCI_SETEOLMODE, Base::SC_EOL_LF);
    for (unsigned long margin = 0; margin < 5; ++margin)
        Sci(control_, Base::SCI_SETMARGINWIDTHN, margin, 0);
    Sci(control_, Base::SCI_SETMARGINTYPEN, NumberMargin, Base::SC_MARGIN_NUMBER);
    Sci(control_, Base::SCI_SETMARGINTYPEN, BookmarkMargin, Base::SC_MARGIN_COLOUR);
    Sci(control_, Base::SCI_SETMARGINMASKN, NumberMargin, 0);
    Sci(control_, Base::SCI_SETMARGINMASKN, BookmarkMargin, 1 << BookmarkMarker);

    font_ = QFont(QStringLiteral("Courier New"), 10);
    for (int index = ColorText; index <= ColorLineNumberBk; ++index)
        colors_[index] = (index - ColorText) % 2 == 1 ? 0xFFFFFF : 0;
    colors_[ColorWindow] = 0xFFFFFF;
    colors_[ColorLeftMargin] = 0xE0E0E0;
    colors_[ColorBookmarkBk] = 0xFFFF00;
    colors_[ColorHDividerLines] = 0x808080;
    colors_[ColorVDividerLines] = 0x808080;
    ApplyStyles();
    UpdateMargins();
    SetLanguage(QString());

    search_ = new EditorSearch(*this, *control_);

    control_->installEventFilter(this);
    control_->viewport()->installEventFilter(this);
    connect(control_, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char *, int length, int, int, int, int, int, int) {
                OnModified(position, type, length);
            });
    connect(control_, &QsciScintillaBase::SCN_CHARADDED, this, [this](int added) { NormalizeCase(added); });
    connect(control_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int firstLine) {
        if (lineToolTips_ && control_->verticalScrollBar()->isSliderDown())
            QToolTip::showText(QCursor::pos(), QStringLiteral("Строка %1").arg(firstLine + lineNumberStart_), this);
    });
}

Editor::~Editor()
{
    delete search_;
}

QsciScintilla *Editor::Control() const
{
    return control_;
}

QString Editor::Bytes(long from, long to) const
{
    if (to <= from)
        return {};
    const auto *bytes = reinterpret_cast<const char *>(
        Sci(control_, Base::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), to - from));
    return QString::fromUtf8(bytes, to - from);
}

QString Editor::Text() const
{
    const long length = Sci(control_, Base::SCI_GETLENGTH);
    const auto *bytes = static_cast<const char *>(control_->SendScintillaPtrResult(Base::SCI_GETCHARACTERPOINTER));
    return QString::fromUtf8(bytes, length);
}

void Editor::ReadAnsi(const std::function<void(QByteArrayView)> &take) const
{
    // A megabyte of the control's UTF-8 at a time, cut where a character begins.
    constexpr long slice = 1 << 20;
    const long length = Sci(control_, Base::SCI_GETLENGTH);
    QByteArray ansi;
    for (long at = 0; at < length;) {
        const long size = std::min(slice, length - at);
        const bool last = at + size == length;
        // One byte more than the slice, where a character may begin. The range pointer moves the
        // control's gap out of the way at most once, on the slice that reaches over it; the slices after
        // it lie behind the gap.
        const auto *bytes = reinterpret_cast<const char *>(
            Sci(control_, Base::SCI_GETRANGEPOINTER, static_cast<unsigned long>(at), last ? size : size + 1));
        long end = size;
        if (!last)
            while (end > 1 && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80)
                --end;
        text::Utf8ToAnsi(QByteArrayView(bytes, end), ansi);
        take(ansi);
        at += end;
    }
}

void Editor::SetText(const QString &text)
{
    const QByteArray bytes = text::StringToAnsi(text);
    BeginText(text::AnsiUtf8Length(bytes));
    // A megabyte at a time, so that the text's UTF-8 is never held whole beside the control's.
    constexpr qsizetype slice = 1 << 20;
    QByteArray utf8;
    for (qsizetype at = 0; at < bytes.size(); at += slice) {
        const QByteArrayView part = QByteArrayView(bytes).sliced(at, std::min(slice, bytes.size() - at));
        text::AnsiToUtf8(part, utf8);
        AppendUtf8(utf8, part.size());
    }
    EndText();
    lexer_->TextSet({});
}

bool Editor::ReadText(qsizetype utf8Bytes, const std::function<bool(const SliceSink &)> &produce)
{
    // Slices of a quarter megabyte of characters: few hand-overs, and little held beside the control.
    constexpr qsizetype sliceCharacters = 1 << 18;
    // The control takes each slice in on this thread; the lexer follows on threads of its own.
    constexpr int Scanners = 2;
    enum Taker { Control, Lexer };
    TextSlices slices(8, 1 + Scanners);
    LineStateScan::Pieces pieces(*lexer_);
    bool produced = false;
    std::vector<LineStates::Block> scanned;
    SliceThreads threads(slices);
    // Ends `produce` once the slices are stopped.
    struct Stopped {};
    threads.Run([&] {
        BeginText(utf8Bytes);
        threads.Start([&] {
            TextSlices::Slice *slice = nullptr;
            produced = produce([&](QByteArrayView bytes) {
                for (qsizetype at = 0; at < bytes.size();) {
                    if (!slice && !(slice = slices.Free()))
                        throw Stopped();
                    const qsizetype part = std::min(bytes.size() - at, sliceCharacters - slice->characters);
                    text::AppendAnsiUtf8(bytes.sliced(at, part), slice->utf8);
                    slice->characters += part; // one character for each byte
                    at += part;
                    if (slice->characters == sliceCharacters) {
                        slices.Filled();
                        slice = nullptr;
                    }
                }
            });
            if (slice)
                slices.Filled();
            slices.Close();
        });
        // Each slice is scanned apart, by one of the lexer's threads in turn.
        for (int scanner = 0; scanner < Scanners; ++scanner) {
            threads.Start([&, scanner] {
                for (size_t index = 0; const TextSlices::Slice *slice = slices.Next(Lexer + scanner); ++index) {
                    if (index % Scanners == static_cast<size_t>(scanner))
                        pieces.Scan(index, slice->utf8.constData(), slice->utf8.size());
                    slices.Done(Lexer + scanner);
                }
            });
        }
        while (const TextSlices::Slice *slice = slices.Next(Control)) {
            AppendUtf8(slice->utf8, slice->characters);
            slices.Done(Control);
        }
    });
    const bool read = threads.Join() && produced;
    // The lines that go on from one slice into the next are lexed from the control's own text: appended
    // slice by slice, it lies whole before the control's gap, so asking for it whole moves nothing.
    if (read)
        threads.Run([&] {
            scanned = pieces.Join(reinterpret_cast<const char *>(Sci(control_, Base::SCI_GETCHARACTERPOINTER)),
                                  Sci(control_, Base::SCI_GETLENGTH));
        });
    EndText();
    lexer_->TextSet(std::move(scanned));
    return read;
}

void Editor::BeginText(qsizetype utf8Bytes)
{
    settingText_ = true;
    Sci(control_, Base::SCI_SETUNDOCOLLECTION, 0);
    Sci(control_, Base::SCI_CLEARALL);
    // Room for the whole text at once: growing step by step would copy a large text again and again.
    AllocateWithRoom(utf8Bytes);
    textLength_ = 0;
    pendingInsert_ = {};
}

void Editor::AppendUtf8(const QByteArray &utf8, qsizetype characters)
{
    // The length is passed, so that a NUL character does not end the text.
    control_->SendScintilla(Base::SCI_APPENDTEXT, static_cast<uintptr_t>(utf8.size()), utf8.constData());
    textLength_ += characters;
}

void Editor::EndText()
{
    Sci(control_, Base::SCI_SETUNDOCOLLECTION, 1);
    Sci(control_, Base::SCI_EMPTYUNDOBUFFER);
    Sci(control_, Base::SCI_SETSAVEPOINT);
    Sci(control_, Base::SCI_MARKERDELETEALL, BookmarkMarker);
    Sci(control_, Base::SCI_GOTOPOS, 0);
    settingText_ = false;

    // New lines are typed with the line end that the text's first line ends with.
    int eolMode = Base::SC_EOL_LF;
    if (LineCount() > 1) {
        const long end = Sci(control_, Base::SCI_GETLINEENDPOSITION, 0);
        if (Sci(control_, Base::SCI_GETCHARAT, static_cast<unsigned long>(end)) == '\r')
            eolMode = Sci(control_, Base::SCI_GETCHARAT, static_cast<unsigned long>(end + 1)) == '\n' ? Base::SC_EOL_CRLF
                                                                                                   : Base::SC_EOL_CR;
    }
    Sci(control_, Base::SCI_SETEOLMODE, static_cast<unsigned long>(eolMode));
    if (lineNumbering_)
        UpdateMargins();
}

int Editor::TextLength() const
{
    const long pending = pendingInsert_.length > 0 ? CodeUnits(pendingInsert_.position, pendingInsert_.length) : 0;
    return static_cast<int>(textLength_ + pending);
}

long Editor::CodeUnits(long position, long length) const
{
    if (length <= 0)
        return 0;
    // The control's own count steps character by character, which costs seconds on a whole large text.
    // Every byte but a continuation byte starts a character; a four-byte one takes two code units.
    const auto *bytes = reinterpret_cast<const unsigned char *>(
        Sci(control_, Base::SCI_GETRANGEPOINTER, static_cast<unsigned long>(position), length));
    // Eight bytes at a time: the high bit of each byte marks a continuation byte (10xxxxxx) or a four-byte
    // lead (11110xxx); the rest one byte at a time.
    constexpr std::uint64_t high = 0x8080808080808080ULL;
    long units = length;
    long at = 0;
    for (; at + 8 <= length; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + at, sizeof word);
        units -= std::popcount(word & ~(word << 1) & high);
        units += std::popcount(word & (word << 1) & (word << 2) & (word << 3) & high);
    }
    for (; at < length; ++at) {
        if ((bytes[at] & 0xC0) == 0x80)
            --units;
        else if (bytes[at] >= 0xF0)
            ++units;
    }
    return units;
}

void Editor::CountPendingInsert()
{
    if (pendingInsert_.length > 0)
        textLength_ += CodeUnits(pendingInsert_.position, pendingInsert_.length);
    pendingInsert_ = {};
}

void Editor::OnModified(long position, int type, long length)
{
    // A text that is set anew is the lexer's at its end.
    if (settingText_)
        return;
    lexer_->ChangeAt(position, type & Base::SC_MOD_BEFOREDELETE ? length : 0);
    // The text's length follows every change. An insertion is counted once its text is in place: at the
    // next notice, or when Change is raised.
    CountPendingInsert();
    if (type & Base::SC_MOD_BEFOREDELETE)
        textLength_ -= CodeUnits(position, length);
    if (type & Base::SC_MOD_BEFOREINSERT)
        pendingInsert_ = {position, length};
    // The change itself happens after this notice: Change is raised once it is done, at the end of the
    // editing call that made it or, for the user's own edits, when the event loop comes back.
    if (!changePending_) {
        changePending_ = true;
        QMetaObject::invokeMethod(this, &Editor::FlushChange, Qt::QueuedConnection);
    }
}

void Editor::FlushChange()
{
    CountPendingInsert();
    if (!changePending_)
        return;
    changePending_ = false;
    if (lineNumbering_ && LineCount() != marginLines_)
        UpdateMargins();
    emit Change();
}

QFont Editor::Font() const
{
    return font_;
}

void Editor::SetFont(const QFont &font)
{
    font_ = font;
    ApplyStyles();
    UpdateMargins();
}

void Editor::ApplyStyles()
{
    const QByteArray family = font_.family().toUtf8();
    const auto size = static_cast<long>(std::lround(font_.pointSizeF() * 100));
    const int window = colors_[ColorWindow];
    const auto background = [&](int index) { return colors_[index] < 0 ? window : colors_[index]; };
    const auto style = [&](int number, int kind) {
        const auto n = static_cast<unsigned long>(number);
        control_->SendScintilla(Base::SCI_STYLESETFONT, static_cast<uintptr_t>(n), family.constData());
        Sci(control_, Base::SCI_STYLESETSIZEFRACTIONAL, n, size);
        control_->SendScintilla(Base::SCI_STYLESETFORE, n, ColorOf(colors_[foregroundOf[kind]]));
        control_->SendScintilla(Base::SCI_STYLESETBACK, n, ColorOf(background(foregroundOf[kind] + 1)));
        const int flags = fontStyles_[kind];
        Sci(control_, Base::SCI_STYLESETBOLD, n, font_.bold() || (flags & FontStyleBold));
        Sci(control_, Base::SCI_STYLESETITALIC, n, font_.italic() || (flags & FontStyleItalic));
        Sci(control_, Base::SCI_STYLESETUNDERLINE, n, font_.underline() || (flags & FontStyleUnderline));
    };
    style(Base::STYLE_DEFAULT, TokenText);
    control_->SendScintilla(Base::SCI_STYLESETBACK, static_cast<unsigned long>(Base::STYLE_DEFAULT), ColorOf(window));
    Sci(control_, Base::SCI_STYLECLEARALL);
    for (int kind = 0; kind < TokenLineNumber; ++kind)
        style(kind, kind);
    style(Base::STYLE_LINENUMBER, TokenLineNumber);
    control_->SendScintilla(Base::SCI_SETMARGINBACKN, static_cast<unsigned long>(BookmarkMargin),
                            ColorOf(colors_[ColorLeftMargin]));
    control_->SendScintilla(Base::SCI_MARKERSETFORE, static_cast<unsigned long>(BookmarkMarker),
                            ColorOf(colors_[ColorBookmark]));
    control_->SendScintilla(Base::SCI_MARKERSETBACK, static_cast<unsigned long>(BookmarkMarker),
                            ColorOf(colors_[ColorBookmarkBk]));
    control_->SendScintilla(Base::SCI_SETCARETFORE, static_cast<unsigned long>(0), ColorOf(colors_[ColorText]));
}

void Editor::UpdateMargins()
{
    marginLines_ = LineCount();
    if (lineNumbering_) {
        const QByteArray widest =
            "_" + QByteArray::number(static_cast<qlonglong>(LineCount()) + std::max(lineNumberStart_, 1));
        const long width = control_->SendScintilla(Base::SCI_TEXTWIDTH,
                                                   static_cast<uintptr_t>(Base::STYLE_LINENUMBER), widest.constData());
        Sci(control_, Base::SCI_SETMARGINWIDTHN, NumberMargin, width + 4);
    } else {
        Sci(control_, Base::SCI_SETMARGINWIDTHN, NumberMargin, 0);
    }
    Sci(control_, Base::SCI_SETMARGINWIDTHN, BookmarkMargin, displayLeftMargin_ ? BookmarkMarginWidth : 0);
    // Without the margin a bookmark shows as its line's background.
    Sci(control_, Base::SCI_MARKERDEFINE, BookmarkMarker,
        displayLeftMargin_ ? Base::SC_MARK_BOOKMARK : Base::SC_MARK_BACKGROUND);
}

void Editor::Restyle()
{
    Sci(control_, Base::SCI_STARTSTYLING, 0, 0);
    control_->viewport()->update();
}

void Editor::SetColorSyntax(bool on)
{
    lexer_->SetColorSyntax(on);
    Restyle();
}

void Editor::SetDisplayWhitespace(bool on)
{
    Sci(control_, Base::SCI_SETVIEWWS, static_cast<unsigned long>(on ? Base::SCWS_VISIBLEALWAYS : Base::SCWS_INVISIBLE));
}

bool Editor::DisplayWhitespace() const
{
    return Sci(control_, Base::SCI_GETVIEWWS) != Base::SCWS_INVISIBLE;
}

void Editor::SetExpandTabs(bool on)
{
    Sci(control_, Base::SCI_SETUSETABS, !on);
}

void Editor::SetLineToolTips(bool on)
{
    lineToolTips_ = on;
}

void Editor::SetDisplayLeftMargin(bool on)
{
    displayLeftMargin_ = on;
    UpdateMargins();
}

void Editor::SetSelBounds(bool on)
{
    Sci(control_, Base::SCI_SETVIRTUALSPACEOPTIONS,
        static_cast<unsigned long>(on ? Base::SCVS_NONE : Base::SCVS_USERACCESSIBLE | Base::SCVS_RECTANGULARSELECTION));
}

void Editor::SetLineNumbering(bool on)
{
    lineNumbering_ = on;
    UpdateMargins();
}

bool Editor::LineNumbering() const
{
    return lineNumbering_;
}

void Editor::SetLineNumberStart(int start)
{
    lineNumberStart_ = start;
    UpdateMargins();
}

void Editor::SetNormalizeCase(bool on)
{
    normalizeCase_ = on;
}

void Editor::NormalizeCase(int added)
{
    if (!normalizeCase_ || lexer_->CaseSensitive() || IsWordChar(added))
        return;
    const long caret = Sci(control_, Base::SCI_GETCURRENTPOS);
    long wordEnd = caret - 1;
    if (added == '\n' || added == '\r') {
        const long line = Sci(control_, Base::SCI_LINEFROMPOSITION, static_cast<unsigned long>(caret));
        if (line < 1)
            return;
        wordEnd = Sci(control_, Base::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line - 1));
    }
    const long wordStart = Sci(control_, Base::SCI_WORDSTARTPOSITION, static_cast<unsigned long>(wordEnd), 1);
    if (wordStart >= wordEnd)
        return;
    const auto *bytes = reinterpret_cast<const char *>(
        Sci(control_, Base::SCI_GETRANGEPOINTER, static_cast<unsigned long>(wordStart), wordEnd - wordStart));
    const QByteArray word(bytes, wordEnd - wordStart);
    const QByteArray spelling = lexer_->KeywordSpelling(word);
    if (spelling.isEmpty() || spelling.size() != word.size())
        return;
    Sci(control_, Base::SCI_SETTARGETSTART, static_cast<unsigned long>(wordStart));
    Sci(control_, Base::SCI_SETTARGETEND, static_cast<unsigned long>(wordEnd));
    control_->SendScintilla(Base::SCI_REPLACETARGET, static_cast<uintptr_t>(spelling.size()), spelling.constData());
}

void Editor::SetLanguage(const QString &name)
{
    language_ = name;
    LanguageDefinition definition;
    FindLanguageDefinition(name, definition);
    lexer_->SetDefinition(definition);
    Restyle();
}

QString Editor::Language() const
{
    return language_;
}

void Editor::SetTabSize(int size)
{
    if (size > 0)
        Sci(control_, Base::SCI_SETTABWIDTH, static_cast<unsigned long>(size));
}

void Editor::SetAutoIndentMode(int mode)
{
    control_->setAutoIndent(mode != 0);
}

QString Editor::LineEnd() const
{
    switch (Sci(control_, Base::SCI_GETEOLMODE)) {
    case Base::SC_EOL_CRLF:
        return QStringLiteral("\r\n");
    case Base::SC_EOL_CR:
        return QStringLiteral("\r");
    default:
        return QStringLiteral("\n");
    }
}

int Editor::LineCount() const
{
    return static_cast<int>(Sci(control_, Base::SCI_GETLINECOUNT));
}

QString Editor::GetLine(int line) const
{
    if (line < 0 || line >= LineCount())
        return {};
    return Bytes(Sci(control_, Base::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line)),
                 Sci(control_, Base::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line)));
}

int Editor::GetLineLength(int line) const
{
    if (line < 0 || line >= LineCount())
        return 0;
    const long start = Sci(control_, Base::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long end = Sci(control_, Base::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
    return static_cast<int>(CodeUnits(start, end - start));
}

long Editor::PositionOf(int line, int column) const
{
    line = std::clamp(line, 0, LineCount() - 1);
    const long start = Sci(control_, Base::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long end = Sci(control_, Base::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
    if (column <= 0)
        return start;
    const long position =
        Sci(control_, Base::SCI_POSITIONRELATIVECODEUNITS, static_cast<unsigned long>(start), column);
    return position <= start || position > end ? end : position;
}

void Editor::LineColumnOf(long position, int &line, int &column) const
{
    line = static_cast<int>(Sci(control_, Base::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position)));
    const long start = Sci(control_, Base::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    column = static_cast<int>(CodeUnits(start, position - start));
}

Range Editor::GetSel(bool normalized) const
{
    long anchor = Sci(control_, Base::SCI_GETANCHOR);
    long caret = Sci(control_, Base::SCI_GETCURRENTPOS);
    if (normalized && anchor > caret)
        std::swap(anchor, caret);
    Range range;
    LineColumnOf(anchor, range.StartLine, range.StartCol);
    LineColumnOf(caret, range.EndLine, range.EndCol);
    return range;
}

void Editor::SetSel(const Range &range, bool makeVisible)
{
    const long anchor = PositionOf(range.StartLine, range.StartCol);
    const long caret = PositionOf(range.EndLine, range.EndCol);
    Sci(control_, Base::SCI_SETSELECTION, static_cast<unsigned long>(caret), anchor);
    if (makeVisible)
        Sci(control_, Base::SCI_SCROLLCARET);
}

QString Editor::SelText() const
{
    return Bytes(Sci(control_, Base::SCI_GETSELECTIONSTART), Sci(control_, Base::SCI_GETSELECTIONEND));
}

void Editor::SetSelText(const QString &text)
{
    const EditCall call{*this};
    const QByteArray bytes = text::AnsiOnly(text).toUtf8();
    const long start = Sci(control_, Base::SCI_GETSELECTIONSTART);
    const bool wholeText = start == 0 && Sci(control_, Base::SCI_GETSELECTIONEND) == Sci(control_, Base::SCI_GETLENGTH);
    Sci(control_, Base::SCI_BEGINUNDOACTION);
    Sci(control_, Base::SCI_TARGETFROMSELECTION);
    control_->SendScintilla(Base::SCI_REPLACETARGET, static_cast<uintptr_t>(bytes.size()), bytes.constData());
    Sci(control_, Base::SCI_ENDUNDOACTION);
    Sci(control_, Base::SCI_SETSEL, static_cast<unsigned long>(start), start + bytes.size());
    // The control starts its buffer afresh when the whole text goes, and fills it to the last byte with the
    // new text.
    if (wholeText)
        AllocateWithRoom(bytes.size());
}

void Editor::AllocateWithRoom(qsizetype utf8Bytes)
{
    constexpr qsizetype room = 1 << 20;
    Sci(control_, Base::SCI_ALLOCATE, static_cast<unsigned long>(utf8Bytes + std::min(utf8Bytes, room) + 1));
}

int Editor::SelLength() const
{
    const long start = Sci(control_, Base::SCI_GETSELECTIONSTART);
    return static_cast<int>(CodeUnits(start, Sci(control_, Base::SCI_GETSELECTIONEND) - start));
}

bool Editor::HasSelection() const
{
    return Sci(control_, Base::SCI_GETSELECTIONSTART) != Sci(control_, Base::SCI_GETSELECTIONEND);
}

void Editor::DeleteSel()
{
    const EditCall call{*this};
    if (HasSelection())
        control_->SendScintilla(Base::SCI_REPLACESEL, static_cast<uintptr_t>(0), "");
}

void Editor::SetCaretPos(int line, int column)
{
    Sci(control_, Base::SCI_GOTOPOS, static_cast<unsigned long>(PositionOf(line, column)));
}

void Editor::SetColor(int index, int color)
{
    if (index < 0 || index >= ColorIndexCount)
        return;
    colors_[index] = color;
    ApplyStyles();
}

void Editor::SetFontStyle(int index, int style)
{
    if (index < 0 || index >= TokenKindCount)
        return;
    fontStyles_[index] = style;
    ApplyStyles();
}

int Editor::StyleAt(int line, int column)
{
    const long position = PositionOf(line, column);
    const long styled = Sci(control_, Base::SCI_GETENDSTYLED);
    if (styled <= position)
        Sci(control_, Base::SCI_COLOURISE, static_cast<unsigned long>(styled), position + 1);
    return static_cast<int>(Sci(control_, Base::SCI_GETSTYLEAT, static_cast<unsigned long>(position)));
}

void Editor::ExecuteCmd(int command, int)
{
    const EditCall call{*this};
    static constexpr struct {
        int command;
        unsigned int message;
    } moves[] = {
        {CmdWordRightExtend, Base::SCI_WORDRIGHTEXTEND},
        {CmdWordRight, Base::SCI_WORDRIGHT},
        {CmdWordLeftExtend, Base::SCI_WORDLEFTEXTEND},
        {CmdWordLeft, Base::SCI_WORDLEFT},
        {CmdDocumentStartExtend, Base::SCI_DOCUMENTSTARTEXTEND},
        {CmdDocumentStart, Base::SCI_DOCUMENTSTART},
        {CmdDocumentEndExtend, Base::SCI_DOCUMENTENDEXTEND},
        {CmdDocumentEnd, Base::SCI_DOCUMENTEND},
    };
    for (const auto &move : moves) {
        if (move.command == command) {
            Sci(control_, move.message);
            return;
        }
    }
    switch (command) {
    case CmdFind:
        search_->Find();
        break;
    case CmdFindNext:
        search_->FindNext();
        break;
    case CmdReplace:
        search_->Replace();
        break;
    case CmdGotoLine:
        search_->GotoLine();
        break;
    case CmdBookmarkNext:
    case CmdBookmarkPrev: {
        const bool next = command == CmdBookmarkNext;
        const long caretLine = Sci(control_, Base::SCI_LINEFROMPOSITION,
                                   static_cast<unsigned long>(Sci(control_, Base::SCI_GETCURRENTPOS)));
        const unsigned int message = next ? Base::SCI_MARKERNEXT : Base::SCI_MARKERPREVIOUS;
        long line = Sci(control_, message, static_cast<unsigned long>(next ? caretLine + 1 : caretLine - 1),
                        1 << BookmarkMarker);
        // Past the last (or first) bookmark the search goes round.
        if (line < 0)
            line = Sci(control_, message, static_cast<unsigned long>(next ? 0 : LineCount() - 1), 1 << BookmarkMarker);
        if (line >= 0)
            SetCaretPos(static_cast<int>(line), 0);
        break;
    }
    default:
        break;
    }
}

bool Editor::CanUndo() const
{
    return Sci(control_, Base::SCI_CANUNDO) != 0;
}

bool Editor::CanRedo() const
{
    return Sci(control_, Base::SCI_CANREDO) != 0;
}

bool Editor::CanCut() const
{
    return CanCopy() && !Sci(control_, Base::SCI_GETREADONLY);
}

bool Editor::CanCopy() const
{
    return Sci(control_, Base::SCI_GETSELECTIONSTART) != Sci(control_, Base::SCI_GETSELECTIONEND);
}

bool Editor::CanPaste() const
{
    return Sci(control_, Base::SCI_CANPASTE) != 0;
}

void Editor::Undo()
{
    const EditCall call{*this};
    Sci(control_, Base::SCI_UNDO);
}

void Editor::Redo()
{
    const EditCall call{*this};
    Sci(control_, Base::SCI_REDO);
}

void Editor::Cut()
{
    const EditCall call{*this};
    Sci(control_, Base::SCI_CUT);
}

void Editor::Copy()
{
    Sci(control_, Base::SCI_COPY);
}

void Editor::Paste()
{
    const EditCall call{*this};
    Sci(control_, Base::SCI_PASTE);
}

void Editor::ClearUndo()
{
    Sci(control_, Base::SCI_EMPTYUNDOBUFFER);
}

void Editor::SetBookmark(int line, bool on)
{
    if (line < 0 || line >= LineCount())
        return;
    if (on && !GetBookmark(line))
        Sci(control_, Base::SCI_MARKERADD, static_cast<unsigned long>(line), BookmarkMarker);
    else if (!on)
        Sci(control_, Base::SCI_MARKERDELETE, static_cast<unsigned long>(line), BookmarkMarker);
}

bool Editor::GetBookmark(int line) const
{
    if (line < 0 || line >= LineCount())
        return false;
    return (Sci(control_, Base::SCI_MARKERGET, static_cast<unsigned long>(line)) & (1 << BookmarkMarker)) != 0;
}

void Editor::SetAllBookmarks(const QList<int> &lines)
{
    Sci(control_, Base::SCI_MARKERDELETEALL, BookmarkMarker);
    for (const int line : lines)
        SetBookmark(line, true);
}

QList<int> Editor::GetAllBookmarks() const
{
    QList<int> lines;
    long line = Sci(control_, Base::SCI_MARKERNEXT, 0, 1 << BookmarkMarker);
    while (line >= 0) {
        lines.append(static_cast<int>(line));
        line = Sci(control_, Base::SCI_MARKERNEXT, static_cast<unsigned long>(line + 1), 1 << BookmarkMarker);
    }
    return lines;
}

bool Editor::PrintContents(QPrinter &printer, int flags, int pointSize)
{
    if (flags == 0) {
        QPrintDialog dialog(&printer, this);
        if (dialogs::ShowModal(dialog) != QDialog::Accepted)
            return false;
    }
    const int magnification = pointSize > 0 ? pointSize - static_cast<int>(std::lround(font_.pointSizeF())) : 0;
    // The control itself leaves the bookmarks, their margin and the selection off the paper, but would
    // print the whitespace marks, which are for the screen only.
    const long whitespace = Sci(control_, Base::SCI_GETVIEWWS);
    Sci(control_, Base::SCI_SETVIEWWS, Base::SCWS_INVISIBLE);
    const bool printed = PrintPages(*control_, printer, magnification);
    Sci(control_, Base::SCI_SETVIEWWS, static_cast<unsigned long>(whitespace));
    return printed;
}

bool Editor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == control_) {
        switch (event->type()) {
        case QEvent::ShortcutOverride: {
            // Ctrl, Alt and function keys belong to the window's shortcuts first; a key that no
            // shortcut takes still reaches the editor as a key press.
            auto *key = static_cast<QKeyEvent *>(event);
            if ((key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) ||
                (key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F35)) {
                key->ignore();
                return true;
            }
            break;
        }
        case QEvent::KeyPress: {
            auto *key = static_cast<QKeyEvent *>(event);
            bool cancel = false;
            emit KeyDown(keys::VirtualKeyCode(*key), keys::ShiftStateOf(key->modifiers()), cancel);
            if (cancel)
                return true;
            break;
        }
        case QEvent::KeyRelease: {
            auto *key = static_cast<QKeyEvent *>(event);
            emit KeyUp(keys::VirtualKeyCode(*key), keys::ShiftStateOf(key->modifiers()));
            break;
        }
        default:
            break;
        }
    } else if (watched == control_->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            bool cancel = false;
            const QPoint at = mouse->position().toPoint();
            const int button = ButtonCode(mouse->button());
            const int shift = keys::ShiftStateOf(mouse->modifiers());
            if (event->type() == QEvent::MouseButtonPress)
                emit MouseDown(button, shift, at.x(), at.y(), cancel);
            else
                emit MouseUp(button, shift, at.x(), at.y(), cancel);
            if (cancel)
                return true;
            break;
        }
        case QEvent::ContextMenu: {
            bool cancel = false;
            emit RClick(cancel);
            return true;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace platform::editor
