#include "TessarilApp.h"

#include "MenuInstallTimer.h"
#include "MovrelCommand.h"
#include "TempFileList.h"
#include "accmd.h"
#include "entities/CustomClasses.h"
#include "settings/GUpdateInfo.h"

namespace {
constexpr const ACHAR* kCommandGroup = L"Tessaril";

CTessarilApp theApp;
} // namespace

AcRx::AppRetCode CTessarilApp::On_kInitAppMsg(void* pkt)
{
    AcRxArxApp::On_kInitAppMsg(pkt);
    startMenuInstallTimer();
    registerCustomClasses();
    acrxBuildClassHierarchy();
    // A session command runs in the application context, so it may open, activate and close documents.
    acedRegCmds->addCommand(kCommandGroup, L"movrel", L"movrel", ACRX_CMD_SESSION | ACRX_CMD_NONEWSTACK, movrel,
                            nullptr, -1, nullptr);
    return AcRx::kRetOK;
}

AcRx::AppRetCode CTessarilApp::On_kUnloadAppMsg(void* pkt)
{
    AcRxArxApp::On_kUnloadAppMsg(pkt);
    // The download thread runs the module's code: it must end before the module goes.
    updateInfo().waitForDownload();
    stopMenuInstallTimer();
    acedRegCmds->removeGroup(kCommandGroup);
    deleteCustomClasses();
    deleteTempFiles();
    return AcRx::kRetOK;
}

AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId)
{
    return theApp.acrxEntryPoint(msg, appId);
}

int acrxGetApiVersion()
{
    return kAcRxApiVersion;
}
