// cadhost: loads the plug-in into the stand-in host and runs commands, as a user of the CAD host would.
#include "Options.h"
#include "Session.h"

#include "EventLoop.h"
#include "codepage.h"
#include "nativepath.h"
#include "rxdlinkr.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {
std::filesystem::path besideProgram(const char* fileName)
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return program.parent_path() / fileName;
}

bool runScript(cadhost::app::Session& session, const std::filesystem::path& script)
{
    std::ifstream file(script, std::ios::binary);
    if (!file) {
        session.error(L"cannot read the script " + cadhost::widePath(script));
        return false;
    }
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!session.runLine(cadhost::fromUtf8(line)))
            return false;
    }
    return true;
}

void printError(const std::wstring& message)
{
    std::fprintf(stderr, "cadhost: %s\n", cadhost::toUtf8(message).c_str());
}
} // namespace

int main(int argc, char** argv)
{
    cadhost::app::Options options;
    std::wstring message;
    if (!cadhost::app::parseOptions(argc, argv, options, message)) {
        printError(message + L" (see cadhost --help)");
        return 1;
    }
    if (options.help) {
        std::fputs(cadhost::toUtf8(cadhost::app::usageText()).c_str(), stdout);
        return 0;
    }

    cadhost::EventLoop::instance().setClock(std::make_unique<cadhost::SystemClock>());
    const std::filesystem::path module = options.module.value_or(besideProgram("Tessaril.arx"));
    cadhost::app::Session session(module);
    if (options.loadModule && !acrxDynamicLinker->loadModule(cadhost::widePath(module).c_str(), false)) {
        session.error(acrxDynamicLinker->lastError());
        return 1;
    }
    if (options.script && !runScript(session, *options.script))
        return 1;
    for (const auto& command : options.commands) {
        if (!session.run(command))
            return 1;
    }
    return 0;
}
