// The shell's "open" verb. On this platform a document is opened with xdg-open when a desktop session
// is present; a program given with parameters is started directly. Tests install a handler to see the
// requests instead of opening anything.
#pragma once

#include "adesk.h"
#include "windef.h"

#include <functional>
#include <string>
#include <vector>

constexpr int SE_ERR_FNF = 2;
constexpr int SE_ERR_NOASSOC = 31;

namespace cadhost {

struct ShellOpenRequest {
    std::wstring operation;
    std::wstring file;
    std::wstring parameters;
    std::wstring directory;
    int show = 0;
};

// Answers a request the way ShellExecute does: a value above 32 on success, an SE_ERR_ code otherwise.
using ShellOpenHandler = std::function<int(const ShellOpenRequest&)>;

// Routes every shell request of the process to a handler for its lifetime; scopes nest.
class CADHOST_EXPORT ScopedShellOpenHandler {
public:
    explicit ScopedShellOpenHandler(ShellOpenHandler handler);
    ~ScopedShellOpenHandler();
    ScopedShellOpenHandler(const ScopedShellOpenHandler&) = delete;
    ScopedShellOpenHandler& operator=(const ScopedShellOpenHandler&) = delete;

private:
    ShellOpenHandler m_previous;
};

// Splits a Windows-style parameter text at blanks outside double quotes; the quotes are removed.
CADHOST_EXPORT std::vector<std::wstring> splitParameters(const std::wstring& parameters);

} // namespace cadhost

CADHOST_EXPORT HINSTANCE ShellExecuteW(HWND parent, LPCWSTR operation, LPCWSTR file, LPCWSTR parameters,
                                       LPCWSTR directory, int show);
