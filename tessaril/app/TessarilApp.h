// The module's application object and its two exports, through which the host loads and unloads it.
#pragma once

#include "acrxEntryPoint.h"

class CTessarilApp : public AcRxArxApp {
public:
    CTessarilApp() : AcRxArxApp(true, true) {}

    AcRx::AppRetCode On_kInitAppMsg(void* pkt) override;
    AcRx::AppRetCode On_kUnloadAppMsg(void* pkt) override;
};

ACRX_MODULE_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId);
ACRX_MODULE_EXPORT int acrxGetApiVersion();
