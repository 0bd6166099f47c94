// MFC's wide string class. Format follows the Windows wide printf conventions: %s and %c take wide
// arguments, %S and %C narrow ones, %I64d a 64-bit integer.
#pragma once

#include "adesk.h"
#include "windef.h"

#include <cstdarg>
#include <string>
#include <string_view>
#include <type_traits>

class CADHOST_EXPORT CString {
public:
    CString() = default;
    CString(const wchar_t* text) : m_text(text != nullptr ? text : L"") {} // NOLINT(google-explicit-constructor)
    CString(const wchar_t* text, int length) : m_text(text != nullptr ? std::wstring(text, clampLength(length)) : L"")
    {
    }
    CString(const std::wstring& text) : m_text(text) {}       // NOLINT(google-explicit-constructor)
    CString(std::wstring&& text) : m_text(std::move(text)) {} // NOLINT(google-explicit-constructor)
    CString(std::wstring_view text) : m_text(text) {}         // NOLINT(google-explicit-constructor)
    // Narrow text is in the ANSI code page, which is UTF-8 here.
    CString(const char* text); // NOLINT(google-explicit-constructor)
    explicit CString(wchar_t ch, int repeat = 1) : m_text(clampLength(repeat), ch) {}

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    const wchar_t* GetString() const { return m_text.c_str(); }
    operator const wchar_t*() const { return m_text.c_str(); } // NOLINT(google-explicit-constructor)
    const std::wstring& str() const { return m_text; }

    wchar_t GetAt(int index) const { return m_text.at(static_cast<std::size_t>(index)); }
    void SetAt(int index, wchar_t ch) { m_text.at(static_cast<std::size_t>(index)) = ch; }
    wchar_t operator[](int index) const { return GetAt(index); }

    int Compare(const wchar_t* other) const;
    int CompareNoCase(const wchar_t* other) const;
    int Collate(const wchar_t* other) const { return Compare(other); }
    int CollateNoCase(const wchar_t* other) const { return CompareNoCase(other); }

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    int Find(wchar_t ch, int start = 0) const;
    int Find(const wchar_t* sub, int start = 0) const;
    int ReverseFind(wchar_t ch) const;
    int FindOneOf(const wchar_t* chars) const;

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;
    CString SpanIncluding(const wchar_t* chars) const;
    CString SpanExcluding(const wchar_t* chars) const;
    CString Tokenize(const wchar_t* tokens, int& start) const;

    int Replace(wchar_t oldChar, wchar_t newChar);
    int Replace(const wchar_t* oldText, const wchar_t* newText);
    int Remove(wchar_t ch);
    int Insert(int index, wchar_t ch);
    int Insert(int index, const wchar_t* text);
    int Delete(int index, int count = 1);

    CString& Trim();
    CString& Trim(wchar_t ch);
    CString& Trim(const wchar_t* chars);
    CString& TrimLeft();
    CString& TrimLeft(wchar_t ch);
    CString& TrimLeft(const wchar_t* chars);
    CString& TrimRight();
    CString& TrimRight(wchar_t ch);
    CString& TrimRight(const wchar_t* chars);

    // A CString argument is passed as its text, as MFC's layout allows on Windows.
    template <class... Args> void Format(const wchar_t* format, const Args&... args)
    {
        m_text = formatList(format, formatArg(args)...);
    }
    template <class... Args> void AppendFormat(const wchar_t* format, const Args&... args)
    {
        m_text += formatList(format, formatArg(args)...);
    }
    void FormatV(const wchar_t* format, va_list args);
    void AppendFormatV(const wchar_t* format, va_list args);

    void Append(const wchar_t* text) { m_text += text != nullptr ? text : L""; }
    void AppendChar(wchar_t ch) { m_text += ch; }

    // The buffer holds at least minLength characters plus a terminator; ReleaseBuffer(-1) takes the text
    // up to the first NUL.
    wchar_t* GetBuffer();
    wchar_t* GetBuffer(int minLength);
    wchar_t* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    CString& operator=(const wchar_t* text)
    {
        m_text = text != nullptr ? text : L"";
        return *this;
    }
    CString& operator=(wchar_t ch)
    {
        m_text.assign(1, ch);
        return *this;
    }
    CString& operator+=(const CString& text)
    {
        m_text += text.m_text;
        return *this;
    }
    CString& operator+=(const wchar_t* text)
    {
        Append(text);
        return *this;
    }
    CString& operator+=(wchar_t ch)
    {
        m_text += ch;
        return *this;
    }

    friend CString operator+(const CString& left, const CString& right) { return CString(left.m_text + right.m_text); }
    friend CString operator+(const CString& left, const wchar_t* right)
    {
        return CString(left.m_text + (right != nullptr ? right : L""));
    }
    friend CString operator+(const wchar_t* left, const CString& right)
    {
        return CString((left != nullptr ? left : L"") + right.m_text);
    }
    friend CString operator+(const CString& left, wchar_t right) { return CString(left.m_text + right); }
    friend CString operator+(wchar_t left, const CString& right) { return CString(left + right.m_text); }

    friend bool operator==(const CString& left, const CString& right) { return left.m_text == right.m_text; }
    friend bool operator==(const CString& left, const wchar_t* right) { return left.Compare(right) == 0; }
    friend auto operator<=>(const CString& left, const CString& right) { return left.m_text <=> right.m_text; }

private:
    // Text objects (CString, std::wstring, AcString) travel as their characters; other arguments as they are.
    template <class T> static decltype(auto) formatArg(const T& value)
    {
        if constexpr (std::is_same_v<T, std::wstring>) {
            return value.c_str();
        } else if constexpr (std::is_class_v<T>) {
            static_assert(std::is_convertible_v<const T&, const wchar_t*>, "Format takes text objects as wide text");
            return static_cast<const wchar_t*>(value);
        } else {
            return (value);
        }
    }
    static std::wstring formatList(const wchar_t* format, ...);
    static std::size_t clampLength(int length) { return length > 0 ? static_cast<std::size_t>(length) : 0; }

    std::wstring m_text;
};

// MFC's narrow-character names for the same class on a Unicode build.
using CStringW = CString;
