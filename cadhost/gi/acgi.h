// Graphics interfaces through which entities draw themselves.
#pragma once

#include "acdb.h"
#include "dbcolor.h"
#include "dbid.h"
#include "drawable.h"
#include "gemat3d.h"
#include "gepnt2d.h"
#include "gepnt3d.h"
#include "gevec3d.h"

#include <string>

class AcDbDatabase;
class AcGiTextStyle;

enum AcGiRegenType {
    eAcGiRegenTypeInvalid = 0,
    kAcGiStandardDisplay = 2,
    kAcGiHideOrShadeCommand = 3,
    kAcGiShadedDisplay = 4,
    kAcGiForExplode = 5,
    kAcGiSaveWorldDrawForProxy = 6
};

enum AcGiArcType { kAcGiArcSimple = 0, kAcGiArcSector = 1, kAcGiArcChord = 2 };
enum AcGiFillType { kAcGiFillAlways = 1, kAcGiFillNever = 2 };

// Traits that apply to the primitives drawn after they are set.
class CADHOST_EXPORT AcGiSubEntityTraits : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcGiSubEntityTraits);
    virtual void setColor(Adesk::UInt16 colorIndex) = 0;
    virtual void setTrueColor(const AcCmEntityColor::ColorMethod method, Adesk::UInt32 rgb) = 0;
    virtual void setTrueColor(const AcCmColor& color) = 0;
    virtual void setLayer(AcDbObjectId layerId) = 0;
    virtual void setLineType(AcDbObjectId linetypeId) = 0;
    virtual void setLineWeight(AcDb::LineWeight lineWeight) = 0;
    virtual void setFillType(AcGiFillType fillType) = 0;
    virtual Adesk::UInt16 color() const = 0;
    virtual AcCmColor trueColor() const = 0;
    virtual AcDbObjectId layerId() const = 0;
    virtual AcDbObjectId lineTypeId() const = 0;
    virtual AcDb::LineWeight lineWeight() const = 0;
    virtual AcGiFillType fillType() const = 0;
};

// The traits a drawable sets on itself before it is drawn (setAttributes).
class CADHOST_EXPORT AcGiDrawableTraits : public AcGiSubEntityTraits {
public:
    ACRX_DECLARE_MEMBERS(AcGiDrawableTraits);
};

// Text style for the text primitive: height, width factor, oblique angle, font name.
class CADHOST_EXPORT AcGiTextStyle {
public:
    AcGiTextStyle() = default;
    double textSize() const { return m_textSize; }
    void setTextSize(double size) { m_textSize = size; }
    double xScale() const { return m_xScale; }
    void setXScale(double scale) { m_xScale = scale; }
    double obliquingAngle() const { return m_oblique; }
    void setObliquingAngle(double angle) { m_oblique = angle; }
    const ACHAR* fileName() const { return m_fileName.c_str(); }
    void setFileName(const ACHAR* name) { m_fileName = name != nullptr ? name : L""; }

private:
    double m_textSize = 1.0;
    double m_xScale = 1.0;
    double m_oblique = 0.0;
    std::wstring m_fileName = L"txt";
};

class CADHOST_EXPORT AcGiGeometry : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcGiGeometry);
    virtual Adesk::Boolean circle(const AcGePoint3d& center, double radius, const AcGeVector3d& normal) const = 0;
    virtual Adesk::Boolean circularArc(const AcGePoint3d& center, double radius, const AcGeVector3d& normal,
                                       const AcGeVector3d& startVector, double sweepAngle,
                                       AcGiArcType arcType = kAcGiArcSimple) const = 0;
    virtual Adesk::Boolean polyline(Adesk::UInt32 count, const AcGePoint3d* vertices,
                                    const AcGeVector3d* normal = nullptr,
                                    Adesk::LongPtr subEntityMarker = -1) const = 0;
    virtual Adesk::Boolean polygon(Adesk::UInt32 count, const AcGePoint3d* vertices) const = 0;
    // Text drawn from its insertion point along direction, with the given height, width factor
    // and oblique angle; raw means no control-code processing.
    virtual Adesk::Boolean text(const AcGePoint3d& position, const AcGeVector3d& normal, const AcGeVector3d& direction,
                                double height, double width, double oblique, const ACHAR* text) const = 0;
    virtual Adesk::Boolean text(const AcGePoint3d& position, const AcGeVector3d& normal, const AcGeVector3d& direction,
                                const ACHAR* text, Adesk::Int32 length, Adesk::Boolean raw,
                                const AcGiTextStyle& style) const = 0;
    virtual Adesk::Boolean xline(const AcGePoint3d& first, const AcGePoint3d& second) const = 0;
    virtual Adesk::Boolean ray(const AcGePoint3d& origin, const AcGePoint3d& through) const = 0;
    // Draws another drawable with its own setAttributes, worldDraw and, when that answers false,
    // viewportDraw in the current viewport.
    virtual Adesk::Boolean draw(AcGiDrawable* drawable) const = 0;
    // Transforms applied to everything drawn until the matching pop (block references use it).
    virtual Adesk::Boolean pushModelTransform(const AcGeMatrix3d& transform) = 0;
    virtual Adesk::Boolean popModelTransform() = 0;
};

class CADHOST_EXPORT AcGiWorldGeometry : public AcGiGeometry {
public:
    ACRX_DECLARE_MEMBERS(AcGiWorldGeometry);
};

class CADHOST_EXPORT AcGiViewportGeometry : public AcGiGeometry {
public:
    ACRX_DECLARE_MEMBERS(AcGiViewportGeometry);
};

class CADHOST_EXPORT AcGiContext : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcGiContext);
    virtual Adesk::Boolean isPsOut() const = 0;
    virtual Adesk::Boolean isPlotGeneration() const = 0;
    virtual AcDbDatabase* database() const = 0;
};

class CADHOST_EXPORT AcGiViewport : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcGiViewport);
    virtual void getModelToEyeTransform(AcGeMatrix3d& transform) const = 0;
    virtual void getCameraLocation(AcGePoint3d& location) const = 0;
    virtual void getCameraTarget(AcGePoint3d& target) const = 0;
    virtual void getViewportDcCorners(AcGePoint2d& lowerLeft, AcGePoint2d& upperRight) const = 0;
    virtual Adesk::ULongPtr viewportId() const = 0;
};

class CADHOST_EXPORT AcGiCommonDraw : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcGiCommonDraw);
    virtual AcGiRegenType regenType() const = 0;
    virtual Adesk::Boolean regenAbort() const = 0;
    virtual AcGiSubEntityTraits& subEntityTraits() const = 0;
    virtual AcGiGeometry* rawGeometry() const = 0;
    virtual Adesk::Boolean isDragging() const = 0;
    virtual AcGiContext* context() = 0;
    virtual double deviation(int type, const AcGePoint3d& point) const = 0;
};

class CADHOST_EXPORT AcGiWorldDraw : public AcGiCommonDraw {
public:
    ACRX_DECLARE_MEMBERS(AcGiWorldDraw);
    virtual AcGiWorldGeometry& geometry() const = 0;
};

class CADHOST_EXPORT AcGiViewportDraw : public AcGiCommonDraw {
public:
    ACRX_DECLARE_MEMBERS(AcGiViewportDraw);
    virtual AcGiViewport& viewport() const = 0;
    virtual AcGiViewportGeometry& geometry() const = 0;
    virtual Adesk::UInt32 sequenceNumber() const = 0;
};
