// The record of a hatch: its pattern and gradient, and every boundary loop as a lightweight polyline
// of its own. The reader sets each value as soon as it is read and sets the pattern last.
#pragma once

#include "GEntityData.h"
#include "RecordFields.h"
#include "dbhatch.h"
#include "dbpl.h"

#include <memory>
#include <vector>

struct CloseAndDelete {
    void operator()(AcDbPolyline* polyline) const
    {
        polyline->close();
        delete polyline;
    }
};

class GHatchData : public GEntityData {
public:
    using Spec = records::FieldSpec<AcDbHatch, GHatchData>;
    static constexpr Adesk::UInt32 kVersion = 2;
    static constexpr Adesk::UInt32 kOriginVersion = 2;

    virtual Acad::ErrorStatus record(AcDbHatch* hatch);
    virtual Acad::ErrorStatus apply(AcDbHatch* hatch);
    virtual Acad::ErrorStatus write(AcDbHatch* hatch, AcDbDwgFiler* filer);
    virtual Acad::ErrorStatus read(AcDbHatch* hatch, AcDbDwgFiler* filer);
    // Frees the extended data and the loop polylines, last first.
    void release() override;

    double elevation = 0.0;
    AcGeVector3d normal;
    AcDbHatch::HatchObjectType hatchObjectType = AcDbHatch::kHatchObject;
    AcDbHatch::GradientPatternType gradientType = AcDbHatch::kPreDefinedGradient;
    CString gradientName;
    double gradientAngle = 0.0;
    Adesk::Boolean oneColorMode = Adesk::kFalse;
    std::vector<AcCmColor> gradientColors;
    std::vector<float> gradientValues;
    float shadeTintValue = 0.0f;
    float gradientShift = 0.0f;
    AcDbHatch::HatchPatternType patternType = AcDbHatch::kUserDefined;
    CString patternName;
    double patternAngle = 0.0;
    double patternSpace = 0.0;
    double patternScale = 0.0;
    bool patternDouble = false;
    AcDbHatch::HatchStyle hatchStyle = AcDbHatch::kNormal;
    bool castShadows = false;
    bool receiveShadows = false;
    std::vector<std::unique_ptr<AcDbPolyline, CloseAndDelete>> loops;
    std::vector<Adesk::Int32> loopTypes;
    AcGePoint2d originPoint;
    Adesk::UInt32 version = kVersion;

private:
    // Stream order: the values up to the one-colour flag, and those between the colours and the loops.
    static std::span<const Spec> gradientFields();
    static std::span<const Spec> patternFields();
    void recordGradientColors(const AcDbHatch& hatch);
    void setGradientColors(AcDbHatch& hatch) const;
    void convertLoops(const AcDbHatch& hatch);
    // A hatch of one loop gets it back as an external loop.
    void appendLoops(AcDbHatch& hatch) const;
    Acad::ErrorStatus writeGradientColors(AcDbDwgFiler* filer);
    Acad::ErrorStatus readGradientColors(AcDbDwgFiler* filer);
    Acad::ErrorStatus writeLoops(AcDbDwgFiler* filer);
    Acad::ErrorStatus readLoops(AcDbHatch& hatch, AcDbDwgFiler* filer);
};
