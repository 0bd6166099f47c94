// The module whose resources (dialog templates) are looked up first. The plug-in makes its own module
// current while it creates its dialogs; a module is identified by its load address.
#pragma once

#include "adesk.h"
#include "windef.h"

CADHOST_EXPORT HINSTANCE AfxGetResourceHandle();
CADHOST_EXPORT void AfxSetResourceHandle(HINSTANCE module);

namespace cadhost {
// The module (executable or shared library) that holds the code or data at the address.
CADHOST_EXPORT HINSTANCE moduleOf(const void* address);
} // namespace cadhost
