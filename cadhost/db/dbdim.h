// Dimensions: the common level with its dimension-variable overrides on top of the dimension style,
// and the nine kinds. Each kind describes its lines, arcs, arrows and text once; drawing and measuring
// walk that description.
#pragma once

#include "dbdimvar.h"
#include "dbmain.h"
#include "dbmtext.h"

#include <string>
#include <vector>

namespace cadhost {
struct FieldAccess;

// What a dimension shows.
struct DimGraphics {
    struct Segment {
        AcGePoint3d start;
        AcGePoint3d end;
    };
    struct Arc {
        AcGePoint3d center;
        double radius = 0.0;
        AcGeVector3d startVector;
        double sweep = 0.0;
    };
    struct Arrow {
        AcGePoint3d tip;
        AcGeVector3d direction; // from the tail towards the tip
    };
    std::vector<Segment> segments;
    std::vector<Arc> arcs;
    std::vector<Arrow> arrows;
    AcGePoint3d textPosition; // the middle of the text
    AcGeVector3d textDirection;
    std::wstring text;
};
} // namespace cadhost

class CADHOST_EXPORT AcDbDimension : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbDimension);

    // The middle of the measurement text.
    AcGePoint3d textPosition() const;
    Acad::ErrorStatus setTextPosition(const AcGePoint3d& position);
    bool isUsingDefaultTextPosition() const;
    Acad::ErrorStatus useDefaultTextPosition();
    Acad::ErrorStatus useSetTextPosition();
    AcGeVector3d normal() const;
    Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
    double elevation() const;
    Acad::ErrorStatus setElevation(double elevation);
    // The text override: empty shows the measurement, "<>" stands for it, a single blank shows nothing.
    // A copy made with acutNewString; release it with acutDelString.
    ACHAR* dimensionText() const;
    Acad::ErrorStatus setDimensionText(const ACHAR* text);
    double textRotation() const;
    Acad::ErrorStatus setTextRotation(double angle);
    AcDbObjectId dimensionStyle() const;
    Acad::ErrorStatus setDimensionStyle(AcDbObjectId styleId);
    AcDbMText::AttachmentPoint textAttachment() const;
    Acad::ErrorStatus setTextAttachment(AcDbMText::AttachmentPoint attachment);
    AcDb::LineSpacingStyle textLineSpacingStyle() const;
    Acad::ErrorStatus setTextLineSpacingStyle(AcDb::LineSpacingStyle style);
    double textLineSpacingFactor() const;
    Acad::ErrorStatus setTextLineSpacingFactor(double factor);
    AcDbObjectId dimBlockId() const;
    Acad::ErrorStatus setDimBlockId(const AcDbObjectId& blockId);
    AcGePoint3d dimBlockPosition() const;
    Acad::ErrorStatus setDimBlockPosition(const AcGePoint3d& position);
    bool isDynamicDimension() const;
    Acad::ErrorStatus setDynamicDimension(bool dynamic);
    AcDbObjectId dimLineLinetype() const;
    Acad::ErrorStatus setDimLineLinetype(const AcDbObjectId linetypeId);
    AcDbObjectId dimExt1Linetype() const;
    Acad::ErrorStatus setDimExt1Linetype(const AcDbObjectId linetypeId);
    AcDbObjectId dimExt2Linetype() const;
    Acad::ErrorStatus setDimExt2Linetype(const AcDbObjectId linetypeId);
    bool isHorizontalRefTextRotation() const;
    Acad::ErrorStatus setHorizontalRefTextRotation(bool horizontal);
    bool getArrowFirstIsFlipped() const;
    Acad::ErrorStatus setArrowFirstIsFlipped(bool flipped);
    bool getArrowSecondIsFlipped() const;
    Acad::ErrorStatus setArrowSecondIsFlipped(bool flipped);

    // The measured value: a length, or an angle in radians for angular dimensions.
    Acad::ErrorStatus measurement(double& value) const;
    // The text shown for a measurement: DIMLFAC, DIMRND, DIMDEC (DIMADEC for angles) decimals, DIMDSEP,
    // DIMZIN, DIMPOST, then the dimension text override.
    Acad::ErrorStatus formatMeasurement(AcString& formatted, double measurement,
                                        const ACHAR* dimensionText = nullptr) const;

    // Each getter answers the dimension's override when one is set, else the dimension style's value;
    // each setter sets an override.
    ACDB_DIMVAR_DECLARE_ALL

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    AcDbDimension();

    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override;
    void subList() const override;
    Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& transform) override;

    // The kind's measured value and its graphics (text left empty: the common level fills it).
    virtual double measureValue() const = 0;
    virtual void buildGraphics(cadhost::DimGraphics& graphics) const = 0;
    virtual void transformDefiningPoints(const AcGeMatrix3d& transform) = 0;
    virtual bool isAngular() const { return false; }
    // The prefix of the measurement text: "R" for radii, a diameter sign for diameters.
    virtual std::wstring measurementPrefix() const { return {}; }

    // Helpers for the kinds: a linear dimension between two feet with its extension lines, and an
    // angular arc about a center.
    void addLinear(cadhost::DimGraphics& graphics, const AcGePoint3d& xLine1, const AcGePoint3d& xLine2,
                   const AcGePoint3d& dimLinePoint, const AcGeVector3d& direction) const;
    void addAngular(cadhost::DimGraphics& graphics, const AcGePoint3d& center, const AcGePoint3d& xLine1,
                    const AcGePoint3d& xLine2, double radius) const;
    // The default or the set text position, and the text height, arrow size and the like with DIMSCALE.
    AcGePoint3d placeText(const AcGePoint3d& defaultPosition) const;
    double scaled(double value) const;
    cadhost::DimVars effectiveVars() const;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);
    cadhost::DimGraphics graphics() const;
    cadhost::DimVars styleVars() const;

    AcGePoint3d m_textPosition;
    bool m_defaultTextPosition = true;
    AcGeVector3d m_normal = AcGeVector3d::kZAxis;
    double m_elevation = 0.0;
    std::wstring m_dimensionText;
    double m_textRotation = 0.0;
    AcDbObjectId m_styleId;
    AcDbMText::AttachmentPoint m_textAttachment = AcDbMText::kMiddleCenter;
    AcDb::LineSpacingStyle m_lineSpacingStyle = AcDb::kAtLeast;
    double m_lineSpacingFactor = 1.0;
    AcDbObjectId m_blockId;
    AcGePoint3d m_blockPosition;
    bool m_dynamic = false;
    AcDbObjectId m_dimLineLinetype;
    AcDbObjectId m_ext1Linetype;
    AcDbObjectId m_ext2Linetype;
    bool m_horizontalRefTextRotation = false;
    bool m_arrowFirstFlipped = false;
    bool m_arrowSecondFlipped = false;
    cadhost::DimVars m_overrides;
    cadhost::DimVarFlags m_overridden;
};

