// The host's dynamic linker: it loads plug-in modules, sends them the application messages and keeps
// what each application told it (whether it may be unloaded, whether it is aware of multiple documents).
// Found in the system registry under "DynamicLinker".
#pragma once

#include "adesk.h"
#include "rxobject.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace AcRx {
enum AppMsgCode {
    kNullMsg = 0,
    kInitAppMsg = 1,
    kUnloadAppMsg = 2,
    kLoadDwgMsg = 3,
    kUnloadDwgMsg = 4,
    kInvkSubrMsg = 5,
    kCfgMsg = 6,
    kEndMsg = 7,
    kQuitMsg = 8,
    kSaveMsg = 9,
    kDependencyMsg = 10,
    kNoDependencyMsg = 11,
    kOleUnloadAppMsg = 12,
    kPreQuitMsg = 13,
    kInitDialogMsg = 14,
    kEndDialogMsg = 15
};
enum AppRetCode { kRetOK = 0, kRetError = 3 };
} // namespace AcRx

#define ACRX_DYNAMIC_LINKER ACRX_T("DynamicLinker")

// The API version of this host (release 19), which a module's acrxGetApiVersion must answer.
constexpr int kAcRxApiVersion = 0x130000;

// A module's two exports, looked up by these names.
using AcRxEntryPointFunc = AcRx::AppRetCode (*)(AcRx::AppMsgCode message, void* appId);
using AcRxGetApiVersionFunc = int (*)();

class CADHOST_EXPORT AcRxDynamicLinker : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcRxDynamicLinker);
    AcRxDynamicLinker();
    ~AcRxDynamicLinker() override;

    // Loads a module: it must export acrxEntryPoint and acrxGetApiVersion, answer kAcRxApiVersion and
    // accept the initialise message. On failure lastError() says why; with printit it is also printed on
    // the command line. A module already loaded is not loaded again.
    bool loadModule(const ACHAR* fileName, bool printit, bool asCmd = false);
    // Sends the unload message and unloads the module, found by its path or its file name. Fails for a
    // module that is not loaded, is locked, or refuses the message.
    bool unloadModule(const ACHAR* fileName, bool printit, bool asCmd = false);
    // Unloads every module, the last loaded first, whether locked or not, as the host does when it quits.
    void unloadAllModules();

    // Applications start locked and unaware of multiple documents; these record what they tell.
    bool unlockApplication(void* appId) const;
    bool lockApplication(void* appId) const;
    bool isApplicationLocked(void* appId) const;
    bool registerAppMDIAware(void* appId) const;
    bool isAppMDIAware(void* appId) const;

    // Paths of the loaded modules, in load order.
    std::vector<std::wstring> loadedModules() const;
    const ACHAR* lastError() const { return m_lastError.c_str(); }

private:
    struct Module;
    struct ApplicationState {
        bool locked = true;
        bool mdiAware = false;
    };
    bool fail(const std::wstring& message, bool printit);
    // Sends the unload message and closes the module; without force a refusal keeps it loaded.
    bool unload(std::vector<std::unique_ptr<Module>>::iterator module, bool force);

    std::vector<std::unique_ptr<Module>> m_modules;
    mutable std::map<void*, ApplicationState> m_applications;
    std::wstring m_lastError;
};

#define acrxDynamicLinker AcRxDynamicLinker::cast(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER))
