// The record of a block reference, with one attribute record per attribute of the reference.
#pragma once

#include "GAttributeData.h"
#include "GEntityData.h"
#include "RecordFields.h"
#include "RecordPtr.h"
#include "dbblkref.h"

#include <vector>

class GBlockReferenceData : public GEntityData {
public:
    using Spec = records::FieldSpec<AcDbBlockReference, GBlockReferenceData>;
    static constexpr Adesk::UInt32 kVersion = 1;

    virtual Acad::ErrorStatus record(AcDbBlockReference* reference);
    // The attribute records are not applied.
    virtual Acad::ErrorStatus apply(AcDbBlockReference* reference);
    virtual Acad::ErrorStatus write(AcDbBlockReference* reference, AcDbDwgFiler* filer);
    virtual Acad::ErrorStatus read(AcDbBlockReference* reference, AcDbDwgFiler* filer);
    void release() override;

    std::vector<std::unique_ptr<GAttributeData, ReleaseAndDelete>> attributes;
    AcGePoint3d position;
    AcGeScale3d scaleFactors;
    double rotation = 0.0;
    AcGeVector3d normal{0.0, 0.0, 0.0};
    AcGeMatrix3d blockTransform;
    AcDbObjectId blockTableRecord;
    Adesk::UInt32 version = 1;

private:
    // Block table record, position, scale factors, rotation, normal, block transform: stream order.
    static std::span<const Spec> blockFields();
};
