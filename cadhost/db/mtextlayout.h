// Layout of multi-line text contents: paragraphs break at \P (and \N), {...} groups and format codes
// such as \f...; font codes are removed, and each paragraph wraps at the text's width.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cadhost {

// The plain text of each paragraph, format codes removed; \~ becomes a no-break space.
std::vector<std::wstring> mtextParagraphs(std::wstring_view contents);

struct MTextLine {
    std::wstring text;
    double width = 0.0;
};

// The lines of the text: every paragraph is wrapped greedily at wrapWidth (none when it is 0 or less).
// Lines break after blanks and on either side of a full-width character; a word wider than the
// width stays whole on its own line.
std::vector<MTextLine> layoutMText(std::wstring_view contents, double height, double widthFactor, double wrapWidth);

} // namespace cadhost
