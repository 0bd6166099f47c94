// The host wizard's application base classes. A module derives its application object from AcRxArxApp
// and overrides the handlers of the messages it cares about; every other message answers kRetOK.
#pragma once

#include "rxdlinkr.h"

// Exports a module's entry functions under their C names.
#define ACRX_MODULE_EXPORT extern "C" __attribute__((visibility("default")))

class AcRxDbxApp {
public:
    // bUnlocked: the module may be unloaded. bMDIAware: it works with several open documents.
    explicit AcRxDbxApp(bool bUnlocked = true, bool bMDIAware = true) : m_bUnlocked(bUnlocked), m_bMDIAware(bMDIAware)
    {
    }
    virtual ~AcRxDbxApp() = default;
    AcRxDbxApp(const AcRxDbxApp&) = delete;
    AcRxDbxApp& operator=(const AcRxDbxApp&) = delete;

    AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* pkt)
    {
        switch (msg) {
        case AcRx::kInitAppMsg:
            return On_kInitAppMsg(pkt);
        case AcRx::kUnloadAppMsg:
            return On_kUnloadAppMsg(pkt);
        default:
            return AcRx::kRetOK;
        }
    }

    // Tells the dynamic linker what the construction flags say.
    virtual AcRx::AppRetCode On_kInitAppMsg(void* pkt)
    {
        if (m_bUnlocked)
            acrxDynamicLinker->unlockApplication(pkt);
        if (m_bMDIAware)
            acrxDynamicLinker->registerAppMDIAware(pkt);
        return AcRx::kRetOK;
    }
    virtual AcRx::AppRetCode On_kUnloadAppMsg(void*) { return AcRx::kRetOK; }

protected:
    bool m_bUnlocked;
    bool m_bMDIAware;
};

class AcRxArxApp : public AcRxDbxApp {
public:
    using AcRxDbxApp::AcRxDbxApp;
};
