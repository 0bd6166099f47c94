// One run of the cadhost executable: the plug-in module it loads, the commands it runs, and its output.
// The captured command line goes to stdout after every command; cadhost's own errors go to stderr.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace cadhost::app {
class Session {
public:
    explicit Session(std::filesystem::path defaultModule);
    // Unloads every module still loaded and prints what the command line holds.
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const std::filesystem::path& defaultModule() const { return m_defaultModule; }

    // Runs one command: a script command, or else a command of the host's command stack. Timers that
    // fell due meanwhile fire afterwards.
    bool run(const std::vector<std::wstring>& words);
    // Runs a script line; blank lines and lines starting with "#" do nothing.
    bool runLine(std::wstring_view line);

    // Prints cadhost's own output on stdout, after what the command line holds so far.
    void print(const std::wstring& text);
    // Reports a failure on stderr.
    void error(const std::wstring& message);
    void flushCommandLine();

private:
    void write(const std::wstring& text);

    std::filesystem::path m_defaultModule;
    bool m_endsWithNewline = true;
};
} // namespace cadhost::app
