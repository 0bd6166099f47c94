// The documented text metrics of cadhost: a character advances height x widthFactor times 1.0 when it
// is full width (CJK and the other East Asian wide forms) and 0.6 otherwise; a line is height tall.
#pragma once

#include "adesk.h"

#include <string_view>

namespace cadhost {

bool isFullWidth(wchar_t character);
double characterAdvance(wchar_t character, double height, double widthFactor);
// The advance of a whole single line of text.
double textWidth(std::wstring_view text, double height, double widthFactor);

} // namespace cadhost
