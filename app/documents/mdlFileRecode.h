#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <array>
#include <bitset>

// Recoding a text between two code pages of the code table. The text is single-byte text in the system
// code page: each character stands for one byte of the file. RecodeText, and a ByteRecoder of its own, may
// run on any thread, the open's reader thread among them; the code table must not be loaded again
// meanwhile.
namespace mdlFile {

// Converts `text` from code page `fromCode` to code page `toCode` (1-based indices into the code table).
// A byte that the source page does not hold passes unchanged; one that it holds but the target page lacks
// becomes the first character of `missing` (nothing when it is empty). Where several rows of the source
// page hold a byte, the last of them decides. Equal indices, or an index outside the table, return the
// text unchanged.
QString RecodeText(const QString &text, int fromCode, int toCode, const QString &missing = QStringLiteral("?"));

// The characters that a recoding turns into "?" because the target code page lacks them, as the text
// shows them before it is recoded.
struct LostCharacters {
    qsizetype count = 0;
    // The first ones met, each once, in the order of the text: at most ShownCount of them.
    QString first;
    static constexpr int ShownCount = 10;
    // More kinds of character were lost than `first` holds.
    bool more = false;
};

// Recodes code-page bytes slice by slice exactly as RecodeText recodes their characters with "?" for a
// missing one, and counts on the way what is lost.
class ByteRecoder {
public:
    ByteRecoder(int fromCode, int toCode);
    // The bytes pass unchanged: the pages are equal, or one lies outside the table.
    bool Unchanged() const { return unchanged_; }
    // Some byte stands for a character that the target page lacks.
    bool CanLose() const { return canLose_; }
    // The slice recoded, valid until the next call (the slice itself when nothing changes).
    QByteArrayView Recode(QByteArrayView bytes);
    // Counts what recoding the slice would lose, without recoding it.
    void Count(QByteArrayView bytes);
    const LostCharacters &Lost() const { return lost_; }

private:
    void NoteLost(unsigned char byte);

    // The target byte of each byte; -1 for one whose character the target page lacks.
    std::array<short, 256> target_{};
    bool unchanged_ = true;
    bool canLose_ = false;
    QByteArray recoded_;
    LostCharacters lost_;
    std::bitset<256> seen_;
};

// What recoding `text` from `fromCode` to `toCode` with "?" for a missing character would lose.
LostCharacters FindLostCharacters(QStringView text, int fromCode, int toCode);

} // namespace mdlFile
