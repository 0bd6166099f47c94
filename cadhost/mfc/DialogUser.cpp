#include "DialogUser.h"

#include "UiDriver.h"
#include "buttongroup.h"

#include <algorithm>
#include <iterator>

namespace cadhost {

namespace {

void collect(HWND window, UINT id, std::vector<HWND>& found, bool ownControlsOnly = false)
{
    for (const auto& child : window->children) {
        if (ownControlsOnly && child->kind == WindowKind::Dialog)
            continue;
        if (child->id == id && child->kind != WindowKind::Dialog)
            found.push_back(child.get());
        collect(child.get(), id, found, ownControlsOnly);
    }
}

HWND findDialog(HWND window, UINT templateId)
{
    for (const auto& child : window->children) {
        if (child->kind == WindowKind::Dialog && child->templateId == templateId)
            return child.get();
        if (HWND nested = findDialog(child.get(), templateId))
            return nested;
    }
    return nullptr;
}

bool isEditableCombo(const HWND__& window)
{
    return window.kind == WindowKind::ComboBox && (window.style & 0x3) != CBS_DROPDOWNLIST;
}

LRESULT notifySelection(HWND control, UINT code)
{
    NMHDR header{};
    header.code = code;
    return notifyParent(control, header);
}

} // namespace

DialogUser::DialogUser(CDialog& dialog) : m_root(dialog.m_hWnd)
{
    if (m_root == nullptr)
        throw UiScriptError(L"the dialog is not shown");
}

DialogUser::DialogUser(HWND root, bool ownControlsOnly) : m_root(root), m_ownControlsOnly(ownControlsOnly)
{
}

std::wstring DialogUser::caption() const
{
    return m_root->text;
}

UINT DialogUser::templateId() const
{
    return m_root->templateId;
}

bool DialogUser::hasEnded() const
{
    const auto* dialog = dynamic_cast<const CDialog*>(m_root->object());
    return dialog != nullptr && dialog->hasEnded();
}

bool DialogUser::exists(UINT id) const
{
    std::vector<HWND> found;
    collect(m_root, id, found, m_ownControlsOnly);
    return !found.empty();
}

std::wstring DialogUser::text(UINT id) const
{
    return find(id)->text;
}

bool DialogUser::isChecked(UINT id) const
{
    return find(id)->check == BST_CHECKED;
}

bool DialogUser::isEnabled(UINT id) const
{
    return find(id)->isEnabled();
}

bool DialogUser::isVisible(UINT id) const
{
    return find(id)->isShown();
}

std::vector<std::wstring> DialogUser::items(UINT id) const
{
    std::vector<std::wstring> texts;
    for (const ListItem& item : find(id)->items)
        texts.push_back(item.text);
    return texts;
}

int DialogUser::selection(UINT id) const
{
    return find(id)->selection;
}

int DialogUser::rowCount(UINT id) const
{
    return static_cast<int>(find(id)->rows.size());
}

std::wstring DialogUser::cell(UINT id, int row, int column) const
{
    const HWND control = find(id);
    if (row < 0 || row >= static_cast<int>(control->rows.size()))
        fail(L"list " + std::to_wstring(id) + L" has no row " + std::to_wstring(row));
    const auto& texts = control->rows[static_cast<std::size_t>(row)].texts;
    return column >= 0 && column < static_cast<int>(texts.size()) ? texts[static_cast<std::size_t>(column)] : L"";
}

std::vector<int> DialogUser::selectedRows(UINT id) const
{
    std::vector<int> rows;
    const HWND control = find(id);
    for (std::size_t row = 0; row < control->rows.size(); ++row) {
        if ((control->rows[row].state & LVIS_SELECTED) != 0)
            rows.push_back(static_cast<int>(row));
    }
    return rows;
}

CRect DialogUser::position(UINT id) const
{
    return find(id)->rect;
}

COLORREF DialogUser::textColor(UINT id) const
{
    const HWND control = find(id);
    CClientDC dc(control->object());
    if (control->parent != nullptr)
        control->parent->object()->SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(&dc),
                                               reinterpret_cast<LPARAM>(control));
    return dc.GetTextColor();
}

int DialogUser::backgroundMode(UINT id) const
{
    const HWND control = find(id);
    CClientDC dc(control->object());
    if (control->parent != nullptr)
        control->parent->object()->SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(&dc),
                                               reinterpret_cast<LPARAM>(control));
    return dc.GetBkMode();
}

