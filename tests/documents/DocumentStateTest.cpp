#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadCodes.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileState.h"
#include "tests/TempFolder.h"
#include "tests/documents/DocumentStatePrinting.h"

#include <QList>

#include <optional>

#include <gtest/gtest.h>

// A document's state, what editing, saving and closing do to its record, and the rounds of Save All and
// Close All: the rules alone, on the document table, without a window.
namespace {

using mdlFile::CloseQuestion;
using mdlFile::DocumentRecord;
using mdlFile::DocumentRecords;
using mdlFile::DocumentState;
using mdlFile::SaveMode;
using platform::files::FileStamp;

TEST(DocumentStateRules, EachStateSaysWhatTheTextIsToItsFileAndWhereAnEditAndACloseTakeIt)
{
    struct Case {
        DocumentState state;
        int picture; // its number: the tab pictures are taken by it
        bool isNew, hasFile, isChanged;
        DocumentState afterChange, afterClose;
    };
    const Case cases[] = {
        {DocumentState::New, 0, true, false, false, DocumentState::NewChanged, DocumentState::New},
        {DocumentState::NewChanged, 1, true, false, true, DocumentState::NewChanged, DocumentState::New},
        {DocumentState::Saved, 2, false, true, false, DocumentState::SavedChanged, DocumentState::Saved},
        {DocumentState::SavedChanged, 3, false, true, true, DocumentState::SavedChanged, DocumentState::Saved},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.state));
        EXPECT_EQ(int(c.state), c.picture);
        EXPECT_EQ(mdlFile::IsNew(c.state), c.isNew);
        EXPECT_EQ(mdlFile::HasFile(c.state), c.hasFile);
        EXPECT_EQ(mdlFile::IsChanged(c.state), c.isChanged);
        EXPECT_EQ(mdlFile::AfterChange(c.state), c.afterChange);
        EXPECT_EQ(mdlFile::AfterClose(c.state), c.afterClose);

        DocumentRecord record;
        record.State = c.state;
        EXPECT_EQ(mdlFile::MarkChanged(record), !c.isChanged) << "only the first edit moves the state";
        EXPECT_EQ(record.State, c.afterChange);
        EXPECT_FALSE(mdlFile::MarkChanged(record)) << "a second edit changes nothing";

        record.State = c.state;
        mdlFile::MarkClosed(record);
        EXPECT_TRUE(record.Closed);
        EXPECT_EQ(record.State, c.afterClose);
    }
}

TEST(DocumentStateRules, ACloseAsksOnlyWhereSomethingWouldBeLost)
{
    struct Case {
        DocumentState state;
        bool hasText;
        CloseQuestion question;
    };
    const Case cases[] = {
        {DocumentState::New, true, CloseQuestion::None},
        {DocumentState::New, false, CloseQuestion::None},
        {DocumentState::NewChanged, true, CloseQuestion::SaveNew},
        {DocumentState::NewChanged, false, CloseQuestion::None},
        {DocumentState::Saved, true, CloseQuestion::None},
        {DocumentState::SavedChanged, true, CloseQuestion::SaveChanges},
        // Emptied on purpose: the file still holds the old text, which the user may want to keep.
        {DocumentState::SavedChanged, false, CloseQuestion::SaveChanges},
    };
    for (const Case &c : cases) {
        DocumentRecord record;
        record.State = c.state;
        EXPECT_EQ(mdlFile::CloseQuestionFor(record, c.hasText), c.question)
            << testing::PrintToString(c.state) << (c.hasText ? " with text" : " empty");
    }
}

// Two code pages, so that index 3 lies outside the table.
class DocumentSaveRules : public testing::Test {
protected:
    void SetUp() override
    {
        mdlLoad::LoadCodes(folder.write("code.ini", "[codes]\r\nA|Page A\r\nB|Page B\r\n[symbols]\r\n0410|C0|E1\r\n"));
        savedCode = mdlLoad::SaveCode;
    }
    void TearDown() override
    {
        mdlLoad::SaveCode = savedCode;
        mdlLoad::LoadCodes(folder.path("none.ini"));
    }

