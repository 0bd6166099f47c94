#include "RunProcess.h"

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <stdexcept>

extern char** environ;

namespace testsupport {
namespace {
// Both ends of a pipe, closed on every path.
struct Pipe {
    int fds[2] = {-1, -1};
    Pipe()
    {
        if (pipe(fds) != 0)
            throw std::runtime_error("pipe failed");
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    ~Pipe()
    {
        closeEnd(0);
        closeEnd(1);
    }
    void closeEnd(int end)
    {
        if (fds[end] >= 0)
            close(fds[end]);
        fds[end] = -1;
    }
};

struct SpawnActions {
    posix_spawn_file_actions_t actions{};
    SpawnActions() { posix_spawn_file_actions_init(&actions); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions); }
};

std::vector<char*> pointers(std::vector<std::string>& texts)
{
    std::vector<char*> result;
    for (std::string& text : texts)
        result.push_back(text.data());
    result.push_back(nullptr);
    return result;
}
} // namespace

ProcessResult runProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment)
{
    std::vector<std::string> arguments = argv;
    std::vector<std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry)
        variables.emplace_back(*entry);
    variables.insert(variables.end(), environment.begin(), environment.end());
    std::vector<char*> argumentPointers = pointers(arguments);
    std::vector<char*> variablePointers = pointers(variables);

    Pipe out;
    Pipe err;
    SpawnActions actions;
    posix_spawn_file_actions_adddup2(&actions.actions, out.fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions.actions, err.fds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions.actions, out.fds[0]);
    posix_spawn_file_actions_addclose(&actions.actions, err.fds[0]);
    pid_t child = 0;
    if (posix_spawn(&child, arguments.front().c_str(), &actions.actions, nullptr, argumentPointers.data(),
                    variablePointers.data()) != 0)
        throw std::runtime_error("cannot start " + arguments.front());
    out.closeEnd(1);
    err.closeEnd(1);

    ProcessResult result;
    std::array<pollfd, 2> polled = {pollfd{out.fds[0], POLLIN, 0}, pollfd{err.fds[0], POLLIN, 0}};
    std::array<std::string*, 2> targets = {&result.out, &result.err};
    int open = 2;
    while (open > 0) {
        if (poll(polled.data(), polled.size(), -1) < 0)
            break;
        for (std::size_t index = 0; index < polled.size(); ++index) {
            if (polled[index].fd < 0 || polled[index].revents == 0)
                continue;
            char buffer[4096];
            const ssize_t count = read(polled[index].fd, buffer, sizeof buffer);
            if (count > 0) {
                targets[index]->append(buffer, static_cast<std::size_t>(count));
            } else {
                polled[index].fd = -1;
                --open;
            }
        }
    }
    int status = 0;
    waitpid(child, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}
} // namespace testsupport
