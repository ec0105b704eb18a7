#pragma once

#include <QString>

// What a document's preview shows, in the document window's pane or in the user's browser, and how a
// local path becomes the address under which a web server publishes it (server.ini). inPane is True
// for the pane, False for the outer browser; each has its own settings.
namespace mdlFile {

// Whether that target shows the preview copy rather than the document's file.
bool IsPreviewTmp(bool inPane);
// Whether that target maps paths through the server tables.
bool IsServerMap(bool inPane);

// The address of `path` by the first folder of the path-to-address table that holds it, the rest of the
// path percent-encoded after the address prefix; `path` itself when mapping is off or no folder holds it.
QString GetServerUrl(const QString &path, bool inPane);
// `text` after the local-path replacements, in table order, when mapping is on.
QString ReplaceServerText(const QString &text, bool inPane);
// `text` after the address replacements, in table order, when mapping is on.
QString ReplaceServerText2(const QString &text, bool inPane);

struct PreviewTarget {
    // The local file shown, or the address when isAddress.
    QString source;
    // The folder, ending in "/", against which the page's relative links resolve; empty for none.
    QString base;
    bool isAddress = false;
};

// What a preview shows: the preview copy `tmpPath` (fromTmp) or the document's file `documentPath`,
// mapped to an address when the tables hold its folder. The copy's links resolve against the
// document's folder, or against nothing when the document has no file yet.
PreviewTarget ChoosePreview(const QString &tmpPath, const QString &documentPath, bool fromTmp, bool inPane);

} // namespace mdlFile
