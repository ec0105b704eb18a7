// Converts a 100 MB Cyrillic document from Windows-1251 to KOI8-R through the Service command, the
// dialog answered at once, and times the whole command and the dialog's part of it. Run by hand:
// build/bench/RecodeDocumentBench [megabytes]
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadStart.h"
#include "app/documents/frmCode.h"
#include "app/documents/frmContent.h"
#include "app/documents/mdlFile.h"
#include "app/documents/mdlFileOpen.h"
#include "app/mainwindow/frmMain.h"
#include "platform/application/Application.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/editor/Editor.h"
#include "tests/TempFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 100;

    QTemporaryDir program;
    qputenv("VELLICOR_WINDOW_TABLE", program.path().toUtf8());
    TempFolder::CopyTree(QStringLiteral(VELLICOR_PROGRAM_FOLDER), program.path());
    platform::application::SetPath(program.path());
    mdlLoad::InitPathsAndLoad();
    forms::frmMain->show();
    mdlLoad::ProgramLoaded = true;

    const QString line = QStringLiteral("<p>Съешь же ещё этих мягких французских булок, да выпей чаю.</p>\r\n");
    const QString text = line.repeated(megabytes * 1024 * 1024 / line.size());
    mdlFile::NewDocumentEmpty(QStringLiteral("big"), QStringLiteral("html"), QStringLiteral("HTML"), false);
    frmContent *document = mdlFile::Documents[mdlFile::DocumentCount()];
    document->txtContent->SetText(text);
    QApplication::processEvents();

    QElapsedTimer timer, dialog;
    double dialogSeconds = 0;
    platform::dialogs::SetDialogHook([&](QDialog &shown) {
        auto &code = static_cast<frmCode &>(shown);
        code.cmbCodeNew->setCurrentIndex(1);
        emit code.cmbCodeNew->activated(1);
        dialog.start();
        code.cmmCode->click();
        dialogSeconds = dialog.nsecsElapsed() / 1e9;
        return 0;
    });
    timer.start();
    forms::frmMain->mnuServis_Code_Click();
    const double commandSeconds = timer.nsecsElapsed() / 1e9;

    std::printf("text: %.1f M characters\n", text.size() / 1048576.0);
    std::printf("whole command: %.3f s; of it the dialog's conversion: %.3f s\n", commandSeconds, dialogSeconds);
    std::printf("converted: %s\n", document->txtContent->TextLength() == text.size() ? "yes" : "NO");
    return 0;
}
