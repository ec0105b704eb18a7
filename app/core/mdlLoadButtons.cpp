#include "app/core/mdlLoadButtons.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadLists.h"

#include <QFileInfo>

#include <algorithm>

namespace mdlLoad {

namespace {

using mdlLibrary::TrimSpaces;

const QString LineBreak = QStringLiteral("\r\n");

// "%l" is a line break; "%s" at the start and "%f" at the end only guard blanks against trimming.
QString ButtonMarkers(const QString &field)
{
    QString text = field;
    text.replace(QLatin1String("%l"), LineBreak);
    if (text.startsWith(QLatin1String("%s")))
        text.remove(0, 2);
    if (text.endsWith(QLatin1String("%f")))
        text.chop(2);
    return text;
}

QString ButtonText(const QString &field)
{
    return ListEscapes(ButtonMarkers(field));
}

// A plain file name of a file in the buttons folder.
bool IsButtonPicture(const QString &picture)
{
    return !picture.isEmpty() && !picture.contains(u'/') && QFileInfo(ButtonsFolder + picture).isFile();
}

// The six fields of a button line, the first five holding a character each before trimming.
std::optional<QStringList> ButtonFields(const QString &line)
{
    std::optional<QStringList> fields = SplitListFields(line, 5);
    if (!fields)
        return std::nullopt;
    for (int n = 0; n < 5; ++n)
        if (fields->at(n).isEmpty())
            return std::nullopt;
    for (QString &field : *fields)
        field = TrimSpaces(field);
    return fields;
}

void AppendLine(QString &text, const QString &field)
{
    if (!field.isEmpty())
        text += LineBreak + field;
}

// A line that repeats its predecessor's id adds its non-empty texts to that button as further lines,
// as they stand.
void ContinueButton(TegButton &button, const QStringList &fields)
{
    AppendLine(button.Text1, fields[4]);
    AppendLine(button.Text2, fields[3]);
    AppendLine(button.Text3, fields[5]);
}

// Makes the button of a line whose picture the list takes, and returns its number (the picture's);
// 0 when the line makes none.
int AddButton(int id, const QStringList &fields, ButtonPictures &imgPanel)
{
    const QString &picture = fields[1];
    if (!IsButtonPicture(picture))
        return 0;
    const int pictures = imgPanel.Count();
    imgPanel.Add(pictures + 1, ButtonsFolder + picture, QStringLiteral("b%1").arg(id));
    // A picture that did not load, or a key taken by an earlier button with this id, adds nothing.
    if (imgPanel.Count() != pictures + 1)
        return 0;
    TegButton button;
    button.Id = id;
    button.ImageIndex = imgPanel.Count();
    button.Picture = picture;
    button.ToolTip = ListEscapes(fields[2]);
    button.Text2 = ButtonText(fields[3]);
    button.Text1 = ButtonText(fields[4]);
    button.Text3 = ButtonText(fields[5]);
    // Entries stand at their picture's number; those of the list's own pictures but the first are blank.
    while (Buttons.count() < button.ImageIndex - 1)
        Buttons.append(TegButton());
    return Buttons.append(button);
}

} // namespace

void LoadPanels(const QString &path)
{
    Panels.clear();
    const std::optional<QStringList> lines = ReadListLines(path);
    if (!lines)
        return;
    for (const QString &line : *lines) {
        const qsizetype bar = line.indexOf(u'|');
        // The character just before the "|" is not part of the caption.
        if (bar < 2)
            continue;
        const QString caption = TrimSpaces(line.left(bar - 1));
        if (caption.isEmpty())
            continue;
        NamedList group;
        group.Name = QStringLiteral("p%1").arg(Panels.count() + 1);
        group.Title = ListEscapes(caption);
        const QStringList words = TrimSpaces(line.mid(bar + 1)).split(u' ', Qt::SkipEmptyParts);
        for (const QString &word : words.first(std::min<qsizetype>(words.size(), MaxGroupButtons)))
            group.Items.append(ListNumber(word));
        Panels.append(group);
        if (Panels.count() == MaxTegGroups)
            break;
    }
    if (Panels.isEmpty())
        Panels.append({QStringLiteral("p1"), QStringLiteral("Стандартная"), {}});
}

void SetButtonDefault()
{
    Buttons.clear();
    TegButton master;
    master.Id = 13;
    master.Flag = true;
    master.ImageIndex = 1;
    master.Text1 = QStringLiteral("master13");
    Buttons.append(master);
}

void LoadButtons(const QString &path, ButtonPictures &imgPanel)
{
    SetButtonDefault();
    const std::optional<QStringList> lines = ReadListLines(path);
    if (!lines)
        return;
    int previousId = -1;
    // The button that the lines of `previousId` continue; 0 when their first line made none.
    int continued = 0;
    for (const QString &line : *lines) {
        const std::optional<QStringList> fields = ButtonFields(line);
        if (!fields)
            continue;
        const int id = ListNumber(fields->at(0));
        if (id == previousId) {
            if (continued)
                ContinueButton(Buttons[continued], *fields);
            continue;
        }
        previousId = id;
        continued = AddButton(id, *fields, imgPanel);
    }
}

int FindTegIndex(qint32 id)
{
    int found = 0;
    for (int i = 1; i <= Buttons.count(); ++i)
        if (Buttons[i].Id == id)
            found = i;
    return found;
}

int FindButton(qint32 id, QString &toolTip)
{
    // Element 0 is no button: it has neither picture nor tool tip.
    const TegButton &button = Buttons[FindTegIndex(id)];
    toolTip = button.ToolTip;
    return button.ImageIndex;
}

} // namespace mdlLoad
