#include "afxwnd.h"

#include "afxddx.h"
#include "afxmsgbox.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

CWnd::~CWnd()
{
    if (m_ownedWindow) {
        m_ownedWindow->detachAll();
        m_ownedWindow.reset();
    } else if (m_hWnd != nullptr) {
        if (m_created)
            CWnd::DestroyWindow();
        else if (m_hWnd->attached == this)
            m_hWnd->attached = nullptr;
    }
}

CWnd* CWnd::FromHandle(HWND window)
{
    return window != nullptr ? window->object() : nullptr;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    if (parent == nullptr || parent->m_hWnd == nullptr)
        return FALSE;
    HWND child = parent->m_hWnd->findChild(id);
    return child != nullptr ? SubclassWindow(child) : FALSE;
}

BOOL CWnd::SubclassWindow(HWND window)
{
    if (window == nullptr || m_hWnd != nullptr || window->attached != nullptr)
        return FALSE;
    window->attached = this;
    m_hWnd = window;
    PreSubclassWindow();
    return TRUE;
}

HWND CWnd::UnsubclassWindow()
{
    HWND window = std::exchange(m_hWnd, nullptr);
    if (window != nullptr && window->attached == this)
        window->attached = nullptr;
    return window;
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    HWND window = m_hWnd;
    window->detachAll();
    if (m_ownedWindow)
        m_ownedWindow.reset();
    else if (window->parent != nullptr)
        window->parent->removeChild(window);
    m_created = false;
    return TRUE;
}

void CWnd::SetWindowText(LPCTSTR text)
{
    window().text = text != nullptr ? text : L"";
    if (m_hWnd->kind == WindowKind::Edit)
        cadhost::notifyParent(m_hWnd, EN_CHANGE);
}

void CWnd::GetWindowText(CString& text) const
{
    text = window().text;
}

int CWnd::GetWindowText(LPTSTR buffer, int size) const
{
    if (buffer == nullptr || size <= 0)
        return 0;
    const std::wstring& text = window().text;
    const auto count = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::copy_n(text.begin(), count, buffer);
    buffer[count] = L'\0';
    return static_cast<int>(count);
}

int CWnd::GetWindowTextLength() const
{
    return static_cast<int>(window().text.size());
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    HWND__& state = window();
    const BOOL wasDisabled = state.isEnabled() ? FALSE : TRUE;
    state.style = enable ? state.style & ~WS_DISABLED : state.style | WS_DISABLED;
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    return window().isEnabled() ? TRUE : FALSE;
}

BOOL CWnd::ShowWindow(int command)
{
    HWND__& state = window();
    const BOOL wasVisible = (state.style & WS_VISIBLE) != 0 ? TRUE : FALSE;
    state.style = command == SW_HIDE ? state.style & ~WS_VISIBLE : state.style | WS_VISIBLE;
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const
{
    return window().isShown() ? TRUE : FALSE;
}

DWORD CWnd::GetStyle() const
{
    return window().style;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT)
{
    HWND__& state = window();
    const DWORD changed = (state.style & ~remove) | add;
    if (changed == state.style)
        return FALSE;
    state.style = changed;
    return TRUE;
}

int CWnd::GetDlgCtrlID() const
{
    return static_cast<int>(window().id);
}

CWnd* CWnd::GetParent() const
{
    return m_hWnd != nullptr ? FromHandle(m_hWnd->parent) : nullptr;
}

CWnd* CWnd::GetDlgItem(int id) const
{
    return m_hWnd != nullptr ? FromHandle(m_hWnd->findChild(static_cast<UINT>(id))) : nullptr;
}

void CWnd::SetDlgItemText(int id, LPCTSTR text)
{
    if (CWnd* item = GetDlgItem(id))
        item->SetWindowText(text);
}

int CWnd::GetDlgItemText(int id, CString& text) const
{
    text.Empty();
    if (CWnd* item = GetDlgItem(id))
        item->GetWindowText(text);
    return text.GetLength();
}

void CWnd::CheckDlgButton(int id, UINT check)
{
    if (HWND item = window().findChild(static_cast<UINT>(id)))
        item->check = check;
}

UINT CWnd::IsDlgButtonChecked(int id) const
{
    const HWND item = window().findChild(static_cast<UINT>(id));
    return item != nullptr ? item->check : BST_UNCHECKED;
}

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId)
{
    for (const auto& child : window().children) {
        const auto id = static_cast<int>(child->id);
        if (child->kind == WindowKind::Button && id >= firstId && id <= lastId)
            child->check = id == checkId ? BST_CHECKED : BST_UNCHECKED;
    }
}

