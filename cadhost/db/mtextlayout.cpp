#include "mtextlayout.h"

#include "textmetrics.h"

#include <cwctype>

namespace cadhost {

namespace {

constexpr std::wstring_view kArgumentCodes = L"fFHWQTACcp";
constexpr std::wstring_view kToggleCodes = L"LlOoKk";
constexpr wchar_t kNoBreakSpace = 0x00A0;

int hexValue(wchar_t digit)
{
    if (digit >= L'0' && digit <= L'9')
        return digit - L'0';
    if (digit >= L'a' && digit <= L'f')
        return digit - L'a' + 10;
    if (digit >= L'A' && digit <= L'F')
        return digit - L'A' + 10;
    return -1;
}

// Reads a \U+XXXX code at position (just after the U); returns the number of characters used, 0 if none.
std::size_t unicodeEscape(std::wstring_view contents, std::size_t position, wchar_t& character)
{
    if (position + 5 > contents.size() || contents[position] != L'+')
        return 0;
    int code = 0;
    for (std::size_t i = 1; i <= 4; ++i) {
        const int digit = hexValue(contents[position + i]);
        if (digit < 0)
            return 0;
        code = code * 16 + digit;
    }
    character = static_cast<wchar_t>(code);
    return 5;
}

bool canBreakBetween(wchar_t before, wchar_t after)
{
    return before == L' ' || isFullWidth(before) || (isFullWidth(after) && after != L' ');
}

std::wstring trimRight(std::wstring text)
{
    while (!text.empty() && text.back() == L' ')
        text.pop_back();
    return text;
}

std::wstring trimLeft(std::wstring_view text)
{
    std::size_t start = 0;
    while (start < text.size() && text[start] == L' ')
        ++start;
    return std::wstring(text.substr(start));
}

} // namespace

std::vector<std::wstring> mtextParagraphs(std::wstring_view contents)
{
    std::vector<std::wstring> paragraphs(1);
    std::size_t i = 0;
    while (i < contents.size()) {
        const wchar_t character = contents[i];
        if (character == L'{' || character == L'}') {
            ++i;
            continue;
        }
        if (character == L'\n') {
            paragraphs.emplace_back();
            ++i;
            continue;
        }
        if (character != L'\\') {
            paragraphs.back().push_back(character);
            ++i;
            continue;
        }
        if (i + 1 >= contents.size())
            break;
        const wchar_t code = contents[i + 1];
        i += 2;
        if (code == L'P' || code == L'N' || code == L'X') {
            paragraphs.emplace_back();
        } else if (code == L'~') {
            paragraphs.back().push_back(kNoBreakSpace);
        } else if (code == L'U') {
            wchar_t unicode = 0;
            const std::size_t used = unicodeEscape(contents, i, unicode);
            if (used > 0)
                paragraphs.back().push_back(unicode);
            i += used;
        } else if (code == L'S') {
            // A stacked fraction shows as numerator/denominator on one line.
            while (i < contents.size() && contents[i] != L';') {
                const wchar_t part = contents[i++];
                paragraphs.back().push_back(part == L'^' || part == L'#' ? L'/' : part);
            }
            if (i < contents.size())
                ++i;
        } else if (kArgumentCodes.find(code) != std::wstring_view::npos) {
            while (i < contents.size() && contents[i] != L';')
                ++i;
            if (i < contents.size())
                ++i;
        } else if (kToggleCodes.find(code) == std::wstring_view::npos) {
            // An escaped backslash or brace shows as itself, and so does an unknown code, as the host
            // does with a stray backslash.
            paragraphs.back().push_back(code);
        }
    }
    return paragraphs;
}

std::vector<MTextLine> layoutMText(std::wstring_view contents, double height, double widthFactor, double wrapWidth)
{
    std::vector<MTextLine> lines;
    auto emit = [&](std::wstring text) {
        text = trimRight(std::move(text));
        const double width = textWidth(text, height, widthFactor);
        lines.push_back({std::move(text), width});
    };
    constexpr double kSlack = 1e-9;
    for (const std::wstring& paragraph : mtextParagraphs(contents)) {
        std::wstring current;
        // The width of current, kept as characters are added rather than measured again each time: a
        // candidate line ending in a character other than a blank is current plus that character.
        double currentWidth = 0.0;
        for (wchar_t character : paragraph) {
            const double advance = characterAdvance(character, height, widthFactor);
            const bool overflows = wrapWidth > 0.0 && character != L' ' && currentWidth + advance > wrapWidth + kSlack;
            if (!overflows || current.empty()) {
                current += character;
                currentWidth += advance;
                continue;
            }
            std::size_t breakAt = 0;
            for (std::size_t j = current.size(); j > 0; --j) {
                const wchar_t after = j == current.size() ? character : current[j];
                if (canBreakBetween(current[j - 1], after)) {
                    breakAt = j;
                    break;
                }
            }
            if (breakAt == 0) {
                current += character;
                currentWidth += advance;
                continue;
            }
            emit(current.substr(0, breakAt));
            current = trimLeft(std::wstring_view(current).substr(breakAt)) + character;
            currentWidth = textWidth(current, height, widthFactor);
        }
        emit(std::move(current));
    }
    return lines;
}

} // namespace cadhost
