#pragma once

#include <QList>
#include <QPageRanges>

class QPrinter;
class QsciScintillaBase;

namespace platform::editor {

// What the user chose for a print run, beyond the paper: which pages, in what order, how many copies.
struct PrintChoices {
    // Empty: every page.
    QPageRanges pages;
    bool lastPageFirst = false;
    // Copies that the program itself has to print (the printer makes the rest).
    int copies = 1;
    // Each copy whole (1 2 3, 1 2 3) rather than each page repeated (1 1, 2 2, 3 3).
    bool collate = true;
};

// The choices that `printer` holds after its print dialog.
PrintChoices ChoicesOf(const QPrinter &printer);

// The page numbers (from 1) of a text of `pageCount` pages in the order they go to the printer.
QList<int> PrintedPages(int pageCount, const PrintChoices &choices);

// Prints the text of `control` on `printer`, its pages as the printer's choices select them, the fonts
// `magnification` points larger than on the screen. False when the printer cannot start or none of the
// chosen pages exists.
bool PrintPages(QsciScintillaBase &control, QPrinter &printer, int magnification);

} // namespace platform::editor
