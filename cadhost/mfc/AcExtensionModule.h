// Makes a module the source of dialog resources for the lifetime of the object and restores the previous
// one afterwards. Without an argument the module is the one whose code creates the object.
#pragma once

#include "resourcehandle.h"

class CADHOST_EXPORT CAcModuleResourceOverride {
public:
    explicit CAcModuleResourceOverride(HINSTANCE module = nullptr);
    ~CAcModuleResourceOverride();
    CAcModuleResourceOverride(const CAcModuleResourceOverride&) = delete;
    CAcModuleResourceOverride& operator=(const CAcModuleResourceOverride&) = delete;

private:
    HINSTANCE m_previous;
};
