// A plug-in for tests: it counts its loads in a static, so a real unload shows as a count back at 1, and
// offers commands that print that count and lock the module against unloading.
#include "CommandLine.h"
#include "accmd.h"
#include "acrxEntryPoint.h"

namespace {
int gLoads = 0;
void* gAppId = nullptr;

void probe()
{
    acutPrintf(L"\nprobe loaded %d time(s)", gLoads);
}

void lockProbe()
{
    acrxDynamicLinker->lockApplication(gAppId);
}

class ProbeApp : public AcRxArxApp {
public:
    AcRx::AppRetCode On_kInitAppMsg(void* pkt) override
    {
        AcRxArxApp::On_kInitAppMsg(pkt);
        gAppId = pkt;
        ++gLoads;
        acedRegCmds->addCommand(L"PROBE", L"probe", L"probe", ACRX_CMD_MODAL, probe);
        acedRegCmds->addCommand(L"PROBE", L"probelock", L"probelock", ACRX_CMD_MODAL, lockProbe);
        return AcRx::kRetOK;
    }
    AcRx::AppRetCode On_kUnloadAppMsg(void* pkt) override
    {
        AcRxArxApp::On_kUnloadAppMsg(pkt);
        acedRegCmds->removeGroup(L"PROBE");
        return AcRx::kRetOK;
    }
};

ProbeApp theApp;
} // namespace

ACRX_MODULE_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId)
{
    return theApp.acrxEntryPoint(msg, appId);
}

ACRX_MODULE_EXPORT int acrxGetApiVersion()
{
    return kAcRxApiVersion;
}