void DialogUser::moveMouseOver(UINT id)
{
    const HWND control = find(id);
    if (!control->isShown())
        fail(L"control " + std::to_wstring(id) + L" is hidden");
    const CPoint middle(control->rect.Width() / 2, control->rect.Height() / 2);
    const HWND capture = captureWindow();
    const HWND target = capture != nullptr ? capture : control;
    MSG cursor{control,
               WM_SETCURSOR,
               reinterpret_cast<WPARAM>(control),
               MAKELPARAM(static_cast<int>(HTCLIENT), static_cast<int>(WM_MOUSEMOVE)),
               0,
               middle};
    if (capture == nullptr) {
        for (HWND window = control; window != nullptr && window != m_root->parent; window = window->parent) {
            if (window->object()->SendMessage(cursor.message, cursor.wParam, cursor.lParam) != 0)
                break;
        }
    }
    sendMouse(target, WM_MOUSEMOVE, target == control ? middle : CPoint(-1, -1));
}

void DialogUser::moveMouseAway(UINT id)
{
    const HWND control = find(id);
    const HWND capture = captureWindow();
    if (capture != nullptr)
        sendMouse(capture, WM_MOUSEMOVE, CPoint(control->rect.Width() + 10, control->rect.Height() + 10));
}

void DialogUser::click(UINT id)
{
    const HWND control = findToOperate(id);
    const CPoint middle(control->rect.Width() / 2, control->rect.Height() / 2);
    MSG press{control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(middle.x, middle.y), 0, middle};
    MSG release{control, WM_LBUTTONUP, 0, MAKELPARAM(middle.x, middle.y), 0, middle};
    if (preTranslate(press) || preTranslate(release))
        return;
    if (control->kind == WindowKind::Static) {
        if ((control->style & SS_NOTIFY) == 0)
            fail(L"static " + std::to_wstring(id) + L" does not respond to clicks");
        notifyParent(control, STN_CLICKED);
        return;
    }
    if (control->kind != WindowKind::Button || (control->style & BS_TYPEMASK) == BS_GROUPBOX)
        fail(L"control " + std::to_wstring(id) + L" cannot be clicked");
    switch (control->style & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX:
        control->check = control->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        break;
    case BS_AUTO3STATE:
        control->check = (control->check + 1) % 3;
        break;
    case BS_AUTORADIOBUTTON:
        for (HWND member : radioGroupOf(control))
            member->check = member == control ? BST_CHECKED : BST_UNCHECKED;
        break;
    default:
        break;
    }
    notifyParent(control, BN_CLICKED);
}

void DialogUser::setChecked(UINT id, bool checked)
{
    const HWND control = findToOperate(id);
    if (!isCheckBox(*control) && !isRadioButton(*control))
        fail(L"control " + std::to_wstring(id) + L" is not a check box or radio button");
    if ((control->check == BST_CHECKED) != checked)
        click(id);
}

void DialogUser::type(UINT id, const std::wstring& text)
{
    const HWND control = findToOperate(id);
    if (control->kind == WindowKind::Edit) {
        if ((control->style & ES_READONLY) != 0)
            fail(L"edit " + std::to_wstring(id) + L" is read-only");
        control->text = text;
        notifyParent(control, EN_CHANGE);
        return;
    }
    if (!isEditableCombo(*control))
        fail(L"control " + std::to_wstring(id) + L" does not take typed text");
    control->text = text;
    control->selection = -1;
    notifyParent(control, CBN_EDITCHANGE);
}

void DialogUser::select(UINT id, int index)
{
    const HWND control = findToOperate(id);
    if (index < 0 || index >= static_cast<int>(control->items.size()))
        fail(L"control " + std::to_wstring(id) + L" has no item " + std::to_wstring(index));
    if (control->kind == WindowKind::ComboBox) {
        control->selection = index;
        control->text = control->items[static_cast<std::size_t>(index)].text;
        notifyParent(control, CBN_SELCHANGE);
        return;
    }
    if (control->kind != WindowKind::TabControl)
        fail(L"control " + std::to_wstring(id) + L" has no items to select");
    if (notifySelection(control, TCN_SELCHANGING) != 0)
        return;
    control->selection = index;
    notifySelection(control, TCN_SELCHANGE);
}

