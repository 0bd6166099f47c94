#include "Session.h"

#include "CommandLine.h"
#include "EventLoop.h"
#include "ScriptCommand.h"
#include "accmd.h"
#include "codepage.h"
#include "rxdlinkr.h"

#include <cstdio>
#include <exception>

namespace cadhost::app {
Session::Session(std::filesystem::path defaultModule) : m_defaultModule(std::move(defaultModule))
{
}

Session::~Session()
{
    flushCommandLine();
    acrxDynamicLinker->unloadAllModules();
    flushCommandLine();
    if (!m_endsWithNewline)
        write(L"\n");
}

void Session::write(const std::wstring& text)
{
    if (text.empty())
        return;
    const std::string bytes = toUtf8(text);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
    m_endsWithNewline = text.back() == L'\n';
}

void Session::flushCommandLine()
{
    write(takeCommandLineText());
}

void Session::print(const std::wstring& text)
{
    flushCommandLine();
    if (!m_endsWithNewline)
        write(L"\n");
    write(text);
}

void Session::error(const std::wstring& message)
{
    flushCommandLine();
    const std::string bytes = "cadhost: " + toUtf8(message) + "\n";
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
    std::fflush(stderr);
}

bool Session::run(const std::vector<std::wstring>& words)
{
    if (words.empty())
        return true;
    const std::wstring& name = words.front();
    bool succeeded = false;
    try {
        if (const ScriptCommand* command = ScriptCommands::instance().find(name)) {
            succeeded = command->run(*this, std::vector<std::wstring>(words.begin() + 1, words.end()));
        } else if (words.size() > 1) {
            error(L"the command " + name + L" takes no arguments");
        } else if (runCommand(name.c_str()) == Acad::eKeyNotFound) {
            error(L"unknown command \"" + name + L"\"");
        } else {
            succeeded = true;
        }
    } catch (const AcRxAbort& abort) {
        error(L"the host stopped: " + abort.message);
    } catch (const std::exception& failure) {
        error(L"the command " + name + L" failed: " + fromUtf8(failure.what()));
    }
    EventLoop::instance().runUntilIdle();
    flushCommandLine();
    return succeeded;
}

bool Session::runLine(std::wstring_view line)
{
    std::vector<std::wstring> words;
    if (!splitWords(line, words)) {
        error(L"unterminated quote in \"" + std::wstring(line) + L"\"");
        return false;
    }
    if (words.empty() || words.front().starts_with(L'#'))
        return true;
    return run(words);
}
} // namespace cadhost::app
