#include "platform/editor/TextPrinting.h"

#include <Qsci/qsciscintillabase.h>

#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace platform::editor {

PrintChoices ChoicesOf(const QPrinter &printer)
{
    PrintChoices choices;
    if (printer.printRange() == QPrinter::PageRange)
        choices.pages = printer.pageRanges();
    choices.lastPageFirst = printer.pageOrder() == QPrinter::LastPageFirst;
    // A printer that makes copies itself also collates them itself.
    if (!printer.supportsMultipleCopies()) {
        choices.copies = std::max(printer.copyCount(), 1);
        choices.collate = printer.collateCopies();
    }
    return choices;
}

QList<int> PrintedPages(int pageCount, const PrintChoices &choices)
{
    QList<int> chosen;
    for (int page = 1; page <= pageCount; ++page)
        if (choices.pages.isEmpty() || choices.pages.contains(page))
            chosen.append(page);
    if (choices.lastPageFirst)
        std::reverse(chosen.begin(), chosen.end());
    QList<int> printed;
    if (choices.collate) {
        for (int copy = 0; copy < choices.copies; ++copy)
            printed.append(chosen);
    } else {
        for (const int page : chosen)
            printed.append(QList<int>(choices.copies, page));
    }
    return printed;
}

bool PrintPages(QsciScintillaBase &control, QPrinter &printer, int magnification)
{
    using Base = QsciScintillaBase;
    control.SendScintilla(Base::SCI_SETPRINTMAGNIFICATION, magnification);
    control.SendScintilla(Base::SCI_SETPRINTWRAPMODE, static_cast<unsigned long>(Base::SC_WRAP_WORD));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect area(0, 0, printer.width(), printer.height());
    const long end = control.SendScintilla(Base::SCI_GETLENGTH);

    // Where each page begins, measured without drawing; an empty text has one empty page.
    QList<long> starts{0};
    for (long next = 0;;) {
        next = control.SendScintilla(Base::SCI_FORMATRANGE, 0UL, &painter, area, next, end);
        if (next >= end || next <= starts.last())
            break;
        starts.append(next);
    }

    const QList<int> pages = PrintedPages(static_cast<int>(starts.size()), ChoicesOf(printer));
    if (pages.isEmpty()) {
        printer.abort();
        return false;
    }
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0 && !printer.newPage())
            return false;
        const qsizetype page = pages[i] - 1;
        const long to = page + 1 < starts.size() ? starts[page + 1] : end;
        control.SendScintilla(Base::SCI_FORMATRANGE, 1UL, &painter, area, starts[page], to);
    }
    return painter.end();
}

} // namespace platform::editor
