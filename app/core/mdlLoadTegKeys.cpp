#include "app/core/mdlLoadTegKeys.h"

#include "app/core/mdlLoadButtons.h"
#include "app/core/mdlLoadLists.h"

namespace mdlLoad {

namespace {

// The ids that a group's ids name: 0 a separator, 1 to 100 built in, above 100 from button.ini.
constexpr qint32 LastBuiltInId = 100;

} // namespace

QString TegButtonKey(const QString &tabKey, qint32 id, int place)
{
    if (id == 0)
        return tabKey + u's' + QString::number(place);
    return tabKey + (id > LastBuiltInId ? u'u' : u'm') + QString::number(id);
}

qint32 TegButtonId(const QString &key)
{
    const QString padded = key + u' ';
    const qsizetype u = padded.indexOf(u'u') + 1;
    if (u <= 2 || u >= padded.size())
        return 0;
    const qint32 id = ListNumber(padded.mid(u));
    return id > LastBuiltInId ? id : 0;
}

TegClick TegButtonClick(const QString &key, const std::optional<QString> &activePath)
{
    const qint32 id = TegButtonId(key);
    if (id == 0)
        return {};
    const TegButton &button = Buttons[FindTegIndex(id)];
    TegClick click;
    if (button.Text2 == QLatin1String("%e")) {
        const bool alone = button.Text3 == QLatin1String("0");
        // The document's path goes to the program as its one argument, blanks and all.
        const bool withPath = button.Text3 == QLatin1String("1") && activePath && !activePath->isEmpty();
        if (alone || withPath) {
            click.What = TegClick::Action::Start;
            click.Target = button.Text1;
            click.Parameters = alone ? QString() : *activePath;
            click.Maximized = alone;
        }
    } else if (activePath) {
        click.What = TegClick::Action::Paste;
        click.Center = button.Text1;
        click.Before = button.Text2;
        click.After = button.Text3;
    }
    return click;
}

} // namespace mdlLoad
