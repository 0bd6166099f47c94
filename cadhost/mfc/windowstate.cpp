#include "windowstate.h"

#include "afxbutton.h"
#include "afxcombobox.h"
#include "afxdatetimectrl.h"
#include "afxdialog.h"
#include "afxedit.h"
#include "afxlistctrl.h"
#include "afxstatic.h"
#include "afxtabctrl.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cwchar>

namespace {

std::unique_ptr<CWnd> temporaryObjectFor(WindowKind kind)
{
    switch (kind) {
    case WindowKind::Dialog:
        return std::make_unique<CDialog>();
    case WindowKind::Button:
        return std::make_unique<CButton>();
    case WindowKind::Edit:
        return std::make_unique<CEdit>();
    case WindowKind::ComboBox:
        return std::make_unique<CComboBox>();
    case WindowKind::ListView:
        return std::make_unique<CListCtrl>();
    case WindowKind::TabControl:
        return std::make_unique<CTabCtrl>();
    case WindowKind::DateTimePicker:
        return std::make_unique<CDateTimeCtrl>();
    case WindowKind::Static:
        return std::make_unique<CStatic>();
    case WindowKind::Window:
        break;
    }
    return std::make_unique<CWnd>();
}

} // namespace

HWND__::HWND__(WindowKind kind, std::wstring className, UINT id, DWORD style, std::wstring text, const CRect& rect)
    : kind(kind), className(std::move(className)), id(id), style(style), text(std::move(text)), rect(rect)
{
    if (kind == WindowKind::DateTimePicker) {
        date = cadhost::today();
        this->text = cadhost::shortDateText(date);
    }
}

HWND__::~HWND__()
{
    detachAll();
    if (cadhost::captureWindow() == this)
        cadhost::captureWindow() = nullptr;
}

bool HWND__::isShown() const
{
    for (const HWND__* window = this; window != nullptr; window = window->parent) {
        if ((window->style & WS_VISIBLE) == 0)
            return false;
    }
    return true;
}

HWND__* HWND__::addChild(std::unique_ptr<HWND__> child)
{
    child->parent = this;
    children.push_back(std::move(child));
    return children.back().get();
}

std::unique_ptr<HWND__> HWND__::removeChild(HWND__* child)
{
    const auto found =
        std::find_if(children.begin(), children.end(),
                     [child](const std::unique_ptr<HWND__>& candidate) { return candidate.get() == child; });
    if (found == children.end())
        return nullptr;
    std::unique_ptr<HWND__> removed = std::move(*found);
    children.erase(found);
    removed->parent = nullptr;
    return removed;
}

HWND__* HWND__::findChild(UINT childId) const
{
    for (const auto& child : children) {
        if (child->id == childId)
            return child.get();
    }
    return nullptr;
}

CWnd* HWND__::object()
{
    if (attached != nullptr)
        return attached;
    if (!temporary) {
        temporary = temporaryObjectFor(kind);
        temporary->m_hWnd = this;
    }
    return temporary.get();
}

void HWND__::detachAll()
{
    for (const auto& child : children)
        child->detachAll();
    if (attached != nullptr) {
        attached->m_hWnd = nullptr;
        attached = nullptr;
    }
    if (temporary)
        temporary->m_hWnd = nullptr;
}

namespace cadhost {

HWND& captureWindow()
{
    static HWND window = nullptr;
    return window;
}

WindowKind windowKindOf(const std::wstring& className)
{
    struct Entry {
        const wchar_t* className;
        WindowKind kind;
    };
    static const Entry kinds[] = {
        {WC_BUTTONW, WindowKind::Button},
        {WC_EDITW, WindowKind::Edit},
        {WC_COMBOBOXW, WindowKind::ComboBox},
        {WC_STATICW, WindowKind::Static},
        {WC_LISTVIEWW, WindowKind::ListView},
        {WC_TABCONTROLW, WindowKind::TabControl},
        {DATETIMEPICK_CLASSW, WindowKind::DateTimePicker},
    };
    for (const Entry& entry : kinds) {
        if (CString(className.c_str()).CompareNoCase(entry.className) == 0)
            return entry.kind;
    }
    return WindowKind::Window;
}

std::wstring shortDateText(const SYSTEMTIME& date)
{
    wchar_t text[32];
    std::swprintf(text, 32, L"%u/%u/%u", static_cast<unsigned>(date.wYear), static_cast<unsigned>(date.wMonth),
                  static_cast<unsigned>(date.wDay));
    return text;
}

SYSTEMTIME today()
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    SYSTEMTIME date{};
    date.wYear = static_cast<WORD>(local.tm_year + 1900);
    date.wMonth = static_cast<WORD>(local.tm_mon + 1);
    date.wDayOfWeek = static_cast<WORD>(local.tm_wday);
    date.wDay = static_cast<WORD>(local.tm_mday);
    return date;
}

} // namespace cadhost
