#pragma once

#include <cstring>

namespace platform::editor {

// The lines of a text, one after another: each ends after its CR, LF or CR LF, the last one at the end
// of the text. The next CR and LF are each looked for once, so a text with one kind of line end is not
// searched again for the other at every line. Each one reads only its own text, so the scan's threads use
// one each.
class TextLines {
public:
    TextLines(const char *text, long length) : text_(text), length_(length) {}
    // The end of the line that begins at `at`, where the line before it ended.
    long EndOf(long at)
    {
        if (lf_ < at)
            lf_ = Find('\n', at);
        if (cr_ < at)
            cr_ = Find('\r', at);
        // Not found is `length_`: a CR that ends the text has no LF after it.
        if (cr_ < lf_)
            return cr_ + (cr_ + 1 == lf_ && lf_ < length_ ? 2 : 1);
        return lf_ < length_ ? lf_ + 1 : length_;
    }

private:
    long Find(char c, long from) const
    {
        const void *found = std::memchr(text_ + from, c, static_cast<size_t>(length_ - from));
        return found ? static_cast<const char *>(found) - text_ : length_;
    }

    const char *text_;
    long length_;
    long lf_ = -1;
    long cr_ = -1;
};

} // namespace platform::editor
