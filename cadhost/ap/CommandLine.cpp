#include "CommandLine.h"

#include "aced.h"
#include "adsdef.h"
#include "afxstr.h"

#include <cstdarg>
#include <mutex>
#include <utility>

namespace {
// The update worker may print while the main thread reads.
struct CommandLineBuffer {
    std::mutex mutex;
    std::wstring text;
    std::function<void()> listener;
};

CommandLineBuffer& buffer()
{
    static CommandLineBuffer instance;
    return instance;
}

void append(const std::wstring& text)
{
    std::function<void()> listener;
    {
        std::lock_guard lock(buffer().mutex);
        buffer().text += text;
        listener = buffer().listener;
    }
    if (listener)
        listener();
}
} // namespace

int acutPrintf(const ACHAR* format, ...)
{
    if (format == nullptr)
        return RTERROR;
    CString text;
    va_list args;
    va_start(args, format);
    text.FormatV(format, args);
    va_end(args);
    append(text.str());
    return RTNORM;
}

int acedPrompt(const ACHAR* message)
{
    if (message == nullptr)
        return RTERROR;
    append(message);
    return RTNORM;
}

namespace cadhost {
std::wstring commandLineText()
{
    std::lock_guard lock(buffer().mutex);
    return buffer().text;
}

std::wstring takeCommandLineText()
{
    std::lock_guard lock(buffer().mutex);
    return std::exchange(buffer().text, std::wstring());
}

void clearCommandLine()
{
    std::lock_guard lock(buffer().mutex);
    buffer().text.clear();
}

ScopedCommandLineListener::ScopedCommandLineListener(std::function<void()> listener)
{
    std::lock_guard lock(buffer().mutex);
    m_previous = std::exchange(buffer().listener, std::move(listener));
}

ScopedCommandLineListener::~ScopedCommandLineListener()
{
    std::lock_guard lock(buffer().mutex);
    buffer().listener = std::move(m_previous);
}
} // namespace cadhost
