// Runs the whole-text commands on a large Windows-1251 page through the main window's menus, as a user
// does after Ctrl+A: upper case, join lines and delete empty lines. Prints each command's time (goal under
// 2 s), whether one undo brings the text back, and the time of a key typed at the end afterwards (goal
// under 10 ms). Run by hand: build/bench/EditCommandsBench [megabytes] [the command's name, for one alone]
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/mainwindow/frmMain.h"
#include "bench/InProcessProgram.h"
#include "bench/LargePage.h"
#include "platform/editor/Editor.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <Qsci/qsciscintilla.h>

#include <cstdio>

namespace {

double Seconds(const QElapsedTimer &timer) { return timer.nsecsElapsed() / 1e9; }

// A key typed at the end of the text, until the editor has repainted.
double TypeAtEnd(frmContent *document)
{
    QsciScintilla *control = document->txtContent->Control();
    control->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    // The jump to the end is painted first: colouring the end after a change of the whole text is the jump's
    // cost, as the first Ctrl+End of an opened page is, not the key's.
    control->viewport()->repaint();
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(control, &press);
    control->viewport()->repaint();
    QApplication::processEvents();
    return Seconds(timer);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marrowin Vellicor"));
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 100;

    const InProcessProgram program(QSize(1200, 850));
    frmMain *main = forms::frmMain.get();
    QTemporaryDir files;

    const QString path = files.filePath(QStringLiteral("big.html"));
    WriteLargePage(path, megabytes);
    mdlFile::OpenDocumentFile(path, QStringLiteral("big.html"), 0, 0);
    frmContent *document = mdlFile::Documents[mdlFile::DocumentCount()];
    QApplication::processEvents();
    std::printf("page: %lld MB\n", QFileInfo(path).size() / (1024 * 1024));

    const struct {
        const char *name;
        QAction *command;
    } commands[] = {{"upper case", main->mnuView_Registr_Big},
                    {"join lines", main->mnuView_Line_Join},
                    {"delete empty lines", main->mnuView_Line_DelEmpty}};
    const QByteArray only = argc > 2 ? QByteArray(argv[2]) : QByteArray();
    for (const auto &run : commands) {
        if (!only.isEmpty() && only != run.name)
            continue;
        const int lengthBefore = document->txtContent->TextLength();
        main->mnuEdit_SelectAll->trigger();
        QElapsedTimer timer;
        timer.start();
        run.command->trigger();
        QApplication::processEvents();
        const double took = Seconds(timer);
        const double key = TypeAtEnd(document);
        // The key and then the command come back with two undo steps.
        main->mnuEdit_Undo->trigger();
        main->mnuEdit_Undo->trigger();
        QApplication::processEvents();
        const bool oneStep = document->txtContent->TextLength() == lengthBefore;
        std::printf("%-20s %6.2f s (goal < 2 s), then a key %6.2f ms (goal < 10 ms), one undo step: %s\n", run.name,
                    took, key * 1000, oneStep ? "yes" : "NO");
    }
    return 0;
}