// The distance between two extension line origins measured along a given direction.
class CADHOST_EXPORT AcDbRotatedDimension : public AcDbDimension {
public:
    ACRX_DECLARE_MEMBERS(AcDbRotatedDimension);
    AcDbRotatedDimension() = default;
    AcDbRotatedDimension(double rotation, const AcGePoint3d& xLine1Point, const AcGePoint3d& xLine2Point,
                         const AcGePoint3d& dimLinePoint, const ACHAR* dimText = nullptr,
                         AcDbObjectId dimStyle = AcDbObjectId::kNull);

    AcGePoint3d xLine1Point() const;
    Acad::ErrorStatus setXLine1Point(const AcGePoint3d& point);
    AcGePoint3d xLine2Point() const;
    Acad::ErrorStatus setXLine2Point(const AcGePoint3d& point);
    AcGePoint3d dimLinePoint() const;
    Acad::ErrorStatus setDimLinePoint(const AcGePoint3d& point);
    double rotation() const;
    Acad::ErrorStatus setRotation(double angle);
    double oblique() const;
    Acad::ErrorStatus setOblique(double angle);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    double measureValue() const override;
    void buildGraphics(cadhost::DimGraphics& graphics) const override;
    void transformDefiningPoints(const AcGeMatrix3d& transform) override;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    AcGePoint3d m_xLine1;
    AcGePoint3d m_xLine2;
    AcGePoint3d m_dimLine;
    double m_rotation = 0.0;
    double m_oblique = 0.0;
};

