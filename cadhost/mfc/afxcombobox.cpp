#include "afxcombobox.h"

#include <algorithm>

namespace {

int compareNoCase(const std::wstring& left, const std::wstring& right)
{
    return CString(left).CompareNoCase(right.c_str());
}

bool startsWithNoCase(const std::wstring& text, const std::wstring& prefix)
{
    return text.size() >= prefix.size() && compareNoCase(text.substr(0, prefix.size()), prefix) == 0;
}

template <class Match> int searchItems(const std::vector<ListItem>& items, int startAfter, Match match)
{
    const auto count = static_cast<int>(items.size());
    const int first = startAfter >= 0 && startAfter < count ? startAfter + 1 : 0;
    for (int step = 0; step < count; ++step) {
        const int index = (first + step) % count;
        if (match(items[static_cast<std::size_t>(index)].text))
            return index;
    }
    return CB_ERR;
}

} // namespace

int CComboBox::AddString(LPCTSTR text)
{
    HWND__& state = window();
    const std::wstring item = text != nullptr ? text : L"";
    auto position = state.items.end();
    if ((state.style & CBS_SORT) != 0) {
        position = std::find_if(state.items.begin(), state.items.end(),
                                [&](const ListItem& existing) { return compareNoCase(existing.text, item) > 0; });
    }
    const auto index = static_cast<int>(position - state.items.begin());
    state.items.insert(position, ListItem{item, 0});
    if (state.selection >= index)
        ++state.selection;
    return index;
}

int CComboBox::InsertString(int index, LPCTSTR text)
{
    HWND__& state = window();
    if (index < -1 || index > GetCount())
        return CB_ERR;
    const int at = index == -1 ? GetCount() : index;
    state.items.insert(state.items.begin() + at, ListItem{text != nullptr ? text : L"", 0});
    if (state.selection >= at)
        ++state.selection;
    return at;
}

int CComboBox::DeleteString(UINT index)
{
    HWND__& state = window();
    const auto at = static_cast<int>(index);
    if (!validIndex(at))
        return CB_ERR;
    state.items.erase(state.items.begin() + at);
    if (state.selection == at) {
        state.selection = -1;
        state.text.clear();
    } else if (state.selection > at) {
        --state.selection;
    }
    return GetCount();
}

void CComboBox::ResetContent()
{
    HWND__& state = window();
    state.items.clear();
    state.selection = -1;
    state.text.clear();
}

int CComboBox::GetCount() const
{
    return static_cast<int>(window().items.size());
}

int CComboBox::GetCurSel() const
{
    return window().selection;
}

int CComboBox::SetCurSel(int index)
{
    HWND__& state = window();
    if (!validIndex(index)) {
        state.selection = -1;
        state.text.clear();
        return CB_ERR;
    }
    state.selection = index;
    state.text = state.items[static_cast<std::size_t>(index)].text;
    return index;
}

int CComboBox::SetItemData(int index, DWORD_PTR data)
{
    if (!validIndex(index))
        return CB_ERR;
    window().items[static_cast<std::size_t>(index)].data = data;
    return 0;
}

DWORD_PTR CComboBox::GetItemData(int index) const
{
    return validIndex(index) ? window().items[static_cast<std::size_t>(index)].data
                             : static_cast<DWORD_PTR>(static_cast<LRESULT>(CB_ERR));
}

void CComboBox::GetLBText(int index, CString& text) const
{
    text = validIndex(index) ? CString(window().items[static_cast<std::size_t>(index)].text) : CString();
}

int CComboBox::GetLBText(int index, LPTSTR buffer) const
{
    if (!validIndex(index) || buffer == nullptr)
        return CB_ERR;
    const std::wstring& text = window().items[static_cast<std::size_t>(index)].text;
    std::copy(text.begin(), text.end(), buffer);
    buffer[text.size()] = L'\0';
    return static_cast<int>(text.size());
}

int CComboBox::GetLBTextLen(int index) const
{
    return validIndex(index) ? static_cast<int>(window().items[static_cast<std::size_t>(index)].text.size()) : CB_ERR;
}

int CComboBox::FindStringExact(int startAfter, LPCTSTR text) const
{
    const std::wstring wanted = text != nullptr ? text : L"";
    return searchItems(window().items, startAfter,
                       [&](const std::wstring& item) { return compareNoCase(item, wanted) == 0; });
}

int CComboBox::FindString(int startAfter, LPCTSTR text) const
{
    const std::wstring prefix = text != nullptr ? text : L"";
    return searchItems(window().items, startAfter,
                       [&](const std::wstring& item) { return startsWithNoCase(item, prefix); });
}

int CComboBox::SelectString(int startAfter, LPCTSTR text)
{
    const int found = FindString(startAfter, text);
    return found == CB_ERR ? CB_ERR : SetCurSel(found);
}
