#pragma once

#include "app/core/mdlLoad.h"

#include <QString>

class QCheckBox;
class frmSetting;

// The logic behind the settings dialog: its page tree, its controls filled from the settings variables and
// written back into them, and the changed settings applied to the main window and the open documents. It
// writes no file: the settings reach setting.ini at exit.
namespace mdlSetting {

// The dialog was closed with "Обновить" and its settings have not been applied yet.
inline bool SettingUpdated = false;

void ClearSettingChanged();

// ---- The pages' rules, free of the window ----------------------------------------------------------

// Position in the lists "Крупные значки", "Мелкие значки", "Список", "Таблица" of a stored view, and
// back; a view other than the four stored words shows as "Список" and is stored back as "list".
int TypeviewIndex(const QString &view);
QString TypeviewFromIndex(int index);

// The new document at start as the start page shows it: the option chosen and the selected entries of
// the kinds' and the templates' lists (-1 for none). `NewFile` numbers the kinds 1 to `kinds` and the
// templates after them.
struct StartNewChoice {
    bool fromPattern = false;
    int kindIndex = -1;
    int patternIndex = -1;
};
StartNewChoice SplitNewFile(int newFile, int kinds, int patterns);
// The `NewFile` that the option and the selected entry of its list stand for; 0 when nothing is selected.
int JoinNewFile(bool fromPattern, int selectedIndex, int kinds);

// The number that `text` starts with, blanks anywhere ignored; 0 when it starts with none.
double LeadingNumber(const QString &text);
// A number box's text once it has lost the focus: its leading number rounded to a whole number and held
// within `range`; a text that is not a number, or too large for a 32-bit number, gives the range's low end.
QString ClampNumberText(const QString &text, mdlLoad::WholeRange range);
// A folder box's text once it has lost the focus: the folder it names with one trailing "/" when that is
// an existing folder given from the root, else `current`, the setting's value.
QString CheckFolderText(const QString &text, const QString &current);

// ---- The window side -------------------------------------------------------------------------------

// Fills the tree and every page from the settings variables.
void InitSettingForm(frmSetting &form);
void FillSettingTree(frmSetting &form);
void ShowStartSettings(frmSetting &form);
void ShowMainSettings(frmSetting &form);
void ShowDialogSettings(frmSetting &form);
void ShowFileSettings(frmSetting &form);
void ShowTextSettings(frmSetting &form);
// Copies every page control back into its settings variable.
void ApplySettingForm(frmSetting &form);
// After the dialog has closed: applies the settings to the main window and the open documents when the
// dialog was confirmed, and clears the flag in any case.
void ApplySettingsToMain();

bool GetCheckValue(const QCheckBox *box);
void SetCheckValue(bool value, QCheckBox *box);

} // namespace mdlSetting