    TempFolder folder;
    int savedCode = 0;
};

TEST_F(DocumentSaveRules, AWriteMakesTheDocumentThatFilesInThePageWritten)
{
    struct Case {
        const char *what;
        DocumentState before;
        int code;
        int fileCode; // afterwards; it was 2
    };
    const Case cases[] = {
        {"a new document in page 1", DocumentState::NewChanged, 1, 1},
        {"a changed one in its own page", DocumentState::SavedChanged, 2, 2},
        {"an unchanged one, written again", DocumentState::Saved, 1, 1},
        {"a page outside the table: written as shown", DocumentState::SavedChanged, 3, 2},
        {"no page picked", DocumentState::New, 0, 2},
    };
    const FileStamp stamp{42, 1'700'000'000'000'000'000};
    for (const Case &c : cases) {
        DocumentRecord record;
        record.Name = QStringLiteral("new1.html");
        record.Path = QStringLiteral("/old/place.html");
        record.State = c.before;
        record.FileCode = 2;
        record.ViewCode = 1;
        mdlFile::MarkSaved(record, QStringLiteral("/site/Страница.html"), c.code, stamp);
        EXPECT_EQ(record.Name, QStringLiteral("Страница.html")) << c.what;
        EXPECT_EQ(record.Path, QStringLiteral("/site/Страница.html")) << c.what;
        EXPECT_EQ(record.State, DocumentState::Saved) << c.what;
        EXPECT_EQ(record.FileCode, c.fileCode) << c.what;
        EXPECT_EQ(record.ViewCode, 1) << c.what << ": the text is shown as before";
        EXPECT_EQ(record.Stamp, stamp) << c.what << ": a later change by another program is told from it";
    }
}

TEST_F(DocumentSaveRules, TheSaveCodeSettingChoosesThePageASaveWritesIn)
{
    DocumentRecord record;
    record.FileCode = 2;
    record.ViewCode = 3;
    const struct {
        int setting, code;
    } cases[] = {{1, 2}, {2, 3}, {3, 1}, {0, 1}, {-1, 1}};
    for (const auto &[setting, code] : cases) {
        mdlLoad::SaveCode = setting;
        EXPECT_EQ(mdlFile::SaveCodePage(record), code) << "save_code " << setting;
    }
}

TEST_F(DocumentSaveRules, OnlySaveAsOrACopyOntoTheOwnFileBindsTheDocument)
{
    DocumentRecord record;
    record.Path = QStringLiteral("/site/page.html");
    const struct {
        SaveMode mode;
        QString path;
        bool binds;
    } cases[] = {
        {SaveMode::SaveAs, QStringLiteral("/site/other.html"), true},
        {SaveMode::SaveAs, QStringLiteral("/site/page.html"), true},
        {SaveMode::SaveCopy, QStringLiteral("/site/other.html"), false},
        {SaveMode::SaveCopy, QStringLiteral("/site/page.html"), true},
        {SaveMode::SaveCopy, QStringLiteral("/site/Page.html"), false},
    };
    for (const auto &[mode, path, binds] : cases)
        EXPECT_EQ(mdlFile::SaveBindsDocument(mode, path, record), binds)
            << (mode == SaveMode::SaveAs ? "Save As " : "a copy ") << path.toStdString();

    DocumentRecord never;
    EXPECT_FALSE(mdlFile::SaveBindsDocument(SaveMode::SaveCopy, QStringLiteral("/site/copy.html"), never))
        << "a copy of a new document leaves it new";
}

// The document table with one document per state given, numbered from 1; a null state stands for a
// closed document.
class DocumentRounds : public testing::Test {
protected:
    void TearDown() override { mdlFile::ClearDocuments(); }

