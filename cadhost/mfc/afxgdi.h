// Fonts, device contexts and colours, as far as controls measure and colour their text. Nothing is
// painted headless, but what a control asks for is kept and measurable: a device context measures text
// in dialog units with fixed metrics (a full-width character is 8 units wide, any other character 4, a
// line 8 high, for the dialog font), and remembers the colours set on it.
#pragma once

#include "afxrect.h"
#include "afxstr.h"

#include <memory>

using HGDIOBJ = void*;
struct HBRUSH__;
using HBRUSH = HBRUSH__*;
struct HFONT__;
using HFONT = HFONT__*;

constexpr int LF_FACESIZE = 32;
constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_BOLD = 700;

struct LOGFONTW {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    wchar_t lfFaceName[LF_FACESIZE];
};
using LOGFONT = LOGFONTW;

class CADHOST_EXPORT CFont {
public:
    BOOL CreateFontIndirect(const LOGFONTW* font);
    int GetLogFont(LOGFONTW* font) const;
    BOOL DeleteObject();
    HFONT GetSafeHandle() const { return m_font ? reinterpret_cast<HFONT>(m_font.get()) : nullptr; }

private:
    std::unique_ptr<LOGFONTW> m_font;
};

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

class CWnd;

class CADHOST_EXPORT CDC {
public:
    CDC() = default;
    virtual ~CDC() = default;

    // The width and height of one line of text in the selected font (the window's font for a client DC).
    CSize GetTextExtent(const CString& text) const;
    CFont* SelectObject(CFont* font);
    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return m_textColor; }
    int SetBkMode(int mode);
    int GetBkMode() const { return m_backgroundMode; }

protected:
    CFont* m_font = nullptr;

private:
    COLORREF m_textColor = 0;
    int m_backgroundMode = OPAQUE;
};

class CADHOST_EXPORT CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* window);
};

constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
CADHOST_EXPORT HGDIOBJ GetStockObject(int object);

constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HOTLIGHT = 26;
// The classic Windows scheme's colours.
CADHOST_EXPORT COLORREF GetSysColor(int index);

namespace cadhost {
// The font a dialog gets from its template: the face, 8 units high.
CADHOST_EXPORT LOGFONTW dialogFont(const wchar_t* face);
} // namespace cadhost
