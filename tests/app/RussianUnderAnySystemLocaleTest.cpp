#include "app/dialogs/FolderPane.h"
#include "app/dialogs/frmFileOpen.h"
#include "app/dialogs/frmSetting.h"
#include "platform/pages/PagePane.h"
#include "tests/EnginePage.h"
#include "tests/dialogs/FileDialogFixture.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QFont>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QStyleOptionViewItem>
#include <QAbstractItemDelegate>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <memory>

namespace dialogs = platform::dialogs;

namespace {

// 11 December 2026, 05:11:16 on this machine's clock.
const QDateTime Modified(QDate(2026, 12, 11), QTime(5, 11, 16));
// As a Russian short date and time.
const QString ModifiedShown = QStringLiteral("11.12.2026 05:11");

// Gives the file or folder `path` the modification time `moment`.
void SetModified(const QString &path, const QDateTime &moment)
{
    const timespec time{moment.toSecsSinceEpoch(), 0};
    const timespec times[2] = {time, time};
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0) << path.toStdString();
}

// The text a view shows in each cell of the row that shows `name` in its first column.
QStringList RowShown(const QAbstractItemView &view, const QString &name)
{
    const QAbstractItemModel *model = view.model();
    for (int row = 0; row < model->rowCount(view.rootIndex()); ++row) {
        if (model->index(row, 0, view.rootIndex()).data().toString() != name)
            continue;
        QStringList cells;
        for (int column = 0; column < model->columnCount(view.rootIndex()); ++column)
            cells << model->index(row, column, view.rootIndex()).data().toString();
        return cells;
    }
    return {};
}

// The width that the view's delegate needs to draw the cell whole.
int CellWidth(const QAbstractItemView &view, const QString &name, int column)
{
    const QAbstractItemModel *model = view.model();
    const QModelIndexList rows = model->match(model->index(0, 0, view.rootIndex()), Qt::DisplayRole, name, 1, Qt::MatchExactly);
    if (rows.isEmpty())
        return 0;
    const QModelIndex cell = rows[0].siblingAtColumn(column);
    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.widget = &view;
    option.font = view.font();
    option.fontMetrics = view.fontMetrics();
    return view.itemDelegateForIndex(cell)->sizeHint(option, cell).width();
}

// What the program shows in Russian, in whatever locale this runner was started under; the test at the
// end of this file starts it under the locales that systems have by default.
class RussianTexts : public FileDialogFixture {};

// The Open dialog's details view names each file's type and writes its date in Russian: a type that the
// desktop's type database names in Russian by that name, any other by its extension.
TEST_F(RussianTexts, TheOpenDialogsDetailsNameTypesAndDatesInRussian)
{
    if (!RegisterControls())
        GTEST_SKIP() << "the MwFSO library is not built";
    struct Case {
        const char *name;
        QByteArray content;
        const char *type;
    } cases[] = {
        {"images", {}, "Папка"},
        {"index.html", "<p>Текст</p>", "Документ HTML"},
        {"notes.txt", "notes", "Текстовый документ"},
        {"style.css", "p { margin: 0 }", "Таблица стилей CSS"},
        // The database has no Russian name for the first and cannot tell the others.
        {"config.toml", "a = 1", "Файл «TOML»"},
        {"data.xyz", QByteArray("\x01\x02\x03", 3), "Файл «XYZ»"},
        {"blob", QByteArray("\x01\x02\x03", 3), "Файл"},
    };
    for (const Case &c : cases) {
        const QString path = files.path(QString::fromUtf8(c.name));
        if (c.content.isNull())
            QDir().mkpath(path);
        else
            files.write(QString::fromUtf8(c.name), c.content);
        SetModified(path, Modified);
    }
    mdlLoad::PathOpen = files.path() + u'/';
    mdlLoad::OpenDialog = 1;
    mdlLoad::FilterMain = QString::number(forms::frmFileOpen->cmbFilter->count() - 1); // "Все файлы"

    ShowModal(*forms::frmFileOpen.get(), [&] {
        FolderPane *pane = forms::frmFileOpen->picListFiles;
        PressButton(pane->tlbMenu, "detals");
        QAbstractItemView *view = ListView(pane);
        ASSERT_NE(view, nullptr);
        for (const Case &c : cases) {
            const QStringList row = RowShown(*view, QString::fromUtf8(c.name));
            ASSERT_EQ(row.size(), 5) << c.name;
            EXPECT_EQ(row[3], QString::fromUtf8(c.type)) << c.name;
            EXPECT_EQ(row[4], ModifiedShown) << c.name;
        }
        forms::frmFileOpen->cmmCancel->click();
    });
}

