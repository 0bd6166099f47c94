#include "DebugSink.h"

#include "codepage.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace {
// The update worker may trace while the main thread does, so the sink is shared under a lock.
std::mutex& sinkMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::vector<cadhost::DebugCapture*>& captures()
{
    static std::vector<cadhost::DebugCapture*> stack;
    return stack;
}

// Whether messages also go to stderr: CADHOST_DEBUG as the process started, unless changed since. Asked
// before every trace, so the environment is not searched each time.
std::atomic<bool>& echo()
{
    static std::atomic<bool> on{std::getenv("CADHOST_DEBUG") != nullptr};
    return on;
}

// The number of live captures, readable without taking the sink's lock.
std::atomic<int> liveCaptures{0};
} // namespace

void OutputDebugStringW(LPCWSTR text)
{
    const std::wstring message = text != nullptr ? text : L"";
    std::lock_guard lock(sinkMutex());
    if (!captures().empty())
        captures().back()->m_messages.push_back(message);
    if (echo()) {
        // Debugger messages carry no line end of their own; stderr gets one per message.
        std::string bytes = cadhost::toUtf8(message);
        if (bytes.empty() || bytes.back() != '\n')
            bytes += '\n';
        std::fwrite(bytes.data(), 1, bytes.size(), stderr);
        std::fflush(stderr);
    }
}

BOOL IsDebuggerPresent()
{
    return echo() || liveCaptures > 0 ? TRUE : FALSE;
}

namespace cadhost {
void setDebugEcho(bool on)
{
    echo() = on;
}

DebugCapture::DebugCapture()
{
    std::lock_guard lock(sinkMutex());
    captures().push_back(this);
    ++liveCaptures;
}

DebugCapture::~DebugCapture()
{
    std::lock_guard lock(sinkMutex());
    auto& stack = captures();
    stack.erase(std::remove(stack.begin(), stack.end(), this), stack.end());
    --liveCaptures;
}

std::vector<std::wstring> DebugCapture::messages() const
{
    std::lock_guard lock(sinkMutex());
    return m_messages;
}
} // namespace cadhost