// The true distance between two extension line origins.
class CADHOST_EXPORT AcDbAlignedDimension : public AcDbDimension {
public:
    ACRX_DECLARE_MEMBERS(AcDbAlignedDimension);
    AcDbAlignedDimension() = default;
    AcDbAlignedDimension(const AcGePoint3d& xLine1Point, const AcGePoint3d& xLine2Point,
                         const AcGePoint3d& dimLinePoint, const ACHAR* dimText = nullptr,
                         AcDbObjectId dimStyle = AcDbObjectId::kNull);

    AcGePoint3d xLine1Point() const;
    Acad::ErrorStatus setXLine1Point(const AcGePoint3d& point);
    AcGePoint3d xLine2Point() const;
    Acad::ErrorStatus setXLine2Point(const AcGePoint3d& point);
    AcGePoint3d dimLinePoint() const;
    Acad::ErrorStatus setDimLinePoint(const AcGePoint3d& point);
    double oblique() const;
    Acad::ErrorStatus setOblique(double angle);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    double measureValue() const override;
    void buildGraphics(cadhost::DimGraphics& graphics) const override;
    void transformDefiningPoints(const AcGeMatrix3d& transform) override;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    AcGePoint3d m_xLine1;
    AcGePoint3d m_xLine2;
    AcGePoint3d m_dimLine;
    double m_oblique = 0.0;
};

// The angle at a center point between two points.
class CADHOST_EXPORT AcDb3PointAngularDimension : public AcDbDimension {
public:
    ACRX_DECLARE_MEMBERS(AcDb3PointAngularDimension);
    AcDb3PointAngularDimension() = default;

    AcGePoint3d arcPoint() const;
    Acad::ErrorStatus setArcPoint(const AcGePoint3d& point);
    AcGePoint3d xLine1Point() const;
    Acad::ErrorStatus setXLine1Point(const AcGePoint3d& point);
    AcGePoint3d xLine2Point() const;
    Acad::ErrorStatus setXLine2Point(const AcGePoint3d& point);
    AcGePoint3d centerPoint() const;
    Acad::ErrorStatus setCenterPoint(const AcGePoint3d& point);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    double measureValue() const override;
    void buildGraphics(cadhost::DimGraphics& graphics) const override;
    void transformDefiningPoints(const AcGeMatrix3d& transform) override;
    bool isAngular() const override { return true; }

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    AcGePoint3d m_arcPoint;
    AcGePoint3d m_xLine1;
    AcGePoint3d m_xLine2;
    AcGePoint3d m_center;
};

// The angle between two lines, on the side of the arc point.
class CADHOST_EXPORT AcDb2LineAngularDimension : public AcDbDimension {
public:
    ACRX_DECLARE_MEMBERS(AcDb2LineAngularDimension);
    AcDb2LineAngularDimension() = default;

