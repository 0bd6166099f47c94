#include "rxdlinkr.h"

#include "CommandLine.h"
#include "codepage.h"
#include "nativepath.h"

#include <dlfcn.h>

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <filesystem>
#include <iterator>

namespace {
std::wstring quoted(const std::wstring& path)
{
    return L"\"" + path + L"\"";
}

bool sameFileName(const std::wstring& path, const std::wstring& name)
{
    const std::wstring fileName = cadhost::widePath(cadhost::nativePath(path).filename());
    return std::equal(fileName.begin(), fileName.end(), name.begin(), name.end(),
                      [](wchar_t a, wchar_t b) { return std::towlower(a) == std::towlower(b); });
}

std::filesystem::path absolutePath(const ACHAR* fileName)
{
    const std::filesystem::path given = cadhost::nativePath(fileName);
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(given, error);
    return error ? given : path.lexically_normal();
}

template <class Function> Function exported(void* handle, const char* name)
{
    return reinterpret_cast<Function>(dlsym(handle, name));
}
} // namespace

struct AcRxDynamicLinker::Module {
    std::wstring path;
    void* handle;
    AcRxEntryPointFunc entryPoint;
};

ACRX_HOST_DEFINE_MEMBERS(AcRxDynamicLinker, AcRxObject, nullptr, ACRX_ABSTRACT)

AcRxDynamicLinker::AcRxDynamicLinker() = default;

AcRxDynamicLinker::~AcRxDynamicLinker() = default;

bool AcRxDynamicLinker::fail(const std::wstring& message, bool printit)
{
    m_lastError = message;
    if (printit)
        acutPrintf(L"\n%s", message.c_str());
    return false;
}

bool AcRxDynamicLinker::loadModule(const ACHAR* fileName, bool printit, bool)
{
    if (fileName == nullptr || *fileName == 0)
        return fail(L"no module file name given", printit);
    const std::filesystem::path path = absolutePath(fileName);
    const std::wstring name = cadhost::widePath(path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return fail(L"cannot find module " + quoted(name), printit);
    const bool loaded =
        std::any_of(m_modules.begin(), m_modules.end(), [&](const auto& module) { return module->path == name; });
    if (loaded)
        return fail(L"module " + quoted(name) + L" is already loaded", printit);

    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
        return fail(L"cannot load module " + quoted(name) + L": " + cadhost::fromUtf8(dlerror()), printit);
    const auto entryPoint = exported<AcRxEntryPointFunc>(handle, "acrxEntryPoint");
    const auto apiVersion = exported<AcRxGetApiVersionFunc>(handle, "acrxGetApiVersion");
    if (entryPoint == nullptr || apiVersion == nullptr) {
        dlclose(handle);
        return fail(quoted(name) + L" is not a plug-in: it does not export acrxEntryPoint and acrxGetApiVersion",
                    printit);
    }
    if (const int version = apiVersion(); version != kAcRxApiVersion) {
        dlclose(handle);
        wchar_t versions[96];
        std::swprintf(versions, std::size(versions), L"API version 0x%X, this host needs 0x%X", version,
                      kAcRxApiVersion);
        return fail(quoted(name) + L" was built for " + versions, printit);
    }

    auto& module = m_modules.emplace_back(std::make_unique<Module>(Module{name, handle, entryPoint}));
    void* appId = module.get();
    if (entryPoint(AcRx::kInitAppMsg, appId) != AcRx::kRetOK) {
        m_applications.erase(appId);
        m_modules.pop_back();
        dlclose(handle);
        return fail(quoted(name) + L" refused to initialise", printit);
    }
    m_lastError.clear();
    return true;
}

bool AcRxDynamicLinker::unloadModule(const ACHAR* fileName, bool printit, bool)
{
    if (fileName == nullptr || *fileName == 0)
        return fail(L"no module file name given", printit);
    const std::wstring path = cadhost::widePath(absolutePath(fileName));
    auto module = std::find_if(m_modules.begin(), m_modules.end(), [&](const auto& candidate) {
        return candidate->path == path || sameFileName(candidate->path, fileName);
    });
    if (module == m_modules.end())
        return fail(L"module " + quoted(fileName) + L" is not loaded", printit);
    const std::wstring name = (*module)->path;
    if (isApplicationLocked(module->get()))
        return fail(L"module " + quoted(name) + L" is locked and cannot be unloaded", printit);
    if (!unload(module, false))
        return fail(quoted(name) + L" refused to unload", printit);
    m_lastError.clear();
    return true;
}

void AcRxDynamicLinker::unloadAllModules()
{
    while (!m_modules.empty())
        unload(std::prev(m_modules.end()), true);
}

bool AcRxDynamicLinker::unload(std::vector<std::unique_ptr<Module>>::iterator module, bool force)
{
    Module* appId = module->get();
    if (appId->entryPoint(AcRx::kUnloadAppMsg, appId) != AcRx::kRetOK && !force)
        return false;
    void* handle = appId->handle;
    m_applications.erase(appId);
    m_modules.erase(module);
    dlclose(handle);
    return true;
}

bool AcRxDynamicLinker::unlockApplication(void* appId) const
{
    m_applications[appId].locked = false;
    return true;
}

bool AcRxDynamicLinker::lockApplication(void* appId) const
{
    m_applications[appId].locked = true;
    return true;
}

bool AcRxDynamicLinker::isApplicationLocked(void* appId) const
{
    const auto found = m_applications.find(appId);
    return found == m_applications.end() || found->second.locked;
}

bool AcRxDynamicLinker::registerAppMDIAware(void* appId) const
{
    m_applications[appId].mdiAware = true;
    return true;
}

bool AcRxDynamicLinker::isAppMDIAware(void* appId) const
{
    const auto found = m_applications.find(appId);
    return found != m_applications.end() && found->second.mdiAware;
}

std::vector<std::wstring> AcRxDynamicLinker::loadedModules() const
{
    std::vector<std::wstring> paths;
    for (const auto& module : m_modules)
        paths.push_back(module->path);
    return paths;
}
