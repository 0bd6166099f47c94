// cadhost's own script commands (load, unload, wait, menu, ...). Each file that offers commands registers
// them with a static ScriptCommandRegistration; a script line whose first word names none of them runs a
// command of the host's command stack.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace cadhost::app {
class Session;

struct ScriptCommand {
    std::wstring name;
    std::wstring usage;   // the name with its arguments, as --help shows it
    std::wstring summary; // one line for --help
    // The words after the name. False when the command failed; it has reported why through the session.
    std::function<bool(Session& session, const std::vector<std::wstring>& arguments)> run;
};

class ScriptCommands {
public:
    static ScriptCommands& instance();

    void add(ScriptCommand command);
    // Names compare without regard to case.
    const ScriptCommand* find(std::wstring_view name) const;
    // Ordered by name.
    const std::vector<ScriptCommand>& all() const { return m_commands; }

private:
    std::vector<ScriptCommand> m_commands;
};

struct ScriptCommandRegistration {
    explicit ScriptCommandRegistration(ScriptCommand command);
};

// Splits a script line into words at blanks; double quotes keep blanks inside a word. False for an
// unterminated quote.
bool splitWords(std::wstring_view line, std::vector<std::wstring>& words);
} // namespace cadhost::app