    AcGePoint3d arcPoint() const;
    Acad::ErrorStatus setArcPoint(const AcGePoint3d& point);
    AcGePoint3d xLine1Start() const;
    Acad::ErrorStatus setXLine1Start(const AcGePoint3d& point);
    AcGePoint3d xLine1End() const;
    Acad::ErrorStatus setXLine1End(const AcGePoint3d& point);
    AcGePoint3d xLine2Start() const;
    Acad::ErrorStatus setXLine2Start(const AcGePoint3d& point);
    AcGePoint3d xLine2End() const;
    Acad::ErrorStatus setXLine2End(const AcGePoint3d& point);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    double measureValue() const override;
    void buildGraphics(cadhost::DimGraphics& graphics) const override;
    void transformDefiningPoints(const AcGeMatrix3d& transform) override;
    bool isAngular() const override { return true; }

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);
    // The intersection of the two lines and one point on each, chosen on the side of the arc point.
    bool angleGeometry(AcGePoint3d& center, AcGePoint3d& first, AcGePoint3d& second) const;

    AcGePoint3d m_arcPoint;
    AcGePoint3d m_line1Start;
    AcGePoint3d m_line1End;
    AcGePoint3d m_line2Start;
    AcGePoint3d m_line2End;
};

// The radius of a circle or arc.
class CADHOST_EXPORT AcDbRadialDimension : public AcDbDimension {
public:
    ACRX_DECLARE_MEMBERS(AcDbRadialDimension);
    AcDbRadialDimension() = default;
    AcDbRadialDimension(const AcGePoint3d& center, const AcGePoint3d& chordPoint, double leaderLength,
                        const ACHAR* dimText = nullptr, AcDbObjectId dimStyle = AcDbObjectId::kNull);

    double leaderLength() const;
    Acad::ErrorStatus setLeaderLength(double length);
    AcGePoint3d center() const;
    Acad::ErrorStatus setCenter(const AcGePoint3d& point);
    AcGePoint3d chordPoint() const;
    Acad::ErrorStatus setChordPoint(const AcGePoint3d& point);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    double measureValue() const override;
    void buildGraphics(cadhost::DimGraphics& graphics) const override;
    void transformDefiningPoints(const AcGeMatrix3d& transform) override;
    std::wstring measurementPrefix() const override { return L"R"; }

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    double m_leaderLength = 0.0;
    AcGePoint3d m_center;
    AcGePoint3d m_chordPoint;
};

// The diameter of a circle, between two opposite chord points.
class CADHOST_EXPORT AcDbDiametricDimension : public AcDbDimension {
public:
    ACRX_DECLARE_MEMBERS(AcDbDiametricDimension);
    AcDbDiametricDimension() = default;
    AcDbDiametricDimension(const AcGePoint3d& chordPoint, const AcGePoint3d& farChordPoint, double leaderLength,
                           const ACHAR* dimText = nullptr, AcDbObjectId dimStyle = AcDbObjectId::kNull);

    double leaderLength() const;
    Acad::ErrorStatus setLeaderLength(double length);
    AcGePoint3d chordPoint() const;
    Acad::ErrorStatus setChordPoint(const AcGePoint3d& point);
    AcGePoint3d farChordPoint() const;
    Acad::ErrorStatus setFarChordPoint(const AcGePoint3d& point);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    double measureValue() const override;
    void buildGraphics(cadhost::DimGraphics& graphics) const override;
    void transformDefiningPoints(const AcGeMatrix3d& transform) override;
    std::wstring measurementPrefix() const override { return L"\u00D8"; }

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    double m_leaderLength = 0.0;
    AcGePoint3d m_chordPoint;
    AcGePoint3d m_farChordPoint;
};

// The x or y distance of a point from an origin.
class CADHOST_EXPORT AcDbOrdinateDimension : public AcDbDimension {
public:
    ACRX_DECLARE_MEMBERS(AcDbOrdinateDimension);
    AcDbOrdinateDimension() = default;

    bool isUsingXAxis() const;
    bool isUsingYAxis() const;
    Acad::ErrorStatus useXAxis();
    Acad::ErrorStatus useYAxis();
    AcGePoint3d origin() const;
    Acad::ErrorStatus setOrigin(const AcGePoint3d& point);
    AcGePoint3d definingPoint() const;
    Acad::ErrorStatus setDefiningPoint(const AcGePoint3d& point);
    AcGePoint3d leaderEndPoint() const;
    Acad::ErrorStatus setLeaderEndPoint(const AcGePoint3d& point);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    double measureValue() const override;
    void buildGraphics(cadhost::DimGraphics& graphics) const override;
    void transformDefiningPoints(const AcGeMatrix3d& transform) override;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    bool m_usingXAxis = true;
    AcGePoint3d m_origin;
    AcGePoint3d m_definingPoint;
    AcGePoint3d m_leaderEndPoint;
};

