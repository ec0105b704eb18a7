#include "platform/dialogs/MessageBox.h"
#include "platform/editor/Editor.h"
#include "platform/editor/SearchDialogs.h"
#include "platform/text/AnsiCodePage.h"
#include "tests/CaseNames.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>

using namespace platform::editor;
namespace dialogs = platform::dialogs;

namespace {

// Characters that Windows-1251 has no byte for, between ones it has: CJK, a character of two code units,
// and a Cyrillic letter outside the page. The editor must hold them as the saved file will.
const QString Foreign = QStringLiteral("я日本\U0001F600ӂ.");
const QString Kept = QStringLiteral("я?????.");

struct EntryPath {
    const char *name;
    // Brings `text` into an editor whose text is "<>" with the caret between the two characters.
    std::function<void(Editor &, const QString &)> enter;
};

void PrintTo(const EntryPath &path, std::ostream *out)
{
    casenames::Print(out, path.name);
}

void TypeKeys(Editor &editor, const QString &text)
{
    // One key for each character, as a keyboard sends them.
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype units = text[i].isHighSurrogate() ? 2 : 1;
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, text.mid(i, units));
        QApplication::sendEvent(editor.Control(), &key);
        i += units;
    }
}

void CommitInput(Editor &editor, const QString &text)
{
    // Composition first, as an input method shows it, then the commit that replaces it.
    QInputMethodEvent preedit(text, {QInputMethodEvent::Attribute(QInputMethodEvent::Cursor, text.size(), 1)});
    QApplication::sendEvent(editor.Control(), &preedit);
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(editor.Control(), &commit);
}

void PasteFromClipboard(Editor &editor, const QString &text)
{
    QApplication::clipboard()->setText(text);
    editor.Paste();
}

void DropOnCaret(Editor &editor, const QString &text)
{
    editor.resize(400, 200);
    editor.show();
    QsciScintilla *control = editor.Control();
    QWidget *viewport = control->viewport();
    const long caret = control->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    const auto coordinate = [&](unsigned int message) {
        return static_cast<int>(control->SendScintilla(message, 0UL, caret));
    };
    const QPoint at(coordinate(QsciScintillaBase::SCI_POINTXFROMPOSITION),
                    coordinate(QsciScintillaBase::SCI_POINTYFROMPOSITION) + 2);
    QMimeData data;
    data.setText(text);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
}

void ReplaceAll(Editor &editor, const QString &text)
{
    dialogs::SetDialogHook([&](QDialog &dialog) {
        auto *replace = qobject_cast<ReplaceDialog *>(&dialog);
        if (!replace)
            return int(QDialog::Rejected);
        replace->findEdit->setText(QStringLiteral("|"));
        replace->replaceEdit->setText(text);
        replace->replaceAllButton->click();
        return int(QDialog::Rejected);
    });
    dialogs::SetMessageBoxHook([](const dialogs::MessageBoxCall &) { return dialogs::vbOK; });
    editor.SetSelText(QStringLiteral("|"));
    editor.ExecuteCmd(CmdReplace);
}

const EntryPath entryPaths[] = {
    {"TypedKeys", TypeKeys},
    {"InputMethod", CommitInput},
    {"Paste", PasteFromClipboard},
    {"Drop", DropOnCaret},
    {"SelText", [](Editor &editor, const QString &text) { editor.SetSelText(text); }},
    {"ReplaceAll", ReplaceAll},
};

class TextEntering : public testing::TestWithParam<EntryPath> {
protected:
    void TearDown() override
    {
        dialogs::SetDialogHook(nullptr);
        dialogs::SetMessageBoxHook(nullptr);
    }
    Editor editor;
};

TEST_P(TextEntering, KeepsOnlyWhatTheCodePageHolds)
{
    editor.SetText(QStringLiteral("<>"));
    editor.SetCaretPos(0, 1);
    GetParam().enter(editor, Foreign);
    editor.FlushChange();
    const QString expected = QStringLiteral("<") + Kept + QStringLiteral(">");
    EXPECT_EQ(editor.Text(), expected);
    EXPECT_EQ(platform::text::AnsiToString(platform::text::StringToAnsi(editor.Text())), editor.Text())
        << "what is shown is what is saved";
    EXPECT_EQ(editor.TextLength(), expected.size());
}

TEST_P(TextEntering, LeavesTheCodePagesOwnCharactersAlone)
{
    editor.SetText(QStringLiteral("<>"));
    editor.SetCaretPos(0, 1);
    const QString own = QStringLiteral("Ёжик № 5 — «ё» €");
    GetParam().enter(editor, own);
    EXPECT_EQ(editor.Text(), QStringLiteral("<") + own + QStringLiteral(">"));
}

INSTANTIATE_TEST_SUITE_P(Paths, TextEntering, testing::ValuesIn(entryPaths), casenames::Named(&EntryPath::name));

TEST(TextSetting, TheWholeTextIsHeldAsTheCodePageHoldsIt)
{
    Editor editor;
    editor.SetText(QStringLiteral("<") + Foreign + QStringLiteral(">\r\n"));
    EXPECT_EQ(editor.Text(), QStringLiteral("<") + Kept + QStringLiteral(">\r\n"));
    EXPECT_EQ(editor.TextLength(), editor.Text().size());
}

TEST(TextSetting, SlicesOfBytesComeInAsTheirCharacters)
{
    Editor editor;
    QByteArray bytes;
    for (int b = 1; b < 256; ++b)
        bytes += char(b);
    const bool read = editor.ReadText(platform::text::AnsiUtf8Length(bytes) * 2, [&](const Editor::SliceSink &sink) {
        sink(bytes.left(100));
        sink(bytes.mid(100));
        sink(bytes);
        return true;
    });
    EXPECT_TRUE(read);
    EXPECT_EQ(editor.Text(), platform::text::AnsiToString(bytes + bytes));
    EXPECT_EQ(editor.TextLength(), 2 * bytes.size());
}

} // namespace
