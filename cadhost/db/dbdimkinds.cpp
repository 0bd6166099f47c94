#include "dbdim.h"
#include "dbfieldio.h"
#include "entgeom.h"

#include <cmath>
#include <numbers>

// A getter and a setter of one stored value of a dimension kind.
#define CADHOST_DIM_PROPERTY(CLASS, Type, getter, Setter, member)                                                      \
    Type CLASS::getter() const                                                                                         \
    {                                                                                                                  \
        assertReadEnabled();                                                                                           \
        return member;                                                                                                 \
    }                                                                                                                  \
    Acad::ErrorStatus CLASS::Setter(cadhost::DimVarParam<Type> value)                                                  \
    {                                                                                                                  \
        assertWriteEnabled();                                                                                          \
        member = value;                                                                                                \
        return Acad::eOk;                                                                                              \
    }

// The filing of a kind: the common level first, then the kind's fields.
#define CADHOST_DIM_FILING(CLASS)                                                                                      \
    Acad::ErrorStatus CLASS::dwgOutFields(AcDbDwgFiler* filer) const                                                   \
    {                                                                                                                  \
        return cadhost::FieldAccess::out(*this, filer, AcDbDimension::dwgOutFields(filer));                            \
    }                                                                                                                  \
    Acad::ErrorStatus CLASS::dwgInFields(AcDbDwgFiler* filer)                                                          \
    {                                                                                                                  \
        return cadhost::FieldAccess::in(*this, filer, AcDbDimension::dwgInFields(filer));                              \
    }

namespace {
AcGeVector3d directionOrX(const AcGeVector3d& vector, const AcGeVector3d& normal)
{
    return vector.isZeroLength() ? cadhost::planeDirection(normal, 0.0) : vector.normal();
}

double sweepBetween(const AcGeVector3d& normal, const AcGeVector3d& from, const AcGeVector3d& to)
{
    if (from.isZeroLength() || to.isZeroLength())
        return 0.0;
    double sweep = cadhost::planeAngle(normal, to) - cadhost::planeAngle(normal, from);
    if (sweep < 0.0)
        sweep += 2.0 * std::numbers::pi;
    return sweep;
}
} // namespace

// ---- AcDbRotatedDimension ----

AcDbRotatedDimension::AcDbRotatedDimension(double rotation, const AcGePoint3d& xLine1Point,
                                           const AcGePoint3d& xLine2Point, const AcGePoint3d& dimLinePoint,
                                           const ACHAR* dimText, AcDbObjectId dimStyle)
    : m_xLine1(xLine1Point), m_xLine2(xLine2Point), m_dimLine(dimLinePoint), m_rotation(rotation)
{
    setDimensionText(dimText);
    setDimensionStyle(dimStyle);
}

CADHOST_DIM_PROPERTY(AcDbRotatedDimension, AcGePoint3d, xLine1Point, setXLine1Point, m_xLine1)
CADHOST_DIM_PROPERTY(AcDbRotatedDimension, AcGePoint3d, xLine2Point, setXLine2Point, m_xLine2)
CADHOST_DIM_PROPERTY(AcDbRotatedDimension, AcGePoint3d, dimLinePoint, setDimLinePoint, m_dimLine)
CADHOST_DIM_PROPERTY(AcDbRotatedDimension, double, rotation, setRotation, m_rotation)
CADHOST_DIM_PROPERTY(AcDbRotatedDimension, double, oblique, setOblique, m_oblique)

double AcDbRotatedDimension::measureValue() const
{
    return std::abs((m_xLine2 - m_xLine1).dotProduct(cadhost::planeDirection(normal(), m_rotation)));
}

void AcDbRotatedDimension::buildGraphics(cadhost::DimGraphics& graphics) const
{
    addLinear(graphics, m_xLine1, m_xLine2, m_dimLine, cadhost::planeDirection(normal(), m_rotation));
}

