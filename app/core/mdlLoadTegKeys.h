#pragma once

#include <QString>

#include <optional>

// The keys of the tag bar's buttons, and what a click on one does.
namespace mdlLoad {

// A button's key: the tab's key ("p" and the group's number), then "u" and the id for a button of
// button.ini (ids above 100), "m" and the id for a built-in button (1 to 100), or "s" and the button's
// place in the group for a separator (id 0).
QString TegButtonKey(const QString &tabKey, qint32 id, int place);
// The id of the button of button.ini that a key names: the number after its first "u", which stands
// at the key's third character or later with something after it; 0 for a built-in button, a
// separator, or any other key.
qint32 TegButtonId(const QString &key);

struct TegClick {
    enum class Action { None, Start, Paste };
    Action What = Action::None;
    // Start: what the shell opens (a program, a document or an address), its parameters and whether
    // its window opens maximised.
    QString Target;
    QString Parameters;
    bool Maximized = false;
    // Paste: the centre text, which stands in for an empty selection, and the texts put before and
    // after the selection.
    QString Center;
    QString Before;
    QString After;
};

// What a click on the button with `key` does, by the last entry of `Buttons` with its id (an id that
// no entry carries has empty texts). A `Text2` of "%e" starts `Text1`: alone for a `Text3` of "0",
// with the active document's path for "1" when the document has one. Any other button pastes its
// texts around the active document's selection. `activePath` is the active document's path (empty for
// a document never saved), nothing when no document is active.
TegClick TegButtonClick(const QString &key, const std::optional<QString> &activePath);

} // namespace mdlLoad