void DialogUser::select(UINT id, const std::wstring& item)
{
    const HWND control = find(id);
    const auto found = std::find_if(control->items.begin(), control->items.end(), [&](const ListItem& candidate) {
        return CString(candidate.text.c_str()).CompareNoCase(item.c_str()) == 0;
    });
    if (found == control->items.end())
        fail(L"control " + std::to_wstring(id) + L" has no item \"" + item + L"\"");
    select(id, static_cast<int>(found - control->items.begin()));
}

void DialogUser::selectRows(UINT id, const std::vector<int>& rows)
{
    const HWND control = findToOperate(id);
    if (control->kind != WindowKind::ListView)
        fail(L"control " + std::to_wstring(id) + L" is not a list view");
    if ((control->style & LVS_SINGLESEL) != 0 && rows.size() > 1)
        fail(L"list " + std::to_wstring(id) + L" allows only one selected row");
    for (int row : rows) {
        if (row < 0 || row >= static_cast<int>(control->rows.size()))
            fail(L"list " + std::to_wstring(id) + L" has no row " + std::to_wstring(row));
    }
    for (std::size_t row = 0; row < control->rows.size(); ++row) {
        const UINT before = control->rows[row].state;
        const bool wanted = std::find(rows.begin(), rows.end(), static_cast<int>(row)) != rows.end();
        const UINT after = wanted ? before | LVIS_SELECTED : before & ~LVIS_SELECTED;
        if (after == before)
            continue;
        control->rows[row].state = after;
        NMLISTVIEW change{};
        change.hdr.code = LVN_ITEMCHANGED;
        change.iItem = static_cast<int>(row);
        change.uNewState = after;
        change.uOldState = before;
        change.uChanged = LVIF_STATE;
        notifyParent(control, change.hdr);
    }
}

void DialogUser::setDate(UINT id, WORD year, WORD month, WORD day)
{
    const HWND control = findToOperate(id);
    if (control->kind != WindowKind::DateTimePicker)
        fail(L"control " + std::to_wstring(id) + L" is not a date picker");
    control->date.wYear = year;
    control->date.wMonth = month;
    control->date.wDay = day;
    control->text = shortDateText(control->date);
}

void DialogUser::pressEscape()
{
    m_root->object()->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

DialogUser DialogUser::ownControls() const
{
    return DialogUser(m_root, true);
}

DialogUser DialogUser::page(UINT templateId) const
{
    const HWND dialog = findDialog(m_root, templateId);
    if (dialog == nullptr)
        fail(L"no page with template " + std::to_wstring(templateId));
    return DialogUser(dialog);
}

HWND DialogUser::find(UINT id) const
{
    std::vector<HWND> found;
    collect(m_root, id, found, m_ownControlsOnly);
    std::vector<HWND> shown;
    std::copy_if(found.begin(), found.end(), std::back_inserter(shown), [](HWND window) { return window->isShown(); });
    if (shown.size() == 1)
        return shown.front();
    if (shown.size() > 1 || found.size() > 1)
        fail(L"several controls have the id " + std::to_wstring(id) + L"; choose a page");
    if (found.empty())
        fail(L"there is no control " + std::to_wstring(id));
    return found.front();
}

HWND DialogUser::findToOperate(UINT id) const
{
    const HWND control = find(id);
    if (!control->isShown())
        fail(L"control " + std::to_wstring(id) + L" is hidden");
    if (!control->isEnabled())
        fail(L"control " + std::to_wstring(id) + L" is disabled");
    return control;
}

bool DialogUser::preTranslate(MSG& message) const
{
    for (HWND window = message.hwnd; window != nullptr && window != m_root->parent; window = window->parent) {
        if (window->object()->PreTranslateMessage(&message))
            return true;
    }
    return false;
}

void DialogUser::sendMouse(HWND target, UINT message, CPoint point) const
{
    MSG input{target, message, 0, MAKELPARAM(point.x, point.y), 0, point};
    if (!preTranslate(input))
        target->object()->SendMessage(message, input.wParam, input.lParam);
}

std::wstring DialogUser::describe() const
{
    return L"dialog " + std::to_wstring(m_root->templateId) + L" \"" + m_root->text + L"\"";
}

void DialogUser::fail(const std::wstring& what) const
{
    throw UiScriptError(describe() + L": " + what);
}

} // namespace cadhost
