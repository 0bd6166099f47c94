#include "resourcehandle.h"

#include <dlfcn.h>

namespace {

HINSTANCE& currentResourceHandle()
{
    static HINSTANCE module = nullptr;
    return module;
}

} // namespace

HINSTANCE AfxGetResourceHandle()
{
    return currentResourceHandle();
}

void AfxSetResourceHandle(HINSTANCE module)
{
    currentResourceHandle() = module;
}

namespace cadhost {

HINSTANCE moduleOf(const void* address)
{
    Dl_info info{};
    if (dladdr(address, &info) == 0)
        return nullptr;
    return static_cast<HINSTANCE>(info.dli_fbase);
}

} // namespace cadhost