void AcDbRotatedDimension::transformDefiningPoints(const AcGeMatrix3d& transform)
{
    const cadhost::PlaneFrame moved =
        cadhost::transformFrame(transform, normal(), cadhost::planeDirection(normal(), m_rotation));
    m_rotation = cadhost::planeAngle(moved.normal, moved.xDirection);
    m_xLine1.transformBy(transform);
    m_xLine2.transformBy(transform);
    m_dimLine.transformBy(transform);
}

template <class Self, class Io> void AcDbRotatedDimension::fileFields(Self& self, Io& io)
{
    io(self.m_xLine1)(self.m_xLine2)(self.m_dimLine)(self.m_rotation)(self.m_oblique);
}

CADHOST_DIM_FILING(AcDbRotatedDimension)

// ---- AcDbAlignedDimension ----

AcDbAlignedDimension::AcDbAlignedDimension(const AcGePoint3d& xLine1Point, const AcGePoint3d& xLine2Point,
                                           const AcGePoint3d& dimLinePoint, const ACHAR* dimText, AcDbObjectId dimStyle)
    : m_xLine1(xLine1Point), m_xLine2(xLine2Point), m_dimLine(dimLinePoint)
{
    setDimensionText(dimText);
    setDimensionStyle(dimStyle);
}

CADHOST_DIM_PROPERTY(AcDbAlignedDimension, AcGePoint3d, xLine1Point, setXLine1Point, m_xLine1)
CADHOST_DIM_PROPERTY(AcDbAlignedDimension, AcGePoint3d, xLine2Point, setXLine2Point, m_xLine2)
CADHOST_DIM_PROPERTY(AcDbAlignedDimension, AcGePoint3d, dimLinePoint, setDimLinePoint, m_dimLine)
CADHOST_DIM_PROPERTY(AcDbAlignedDimension, double, oblique, setOblique, m_oblique)

double AcDbAlignedDimension::measureValue() const
{
    return m_xLine1.distanceTo(m_xLine2);
}

void AcDbAlignedDimension::buildGraphics(cadhost::DimGraphics& graphics) const
{
    addLinear(graphics, m_xLine1, m_xLine2, m_dimLine, directionOrX(m_xLine2 - m_xLine1, normal()));
}

void AcDbAlignedDimension::transformDefiningPoints(const AcGeMatrix3d& transform)
{
    m_xLine1.transformBy(transform);
    m_xLine2.transformBy(transform);
    m_dimLine.transformBy(transform);
}

template <class Self, class Io> void AcDbAlignedDimension::fileFields(Self& self, Io& io)
{
    io(self.m_xLine1)(self.m_xLine2)(self.m_dimLine)(self.m_oblique);
}

CADHOST_DIM_FILING(AcDbAlignedDimension)

// ---- AcDb3PointAngularDimension ----

CADHOST_DIM_PROPERTY(AcDb3PointAngularDimension, AcGePoint3d, arcPoint, setArcPoint, m_arcPoint)
CADHOST_DIM_PROPERTY(AcDb3PointAngularDimension, AcGePoint3d, xLine1Point, setXLine1Point, m_xLine1)
CADHOST_DIM_PROPERTY(AcDb3PointAngularDimension, AcGePoint3d, xLine2Point, setXLine2Point, m_xLine2)
CADHOST_DIM_PROPERTY(AcDb3PointAngularDimension, AcGePoint3d, centerPoint, setCenterPoint, m_center)

double AcDb3PointAngularDimension::measureValue() const
{
    return sweepBetween(normal(), m_xLine1 - m_center, m_xLine2 - m_center);
}

void AcDb3PointAngularDimension::buildGraphics(cadhost::DimGraphics& graphics) const
{
    addAngular(graphics, m_center, m_xLine1, m_xLine2, m_arcPoint.distanceTo(m_center));
}

void AcDb3PointAngularDimension::transformDefiningPoints(const AcGeMatrix3d& transform)
{
    m_arcPoint.transformBy(transform);
    m_xLine1.transformBy(transform);
    m_xLine2.transformBy(transform);
    m_center.transformBy(transform);
}

template <class Self, class Io> void AcDb3PointAngularDimension::fileFields(Self& self, Io& io)
{
    io(self.m_arcPoint)(self.m_xLine1)(self.m_xLine2)(self.m_center);
}

