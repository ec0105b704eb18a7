#pragma once

#include "app/core/Table.h"

#include <QString>

// The kinds of empty document (newfile.ini) and the templates (pattern.ini) that the New dialog offers.
namespace mdlLoad {

struct NewFileType {
    // The new document's syntax language.
    QString Type;
    // The new file's name without extension, and its extension without the dot.
    QString BaseName;
    QString Ext;
    QString Caption;
    // The icon's file name in the icons folder, and its index in the New dialog's image list (0 until the
    // dialog has loaded it).
    QString Icon;
    qint32 ImageIndex = 0;
};

struct NewFilePattern {
    // The template's file name in the templates folder.
    QString TemplateFile;
    QString Type;
    QString BaseName;
    QString Ext;
    QString Caption;
    QString Icon;
    qint32 ImageIndex = 0;
};

inline Table<NewFileType> NewFiles;
inline Table<NewFilePattern> Patterns;

// Replaces `NewFiles` with the lines "icon|language|file name|caption"; the caption may hold "|".
void LoadNewFiles(const QString &path);
// Replaces `Patterns` with the lines "icon|language|file name|caption|template"; a "|" in the caption is
// written %v.
void LoadPatterns(const QString &path);

} // namespace mdlLoad
