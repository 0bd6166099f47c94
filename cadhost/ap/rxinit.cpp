// Registers the application layer's run-time classes and its services in the system registry when the
// library is loaded.
#include "accmd.h"
#include "rxdlinkr.h"

namespace {
struct ApplicationLayer {
    ApplicationLayer()
    {
        AcEdCommandStack::rxInit();
        AcRxDynamicLinker::rxInit();
        acrxSysRegistry()->atPut(ACRX_COMMAND_DOCK, new AcEdCommandStack());
        acrxSysRegistry()->atPut(ACRX_DYNAMIC_LINKER, new AcRxDynamicLinker());
    }
};

const ApplicationLayer gApplicationLayer;
} // namespace
