#include "ScriptCommand.h"

#include <algorithm>
#include <cwctype>

namespace cadhost::app {
namespace {
bool sameName(std::wstring_view left, std::wstring_view right)
{
    return std::equal(left.begin(), left.end(), right.begin(), right.end(),
                      [](wchar_t a, wchar_t b) { return std::towlower(a) == std::towlower(b); });
}
} // namespace

ScriptCommands& ScriptCommands::instance()
{
    static ScriptCommands commands;
    return commands;
}

void ScriptCommands::add(ScriptCommand command)
{
    auto position =
        std::lower_bound(m_commands.begin(), m_commands.end(), command.name,
                         [](const ScriptCommand& entry, const std::wstring& name) { return entry.name < name; });
    m_commands.insert(position, std::move(command));
}

const ScriptCommand* ScriptCommands::find(std::wstring_view name) const
{
    auto found = std::find_if(m_commands.begin(), m_commands.end(),
                              [&](const ScriptCommand& command) { return sameName(command.name, name); });
    return found != m_commands.end() ? &*found : nullptr;
}

ScriptCommandRegistration::ScriptCommandRegistration(ScriptCommand command)
{
    ScriptCommands::instance().add(std::move(command));
}

bool splitWords(std::wstring_view line, std::vector<std::wstring>& words)
{
    words.clear();
    std::wstring word;
    bool inWord = false;
    bool quoted = false;
    for (wchar_t ch : line) {
        if (ch == L'"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && std::iswspace(ch)) {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += ch;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return !quoted;
}
} // namespace cadhost::app
