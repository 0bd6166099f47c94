#include "AcExtensionModule.h"

CAcModuleResourceOverride::CAcModuleResourceOverride(HINSTANCE module) : m_previous(AfxGetResourceHandle())
{
    AfxSetResourceHandle(module != nullptr ? module : cadhost::moduleOf(__builtin_return_address(0)));
}

CAcModuleResourceOverride::~CAcModuleResourceOverride()
{
    AfxSetResourceHandle(m_previous);
}
