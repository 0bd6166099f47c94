// The radio buttons that belong together: a group runs from a control with WS_GROUP up to the next
// control with WS_GROUP among the same parent's children.
#pragma once

#include "windowstate.h"

#include <vector>

namespace cadhost {
CADHOST_EXPORT bool isRadioButton(const HWND__& window);
CADHOST_EXPORT bool isCheckBox(const HWND__& window);
// The radio buttons of the group that holds member, in creation order.
CADHOST_EXPORT std::vector<HWND> radioGroupOf(HWND member);
} // namespace cadhost
