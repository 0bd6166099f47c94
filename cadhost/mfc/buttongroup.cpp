#include "buttongroup.h"

namespace cadhost {

namespace {

DWORD buttonType(const HWND__& window)
{
    return window.style & BS_TYPEMASK;
}

} // namespace

bool isRadioButton(const HWND__& window)
{
    return window.kind == WindowKind::Button &&
           (buttonType(window) == BS_RADIOBUTTON || buttonType(window) == BS_AUTORADIOBUTTON);
}

bool isCheckBox(const HWND__& window)
{
    const DWORD type = buttonType(window);
    return window.kind == WindowKind::Button &&
           (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE);
}

std::vector<HWND> radioGroupOf(HWND member)
{
    if (member == nullptr || member->parent == nullptr)
        return {};
    const auto& siblings = member->parent->children;
    std::size_t position = 0;
    while (position < siblings.size() && siblings[position].get() != member)
        ++position;
    std::size_t start = position;
    while (start > 0 && (siblings[start]->style & WS_GROUP) == 0)
        --start;
    std::vector<HWND> group;
    for (std::size_t i = start; i < siblings.size(); ++i) {
        if (i > start && (siblings[i]->style & WS_GROUP) != 0)
            break;
        if (isRadioButton(*siblings[i]))
            group.push_back(siblings[i].get());
    }
    return group;
}

} // namespace cadhost
