#include "afxgdi.h"

#include "afxwnd.h"

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <type_traits>
#include <utility>

namespace {

constexpr LONG kDialogFontHeight = 8;

bool isFullWidth(wchar_t ch)
{
    const auto code = static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<wchar_t>>(ch));
    return (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && !(code >= 0xFF61 && code <= 0xFFDC));
}

} // namespace

BOOL CFont::CreateFontIndirect(const LOGFONTW* font)
{
    if (font == nullptr || m_font)
        return FALSE;
    m_font = std::make_unique<LOGFONTW>(*font);
    return TRUE;
}

int CFont::GetLogFont(LOGFONTW* font) const
{
    if (!m_font || font == nullptr)
        return 0;
    *font = *m_font;
    return static_cast<int>(sizeof(LOGFONTW));
}

BOOL CFont::DeleteObject()
{
    if (!m_font)
        return FALSE;
    m_font.reset();
    return TRUE;
}

CSize CDC::GetTextExtent(const CString& text) const
{
    LOGFONTW font{};
    const LONG height = m_font != nullptr && m_font->GetLogFont(&font) != 0 && font.lfHeight != 0
                            ? std::abs(font.lfHeight)
                            : kDialogFontHeight;
    LONG width = 0;
    for (int i = 0; i < text.GetLength(); ++i)
        width += isFullWidth(text[i]) ? height : height / 2;
    return CSize(width, height);
}

CFont* CDC::SelectObject(CFont* font)
{
    return std::exchange(m_font, font);
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    return std::exchange(m_textColor, color);
}

int CDC::SetBkMode(int mode)
{
    return std::exchange(m_backgroundMode, mode);
}

CClientDC::CClientDC(CWnd* window)
{
    if (window != nullptr && window->m_hWnd != nullptr)
        m_font = window->GetFont();
}

HGDIOBJ GetStockObject(int object)
{
    static int stockObjects[NULL_BRUSH + 1];
    return object >= 0 && object <= NULL_BRUSH ? &stockObjects[object] : nullptr;
}

COLORREF GetSysColor(int index)
{
    switch (index) {
    case COLOR_WINDOW:
        return RGB(255, 255, 255);
    case COLOR_HIGHLIGHT:
        return RGB(0, 120, 215);
    case COLOR_HOTLIGHT:
        return RGB(0, 102, 204);
    case COLOR_WINDOWTEXT:
    default:
        return RGB(0, 0, 0);
    }
}

namespace cadhost {

LOGFONTW dialogFont(const wchar_t* face)
{
    LOGFONTW font{};
    font.lfHeight = kDialogFontHeight;
    font.lfWeight = FW_NORMAL;
    std::wcsncpy(font.lfFaceName, face != nullptr ? face : L"", LF_FACESIZE - 1);
    return font;
}

} // namespace cadhost