int CWnd::GetCheckedRadioButton(int firstId, int lastId) const
{
    for (const auto& child : window().children) {
        const auto id = static_cast<int>(child->id);
        if (child->kind == WindowKind::Button && id >= firstId && id <= lastId && child->check == BST_CHECKED)
            return id;
    }
    return 0;
}

void CWnd::GetClientRect(LPRECT rect) const
{
    const CRect& own = window().rect;
    *rect = CRect(0, 0, own.Width(), own.Height());
}

void CWnd::GetWindowRect(LPRECT rect) const
{
    CRect screen = window().rect;
    for (const HWND__* ancestor = m_hWnd->parent; ancestor != nullptr; ancestor = ancestor->parent)
        screen.OffsetRect(ancestor->rect.left, ancestor->rect.top);
    *rect = screen;
}

void CWnd::ScreenToClient(LPRECT rect) const
{
    CRect origin;
    GetWindowRect(origin);
    CRect result(*rect);
    result.OffsetRect(-origin.left, -origin.top);
    *rect = result;
}

void CWnd::ClientToScreen(LPRECT rect) const
{
    CRect origin;
    GetWindowRect(origin);
    CRect result(*rect);
    result.OffsetRect(origin.left, origin.top);
    *rect = result;
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL)
{
    window().rect = CRect(x, y, x + width, y + height);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint)
{
    MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd*, int x, int y, int cx, int cy, UINT flags)
{
    HWND__& state = window();
    const CPoint position = (flags & SWP_NOMOVE) != 0 ? state.rect.TopLeft() : CPoint(x, y);
    const CSize size = (flags & SWP_NOSIZE) != 0 ? state.rect.Size() : CSize(cx, cy);
    state.rect = CRect(position, size);
    if ((flags & SWP_SHOWWINDOW) != 0)
        state.style |= WS_VISIBLE;
    if ((flags & SWP_HIDEWINDOW) != 0)
        state.style &= ~WS_VISIBLE;
    return TRUE;
}

void CWnd::Invalidate(BOOL)
{
}

CFont* CWnd::GetFont() const
{
    return window().font;
}

void CWnd::SetFont(CFont* font, BOOL)
{
    window().font = font;
}

CWnd* CWnd::SetCapture()
{
    const HWND previous = std::exchange(cadhost::captureWindow(), &window());
    return FromHandle(previous);
}

CWnd* CWnd::GetCapture()
{
    return FromHandle(cadhost::captureWindow());
}

BOOL ReleaseCapture()
{
    cadhost::captureWindow() = nullptr;
    return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

void CWnd::OnMouseMove(UINT, CPoint)
{
}

BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    return FALSE;
}

int CWnd::MessageBox(LPCTSTR text, LPCTSTR caption, UINT type)
{
    return MessageBoxW(m_hWnd, text, caption, type);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    OnWndMsg(message, wParam, lParam, &result);
    return result;
}

BOOL CWnd::UpdateData(BOOL saveAndValidate)
{
    CDataExchange exchange(this, saveAndValidate);
    try {
        DoDataExchange(&exchange);
    } catch (const CUserException&) {
        return FALSE;
    }
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*)
{
}

void CWnd::PreSubclassWindow()
{
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const auto control = reinterpret_cast<HWND>(lParam);
    if (control != nullptr && control->attached != nullptr &&
        control->attached->OnChildNotify(WM_COMMAND, wParam, lParam, nullptr))
        return TRUE;
    const UINT id = LOWORD(wParam);
    const AFX_MSGMAP_ENTRY* entry = findEntry(WM_COMMAND, HIWORD(wParam), id);
    LRESULT result = 0;
    return entry != nullptr ? callHandler(*entry, id, wParam, lParam, &result) : FALSE;
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->hwndFrom != nullptr && header->hwndFrom->attached != nullptr &&
        header->hwndFrom->attached->OnChildNotify(WM_NOTIFY, wParam, lParam, result))
        return TRUE;
    const auto id = static_cast<UINT>(header->idFrom);
    const AFX_MSGMAP_ENTRY* entry = findEntry(WM_NOTIFY, header->code, id);
    return entry != nullptr ? callHandler(*entry, id, wParam, lParam, result) : FALSE;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND)
        return OnCommand(wParam, lParam);
    if (message == WM_NOTIFY)
        return OnNotify(wParam, lParam, result);
    if (message == WM_CTLCOLORSTATIC) {
        const auto control = reinterpret_cast<HWND>(lParam);
        if (control != nullptr && control->attached != nullptr &&
            control->attached->OnChildNotify(message, wParam, lParam, result))
            return TRUE;
    }
    const AFX_MSGMAP_ENTRY* entry = findEntry(message, 0, 0);
    return entry != nullptr ? callHandler(*entry, 0, wParam, lParam, result) : FALSE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const bool colour = message == WM_CTLCOLORSTATIC;
    const UINT code = colour ? 0 : message == WM_NOTIFY ? reinterpret_cast<NMHDR*>(lParam)->code : HIWORD(wParam);
    const AFX_MSGMAP_ENTRY* entry = findEntry((colour ? WM_CTLCOLOR : message) + WM_REFLECT_BASE, code, 0);
    LRESULT ignored = 0;
    return entry != nullptr ? callHandler(*entry, 0, wParam, lParam, result != nullptr ? result : &ignored) : FALSE;
}

