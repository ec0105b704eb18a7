#pragma once

#include <Qsci/qsciscintillabase.h>

// One typed way to send a message to the control: SendScintilla's overloads make plain integer
// arguments ambiguous.
namespace platform::editor {

inline long Sci(const QsciScintillaBase *control, unsigned int message, unsigned long wParam = 0, long lParam = 0)
{
    return control->SendScintilla(message, wParam, lParam);
}


} // namespace platform::editor
