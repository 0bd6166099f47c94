#include "afxstr.h"

#include "codepage.h"

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <cwctype>
#include <memory>

namespace {

int sign(int value)
{
    return (value > 0) - (value < 0);
}

bool isLengthModifier(wchar_t ch)
{
    return std::wcschr(L"hlLqjztIw", ch) != nullptr;
}

// Rewrites one conversion's length modifier and type from the Windows conventions into the C library's
// wide printf conventions.
std::wstring translateConversion(const std::wstring& length, wchar_t type)
{
    const bool narrow = length == L"h" || length == L"hh";
    const bool wide = length == L"l" || length == L"w";
    switch (type) {
    case L's':
        return narrow ? L"s" : L"ls";
    case L'S':
        return wide ? L"ls" : L"s";
    case L'c':
        return narrow ? L"c" : L"lc";
    case L'C':
        return wide ? L"lc" : L"c";
    default:
        break;
    }
    if (length == L"I64")
        return std::wstring(L"ll") + type;
    if (length == L"I32")
        return std::wstring(1, type);
    if (length == L"I")
        return std::wstring(L"z") + type;
    return length + type;
}

std::wstring translateFormat(const wchar_t* format)
{
    std::wstring out;
    const wchar_t* p = format;
    while (*p != L'\0') {
        if (*p != L'%') {
            out += *p++;
            continue;
        }
        out += *p++;
        if (*p == L'%') {
            out += *p++;
            continue;
        }
        while (*p != L'\0' && std::wcschr(L"-+ #0", *p) != nullptr)
            out += *p++;
        while (*p != L'\0' && (std::iswdigit(*p) || *p == L'*' || *p == L'.'))
            out += *p++;
        std::wstring length;
        if (p[0] == L'I' && ((p[1] == L'6' && p[2] == L'4') || (p[1] == L'3' && p[2] == L'2'))) {
            length.assign(p, 3);
            p += 3;
        }
        while (*p != L'\0' && isLengthModifier(*p))
            length += *p++;
        if (*p == L'\0') {
            out += length;
            break;
        }
        out += translateConversion(length, *p++);
    }
    return out;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::wstring formatText(const wchar_t* format, va_list args)
{
    if (format == nullptr)
        return {};
    const std::wstring translated = translateFormat(format);
    // Most texts fit a small buffer. vswprintf cannot tell a short buffer from an encoding error, so
    // whatever it refuses goes through a memory stream, which grows as needed.
    std::array<wchar_t, 512> small{};
    va_list attempt;
    va_copy(attempt, args);
    // The analyser does not see va_copy initialise the copy.
    // NOLINTNEXTLINE(clang-analyzer-valist.Uninitialized)
    const int length = std::vswprintf(small.data(), small.size(), translated.c_str(), attempt);
    va_end(attempt);
    if (length >= 0)
        return std::wstring(small.data(), static_cast<std::size_t>(length));
    wchar_t* buffer = nullptr;
    std::size_t size = 0;
    {
        std::unique_ptr<std::FILE, FileCloser> stream(open_wmemstream(&buffer, &size));
        if (!stream)
            return {};
        std::vfwprintf(stream.get(), translated.c_str(), args);
    }
    std::wstring result(buffer, size);
    std::free(buffer);
    return result;
}

std::wstring lowered(std::wstring_view text)
{
    std::wstring out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](wchar_t ch) { return std::towlower(ch); });
    return out;
}

bool isSpace(wchar_t ch)
{
    return std::iswspace(static_cast<wint_t>(ch)) != 0;
}

} // namespace

CString::CString(const char* text) : m_text(text != nullptr ? cadhost::fromUtf8(text) : L"")
{
}

int CString::Compare(const wchar_t* other) const
{
    return sign(m_text.compare(other != nullptr ? other : L""));
}

int CString::CompareNoCase(const wchar_t* other) const
{
    return sign(lowered(m_text).compare(lowered(other != nullptr ? other : L"")));
}

CString& CString::MakeUpper()
{
    std::transform(m_text.begin(), m_text.end(), m_text.begin(), [](wchar_t ch) { return std::towupper(ch); });
    return *this;
}

CString& CString::MakeLower()
{
    m_text = lowered(m_text);
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_text.begin(), m_text.end());
    return *this;
}

int CString::Find(wchar_t ch, int start) const
{
    if (start < 0 || start > GetLength())
        return -1;
    const auto found = m_text.find(ch, static_cast<std::size_t>(start));
    return found == std::wstring::npos ? -1 : static_cast<int>(found);
}

int CString::Find(const wchar_t* sub, int start) const
{
    if (sub == nullptr || start < 0 || start > GetLength())
        return -1;
    const auto found = m_text.find(sub, static_cast<std::size_t>(start));
    return found == std::wstring::npos ? -1 : static_cast<int>(found);
}

int CString::ReverseFind(wchar_t ch) const
{
    const auto found = m_text.rfind(ch);
    return found == std::wstring::npos ? -1 : static_cast<int>(found);
}

int CString::FindOneOf(const wchar_t* chars) const
{
    const auto found = m_text.find_first_of(chars != nullptr ? chars : L"");
    return found == std::wstring::npos ? -1 : static_cast<int>(found);
}