CADHOST_DIM_FILING(AcDb3PointAngularDimension)

// ---- AcDb2LineAngularDimension ----

CADHOST_DIM_PROPERTY(AcDb2LineAngularDimension, AcGePoint3d, arcPoint, setArcPoint, m_arcPoint)
CADHOST_DIM_PROPERTY(AcDb2LineAngularDimension, AcGePoint3d, xLine1Start, setXLine1Start, m_line1Start)
CADHOST_DIM_PROPERTY(AcDb2LineAngularDimension, AcGePoint3d, xLine1End, setXLine1End, m_line1End)
CADHOST_DIM_PROPERTY(AcDb2LineAngularDimension, AcGePoint3d, xLine2Start, setXLine2Start, m_line2Start)
CADHOST_DIM_PROPERTY(AcDb2LineAngularDimension, AcGePoint3d, xLine2End, setXLine2End, m_line2End)

bool AcDb2LineAngularDimension::angleGeometry(AcGePoint3d& center, AcGePoint3d& first, AcGePoint3d& second) const
{
    // Intersect the lines in the dimension's plane.
    const AcGeMatrix3d toPlane = AcGeMatrix3d::worldToPlane(normal());
    const AcGePoint3d a = toPlane * m_line1Start;
    const AcGePoint3d b = toPlane * m_line1End;
    const AcGePoint3d c = toPlane * m_line2Start;
    const AcGePoint3d d = toPlane * m_line2End;
    const double denominator = (b.x - a.x) * (d.y - c.y) - (b.y - a.y) * (d.x - c.x);
    if (std::abs(denominator) < 1e-12)
        return false;
    const double t = ((c.x - a.x) * (d.y - c.y) - (c.y - a.y) * (d.x - c.x)) / denominator;
    center = m_line1Start + (m_line1End - m_line1Start) * t;
    // Of each line take the direction from the intersection that lies towards the arc point.
    const AcGeVector3d toArc = m_arcPoint - center;
    const AcGeVector3d line1 = m_line1End - m_line1Start;
    const AcGeVector3d line2 = m_line2End - m_line2Start;
    first = center + (line1.dotProduct(toArc) >= 0.0 ? line1 : -line1);
    second = center + (line2.dotProduct(toArc) >= 0.0 ? line2 : -line2);
    if (sweepBetween(normal(), first - center, second - center) > std::numbers::pi)
        std::swap(first, second);
    return true;
}

double AcDb2LineAngularDimension::measureValue() const
{
    AcGePoint3d center;
    AcGePoint3d first;
    AcGePoint3d second;
    if (!angleGeometry(center, first, second))
        return 0.0;
    return sweepBetween(normal(), first - center, second - center);
}

void AcDb2LineAngularDimension::buildGraphics(cadhost::DimGraphics& graphics) const
{
    AcGePoint3d center;
    AcGePoint3d first;
    AcGePoint3d second;
    if (angleGeometry(center, first, second))
        addAngular(graphics, center, first, second, m_arcPoint.distanceTo(center));
}

void AcDb2LineAngularDimension::transformDefiningPoints(const AcGeMatrix3d& transform)
{
    m_arcPoint.transformBy(transform);
    m_line1Start.transformBy(transform);
    m_line1End.transformBy(transform);
    m_line2Start.transformBy(transform);
    m_line2End.transformBy(transform);
}

template <class Self, class Io> void AcDb2LineAngularDimension::fileFields(Self& self, Io& io)
{
    io(self.m_arcPoint)(self.m_line1Start)(self.m_line1End)(self.m_line2Start)(self.m_line2End);
}

CADHOST_DIM_FILING(AcDb2LineAngularDimension)

// ---- AcDbRadialDimension ----

AcDbRadialDimension::AcDbRadialDimension(const AcGePoint3d& center, const AcGePoint3d& chordPoint, double leaderLength,
                                         const ACHAR* dimText, AcDbObjectId dimStyle)
    : m_leaderLength(leaderLength), m_center(center), m_chordPoint(chordPoint)
{
    setDimensionText(dimText);
    setDimensionStyle(dimStyle);
}

