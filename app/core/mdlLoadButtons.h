#pragma once

#include "app/core/SharedTypes.h"
#include "app/core/Table.h"

#include <QString>

// The tag groups of panel.ini and the tag buttons of button.ini, with the button pictures that go into
// the main window's picture list.
namespace mdlLoad {

// A tag button: its texts go around the selection of the active document. A `Text2` of exactly "%e"
// makes it a command button instead: `Text1` is what to open, `Text3` "0" opens it alone and "1" with
// the active document's path.
struct TegButton {
    qint32 Id = 0;
    // True only for the built-in button.
    bool Flag = false;
    // The picture's number in the main window's picture list; 0 = none.
    qint32 ImageIndex = 0;
    // The picture's file name in the buttons folder.
    QString Picture;
    QString ToolTip;
    // The centre text (inserted when nothing is selected), the text before and the text after.
    QString Text1;
    QString Text2;
    QString Text3;
};

// What the button loader needs of the main window's picture list: pictures numbered from 1, each under
// a key of its own. The list holds pictures of its own before the loader runs, the built-in button's
// first.
class ButtonPictures {
public:
    virtual int Count() const = 0;
    // Loads the picture file and puts it at `index` under `key`. A file that is no loadable picture, or
    // a key that the list holds already, adds nothing.
    virtual void Add(int index, const QString &file, const QString &key) = 0;

protected:
    ~ButtonPictures() = default;
};

// The tag groups: `Name` "p" and the group's number (the tab's key), `Title` the tab's caption, `Items`
// the button ids in order (0 a separator, 1 to 100 built-in, above 100 a button of button.ini).
inline Table<NamedList> Panels;
// Entry 1 is the built-in button (id 13); then, at the same number as its picture in the picture list,
// each button of button.ini. Lookups by id take the last entry that carries it.
inline Table<TegButton> Buttons;

// The most tag groups, and the most places (buttons and separators) of one group, that are read. The
// strip shows its tabs in one row and the bar its buttons in one: a screen 3840 pixels wide holds about
// 160 buttons, and beyond that the bar's overflow menu no longer serves. Qt takes longer for each tab
// and each button with every one before it, so a line of 250 000 ids held the start for minutes; at
// these limits the panel is built in a few hundredths of a second.
constexpr int MaxTegGroups = 250;
constexpr int MaxGroupButtons = 1000;

// Replaces `Panels` with the lines "caption and one more character|ids separated by blanks", up to the
// limits above. A file that is readable but gives no group gives the one group "Стандартная"; a missing
// file none.
void LoadPanels(const QString &path);
// Replaces `Buttons` with the built-in entry and the lines "id|picture|tool tip|before|centre|after",
// and puts each button's picture from the buttons folder into `imgPanel` under the key "b" and the id.
// Lines that repeat the id of the line before them continue its texts.
void LoadButtons(const QString &path, ButtonPictures &imgPanel);
// Makes `Buttons` the built-in entry alone.
void SetButtonDefault();

// The number of the last entry of `Buttons` that carries `id`; 0 when none does.
int FindTegIndex(qint32 id);
// The picture number of the last entry that carries `id`, its tool tip into `toolTip`; 0 and an empty
// tool tip when no entry carries it.
int FindButton(qint32 id, QString &toolTip);

} // namespace mdlLoad
