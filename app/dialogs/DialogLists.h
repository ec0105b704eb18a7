#pragma once

#include <QString>

class QComboBox;

// The file-type and code-page lists as the dialogs offer them. Entry i of such a combo stands for file
// type or code page i + 1.
namespace mdlLoad {

// Clear the combo and add `prefix` and the name of each code page / file type; nothing is selected
// afterwards.
void FillCodeCombo(QComboBox *combo, const QString &prefix);
void FillTypeFileCombo(QComboBox *combo, const QString &prefix);

// The file pattern of file type index + 1: "*.ext" for each of its extensions, joined by ";"; "*.*" past
// the table or for a type without extensions.
QString GetTypeFileFilter(int index);

// `fileName` with "." and the default extension of file type index + 1 appended, unless the type has
// none, the index is past the table, the name already ends in one of the type's extensions (letter
// case ignored), or the type is the fallback one, whose "*" stands for every extension.
QString GetTypeFileExt(int index, const QString &fileName);

// Selects entry `index` as a classic list index does: -1 clears the selection, an index past the end is
// refused and the selection stays.
void SelectListIndex(QComboBox *combo, int index);

} // namespace mdlLoad
