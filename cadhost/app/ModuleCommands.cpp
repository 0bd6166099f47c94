// Script commands that load and unload plug-in modules while cadhost runs.
#include "ScriptCommand.h"
#include "Session.h"

#include "nativepath.h"
#include "rxdlinkr.h"

namespace cadhost::app {
namespace {
bool loadModule(Session& session, const std::vector<std::wstring>& arguments)
{
    if (arguments.size() > 1) {
        session.error(L"load takes at most one module path");
        return false;
    }
    const std::wstring path = arguments.empty() ? widePath(session.defaultModule()) : arguments.front();
    if (!acrxDynamicLinker->loadModule(path.c_str(), false)) {
        session.error(acrxDynamicLinker->lastError());
        return false;
    }
    return true;
}

bool unloadModule(Session& session, const std::vector<std::wstring>& arguments)
{
    if (arguments.size() > 1) {
        session.error(L"unload takes at most one module name");
        return false;
    }
    std::wstring module;
    if (!arguments.empty()) {
        module = arguments.front();
    } else if (const auto loaded = acrxDynamicLinker->loadedModules(); !loaded.empty()) {
        module = loaded.back();
    } else {
        session.error(L"no module is loaded");
        return false;
    }
    if (!acrxDynamicLinker->unloadModule(module.c_str(), false)) {
        session.error(acrxDynamicLinker->lastError());
        return false;
    }
    return true;
}

const ScriptCommandRegistration load{
    {L"load", L"load [PATH]", L"load a plug-in module (by default the one cadhost started with)", loadModule}};
const ScriptCommandRegistration unload{
    {L"unload", L"unload [NAME]", L"unload a module by path or file name (by default the last loaded)", unloadModule}};
} // namespace
} // namespace cadhost::app