// The settings dialog's folder picker, in its detail view, names a folder's type and writes its date in
// Russian, whole, and names a drive as a drive at the computer level.
TEST_F(RussianTexts, TheFolderPickersDetailsNameFoldersDrivesAndDatesInRussian)
{
    QDir().mkpath(files.path("images"));
    SetModified(files.path("images"), Modified);
    QStringList folderRow, driveRow;
    bool dateWhole = false;
    dialogs::SetDialogHook([&](QDialog &dialog) {
        if (auto *picker = qobject_cast<QFileDialog *>(&dialog)) {
            picker->show();
            QTest::mouseClick(picker->findChild<QToolButton *>(QStringLiteral("detailModeButton")), Qt::LeftButton);
            const auto *view = picker->findChild<QTreeView *>(QStringLiteral("treeView"));
            // The folder's details come from a thread of the picker's own.
            const auto shown = [&](const QString &name) {
                QStringList row;
                (void)QTest::qWaitFor([&] { return !(row = RowShown(*view, name)).value(2).isEmpty(); }, 10000);
                return row;
            };
            folderRow = shown(QStringLiteral("images"));
            const int dateWidth = CellWidth(*view, QStringLiteral("images"), 3);
            dateWhole = view->header()->sectionSize(3) >= dateWidth &&
                        view->header()->sectionPosition(3) + dateWidth <= view->viewport()->width();
            // The user goes to the computer level, where the drives are.
            auto *places = picker->findChild<QListView *>(QStringLiteral("sidebar"));
            const QModelIndexList computer = places->model()->match(places->model()->index(0, 0), Qt::DisplayRole,
                                                                   QStringLiteral("Компьютер"), 1, Qt::MatchExactly);
            if (!computer.isEmpty()) {
                QTest::mouseClick(places->viewport(), Qt::LeftButton, {}, places->visualRect(computer[0]).center());
                driveRow = shown(QStringLiteral("/"));
            }
            return int(QDialog::Rejected);
        }
        if (auto *settings = qobject_cast<frmSetting *>(&dialog)) {
            settings->show();
            settings->txtDialogs_Open_Path->setText(files.path() + u'/');
            QToolBar *bar = settings->tlbDialogs_Path[0];
            QTest::mouseClick(bar->widgetForAction(bar->actions().first()), Qt::LeftButton);
        }
        return int(QDialog::Rejected);
    });
    // In a font whose every character is as wide as the next, where Qt's own room for a date is too little.
    const QFont font = QApplication::font();
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 10));
    main()->mnuServis_Setting_Click();
    QApplication::setFont(font);

    // Name, size, type, date modified.
    ASSERT_EQ(folderRow.size(), 4) << "the picker showed no folder \"images\"";
    EXPECT_EQ(folderRow[2], QStringLiteral("Папка"));
    EXPECT_EQ(folderRow[3], ModifiedShown);
    EXPECT_TRUE(dateWhole) << "the date shows whole, in sight";
    ASSERT_EQ(driveRow.size(), 4) << "the picker showed no drive \"/\" at the computer level";
    EXPECT_EQ(driveRow[2], QStringLiteral("Диск"));
}

// A page pane's own texts (the engine's messages in the page, the language the page is told) are
// Russian too.
TEST(RussianPages, ThePagePaneSpeaksRussian)
{
    TempFolder folder;
    const QString page = folder.write("page.html", "<html><body><form><input id=name required></form></body></html>");
    std::unique_ptr<platform::pages::PagePane> pane(platform::pages::CreatePagePane(nullptr));
    ASSERT_TRUE(IsEnginePane(pane.get()));
    pane->resize(300, 200);
    pane->show();
    pane->LoadDocument(page);
    QWidget *view = EngineView(pane.get());
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(WaitForPage(*view)) << EngineLoadedNothing;

    EXPECT_EQ(RunScript(*view, "navigator.language").toString(), QStringLiteral("ru"));
    EXPECT_EQ(RunScript(*view, "document.getElementById('name').validationMessage").toString(),
              QStringLiteral("Заполните это поле."));
}

// The checks above, in a copy of this runner started under the C locale of containers and under an
// English one, as a copy of the program is started under either.
TEST(SystemLocale, EveryTextIsRussianUnderTheCAndAnEnglishLocale)
{
    for (const char *locale : {"C.UTF-8", "en_US.UTF-8"}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString &name : environment.keys())
            if (name.startsWith(QLatin1String("LC_")) || name == QLatin1String("LANGUAGE"))
                environment.remove(name);
        environment.insert(QStringLiteral("LANG"), QString::fromLatin1(locale));
        QProcess runner;
        runner.setProcessEnvironment(environment);
        runner.setProcessChannelMode(QProcess::MergedChannels);
        runner.start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--gtest_filter=RussianTexts.*:RussianPages.*:QtDialogsInRussian.*")});
        ASSERT_TRUE(runner.waitForFinished(240000)) << locale;
        const QString output = QString::fromUtf8(runner.readAll());
        EXPECT_EQ(runner.exitCode(), 0) << locale << "\n" << output.toStdString();
        EXPECT_FALSE(output.contains(QLatin1String("[  SKIPPED ]"))) << locale << "\n" << output.toStdString();
        for (const char *suite : {"RussianTexts.", "RussianPages.", "QtDialogsInRussian."})
            EXPECT_TRUE(output.contains(QStringLiteral("[       OK ] ") + QLatin1String(suite))) << locale << ": " << suite;
    }
}

} // namespace
