#include "shellopen.h"

#include "process.h"

#include <cstdlib>
#include <mutex>
#include <utility>

namespace cadhost {

namespace {

constexpr int kSuccess = 42;

bool hasDesktop()
{
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

int openWithSystem(const ShellOpenRequest& request)
{
    if (request.file.empty())
        return SE_ERR_FNF;
    if (!request.parameters.empty()) {
        std::vector<std::wstring> argv{request.file};
        for (std::wstring& argument : splitParameters(request.parameters))
            argv.push_back(std::move(argument));
        return startProcess(argv) ? kSuccess : SE_ERR_FNF;
    }
    if (!hasDesktop())
        return SE_ERR_NOASSOC;
    return startProcess({L"xdg-open", request.file}) ? kSuccess : SE_ERR_NOASSOC;
}

std::mutex& handlerMutex()
{
    static std::mutex mutex;
    return mutex;
}

ShellOpenHandler& currentHandler()
{
    static ShellOpenHandler handler;
    return handler;
}

} // namespace

ScopedShellOpenHandler::ScopedShellOpenHandler(ShellOpenHandler handler)
{
    const std::lock_guard lock(handlerMutex());
    m_previous = std::exchange(currentHandler(), std::move(handler));
}

ScopedShellOpenHandler::~ScopedShellOpenHandler()
{
    const std::lock_guard lock(handlerMutex());
    currentHandler() = std::move(m_previous);
}

std::vector<std::wstring> splitParameters(const std::wstring& parameters)
{
    std::vector<std::wstring> arguments;
    std::wstring current;
    bool quoted = false;
    bool pending = false;
    for (wchar_t ch : parameters) {
        if (ch == L'"') {
            quoted = !quoted;
            pending = true;
        } else if (!quoted && (ch == L' ' || ch == L'\t')) {
            if (pending)
                arguments.push_back(std::move(current));
            current.clear();
            pending = false;
        } else {
            current += ch;
            pending = true;
        }
    }
    if (pending)
        arguments.push_back(std::move(current));
    return arguments;
}

} // namespace cadhost

HINSTANCE ShellExecuteW(HWND, LPCWSTR operation, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory, int show)
{
    const cadhost::ShellOpenRequest request{operation != nullptr ? operation : L"open", file != nullptr ? file : L"",
                                            parameters != nullptr ? parameters : L"",
                                            directory != nullptr ? directory : L"", show};
    cadhost::ShellOpenHandler handler;
    {
        const std::lock_guard lock(cadhost::handlerMutex());
        handler = cadhost::currentHandler();
    }
    const int result = handler ? handler(request) : cadhost::openWithSystem(request);
    return reinterpret_cast<HINSTANCE>(static_cast<std::intptr_t>(result));
}
