// The module's classes registered for the duration of a scope, as load and unload do it.
#pragma once

#include "entities/CustomClasses.h"

#include "rxobject.h"

struct RegisteredCustomClasses {
    RegisteredCustomClasses()
    {
        registerCustomClasses();
        acrxBuildClassHierarchy();
    }
    ~RegisteredCustomClasses() { deleteCustomClasses(); }
    RegisteredCustomClasses(const RegisteredCustomClasses&) = delete;
    RegisteredCustomClasses& operator=(const RegisteredCustomClasses&) = delete;
};
