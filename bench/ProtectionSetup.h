// What the protection benchmarks share: the plug-in's classes registered once, and options that select
// every kind of entity.
#pragma once

#include "entities/AcDbWatermark.h"
#include "entities/CustomClasses.h"
#include "pipeline/GGuardOption.h"

#include "rxobject.h"

inline void registerPluginClassesOnce()
{
    static const bool registered = [] {
        registerCustomClasses();
        AcRxDictionary* classes = AcRxDictionary::cast(acrxSysRegistry()->at(ACRX_CLASS_DICTIONARY));
        if (classes->at(AcDbWatermark::className()) == nullptr)
            AcDbWatermark::rxInit();
        acrxBuildClassHierarchy();
        return true;
    }();
    static_cast<void>(registered);
}

inline GGuardOption allKinds()
{
    GGuardOption options;
    options.kindFlags.applyMask(0xFF);
    return options;
}
