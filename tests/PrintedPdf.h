#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QImage>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <ostream>

#include <gtest/gtest.h>

// Pictures in test failures by their size rather than as bytes.
inline void PrintTo(const QImage &picture, std::ostream *out)
{
    *out << picture.width() << "x" << picture.height() << " picture";
}

// A PDF file that a print made, read back with poppler-utils.
class PrintedPdf {
public:
    explicit PrintedPdf(QString file) : file_(std::move(file)) {}

    // The text of each page, in order.
    QStringList pages() const
    {
        QStringList pages = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file_, QStringLiteral("-")})
                                .split(u'\f');
        // The text ends with a form feed after its last page.
        if (!pages.isEmpty() && pages.last().isEmpty())
            pages.removeLast();
        return pages;
    }

    // Page `page` (from 1) as the paper shows it, at a low resolution.
    QImage picture(int page) const
    {
        QTemporaryDir folder;
        const QString number = QString::number(page);
        run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-f"), number,
                                         QStringLiteral("-l"), number, QStringLiteral("-singlefile"),
                                         QStringLiteral("-png"), file_, folder.filePath(QStringLiteral("page"))});
        return QImage(folder.filePath(QStringLiteral("page.png")));
    }

private:
    static QString run(const QString &program, const QStringList &arguments)
    {
        QProcess tool;
        tool.start(program, arguments);
        EXPECT_TRUE(tool.waitForFinished(60000)) << program.toStdString() << " (poppler-utils) is needed";
        return QString::fromUtf8(tool.readAllStandardOutput());
    }

    QString file_;
};

// What a user chooses in the print dialog: the printer "Печать в файл (PDF)" writing `file`, and on the
// "Копии" page the range, the copies and their order.
struct PrintDialogChoice {
    QString file;
    int from = 0; // 0: "Все" (every page)
    int to = 0;
    int copies = 1;
    bool collate = true;
    bool reverse = false;
};

// Makes those choices in the shown print dialog and presses "Печать"; returns the dialog's result.
inline int ChooseInPrintDialog(QPrintDialog &dialog, const PrintDialogChoice &choice)
{
    dialog.show();
    auto *printers = dialog.findChild<QComboBox *>(QStringLiteral("printers"));
    EXPECT_TRUE(printers);
    if (printers)
        printers->setCurrentIndex(printers->count() - 1); // the PDF file comes last, after the printers
    dialog.findChild<QLineEdit *>(QStringLiteral("filename"))->setText(choice.file);
    if (choice.from > 0) {
        dialog.findChild<QRadioButton *>(QStringLiteral("printRange"))->setChecked(true);
        dialog.findChild<QSpinBox *>(QStringLiteral("from"))->setValue(choice.from);
        dialog.findChild<QSpinBox *>(QStringLiteral("to"))->setValue(choice.to);
    }
    dialog.findChild<QSpinBox *>(QStringLiteral("copies"))->setValue(choice.copies);
    dialog.findChild<QCheckBox *>(QStringLiteral("collate"))->setChecked(choice.collate);
    dialog.findChild<QCheckBox *>(QStringLiteral("reverse"))->setChecked(choice.reverse);
    QPushButton *print = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    QTest::mouseClick(print, Qt::LeftButton);
    return dialog.result();
}