CString CString::Left(int count) const
{
    return CString(m_text.substr(0, clampLength(count)));
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    const std::size_t from = std::min(clampLength(first), m_text.size());
    return CString(m_text.substr(from, clampLength(count)));
}

CString CString::Right(int count) const
{
    const std::size_t take = std::min(clampLength(count), m_text.size());
    return CString(m_text.substr(m_text.size() - take));
}

CString CString::SpanIncluding(const wchar_t* chars) const
{
    const auto end = m_text.find_first_not_of(chars != nullptr ? chars : L"");
    return CString(m_text.substr(0, end));
}

CString CString::SpanExcluding(const wchar_t* chars) const
{
    const auto end = m_text.find_first_of(chars != nullptr ? chars : L"");
    return CString(m_text.substr(0, end));
}

CString CString::Tokenize(const wchar_t* tokens, int& start) const
{
    const std::wstring_view separators = tokens != nullptr ? tokens : L"";
    if (start < 0 || start >= GetLength()) {
        start = -1;
        return {};
    }
    const auto begin = m_text.find_first_not_of(separators, static_cast<std::size_t>(start));
    if (begin == std::wstring::npos) {
        start = -1;
        return {};
    }
    auto end = m_text.find_first_of(separators, begin);
    if (end == std::wstring::npos)
        end = m_text.size();
    start = static_cast<int>(end) + 1;
    return CString(m_text.substr(begin, end - begin));
}

int CString::Replace(wchar_t oldChar, wchar_t newChar)
{
    int count = 0;
    for (wchar_t& ch : m_text) {
        if (ch == oldChar) {
            ch = newChar;
            ++count;
        }
    }
    return count;
}

int CString::Replace(const wchar_t* oldText, const wchar_t* newText)
{
    const std::wstring_view from = oldText != nullptr ? oldText : L"";
    const std::wstring_view to = newText != nullptr ? newText : L"";
    if (from.empty())
        return 0;
    int count = 0;
    std::wstring out;
    std::size_t pos = 0;
    for (auto found = m_text.find(from); found != std::wstring::npos; found = m_text.find(from, pos)) {
        out.append(m_text, pos, found - pos);
        out += to;
        pos = found + from.size();
        ++count;
    }
    out.append(m_text, pos);
    m_text = std::move(out);
    return count;
}

int CString::Remove(wchar_t ch)
{
    const auto before = m_text.size();
    std::erase(m_text, ch);
    return static_cast<int>(before - m_text.size());
}

int CString::Insert(int index, wchar_t ch)
{
    return Insert(index, std::wstring(1, ch).c_str());
}

int CString::Insert(int index, const wchar_t* text)
{
    const std::size_t at = std::min(clampLength(index), m_text.size());
    m_text.insert(at, text != nullptr ? text : L"");
    return GetLength();
}

int CString::Delete(int index, int count)
{
    const std::size_t at = clampLength(index);
    if (at < m_text.size())
        m_text.erase(at, clampLength(count));
    return GetLength();
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(wchar_t ch)
{
    return TrimRight(ch).TrimLeft(ch);
}

CString& CString::Trim(const wchar_t* chars)
{
    return TrimRight(chars).TrimLeft(chars);
}

CString& CString::TrimLeft()
{
    m_text.erase(m_text.begin(), std::find_if_not(m_text.begin(), m_text.end(), isSpace));
    return *this;
}

CString& CString::TrimLeft(wchar_t ch)
{
    return TrimLeft(std::wstring(1, ch).c_str());
}

CString& CString::TrimLeft(const wchar_t* chars)
{
    const auto begin = m_text.find_first_not_of(chars != nullptr ? chars : L"");
    m_text.erase(0, begin);
    return *this;
}

CString& CString::TrimRight()
{
    m_text.erase(std::find_if_not(m_text.rbegin(), m_text.rend(), isSpace).base(), m_text.end());
    return *this;
}

CString& CString::TrimRight(wchar_t ch)
{
    return TrimRight(std::wstring(1, ch).c_str());
}

CString& CString::TrimRight(const wchar_t* chars)
{
    const auto last = m_text.find_last_not_of(chars != nullptr ? chars : L"");
    m_text.erase(last == std::wstring::npos ? 0 : last + 1);
    return *this;
}

std::wstring CString::formatList(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    std::wstring text = formatText(format, args);
    va_end(args);
    return text;
}

void CString::FormatV(const wchar_t* format, va_list args)
{
    m_text = formatText(format, args);
}

void CString::AppendFormatV(const wchar_t* format, va_list args)
{
    m_text += formatText(format, args);
}

wchar_t* CString::GetBuffer()
{
    return m_text.data();
}

wchar_t* CString::GetBuffer(int minLength)
{
    if (clampLength(minLength) > m_text.size())
        m_text.resize(clampLength(minLength));
    return m_text.data();
}

wchar_t* CString::GetBufferSetLength(int length)
{
    m_text.resize(clampLength(length));
    return m_text.data();
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        m_text.resize(std::wcslen(m_text.c_str()));
    else
        m_text.resize(std::min(clampLength(newLength), m_text.size()));
}
