// The watermark class registered for the tests of a program, unless the module's registration already
// holds it; deleted again at the end.
#pragma once

#include "entities/AcDbWatermark.h"

#include "rxobject.h"

#include <gtest/gtest.h>

class RegisteredWatermarkClass : public ::testing::Environment {
public:
    void SetUp() override
    {
        AcRxDictionary* classes = AcRxDictionary::cast(acrxSysRegistry()->at(ACRX_CLASS_DICTIONARY));
        m_registeredHere = classes->at(AcDbWatermark::className()) == nullptr;
        if (m_registeredHere) {
            AcDbWatermark::rxInit();
            acrxBuildClassHierarchy();
        }
    }
    void TearDown() override
    {
        if (m_registeredHere)
            deleteAcRxClass(AcDbWatermark::desc());
    }

private:
    bool m_registeredHere = false;
};