    static void fill(const QList<std::optional<DocumentState>> &states)
    {
        mdlFile::ClearDocuments();
        for (const std::optional<DocumentState> &state : states) {
            const int n = mdlFile::AppendDocument();
            DocumentRecords[n].State = state.value_or(DocumentState::Saved);
            DocumentRecords[n].Closed = !state;
        }
    }
};

TEST_F(DocumentRounds, SaveAllOffersEveryUnsavedDocumentInTurnAndStopsAtTheFirstLeftUnsaved)
{
    using S = DocumentState;
    struct Case {
        const char *what;
        QList<std::optional<S>> states;
        QList<int> refused; // the saves that leave their document as it was
        QList<int> offered;
    };
    const Case cases[] = {
        {"all saved", {S::Saved, std::nullopt, S::Saved}, {}, {}},
        {"new ones too, typed in or not", {S::New, S::Saved, S::NewChanged, S::SavedChanged}, {}, {1, 3, 4}},
        {"a closed one is passed over", {std::nullopt, S::SavedChanged}, {}, {2}},
        {"a refused one ends the round", {S::SavedChanged, S::NewChanged, S::SavedChanged}, {2}, {1, 2}},
        {"the last one refused", {S::New, S::SavedChanged}, {2}, {1, 2}},
    };
    for (const Case &c : cases) {
        fill(c.states);
        QList<int> offered;
        mdlFile::SaveAllDocuments([&](int n) {
            offered << n;
            if (!c.refused.contains(n))
                mdlFile::MarkSaved(DocumentRecords[n], QStringLiteral("/site/%1.html").arg(n), 1, {});
        });
        EXPECT_EQ(offered, c.offered) << c.what;
    }
}

TEST_F(DocumentRounds, SaveAllReachesADocumentOpenedDuringTheRound)
{
    fill({DocumentState::NewChanged});
    QList<int> offered;
    mdlFile::SaveAllDocuments([&](int n) {
        offered << n;
        if (n == 1) {
            // A hand-over carried out as the Save dialog closes.
            DocumentRecords[mdlFile::AppendDocument()].State = DocumentState::SavedChanged;
        }
        mdlFile::MarkSaved(DocumentRecords[n], QStringLiteral("/site/%1.html").arg(n), 1, {});
    });
    EXPECT_EQ(offered, (QList<int>{1, 2}));
}

TEST_F(DocumentRounds, CloseAllClosesInNumberOrderUntilOneStaysOpen)
{
    using S = DocumentState;
    struct Case {
        const char *what;
        QList<std::optional<S>> states;
        int cancelled; // the document whose question the user cancels; 0 for none
        QList<int> asked;
        int kept;
        QList<int> open; // afterwards
    };
    const Case cases[] = {
        {"nothing open", {std::nullopt, std::nullopt}, 0, {}, 0, {}},
        {"every one closes", {S::New, std::nullopt, S::SavedChanged}, 0, {1, 3}, 0, {}},
        {"a cancel keeps that one and the rest", {S::Saved, S::NewChanged, S::Saved}, 2, {1, 2}, 2, {2, 3}},
        {"the first one cancelled", {S::SavedChanged, S::Saved}, 1, {1}, 1, {1, 2}},
    };
    for (const Case &c : cases) {
        fill(c.states);
        QList<int> asked;
        const int kept = mdlFile::CloseAllDocuments([&](int n) {
            asked << n;
            if (n != c.cancelled)
                mdlFile::MarkClosed(DocumentRecords[n]);
        });
        EXPECT_EQ(asked, c.asked) << c.what;
        EXPECT_EQ(kept, c.kept) << c.what;
        QList<int> open;
        for (int n = 1; n <= DocumentRecords.count(); ++n)
            if (!DocumentRecords[n].Closed)
                open << n;
        EXPECT_EQ(open, c.open) << c.what;
    }
}

} // namespace
