#include "Options.h"

#include "ScriptCommand.h"

#include "codepage.h"

#include <algorithm>
#include <string_view>

namespace cadhost::app {
namespace {
bool takeValue(int argc, char** argv, int& index, std::filesystem::path& value, std::wstring& message)
{
    if (index + 1 >= argc) {
        message = fromUtf8(argv[index]) + L" needs a path";
        return false;
    }
    value = argv[++index];
    return true;
}
} // namespace

bool parseOptions(int argc, char** argv, Options& options, std::wstring& message)
{
    int index = 1;
    for (; index < argc; ++index) {
        const std::string_view word = argv[index];
        std::filesystem::path value;
        if (word == "--help" || word == "-h") {
            options.help = true;
        } else if (word == "--no-module") {
            options.loadModule = false;
        } else if (word == "--module") {
            if (!takeValue(argc, argv, index, value, message))
                return false;
            options.module = value;
        } else if (word == "--script") {
            if (!takeValue(argc, argv, index, value, message))
                return false;
            options.script = value;
        } else if (word == "--") {
            ++index;
            break;
        } else if (word.starts_with("-")) {
            message = L"unknown option " + fromUtf8(word);
            return false;
        } else {
            break;
        }
    }
    std::vector<std::wstring> command;
    for (; index < argc; ++index) {
        if (std::string_view(argv[index]) == ";") {
            if (!command.empty())
                options.commands.push_back(std::move(command));
            command.clear();
        } else {
            command.push_back(fromUtf8(argv[index]));
        }
    }
    if (!command.empty())
        options.commands.push_back(std::move(command));
    return true;
}

std::wstring usageText()
{
    std::wstring text = L"Usage: cadhost [OPTION...] [COMMAND [ARGUMENT...] [; COMMAND ...]]\n"
                        L"\n"
                        L"Loads the Tessaril plug-in like the CAD host does, runs the commands of the script and\n"
                        L"of the command line in that order, then unloads the plug-in. The host's command line\n"
                        L"is printed on stdout; cadhost's own errors go to stderr with exit code 1.\n"
                        L"\n"
                        L"Options:\n"
                        L"  --module PATH   the plug-in to load (default: Tessaril.arx beside cadhost)\n"
                        L"  --no-module     start without a plug-in\n"
                        L"  --script FILE   run FILE, one command per line; lines starting with # are comments\n"
                        L"  --help          show this text\n"
                        L"\n"
                        L"A command is a command of the host's command stack (such as movrel) or one of:\n";
    for (const ScriptCommand& command : ScriptCommands::instance().all()) {
        std::wstring usage = L"  " + command.usage;
        usage.resize(std::max<std::size_t>(usage.size() + 1, 24), L' ');
        text += usage + command.summary + L"\n";
    }
    text += L"\nWords in double quotes may hold blanks. Set CADHOST_DEBUG to see the debugger output on stderr.\n";
    return text;
}
} // namespace cadhost::app