CADHOST_DIM_PROPERTY(AcDbRadialDimension, double, leaderLength, setLeaderLength, m_leaderLength)
CADHOST_DIM_PROPERTY(AcDbRadialDimension, AcGePoint3d, center, setCenter, m_center)
CADHOST_DIM_PROPERTY(AcDbRadialDimension, AcGePoint3d, chordPoint, setChordPoint, m_chordPoint)

double AcDbRadialDimension::measureValue() const
{
    return m_center.distanceTo(m_chordPoint);
}

void AcDbRadialDimension::buildGraphics(cadhost::DimGraphics& graphics) const
{
    const AcGeVector3d outward = directionOrX(m_chordPoint - m_center, normal());
    const AcGePoint3d leaderEnd = m_chordPoint + outward * m_leaderLength;
    graphics.segments.push_back({m_center, leaderEnd});
    graphics.arrows.push_back({m_chordPoint, getArrowFirstIsFlipped() ? -outward : outward});
    graphics.textPosition = placeText(leaderEnd + outward * scaled(dimgap() + dimtxt()));
    graphics.textDirection = cadhost::planeDirection(normal(), 0.0);
}

void AcDbRadialDimension::transformDefiningPoints(const AcGeMatrix3d& transform)
{
    const double before = (m_chordPoint - m_center).length();
    m_center.transformBy(transform);
    m_chordPoint.transformBy(transform);
    if (before > 0.0)
        m_leaderLength *= (m_chordPoint - m_center).length() / before;
}

template <class Self, class Io> void AcDbRadialDimension::fileFields(Self& self, Io& io)
{
    io(self.m_leaderLength)(self.m_center)(self.m_chordPoint);
}

CADHOST_DIM_FILING(AcDbRadialDimension)

// ---- AcDbDiametricDimension ----

AcDbDiametricDimension::AcDbDiametricDimension(const AcGePoint3d& chordPoint, const AcGePoint3d& farChordPoint,
                                               double leaderLength, const ACHAR* dimText, AcDbObjectId dimStyle)
    : m_leaderLength(leaderLength), m_chordPoint(chordPoint), m_farChordPoint(farChordPoint)
{
    setDimensionText(dimText);
    setDimensionStyle(dimStyle);
}

CADHOST_DIM_PROPERTY(AcDbDiametricDimension, double, leaderLength, setLeaderLength, m_leaderLength)
CADHOST_DIM_PROPERTY(AcDbDiametricDimension, AcGePoint3d, chordPoint, setChordPoint, m_chordPoint)
CADHOST_DIM_PROPERTY(AcDbDiametricDimension, AcGePoint3d, farChordPoint, setFarChordPoint, m_farChordPoint)

double AcDbDiametricDimension::measureValue() const
{
    return m_chordPoint.distanceTo(m_farChordPoint);
}

void AcDbDiametricDimension::buildGraphics(cadhost::DimGraphics& graphics) const
{
    const AcGeVector3d outward = directionOrX(m_chordPoint - m_farChordPoint, normal());
    const AcGePoint3d leaderEnd = m_chordPoint + outward * m_leaderLength;
    graphics.segments.push_back({m_farChordPoint, leaderEnd});
    graphics.arrows.push_back({m_chordPoint, getArrowFirstIsFlipped() ? -outward : outward});
    graphics.arrows.push_back({m_farChordPoint, getArrowSecondIsFlipped() ? outward : -outward});
    graphics.textPosition = placeText(leaderEnd + outward * scaled(dimgap() + dimtxt()));
    graphics.textDirection = cadhost::planeDirection(normal(), 0.0);
}

void AcDbDiametricDimension::transformDefiningPoints(const AcGeMatrix3d& transform)
{
    const double before = (m_chordPoint - m_farChordPoint).length();
    m_chordPoint.transformBy(transform);
    m_farChordPoint.transformBy(transform);
    if (before > 0.0)
        m_leaderLength *= (m_chordPoint - m_farChordPoint).length() / before;
}

