#pragma once

#include <QString>
#include <QUrl>

// A local page shown against a base folder other than its own. The engine takes a base only with content
// handed over whole, which it limits to 2 MB; instead such a page is served under an address of the
// program's own scheme that stands in the base folder, so that the engine resolves every relative link
// there, for a page of any size. Every other address of the scheme is the local file of that path.
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
