#include "acadstrc.h"

#include <algorithm>
#include <iterator>

namespace {
struct StatusName {
    int code;
    const ACHAR* name;
};

constexpr StatusName kStatusNames[] = {
#include "acadstrc_table.inc"
};
} // namespace

const ACHAR* acadErrorStatusText(Acad::ErrorStatus status)
{
    const auto* found = std::lower_bound(std::begin(kStatusNames), std::end(kStatusNames), static_cast<int>(status),
                                         [](const StatusName& entry, int code) { return entry.code < code; });
    if (found != std::end(kStatusNames) && found->code == static_cast<int>(status))
        return found->name;
    return L"Unknown error";
}