// The length of an arc between two points on it.
class CADHOST_EXPORT AcDbArcDimension : public AcDbDimension {
public:
    ACRX_DECLARE_MEMBERS(AcDbArcDimension);
    AcDbArcDimension() = default;

    AcGePoint3d arcPoint() const;
    Acad::ErrorStatus setArcPoint(const AcGePoint3d& point);
    AcGePoint3d xLine1Point() const;
    Acad::ErrorStatus setXLine1Point(const AcGePoint3d& point);
    AcGePoint3d xLine2Point() const;
    Acad::ErrorStatus setXLine2Point(const AcGePoint3d& point);
    AcGePoint3d centerPoint() const;
    Acad::ErrorStatus setCenterPoint(const AcGePoint3d& point);
    bool isPartial() const;
    Acad::ErrorStatus setIsPartial(bool partial);
    double arcStartParam() const;
    Acad::ErrorStatus setArcStartParam(double param);
    double arcEndParam() const;
    Acad::ErrorStatus setArcEndParam(double param);
    bool hasLeader() const;
    Acad::ErrorStatus setHasLeader(bool leader);
    AcGePoint3d leader1Point() const;
    Acad::ErrorStatus setLeader1Point(const AcGePoint3d& point);
    AcGePoint3d leader2Point() const;
    Acad::ErrorStatus setLeader2Point(const AcGePoint3d& point);
    // 0: the arc symbol before the text, 1: above it, 2: none.
    int arcSymbolType() const;
    Acad::ErrorStatus setArcSymbolType(int type);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    double measureValue() const override;
    void buildGraphics(cadhost::DimGraphics& graphics) const override;
    void transformDefiningPoints(const AcGeMatrix3d& transform) override;
    std::wstring measurementPrefix() const override;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    AcGePoint3d m_arcPoint;
    AcGePoint3d m_xLine1;
    AcGePoint3d m_xLine2;
    AcGePoint3d m_center;
    bool m_partial = false;
    double m_arcStartParam = 0.0;
    double m_arcEndParam = 0.0;
    bool m_hasLeader = false;
    AcGePoint3d m_leader1;
    AcGePoint3d m_leader2;
    Adesk::Int32 m_arcSymbolType = 0;
};

// The radius of a large arc whose center lies off the sheet, drawn with a jogged line.
class CADHOST_EXPORT AcDbRadialDimensionLarge : public AcDbDimension {
public:
    ACRX_DECLARE_MEMBERS(AcDbRadialDimensionLarge);
    AcDbRadialDimensionLarge() = default;

    AcGePoint3d center() const;
    Acad::ErrorStatus setCenter(const AcGePoint3d& point);
    AcGePoint3d chordPoint() const;
    Acad::ErrorStatus setChordPoint(const AcGePoint3d& point);
    AcGePoint3d overrideCenter() const;
    Acad::ErrorStatus setOverrideCenter(const AcGePoint3d& point);
    AcGePoint3d jogPoint() const;
    Acad::ErrorStatus setJogPoint(const AcGePoint3d& point);
    double jogAngle() const;
    Acad::ErrorStatus setJogAngle(double angle);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    double measureValue() const override;
    void buildGraphics(cadhost::DimGraphics& graphics) const override;
    void transformDefiningPoints(const AcGeMatrix3d& transform) override;
    std::wstring measurementPrefix() const override { return L"R"; }

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    AcGePoint3d m_center;
    AcGePoint3d m_chordPoint;
    AcGePoint3d m_overrideCenter;
    AcGePoint3d m_jogPoint;
    double m_jogAngle = 0.7853981633974483;
};
