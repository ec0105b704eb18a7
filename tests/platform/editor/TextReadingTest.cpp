#include "platform/editor/Editor.h"
#include "platform/text/AnsiCodePage.h"
#include "tests/CaseNames.h"
#include "tests/ProcessStatus.h"
#include "tests/platform/editor/HtmlLanguage.h"

#include <QCoreApplication>
#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

#include <new>
#include <sys/resource.h>

using platform::editor::Editor;
using Base = QsciScintillaBase;

namespace {

// Cyrillic markup in lines of `shortest` to `longest` characters, cut anywhere, so that lines end inside
// tags and strings too; `size` bytes of the code page or a line more.
QByteArray Page(qsizetype size, qsizetype shortest, qsizetype longest)
{
    const QByteArray markup = platform::text::StringToAnsi(
        QStringLiteral("<p class=\"текст\">Съешь же ещё этих мягких булок &amp; <b>чаю</b></p><!-- к --> "));
    QByteArray page;
    for (qsizetype line = 0; page.size() < size; ++line) {
        const qsizetype length = shortest + (line * 7919) % (longest - shortest + 1);
        const qsizetype start = page.size();
        while (page.size() - start < length)
            page += QByteArrayView(markup).first(std::min(markup.size(), length - (page.size() - start)));
        page += line % 3 ? "\n" : "\r\n";
    }
    return page;
}

// Hands `bytes` to the sink in slices of 32 KB, as the open reads a file. Once `failAt` bytes are handed
// over it throws std::bad_alloc, as running out of memory does; never when it is negative.
bool Produce(const Editor::SliceSink &sink, const QByteArray &bytes, qsizetype failAt = -1)
{
    constexpr qsizetype slice = 32 * 1024;
    for (qsizetype at = 0; at < bytes.size(); at += slice) {
        if (failAt >= 0 && at >= failAt)
            throw std::bad_alloc();
        sink(QByteArrayView(bytes).sliced(at, std::min(slice, bytes.size() - at)));
    }
    return true;
}

bool Read(Editor &editor, const QByteArray &bytes, qsizetype failAt = -1)
{
    return editor.ReadText(platform::text::AnsiUtf8Length(bytes),
                           [&](const Editor::SliceSink &sink) { return Produce(sink, bytes, failAt); });
}

// The editor holds `bytes` as its text, and colours the start of each of its last lines as an editor
// colours the text from its start.
void ExpectHeld(Editor &editor, const QByteArray &bytes)
{
    ASSERT_EQ(editor.Text(), platform::text::AnsiToString(bytes));
    Editor reference;
    reference.SetLanguage(QStringLiteral("ReadHTML"));
    reference.SetText(platform::text::AnsiToString(bytes));
    reference.Control()->SendScintilla(Base::SCI_COLOURISE, 0UL, -1L);
    ASSERT_EQ(editor.LineCount(), reference.LineCount());
    for (int line = std::max(0, editor.LineCount() - 6); line < editor.LineCount(); ++line)
        for (const int column : {0, 1, 7})
            EXPECT_EQ(editor.StyleAt(line, column), reference.StyleAt(line, column)) << line << ":" << column;
}

class TextReading : public testing::Test {
protected:
    static void SetUpTestSuite() { platform::editor::DefineLanguage(QStringLiteral("ReadHTML"), HtmlLanguage()); }
    static void TearDownTestSuite() { platform::editor::UndefineLanguage(QStringLiteral("ReadHTML")); }
    void SetUp() override { editor.SetLanguage(QStringLiteral("ReadHTML")); }

    Editor editor;
};

TEST_F(TextReading, APageOfLinesLongerThanASliceComesInWholeAndKnowsItsLines)
{
    // Minified markup: lines of 230 000 to 255 000 characters, each over slices of a quarter megabyte.
    const QByteArray page = Page(6 << 20, 230000, 255000);
    ASSERT_TRUE(Read(editor, page));
    ExpectHeld(editor, page);
}

struct Failure {
    const char *name;
    // Bytes handed over before `produce` throws.
    qsizetype failAt;
};

void PrintTo(const Failure &failure, std::ostream *out)
{
    casenames::Print(out, failure.name);
}

const Failure failures[] = {
    {"BeforeAnyByte", 0},
    {"InTheFirstSlice", 100 * 1024},
    // More slices than go round between the threads: the reader has waited for the others.
    {"AfterManySlices", 12 << 20},
};

class ReadFailure : public TextReading, public testing::WithParamInterface<Failure> {};

TEST_P(ReadFailure, IsAFailedReadWithEveryThreadEndedAndTheEditorReadsAgain)
{
    const QByteArray page = Page(16 << 20, 40, 120);
    EXPECT_FALSE(Read(editor, page, GetParam().failAt));
    const QByteArray next = Page(1 << 20, 40, 120) + "<!-- the end";
    ASSERT_TRUE(Read(editor, next));
    ExpectHeld(editor, next);
}

INSTANTIATE_TEST_SUITE_P(Produce, ReadFailure, testing::ValuesIn(failures), casenames::Named(&Failure::name));

// Lowers the address space this process may take to what it holds now and `room` more, for as long as it
// lives.
class AddressSpaceLimit {
public:
    explicit AddressSpaceLimit(rlim_t room)
    {
        getrlimit(RLIMIT_AS, &old_);
        rlimit limit = old_;
        limit.rlim_cur = rlim_t(StatusBytes(QCoreApplication::applicationPid(), "VmSize:")) + room;
        setrlimit(RLIMIT_AS, &limit);
    }
    ~AddressSpaceLimit() { setrlimit(RLIMIT_AS, &old_); }
    AddressSpaceLimit(const AddressSpaceLimit &) = delete;
    AddressSpaceLimit &operator=(const AddressSpaceLimit &) = delete;

private:
    rlimit old_{};
};

TEST_F(TextReading, WhenMemoryRunsOutTheReadFailsAndTheEditorReadsAgain)
{
#if defined(__SANITIZE_THREAD__) || defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "a sanitizer's shadow memory takes the address space";
#endif
    const QByteArray page = Page(64 << 20, 40, 120);
    // Half the room that the control's text and its styles take, a byte each.
    const auto room = rlim_t(platform::text::AnsiUtf8Length(page));
    bool read = true;
    {
        const AddressSpaceLimit limit(room);
        read = Read(editor, page);
    }
    EXPECT_FALSE(read);
    const QByteArray next = Page(1 << 20, 40, 120) + "<!-- the end";
    ASSERT_TRUE(Read(editor, next));
    ExpectHeld(editor, next);
}

} // namespace
