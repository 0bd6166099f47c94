#include "afxcursor.h"

#include <utility>

namespace {

constexpr std::uintptr_t kArrow = 32512;
constexpr std::uintptr_t kHand = 32649;

// A standard cursor is represented by its id, which no address can equal.
HCURSOR standardCursor(std::uintptr_t id)
{
    return reinterpret_cast<HCURSOR>(id);
}

HCURSOR& currentCursor()
{
    static HCURSOR cursor = standardCursor(kArrow);
    return cursor;
}

} // namespace

HCURSOR LoadCursorW(HINSTANCE module, LPCWSTR name)
{
    const auto id = reinterpret_cast<std::uintptr_t>(name);
    if (module != nullptr || (id != kArrow && id != kHand))
        return nullptr;
    return standardCursor(id);
}

HCURSOR SetCursor(HCURSOR cursor)
{
    return std::exchange(currentCursor(), cursor);
}

HCURSOR GetCursor()
{
    return currentCursor();
}

HICON CopyIcon(HICON icon)
{
    return icon;
}

BOOL DestroyCursor(HCURSOR cursor)
{
    return cursor != nullptr ? TRUE : FALSE;
}
