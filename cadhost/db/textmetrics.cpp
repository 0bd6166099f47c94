#include "textmetrics.h"

#include <array>
#include <utility>

namespace cadhost {

namespace {
// East Asian wide and full-width ranges (Hangul Jamo, CJK radicals to Yi, Hangul syllables, CJK
// compatibility ideographs and forms, full-width forms and signs, the supplementary ideographs).
constexpr std::array<std::pair<char32_t, char32_t>, 9> kFullWidthRanges{{
    {0x1100, 0x115F},
    {0x2E80, 0xA4CF},
    {0xAC00, 0xD7A3},
    {0xF900, 0xFAFF},
    {0xFE30, 0xFE4F},
    {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6},
    {0x20000, 0x2FFFD},
    {0x30000, 0x3FFFD},
}};
} // namespace

bool isFullWidth(wchar_t character)
{
    const auto code = static_cast<char32_t>(character);
    for (const auto& [first, last] : kFullWidthRanges) {
        if (code >= first && code <= last)
            return true;
    }
    return false;
}

double characterAdvance(wchar_t character, double height, double widthFactor)
{
    return height * widthFactor * (isFullWidth(character) ? 1.0 : 0.6);
}

double textWidth(std::wstring_view text, double height, double widthFactor)
{
    double width = 0.0;
    for (wchar_t character : text)
        width += characterAdvance(character, height, widthFactor);
    return width;
}

} // namespace cadhost
