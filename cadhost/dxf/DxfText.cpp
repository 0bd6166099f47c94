#include "DxfText.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <utility>

namespace cadhost::dxf {
namespace {

// The DXF code pages that are not simply a Windows code page number.
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kNamedCodePages{{
    {"ANSI_932", "SHIFT_JIS"},
    {"ANSI_936", "GBK"},
    {"ANSI_949", "CP949"},
    {"ANSI_950", "BIG5"},
    {"DOS932", "SHIFT_JIS"},
}};

// The encodings of \M+n: the digit n names the double-byte code page of the character.
constexpr std::array<std::string_view, 6> kMultiByteEncodings{"", "SHIFT_JIS", "BIG5", "CP949", "JOHAB", "GBK"};

std::string upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

std::string encodingOf(const std::string& version, const std::string& codePage)
{
    if (upper(version) >= "AC1021")
        return "UTF-8";
    const std::string name = upper(codePage);
    for (const auto& [dxfName, iconvName] : kNamedCodePages)
        if (name == dxfName)
            return std::string(iconvName);
    if (name.starts_with("ANSI_") && name.size() > 5)
        return "CP" + name.substr(5);
    return "CP1252";
}

// Converts with iconv to UTF-32; a byte that does not convert becomes U+FFFD so that no text is lost
// silently and the rest still arrives.
std::wstring convert(const std::string& encoding, std::string_view bytes)
{
    static_assert(sizeof(wchar_t) == 4, "wide strings hold UTF-32 on this platform");
    iconv_t converter = iconv_open("WCHAR_T", encoding.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1))
        converter = iconv_open("WCHAR_T", "CP1252");
    std::wstring result;
    std::string input(bytes);
    char* in = input.data();
    std::size_t inLeft = input.size();
    std::wstring buffer(input.size() + 1, L'\0');
    while (inLeft > 0) {
        char* out = reinterpret_cast<char*>(buffer.data());
        std::size_t outLeft = buffer.size() * sizeof(wchar_t);
        const std::size_t converted = iconv(converter, &in, &inLeft, &out, &outLeft);
        result.append(buffer.data(), (buffer.size() * sizeof(wchar_t) - outLeft) / sizeof(wchar_t));
        if (converted == static_cast<std::size_t>(-1) && inLeft > 0) {
            result.push_back(L'\uFFFD');
            ++in;
            --inLeft;
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(converter);
    return result;
}

bool hexValue(std::wstring_view digits, unsigned& value)
{
    value = 0;
    for (const wchar_t digit : digits) {
        value <<= 4;
        if (digit >= L'0' && digit <= L'9')
            value |= static_cast<unsigned>(digit - L'0');
        else if (digit >= L'A' && digit <= L'F')
            value |= static_cast<unsigned>(digit - L'A' + 10);
        else if (digit >= L'a' && digit <= L'f')
            value |= static_cast<unsigned>(digit - L'a' + 10);
        else
            return false;
    }
    return true;
}

// Replaces \U+XXXX and \M+nXXXX by the characters they spell; anything else stays as written.
std::wstring unescape(const std::wstring& text)
{
    std::wstring result;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::wstring_view rest = std::wstring_view(text).substr(at);
        unsigned value = 0;
        if (rest.size() >= 7 && (rest.starts_with(L"\\U+") || rest.starts_with(L"\\u+")) &&
            hexValue(rest.substr(3, 4), value) && value != 0) {
            result.push_back(static_cast<wchar_t>(value));
            at += 6;
            continue;
        }
        if (rest.size() >= 8 && (rest.starts_with(L"\\M+") || rest.starts_with(L"\\m+")) && rest[3] >= L'1' &&
            rest[3] <= L'5' && hexValue(rest.substr(4, 4), value)) {
            const std::string bytes{static_cast<char>(value >> 8), static_cast<char>(value & 0xFF)};
            result += convert(std::string(kMultiByteEncodings[static_cast<std::size_t>(rest[3] - L'0')]), bytes);
            at += 7;
            continue;
        }
        result.push_back(text[at]);
    }
    return result;
}

} // namespace

DxfText::DxfText(const std::string& version, const std::string& codePage) : m_encoding(encodingOf(version, codePage))
{
}

std::wstring DxfText::decode(const std::string& bytes) const
{
    const bool plain = std::all_of(bytes.begin(), bytes.end(), [](char c) { return c > 0 && c != '\\'; });
    if (plain)
        return {bytes.begin(), bytes.end()};
    return unescape(convert(m_encoding, bytes));
}

} // namespace cadhost::dxf
