// The host's editor services that the plug-in uses: its application object and prompts. The main frame
// (acedGetAcadFrame) is declared in rxmfcapi.h, as in the host.
#pragma once

#include "ComBase.h"
#include "adesk.h"
#include "windef.h"

// The host's application object (MFC's CWinApp in the host). Its automation object is the host's
// IAcadApplication.
class CADHOST_EXPORT AcadWinApp {
public:
    // Nothing while the host's automation is not available yet. With addRef the caller receives a
    // reference that it releases.
    IDispatch* GetIDispatch(BOOL addRef);
};

CADHOST_EXPORT AcadWinApp* acedGetAcadWinApp();
// Prints the text on the command line as it is.
CADHOST_EXPORT int acedPrompt(const ACHAR* message);