template <class Self, class Io> void AcDbDiametricDimension::fileFields(Self& self, Io& io)
{
    io(self.m_leaderLength)(self.m_chordPoint)(self.m_farChordPoint);
}

CADHOST_DIM_FILING(AcDbDiametricDimension)

// ---- AcDbOrdinateDimension ----

bool AcDbOrdinateDimension::isUsingXAxis() const
{
    assertReadEnabled();
    return m_usingXAxis;
}

bool AcDbOrdinateDimension::isUsingYAxis() const
{
    assertReadEnabled();
    return !m_usingXAxis;
}

Acad::ErrorStatus AcDbOrdinateDimension::useXAxis()
{
    assertWriteEnabled();
    m_usingXAxis = true;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbOrdinateDimension::useYAxis()
{
    assertWriteEnabled();
    m_usingXAxis = false;
    return Acad::eOk;
}

CADHOST_DIM_PROPERTY(AcDbOrdinateDimension, AcGePoint3d, origin, setOrigin, m_origin)
CADHOST_DIM_PROPERTY(AcDbOrdinateDimension, AcGePoint3d, definingPoint, setDefiningPoint, m_definingPoint)
CADHOST_DIM_PROPERTY(AcDbOrdinateDimension, AcGePoint3d, leaderEndPoint, setLeaderEndPoint, m_leaderEndPoint)

double AcDbOrdinateDimension::measureValue() const
{
    const AcGeVector3d axis = cadhost::planeDirection(normal(), m_usingXAxis ? 0.0 : std::numbers::pi / 2.0);
    return std::abs((m_definingPoint - m_origin).dotProduct(axis));
}

void AcDbOrdinateDimension::buildGraphics(cadhost::DimGraphics& graphics) const
{
    const AcGeVector3d leader = m_leaderEndPoint - m_definingPoint;
    if (!leader.isZeroLength()) {
        const AcGeVector3d unit = leader.normal();
        graphics.segments.push_back({m_definingPoint + unit * scaled(dimexo()), m_leaderEndPoint});
        graphics.textPosition = placeText(m_leaderEndPoint + unit * scaled(dimgap() + dimtxt()));
    } else {
        graphics.textPosition = placeText(m_leaderEndPoint);
    }
    graphics.textDirection = cadhost::planeDirection(normal(), 0.0);
}

void AcDbOrdinateDimension::transformDefiningPoints(const AcGeMatrix3d& transform)
{
    m_origin.transformBy(transform);
    m_definingPoint.transformBy(transform);
    m_leaderEndPoint.transformBy(transform);
}

template <class Self, class Io> void AcDbOrdinateDimension::fileFields(Self& self, Io& io)
{
    io(self.m_usingXAxis)(self.m_origin)(self.m_definingPoint)(self.m_leaderEndPoint);
}

CADHOST_DIM_FILING(AcDbOrdinateDimension)

// ---- AcDbArcDimension ----

CADHOST_DIM_PROPERTY(AcDbArcDimension, AcGePoint3d, arcPoint, setArcPoint, m_arcPoint)
CADHOST_DIM_PROPERTY(AcDbArcDimension, AcGePoint3d, xLine1Point, setXLine1Point, m_xLine1)
CADHOST_DIM_PROPERTY(AcDbArcDimension, AcGePoint3d, xLine2Point, setXLine2Point, m_xLine2)
CADHOST_DIM_PROPERTY(AcDbArcDimension, AcGePoint3d, centerPoint, setCenterPoint, m_center)
CADHOST_DIM_PROPERTY(AcDbArcDimension, bool, isPartial, setIsPartial, m_partial)
CADHOST_DIM_PROPERTY(AcDbArcDimension, double, arcStartParam, setArcStartParam, m_arcStartParam)
CADHOST_DIM_PROPERTY(AcDbArcDimension, double, arcEndParam, setArcEndParam, m_arcEndParam)
CADHOST_DIM_PROPERTY(AcDbArcDimension, bool, hasLeader, setHasLeader, m_hasLeader)
CADHOST_DIM_PROPERTY(AcDbArcDimension, AcGePoint3d, leader1Point, setLeader1Point, m_leader1)
CADHOST_DIM_PROPERTY(AcDbArcDimension, AcGePoint3d, leader2Point, setLeader2Point, m_leader2)

int AcDbArcDimension::arcSymbolType() const
{
    assertReadEnabled();
    return m_arcSymbolType;
}

Acad::ErrorStatus AcDbArcDimension::setArcSymbolType(int type)
{
    if (type < 0 || type > 2)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_arcSymbolType = type;
    return Acad::eOk;
}

std::wstring AcDbArcDimension::measurementPrefix() const
{
    return m_arcSymbolType == 0 ? L"\u2312" : L"";
}

double AcDbArcDimension::measureValue() const
{
    return m_xLine1.distanceTo(m_center) * sweepBetween(normal(), m_xLine1 - m_center, m_xLine2 - m_center);
}

void AcDbArcDimension::buildGraphics(cadhost::DimGraphics& graphics) const
{
    addAngular(graphics, m_center, m_xLine1, m_xLine2, m_arcPoint.distanceTo(m_center));
    if (m_hasLeader)
        graphics.segments.push_back({m_leader1, m_leader2});
}

void AcDbArcDimension::transformDefiningPoints(const AcGeMatrix3d& transform)
{
    for (AcGePoint3d* point : {&m_arcPoint, &m_xLine1, &m_xLine2, &m_center, &m_leader1, &m_leader2})
        point->transformBy(transform);
}

template <class Self, class Io> void AcDbArcDimension::fileFields(Self& self, Io& io)
{
    io(self.m_arcPoint)(self.m_xLine1)(self.m_xLine2)(self.m_center)(self.m_partial)(self.m_arcStartParam);
    io(self.m_arcEndParam)(self.m_hasLeader)(self.m_leader1)(self.m_leader2);
    io.template enumAs<Adesk::UInt8>(self.m_arcSymbolType, 2);
}

CADHOST_DIM_FILING(AcDbArcDimension)

// ---- AcDbRadialDimensionLarge ----

CADHOST_DIM_PROPERTY(AcDbRadialDimensionLarge, AcGePoint3d, center, setCenter, m_center)
CADHOST_DIM_PROPERTY(AcDbRadialDimensionLarge, AcGePoint3d, chordPoint, setChordPoint, m_chordPoint)
CADHOST_DIM_PROPERTY(AcDbRadialDimensionLarge, AcGePoint3d, overrideCenter, setOverrideCenter, m_overrideCenter)
CADHOST_DIM_PROPERTY(AcDbRadialDimensionLarge, AcGePoint3d, jogPoint, setJogPoint, m_jogPoint)
CADHOST_DIM_PROPERTY(AcDbRadialDimensionLarge, double, jogAngle, setJogAngle, m_jogAngle)

double AcDbRadialDimensionLarge::measureValue() const
{
    return m_center.distanceTo(m_chordPoint);
}

void AcDbRadialDimensionLarge::buildGraphics(cadhost::DimGraphics& graphics) const
{
    const AcGeVector3d outward = directionOrX(m_chordPoint - m_center, normal());
    graphics.segments.push_back({m_overrideCenter, m_jogPoint});
    graphics.segments.push_back({m_jogPoint, m_chordPoint});
    graphics.arrows.push_back({m_chordPoint, getArrowFirstIsFlipped() ? -outward : outward});
    graphics.textPosition = placeText(m_jogPoint + (m_jogPoint - m_overrideCenter) * 0.5);
    graphics.textDirection = cadhost::planeDirection(normal(), 0.0);
}

void AcDbRadialDimensionLarge::transformDefiningPoints(const AcGeMatrix3d& transform)
{
    for (AcGePoint3d* point : {&m_center, &m_chordPoint, &m_overrideCenter, &m_jogPoint})
        point->transformBy(transform);
}

template <class Self, class Io> void AcDbRadialDimensionLarge::fileFields(Self& self, Io& io)
{
    io(self.m_center)(self.m_chordPoint)(self.m_overrideCenter)(self.m_jogPoint)(self.m_jogAngle);
}

CADHOST_DIM_FILING(AcDbRadialDimensionLarge)
