// Hatches: boundary loops in the plane of the hatch, filled with a pattern of lines, a solid fill or a
// gradient.
#pragma once

#include "dbmain.h"
#include "gecurv2d.h"
#include "gedblar.h"
#include "geintarr.h"
#include "gept2dar.h"
#include "gevptar.h"

#include <memory>
#include <string>
#include <vector>

namespace cadhost {
struct FieldAccess;
class DwgFieldWriter;
class DwgFieldReader;
} // namespace cadhost

class CADHOST_EXPORT AcDbHatch : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbHatch);
    AcDbHatch();
    ~AcDbHatch() override;

    enum HatchObjectType { kHatchObject = 0, kGradientObject = 1 };
    enum HatchLoopType {
        kDefault = 0,
        kExternal = 1,
        kPolyline = 2,
        kDerived = 4,
        kTextbox = 8,
        kOutermost = 0x10,
        kNotClosed = 0x20,
        kSelfIntersecting = 0x40,
        kTextIsland = 0x80,
        kDuplicate = 0x100
    };
    enum HatchEdgeType { kLine = 1, kCirArc = 2, kEllArc = 3, kSpline = 4 };
    enum HatchPatternType { kUserDefined = 0, kPreDefined = 1, kCustomDefined = 2 };
    enum HatchStyle { kNormal = 0, kOuter = 1, kIgnore = 2 };
    enum GradientPatternType { kPreDefinedGradient = 0, kUserDefinedGradient = 1 };

    // The loops lie in the plane of the normal at this height above the origin.
    double elevation() const;
    Acad::ErrorStatus setElevation(double elevation);
    AcGeVector3d normal() const;
    Acad::ErrorStatus setNormal(const AcGeVector3d& normal);

    HatchObjectType hatchObjectType() const;
    Acad::ErrorStatus setHatchObjectType(HatchObjectType type);
    bool isGradient() const;
    bool isHatch() const;
    bool isSolidFill() const;

    GradientPatternType gradientType() const;
    const ACHAR* gradientName() const;
    Acad::ErrorStatus setGradient(GradientPatternType type, const ACHAR* name);
    double gradientAngle() const;
    Acad::ErrorStatus setGradientAngle(double angle);
    Adesk::Boolean getGradientOneColorMode() const;
    Adesk::Boolean gradientOneColorMode() const { return getGradientOneColorMode(); }
    Acad::ErrorStatus setGradientOneColorMode(Adesk::Boolean oneColorMode);
    // New arrays, which the caller deletes with delete[]. In one-colour mode the second colour is the
    // first one darkened (shade tint below 0.5) or lightened (above 0.5) by the shade tint value.
    Acad::ErrorStatus getGradientColors(unsigned int& count, AcCmColor*& colors, float*& values) const;
    Acad::ErrorStatus setGradientColors(unsigned int count, const AcCmColor* colors, const float* values);
    float getShadeTintValue() const;
    float shadeTintValue() const { return getShadeTintValue(); }
    Acad::ErrorStatus setShadeTintValue(float value);
    float getGradientShift() const;
    float gradientShift() const { return getGradientShift(); }
    Acad::ErrorStatus setGradientShift(float shift);

    HatchPatternType patternType() const;
    const ACHAR* patternName() const;
    Acad::ErrorStatus setPattern(HatchPatternType type, const ACHAR* name);
    double patternAngle() const;
    Acad::ErrorStatus setPatternAngle(double angle);
    double patternSpace() const;
    Acad::ErrorStatus setPatternSpace(double space);
    double patternScale() const;
    Acad::ErrorStatus setPatternScale(double scale);
    bool patternDouble() const;
    Acad::ErrorStatus setPatternDouble(bool isDouble);
    HatchStyle hatchStyle() const;
    Acad::ErrorStatus setHatchStyle(HatchStyle style);

    int numLoops() const;
    Adesk::Int32 loopTypeAt(int loopIndex) const;
    // The edge form of a loop: pointers to the hatch's own AcGeCurve2d edges (AcGeLineSeg2d,
    // AcGeCircArc2d, AcGeEllipArc2d, AcGeNurbCurve2d by type), valid until the hatch changes; the
    // caller does not delete them. A polyline loop answers eNotApplicable.
    Acad::ErrorStatus getLoopAt(int loopIndex, Adesk::Int32& loopType, AcGeVoidPointerArray& edgePtrs,
                                AcGeIntArray& edgeTypes) const;
    // The vertex form of a polyline loop; an edge loop answers eNotApplicable.
    Acad::ErrorStatus getLoopAt(int loopIndex, Adesk::Int32& loopType, AcGePoint2dArray& vertices,
                                AcGeDoubleArray& bulges) const;
    // The hatch takes ownership of the edges once the loop is appended.
    Acad::ErrorStatus appendLoop(Adesk::Int32 loopType, const AcGeVoidPointerArray& edgePtrs,
                                 const AcGeIntArray& edgeTypes);
    // Bulges may be empty (all straight) or one per vertex.
    Acad::ErrorStatus appendLoop(Adesk::Int32 loopType, const AcGePoint2dArray& vertices,
                                 const AcGeDoubleArray& bulges);
    Acad::ErrorStatus removeLoopAt(int loopIndex);

    bool associative() const;
    Acad::ErrorStatus setAssociative(bool isAssociative);
    bool lineGenerationEnabled() const;
    // Answers the previous setting.
    bool setLineGenerationEnabled(bool enable);
    // Computes the pattern lines: one family of parallel lines at the pattern angle, pattern space
    // apart (times the pattern scale for predefined patterns), a second family at right angles for a
    // double pattern, clipped to the loops by the even-odd rule. Solid fills and gradients have none.
    Acad::ErrorStatus evaluateHatch(bool underEstimateNumLines = false);
    int numHatchLines() const;
    Acad::ErrorStatus getHatchLineDataAt(int lineIndex, AcGePoint2d& startPoint, AcGePoint2d& endPoint) const;

    AcGePoint2d originPoint() const;
    Acad::ErrorStatus setOriginPoint(const AcGePoint2d& origin);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override;
    void subList() const override;
    Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& transform) override;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    struct Loop {
        Adesk::Int32 type = kDefault;
        // A polyline loop keeps vertices and bulges; an edge loop keeps its edges and their types.
        std::vector<AcGePoint2d> vertices;
        std::vector<double> bulges;
        std::vector<std::unique_ptr<AcGeCurve2d>> edges;
        std::vector<int> edgeTypes;
        bool isPolyline() const { return (type & kPolyline) != 0; }
    };
    struct HatchLine {
        AcGePoint2d start;
        AcGePoint2d end;
    };
    static void fileLoop(cadhost::DwgFieldWriter& io, const Loop& loop);
    static void fileLoop(cadhost::DwgFieldReader& io, Loop& loop);
    // Each loop as a closed polygon in the hatch plane, curves sampled.
    std::vector<std::vector<AcGePoint2d>> loopPolygons() const;
    AcGePoint3d toWorld(const AcGePoint2d& point) const;

    double m_elevation = 0.0;
    AcGeVector3d m_normal = AcGeVector3d::kZAxis;
    HatchObjectType m_objectType = kHatchObject;
    GradientPatternType m_gradientType = kPreDefinedGradient;
    std::wstring m_gradientName;
    double m_gradientAngle = 0.0;
    bool m_oneColorMode = false;
    std::vector<AcCmColor> m_gradientColors;
    std::vector<float> m_gradientValues;
    float m_shadeTint = 0.0f;
    float m_gradientShift = 0.0f;
    HatchPatternType m_patternType = kPreDefined;
    std::wstring m_patternName;
    double m_patternAngle = 0.0;
    double m_patternSpace = 1.0;
    double m_patternScale = 1.0;
    bool m_patternDouble = false;
    HatchStyle m_hatchStyle = kNormal;
    std::vector<Loop> m_loops;
    bool m_associative = false;
    bool m_lineGeneration = true;
    AcGePoint2d m_origin;
    std::vector<HatchLine> m_lines;
};
