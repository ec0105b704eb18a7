#pragma once

#include <QString>
#include <QUrl>

// Local pages in the panes, served under addresses of the program's own scheme. A page's address stands in
// the folder that its relative links resolve in, its own or another, so the engine resolves them there for
// a page of any size (it takes another base only with content handed over whole, up to 2 MB). Every other
// address of the scheme is the local file of that path. A page shown again at the same address paints at
// once, where the engine is slow to paint a "file:" address loaded again.
namespace platform::pages {

// Makes the scheme known to the engine and serves it; done once, before the engine starts.
void PrepareBasedPages();

// The address under which `file` shows with its links resolving in `folder` (ending in "/").
QUrl BasedAddress(const QString &file, const QString &folder);
// Stops serving `file` at `address`.
void ForgetBasedAddress(const QUrl &address, const QString &file);

// The "file:" address of what a scheme address shows: the page's own file, or the file of that path.
QUrl LocalAddress(const QUrl &address);

} // namespace platform::pages
