// The common level of the dimension records: the dimension's own values and its dimension-variable
// overrides, and the dimension stream that every dimension record writes before its own fields.
#pragma once

#include "DimensionVariables.h"
#include "GEntityData.h"
#include "RecordFields.h"
#include "dbdim.h"

class GDimensionData : public GEntityData {
public:
    using Spec = records::FieldSpec<AcDbDimension, GDimensionData>;
    static constexpr Adesk::UInt32 kDimensionVersion = 2;
    static constexpr Adesk::UInt32 kVariablesVersion = 2;

    virtual void recordDimension(AcDbDimension* dimension);
    virtual void applyDimension(AcDbDimension* dimension);
    virtual Acad::ErrorStatus writeDimension(AcDbDimension* dimension, AcDbDwgFiler* filer);
    // Sets the common values, then, from version 2 on, the dimension-variable overrides.
    virtual Acad::ErrorStatus readDimension(AcDbDimension* dimension, AcDbDwgFiler* filer);

    AcDbObjectId dimBlockId;
    AcGePoint3d textPosition;
    Adesk::Boolean usesDefaultTextPosition = Adesk::kFalse;
    AcGeVector3d normal;
    double elevation = 0.0;
    CString dimensionText;
    double textRotation = 0.0;
    AcDbObjectId dimensionStyle;
    AcDbMText::AttachmentPoint textAttachment = AcDbMText::kTopLeft;
    AcDb::LineSpacingStyle lineSpacingStyle = AcDb::kAtLeast;
    double lineSpacingFactor = 0.0;
    AcGePoint3d dimBlockPosition;
    bool dynamicDimension = false;
    AcDbObjectId dimLineLinetype;
    AcDbObjectId ext1Linetype;
    AcDbObjectId ext2Linetype;
    bool horizontalRefTextRotation = false;
    bool arrowFirstFlipped = false;
    bool arrowSecondFlipped = false;
    bool castShadows = false;
    bool receiveShadows = false;
    // In the order of records::dimensionVariables().
    records::DimensionVariableValues dimensionVariables;
    Adesk::UInt32 dimensionVersion = kDimensionVersion;

private:
    // Stream items text position to dimension block position; the style travels with them but is set
    // before them.
    static std::span<const Spec> streamFields();
    // The values after the dimension-line linetypes, which only record and apply carry.
    static std::span<const Spec> appearanceFields();
    void recordStreamed(const AcDbDimension& dimension);
    void applyMappedLinetypes(AcDbDimension& dimension);
    void applyVariables(AcDbDimension& dimension) const;
};
