#include "platform/application/Application.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <optional>
#include <utility>

namespace platform::application {
namespace {
QString pathOverride;
std::optional<QStringList> argumentsOverride;
EndHook endHook;

// A paper size's name where Qt's Russian catalogue keeps the English one: the plain English words in it are
// put in Russian, and designations (A4 Extra, Letter, Quarto) stay as printers print them.
QString RussianPaperName(const QString &english)
{
    static const std::pair<QLatin1StringView, QString> words[] = {
        {QLatin1StringView("Envelope "), QStringLiteral("Конверт ")},
        {QLatin1StringView("Double Postcard"), QStringLiteral("Двойная открытка")},
        {QLatin1StringView("Postcard"), QStringLiteral("Открытка")},
        {QLatin1StringView("Architect "), QStringLiteral("Архитектурный ")},
        {QLatin1StringView("Fan-fold "), QStringLiteral("Фальцованная ")},
    };
    for (const auto &[word, russian] : words) {
        if (!english.startsWith(word))
            continue;
        QString name = russian + english.mid(word.size());
        // "(8.5 x 12 in)": the inch and the decimal comma as the catalogue writes the other sizes.
        if (name.endsWith(QLatin1StringView(" in)"))) {
            name.chop(4);
            name = name.replace(u'.', u',') + QStringLiteral(" дм)");
        }
        return name;
    }
    return QString();
}

// Qt's own texts that its Russian catalogue lacks: the kinds that Qt's file lists name (the folder picker's
// details) and the paper sizes of the print dialog's properties.
class MissingRussianTexts : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char *context, const char *source, const char *, int) const override
    {
        static const QHash<QByteArray, QString> texts = {
            {"QAbstractFileIconProvider|Folder", QStringLiteral("Папка")},
            {"QAbstractFileIconProvider|Drive", QStringLiteral("Диск")},
            {"QAbstractFileIconProvider|File", QStringLiteral("Файл")},
            {"QAbstractFileIconProvider|Shortcut", QStringLiteral("Ярлык")},
            {"QAbstractFileIconProvider|Unknown", QStringLiteral("Неизвестно")},
        };
        if (qstrcmp(context, "QPageSize") == 0)
            return RussianPaperName(QString::fromLatin1(source));
        return texts.value(QByteArray(context) + '|' + source);
    }
};
} // namespace

QString Path()
{
    return pathOverride.isEmpty() ? QCoreApplication::applicationDirPath() : pathOverride;
}

void SetPath(const QString &folder)
{
    pathOverride = folder;
}

QString Title()
{
    return QCoreApplication::applicationName();
}

void UseRussian()
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    QLocale::setDefault(russian);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // Qt's widgets and dialogs, and the page engine's menus.
    for (const char *catalogue : {"qtbase", "qtwebengine"}) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(russian, QLatin1String(catalogue), QStringLiteral("_"), folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
    // Asked first, as the last one installed; it answers nothing that the catalogues answer.
    QCoreApplication::installTranslator(new MissingRussianTexts(QCoreApplication::instance()));
}

QStringList Arguments()
{
    return argumentsOverride ? *argumentsOverride : QCoreApplication::arguments().mid(1);
}

void SetArguments(const QStringList &arguments)
{
    argumentsOverride = arguments;
}

void End(int code)
{
    if (endHook)
        endHook(code);
    else
        QCoreApplication::exit(code);
}

void SetEndHook(EndHook hook)
{
    endHook = std::move(hook);
}

} // namespace platform::application
