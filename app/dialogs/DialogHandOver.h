#pragma once

#include <QString>

// What the main window and the Open and Save dialogs hand each other: the caller sets the inputs before
// it shows a dialog modal and reads the results after the dialog has hidden.
namespace mdlFile {

// Results of the Open dialog. An empty OpenPath after the call means it was cancelled; the two code
// pages (1-based indices into the code table, 0 for no recoding) change only on a successful Open.
inline QString OpenPath;
inline QString OpenName;
inline int OpenCodeFrom = 0;
inline int OpenCodeTo = 0;

// Inputs of the Save dialog: the document to save and the mode, "saveas" or "savecopy".
inline int SaveDocIndex = 0;
inline QString SaveMode;

} // namespace mdlFile
