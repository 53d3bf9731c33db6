#include "menu/core/TextLines.h"

namespace corvane::menu {

std::size_t CountLines(std::string_view text) {
#if defined(__SSE2__)
    // The menu counts a list's records before it fills its list view. Counting needs no walk over the
    // bits: a block holds as many line ends as it has bits set.
    std::size_t ends = 0;
    for (std::size_t block = 0; block < text.size(); block += text_lines::kBlockSize) {
        ends += static_cast<std::size_t>(std::popcount(text_lines::LineEndBits(text, block)));
    }
    // A last line without a line end counts too.
    const bool lastLineOpen = !text.empty() && text.back() != '\r' && text.back() != '\n';
    return ends + (lastLineOpen ? 1 : 0);
#else
    std::size_t lines = 0;
    ForEachLine(text, [&](std::string_view) { ++lines; });
    return lines;
#endif
}

}  // namespace corvane::menu
