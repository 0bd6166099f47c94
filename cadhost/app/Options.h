// The cadhost executable's command line.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace cadhost::app {
struct Options {
    bool help = false;
    bool loadModule = true;
    std::optional<std::filesystem::path> module;
    std::optional<std::filesystem::path> script;
    // The commands after the options; the word ";" separates two commands.
    std::vector<std::vector<std::wstring>> commands;
};

// Options come first; the first other word starts the commands. False with a message for a bad line.
bool parseOptions(int argc, char** argv, Options& options, std::wstring& message);

std::wstring usageText();
} // namespace cadhost::app
