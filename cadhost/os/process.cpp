#include "process.h"

#include "codepage.h"

#include <cerrno>
#include <mutex>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace cadhost {

namespace {

std::mutex& startedMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::vector<pid_t>& startedProcesses()
{
    static std::vector<pid_t> processes;
    return processes;
}

int exitCodeOf(int status)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return -1;
}

} // namespace

bool startProcess(const std::vector<std::wstring>& argv)
{
    if (argv.empty() || argv.front().empty())
        return false;
    std::vector<std::string> arguments;
    arguments.reserve(argv.size());
    for (const std::wstring& argument : argv)
        arguments.push_back(toUtf8(argument));
    std::vector<char*> pointers;
    pointers.reserve(arguments.size() + 1);
    for (std::string& argument : arguments)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);

    pid_t pid = 0;
    if (posix_spawnp(&pid, pointers.front(), nullptr, nullptr, pointers.data(), environ) != 0)
        return false;
    const std::lock_guard lock(startedMutex());
    startedProcesses().push_back(pid);
    return true;
}

std::vector<int> waitForStartedProcesses()
{
    std::vector<pid_t> processes;
    {
        const std::lock_guard lock(startedMutex());
        processes.swap(startedProcesses());
    }
    std::vector<int> codes;
    codes.reserve(processes.size());
    for (pid_t pid : processes) {
        int status = 0;
        pid_t result = 0;
        do {
            result = waitpid(pid, &status, 0);
        } while (result < 0 && errno == EINTR);
        codes.push_back(result == pid ? exitCodeOf(status) : -1);
    }
    return codes;
}

} // namespace cadhost
