// Times the text transforms on a whole large document: every letter-case mode, the space removals, the
// indentation steps, joining lines and deleting empty lines, each handed its own copy of the same text of
// the given size in characters, as the editor hands over its selection; beside them a plain copy of the
// text, which is the cost of a transform that needs a new buffer. Run by hand: build/bench/TextTransformsBench [megabytes]
#include "app/core/mdlLibrary.h"

#include <QElapsedTimer>

#include <cstdio>
#include <functional>
#include <utility>

namespace {

// Lines of a page with indentation, double spaces, trailing blanks and empty lines between them.
QString MakeText(qint64 size)
{
    const QString block = QStringLiteral(
        "\t<p class=\"text\">Съешь же  ещё этих мягких французских булок, да выпей чаю. </p>\r\n"
        "    <b>The quick brown fox</b>  jumps over the lazy dog. Ёлка и ёж.  \r\n"
        "\r\n"
        "\r\n");
    QString text;
    text.reserve(size + block.size());
    while (text.size() < size)
        text += block;
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 100;
    const QString text = MakeText(megabytes * 1024 * 1024);

    const struct {
        const char *name;
        std::function<QString(QString)> run;
    } transforms[] = {
        {"plain copy (baseline)", [](QString t) { return QString(t.constData(), t.size()); }},
        {"keyboard layout", [](QString t) { return mdlLibrary::RegistrConvert(std::move(t), 1); }},
        {"sentence case", [](QString t) { return mdlLibrary::RegistrConvert(std::move(t), 2); }},
        {"upper case", [](QString t) { return mdlLibrary::RegistrConvert(std::move(t), 3); }},
        {"lower case", [](QString t) { return mdlLibrary::RegistrConvert(std::move(t), 4); }},
        {"title case", [](QString t) { return mdlLibrary::RegistrConvert(std::move(t), 5); }},
        {"case inversion", [](QString t) { return mdlLibrary::RegistrConvert(std::move(t), 6); }},
        {"transliteration", [](QString t) { return mdlLibrary::RegistrConvert(std::move(t), 7); }},
        {"runs of spaces", [](QString t) { return mdlLibrary::SpaceDelete(std::move(t), 1); }},
        {"spaces at line starts", [](QString t) { return mdlLibrary::SpaceDelete(std::move(t), 2); }},
        {"spaces at line ends", [](QString t) { return mdlLibrary::SpaceDelete(std::move(t), 3); }},
        {"shift lines", [](QString t) { return mdlLibrary::ShiftLines(std::move(t), 4); }},
        {"tab block indent", [](QString t) { return mdlLibrary::TabBlock(std::move(t), false); }},
        {"tab block outdent", [](QString t) { return mdlLibrary::TabBlock(std::move(t), true); }},
        {"join lines", [](QString t) { return mdlLibrary::JoinLines(std::move(t)); }},
        {"delete empty lines", [](QString t) { return mdlLibrary::DeleteEmptyLines(std::move(t)); }},
    };

    std::printf("text of %lld characters\n", static_cast<long long>(text.size()));
    for (const auto &t : transforms) {
        // The caller's own text, as the editor's selection is, handed over.
        QString own(text.constData(), text.size());
        QElapsedTimer timer;
        timer.start();
        const QString result = t.run(std::move(own));
        const double seconds = timer.nsecsElapsed() / 1e9;
        std::printf("%-22s %6.3f s  (%lld characters)\n", t.name, seconds, static_cast<long long>(result.size()));
    }
    return 0;
}