const AFX_MSGMAP* CWnd::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxHandler{}}};
    static const AFX_MSGMAP messageMap = {nullptr, entries};
    return &messageMap;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

void CWnd::adoptWindow(std::unique_ptr<HWND__> window)
{
    m_ownedWindow = std::move(window);
    m_hWnd = m_ownedWindow.get();
    m_hWnd->attached = this;
}

void CWnd::attachCreated(HWND window)
{
    m_hWnd = window;
    window->attached = this;
    m_created = true;
}

HWND__& CWnd::window() const
{
    if (m_hWnd == nullptr)
        throw std::logic_error("the window of this CWnd does not exist");
    return *m_hWnd;
}

const AFX_MSGMAP_ENTRY* CWnd::findEntry(UINT message, UINT code, UINT id) const
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
         map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nMessage != 0; ++entry) {
            if (entry->nMessage == message && entry->nCode == code && id >= entry->nID && id <= entry->nLastID)
                return entry;
        }
    }
    return nullptr;
}

BOOL CWnd::callHandler(const AFX_MSGMAP_ENTRY& entry, UINT id, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    struct Caller {
        CWnd* self;
        UINT id;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT* result;
        BOOL operator()(std::monostate) const { return FALSE; }
        BOOL operator()(void (CWnd::*handler)()) const
        {
            (self->*handler)();
            return TRUE;
        }
        BOOL operator()(void (CWnd::*handler)(UINT)) const
        {
            (self->*handler)(id);
            return TRUE;
        }
        BOOL operator()(void (CWnd::*handler)(NMHDR*, LRESULT*)) const
        {
            (self->*handler)(reinterpret_cast<NMHDR*>(lParam), result);
            return TRUE;
        }
        BOOL operator()(LRESULT (CWnd::*handler)(WPARAM, LPARAM)) const
        {
            *result = (self->*handler)(wParam, lParam);
            return TRUE;
        }
        BOOL operator()(void (CWnd::*handler)(UINT, CPoint)) const
        {
            const CPoint point(static_cast<short>(LOWORD(static_cast<DWORD_PTR>(lParam))),
                               static_cast<short>(HIWORD(static_cast<DWORD_PTR>(lParam))));
            (self->*handler)(static_cast<UINT>(wParam), point);
            return TRUE;
        }
        BOOL operator()(BOOL (CWnd::*handler)(CWnd*, UINT, UINT)) const
        {
            *result = (self->*handler)(FromHandle(reinterpret_cast<HWND>(wParam)),
                                       LOWORD(static_cast<DWORD_PTR>(lParam)), HIWORD(static_cast<DWORD_PTR>(lParam)));
            return TRUE;
        }
        BOOL operator()(HBRUSH (CWnd::*handler)(CDC*, UINT)) const
        {
            *result = reinterpret_cast<LRESULT>((self->*handler)(reinterpret_cast<CDC*>(wParam), CTLCOLOR_STATIC));
            return TRUE;
        }
    };
    return std::visit(Caller{this, id, wParam, lParam, result}, entry.handler);
}

namespace cadhost {

void notifyParent(HWND control, UINT code)
{
    if (control == nullptr || control->parent == nullptr)
        return;
    CWnd* parent = control->parent->object();
    parent->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(control->id), static_cast<WORD>(code)),
                        reinterpret_cast<LPARAM>(control));
}

LRESULT notifyParent(HWND control, NMHDR& header)
{
    if (control == nullptr || control->parent == nullptr)
        return 0;
    header.hwndFrom = control;
    header.idFrom = control->id;
    CWnd* parent = control->parent->object();
    return parent->SendMessage(WM_NOTIFY, control->id, reinterpret_cast<LPARAM>(&header));
}

} // namespace cadhost
