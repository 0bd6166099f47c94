#include "codepage.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isEncodable(char32_t code)
{
    return code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
}

void appendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Decodes one character at bytes[pos], advancing pos; an invalid or truncated sequence yields
// U+FFFD and consumes one byte so decoding resynchronises on the next byte.
char32_t decodeUtf8(std::string_view bytes, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    int extra = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        code = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        code = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        code = lead & 0x07;
        minimum = 0x10000;
    } else {
        ++pos;
        return kReplacement;
    }
    if (pos + static_cast<std::size_t>(extra) >= bytes.size()) {
        ++pos;
        return kReplacement;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(bytes[pos + static_cast<std::size_t>(i)]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return kReplacement;
        }
        code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || !isEncodable(code)) {
        ++pos;
        return kReplacement;
    }
    pos += static_cast<std::size_t>(extra) + 1;
    return code;
}

std::wstring_view wideInput(LPCWSTR text, int length)
{
    if (text == nullptr)
        return {};
    return length < 0 ? std::wstring_view(text, std::wcslen(text) + 1)
                      : std::wstring_view(text, static_cast<std::size_t>(length));
}

std::string_view byteInput(LPCSTR bytes, int length)
{
    if (bytes == nullptr)
        return {};
    return length < 0 ? std::string_view(bytes, std::strlen(bytes) + 1)
                      : std::string_view(bytes, static_cast<std::size_t>(length));
}

bool supported(UINT codePage)
{
    return codePage == CP_ACP || codePage == CP_UTF8;
}

} // namespace

namespace cadhost {

std::string toUtf8(std::wstring_view text)
{
    std::string out;
    out.reserve(text.size());
    for (wchar_t ch : text) {
        const auto code = static_cast<char32_t>(ch);
        appendUtf8(out, isEncodable(code) ? code : kReplacement);
    }
    return out;
}

std::wstring fromUtf8(std::string_view bytes)
{
    std::wstring out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();)
        out += static_cast<wchar_t>(decodeUtf8(bytes, pos));
    return out;
}

} // namespace cadhost

int WideCharToMultiByte(UINT codePage, DWORD, LPCWSTR wideText, int wideLength, char* bytes, int byteSize, LPCSTR,
                        BOOL* usedDefaultChar)
{
    if (usedDefaultChar != nullptr)
        *usedDefaultChar = FALSE;
    if (!supported(codePage) || wideText == nullptr || byteSize < 0)
        return 0;
    const std::string encoded = cadhost::toUtf8(wideInput(wideText, wideLength));
    const auto needed = static_cast<int>(encoded.size());
    if (byteSize == 0)
        return needed;
    if (bytes == nullptr || needed > byteSize)
        return 0;
    std::copy(encoded.begin(), encoded.end(), bytes);
    return needed;
}

int MultiByteToWideChar(UINT codePage, DWORD, LPCSTR bytes, int byteLength, LPWSTR wideText, int wideSize)
{
    if (!supported(codePage) || bytes == nullptr || wideSize < 0)
        return 0;
    const std::wstring decoded = cadhost::fromUtf8(byteInput(bytes, byteLength));
    const auto needed = static_cast<int>(decoded.size());
    if (wideSize == 0)
        return needed;
    if (wideText == nullptr || needed > wideSize)
        return 0;
    std::copy(decoded.begin(), decoded.end(), wideText);
    return needed;
}
