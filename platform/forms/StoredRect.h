#pragma once

class QRect;
class QWidget;

// A window's rectangle as the settings hold it, in twips. Both ways it is the inner area: a hidden window
// does not know its frame yet, so a frame position restored before the first showing would make the window
// creep by the frame's size at every start.
namespace platform::forms {

struct StoredRect {
    int &Left;
    int &Top;
    int &Width;
    int &Height;
};

void StoreRect(const QWidget &window, StoredRect rect);
// The same for an inner area given apart, such as a maximised window's normal one.
void StoreRect(const QRect &inner, StoredRect rect);
// A width or height that would be zero or negative is not applied: the window keeps its own size.
void RestoreRect(QWidget &window, StoredRect rect);

} // namespace platform::forms
