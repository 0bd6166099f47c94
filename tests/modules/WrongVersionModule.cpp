// A plug-in for tests that was built for release 18 of the host API.
#include "acrxEntryPoint.h"

ACRX_MODULE_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode, void*)
{
    return AcRx::kRetOK;
}

ACRX_MODULE_EXPORT int acrxGetApiVersion()
{
    return 0x120000;
}
