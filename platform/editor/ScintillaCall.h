#pragma once

#include <Qsci/qsciscintillabase.h>

// One typed way to send a message to the control: SendScintilla's overloads make plain integer
// arguments ambiguous.
namespace platform::editor {

inline long Sci(const QsciScintillaBase *control, unsigned int message, unsigned long wParam = 0, long lParam = 0)
{
    return control->SendScintilla(message, wParam, lParam);
}

// Number of UTF-16 code units of UTF-8 bytes.
inline long Utf16Units(const char *bytes, long length)
{
    long units = 0;
    for (long i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if ((byte & 0xC0) != 0x80)
            units += byte >= 0xF0 ? 2 : 1;
    }
    return units;
}

} // namespace platform::editor
