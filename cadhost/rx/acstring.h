// The host's wide string class, as far as the filer and the plug-in use it.
#pragma once

#include "adesk.h"

#include <string>

class CADHOST_EXPORT AcString {
public:
    AcString() = default;
    AcString(const ACHAR* text) : m_text(text != nullptr ? text : L"") {} // NOLINT(google-explicit-constructor)
    AcString(const std::wstring& text) : m_text(text) {}                  // NOLINT(google-explicit-constructor)

    const ACHAR* kwszPtr() const { return m_text.c_str(); }
    const ACHAR* constPtr() const { return m_text.c_str(); }
    operator const ACHAR*() const { return m_text.c_str(); } // NOLINT(google-explicit-constructor)
    unsigned length() const { return static_cast<unsigned>(m_text.size()); }
    bool isEmpty() const { return m_text.empty(); }
    AcString& assign(const ACHAR* text)
    {
        m_text = text != nullptr ? text : L"";
        return *this;
    }
    const std::wstring& str() const { return m_text; }
    bool operator==(const AcString& other) const { return m_text == other.m_text; }

private:
    std::wstring m_text;
};
