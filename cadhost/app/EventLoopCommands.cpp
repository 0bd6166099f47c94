// Script commands that let time pass on cadhost's event loop.
#include "ScriptCommand.h"
#include "Session.h"

#include "EventLoop.h"

#include <algorithm>
#include <cwctype>
#include <string>

namespace cadhost::app {
namespace {
bool wait(Session& session, const std::vector<std::wstring>& arguments)
{
    const bool valid = arguments.size() == 1 && !arguments.front().empty() && arguments.front().size() <= 9 &&
                       std::all_of(arguments.front().begin(), arguments.front().end(),
                                   [](wchar_t ch) { return std::iswdigit(ch) != 0; });
    if (!valid) {
        session.error(L"wait needs a number of milliseconds");
        return false;
    }
    EventLoop::instance().advance(std::stoll(arguments.front()));
    return true;
}

const ScriptCommandRegistration waitCommand{
    {L"wait", L"wait MS", L"let MS milliseconds pass, firing the timers that fall due", wait}};
} // namespace
} // namespace cadhost::app
