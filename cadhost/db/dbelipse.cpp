#include "dbelipse.h"

#include "acgi.h"
#include "curvegeom.h"
#include "dbfieldio.h"
#include "listformat.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

// Drawn as a polyline of this many segments for a full turn.
constexpr int kSegmentsPerTurn = 96;

bool isFinite(double value)
{
    return std::isfinite(value);
}

} // namespace

AcDbEllipse::AcDbEllipse(const AcGePoint3d& center, const AcGeVector3d& unitNormal, const AcGeVector3d& majorAxis,
                         double radiusRatio, double startAngle, double endAngle)
{
    set(center, unitNormal, majorAxis, radiusRatio, startAngle, endAngle);
}

AcGePoint3d AcDbEllipse::center() const
{
    assertReadEnabled();
    return m_center;
}

Acad::ErrorStatus AcDbEllipse::setCenter(const AcGePoint3d& center)
{
    assertWriteEnabled();
    m_center = center;
    return Acad::eOk;
}

AcGeVector3d AcDbEllipse::normal() const
{
    assertReadEnabled();
    return m_normal;
}

AcGeVector3d AcDbEllipse::majorAxis() const
{
    assertReadEnabled();
    return m_majorAxis;
}

AcGeVector3d AcDbEllipse::minorAxis() const
{
    assertReadEnabled();
    return m_normal.crossProduct(m_majorAxis) * m_radiusRatio;
}

double AcDbEllipse::radiusRatio() const
{
    assertReadEnabled();
    return m_radiusRatio;
}

Acad::ErrorStatus AcDbEllipse::setRadiusRatio(double ratio)
{
    if (!(ratio > 0.0 && ratio <= 1.0))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_radiusRatio = ratio;
    return Acad::eOk;
}

double AcDbEllipse::startAngle() const
{
    assertReadEnabled();
    return m_startAngle;
}

Acad::ErrorStatus AcDbEllipse::setStartAngle(double angle)
{
    if (!isFinite(angle))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_startAngle = angle;
    return Acad::eOk;
}

double AcDbEllipse::endAngle() const
{
    assertReadEnabled();
    return m_endAngle;
}

Acad::ErrorStatus AcDbEllipse::setEndAngle(double angle)
{
    if (!isFinite(angle))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_endAngle = angle;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::setStartParam(double param)
{
    return setStartAngle(angleAtParam(param));
}

Acad::ErrorStatus AcDbEllipse::setEndParam(double param)
{
    return setEndAngle(angleAtParam(param));
}

double AcDbEllipse::paramAtAngle(double angle) const
{
    assertReadEnabled();
    return cadhost::ellipseParamAtAngle(angle, m_radiusRatio);
}

double AcDbEllipse::angleAtParam(double param) const
{
    assertReadEnabled();
    return cadhost::ellipseAngleAtParam(param, m_radiusRatio);
}

bool AcDbEllipse::isNull() const
{
    assertReadEnabled();
    return m_majorAxis.isZeroLength();
}

Acad::ErrorStatus AcDbEllipse::get(AcGePoint3d& center, AcGeVector3d& unitNormal, AcGeVector3d& majorAxis,
                                   double& radiusRatio, double& startAngle, double& endAngle) const
{
    assertReadEnabled();
    center = m_center;
    unitNormal = m_normal;
    majorAxis = m_majorAxis;
    radiusRatio = m_radiusRatio;
    startAngle = m_startAngle;
    endAngle = m_endAngle;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::set(const AcGePoint3d& center, const AcGeVector3d& unitNormal,
                                   const AcGeVector3d& majorAxis, double radiusRatio, double startAngle,
                                   double endAngle)
{
    if (unitNormal.isZeroLength() || majorAxis.isZeroLength() || !(radiusRatio > 0.0 && radiusRatio <= 1.0) ||
        !isFinite(startAngle) || !isFinite(endAngle))
        return Acad::eInvalidInput;
    const AcGeVector3d normal = unitNormal.normal();
    if (std::fabs(normal.dotProduct(majorAxis.normal())) > 1.0e-6)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_center = center;
    m_normal = normal;
    m_majorAxis = majorAxis;
    m_radiusRatio = radiusRatio;
    m_startAngle = startAngle;
    m_endAngle = endAngle;
    return Acad::eOk;
}

double AcDbEllipse::startParamValue() const
{
    return cadhost::ellipseParamAtAngle(m_startAngle, m_radiusRatio);
}

double AcDbEllipse::sweepValue() const
{
    // Equal angles (a full turn apart or the same) make a whole ellipse.
    constexpr double kFullTurnTolerance = 1.0e-12;
    const double angleSweep = cadhost::sweepAngle(m_startAngle, m_endAngle);
    if (angleSweep <= kFullTurnTolerance || angleSweep >= cadhost::kTwoPi - kFullTurnTolerance)
        return cadhost::kTwoPi;
    return cadhost::sweepAngle(startParamValue(), cadhost::ellipseParamAtAngle(m_endAngle, m_radiusRatio));
}

Adesk::Boolean AcDbEllipse::isClosed() const
{
    assertReadEnabled();
    return sweepValue() >= cadhost::kTwoPi ? Adesk::kTrue : Adesk::kFalse;
}

Adesk::Boolean AcDbEllipse::isPeriodic() const
{
    return isClosed();
}

Acad::ErrorStatus AcDbEllipse::getStartParam(double& param) const
{
    assertReadEnabled();
    param = startParamValue();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getEndParam(double& param) const
{
    assertReadEnabled();
    param = startParamValue() + sweepValue();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getStartPoint(AcGePoint3d& point) const
{
    return getPointAtParam(startParamValue(), point);
}

Acad::ErrorStatus AcDbEllipse::getEndPoint(AcGePoint3d& point) const
{
    return getPointAtParam(startParamValue() + sweepValue(), point);
}

Acad::ErrorStatus AcDbEllipse::getPointAtParam(double param, AcGePoint3d& point) const
{
    assertReadEnabled();
    const double start = startParamValue();
    if (param < start - 1.0e-12 || param > start + sweepValue() + 1.0e-12)
        return Acad::eInvalidInput;
    point = m_center + m_majorAxis * std::cos(param) + minorAxis() * std::sin(param);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getArea(double& area) const
{
    assertReadEnabled();
    area = cadhost::ConicArc{m_center, m_majorAxis, minorAxis(), startParamValue(), sweepValue()}.segmentArea();
    return Acad::eOk;
}

Adesk::Boolean AcDbEllipse::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    const cadhost::ConicArc arc{m_center, m_majorAxis, minorAxis(), startParamValue(), sweepValue()};
    const int segments = std::max(8, static_cast<int>(std::ceil(kSegmentsPerTurn * arc.sweep / cadhost::kTwoPi)));
    std::vector<AcGePoint3d> points;
    points.reserve(static_cast<std::size_t>(segments) + 1);
    for (int i = 0; i <= segments; ++i)
        points.push_back(arc.pointAt(arc.startParam + arc.sweep * i / segments));
    worldDraw->geometry().polyline(static_cast<Adesk::UInt32>(points.size()), points.data(), &m_normal);
    return Adesk::kTrue;
}

void AcDbEllipse::subList() const
{
    assertReadEnabled();
    AcDbCurve::subList();
    cadhost::listHeader(*this);
    double area = 0.0;
    getArea(area);
    cadhost::listPoint(L"Center:", m_center);
    cadhost::listVector(L"Major Axis:", m_majorAxis);
    cadhost::listVector(L"Minor Axis:", minorAxis());
    cadhost::listValue(L"Radius Ratio:", m_radiusRatio);
    if (!isClosed()) {
        cadhost::listAngle(L"Start Angle:", m_startAngle);
        cadhost::listAngle(L"End Angle:", m_endAngle);
    }
    cadhost::listValue(L"Area:", area);
    cadhost::listNormal(m_normal);
}

Acad::ErrorStatus AcDbEllipse::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    AcDbExtents own;
    cadhost::ConicArc{m_center, m_majorAxis, minorAxis(), startParamValue(), sweepValue()}.addExtents(own);
    extents = own;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::subTransformBy(const AcGeMatrix3d& transform)
{
    const bool closed = sweepValue() >= cadhost::kTwoPi;
    cadhost::EllipseFrame frame;
    if (!cadhost::transformConicArc(
            transform, cadhost::ConicArc{m_center, m_majorAxis, minorAxis(), startParamValue(), sweepValue()}, frame))
        return Acad::eCannotScaleNonUniformly;
    assertWriteEnabled();
    m_center = frame.center;
    m_normal = frame.normal;
    m_majorAxis = frame.majorAxis;
    m_radiusRatio = std::clamp(frame.radiusRatio, 1.0e-12, 1.0);
    if (closed) {
        m_startAngle = 0.0;
        m_endAngle = cadhost::kTwoPi;
    } else {
        m_startAngle = cadhost::ellipseAngleAtParam(frame.startParam, m_radiusRatio);
        m_endAngle = cadhost::ellipseAngleAtParam(frame.startParam + frame.sweep, m_radiusRatio);
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const
{
    assertReadEnabled();
    const AcGeVector3d minor = minorAxis();
    gripPoints.append(m_center);
    gripPoints.append(m_center + m_majorAxis);
    gripPoints.append(m_center + minor);
    gripPoints.append(m_center - m_majorAxis);
    gripPoints.append(m_center - minor);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset)
{
    assertWriteEnabled();
    if (indices.contains(0))
        m_center += offset;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::subGetStretchPoints(AcGePoint3dArray& stretchPoints) const
{
    assertReadEnabled();
    stretchPoints.append(m_center);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker, const AcGePoint3d&,
                                                 const AcGePoint3d&, const AcGeMatrix3d&, AcGePoint3dArray& snapPoints,
                                                 AcDbIntArray&) const
{
    assertReadEnabled();
    const cadhost::ConicArc arc{m_center, m_majorAxis, minorAxis(), startParamValue(), sweepValue()};
    switch (osnapMode) {
    case AcDb::kOsModeCen:
        snapPoints.append(m_center);
        break;
    case AcDb::kOsModeEnd:
        if (arc.sweep < cadhost::kTwoPi) {
            snapPoints.append(arc.startPoint());
            snapPoints.append(arc.endPoint());
        }
        break;
    case AcDb::kOsModeQuad:
        for (int quarter = 0; quarter < 4; ++quarter) {
            const double param = quarter * 0.5 * std::numbers::pi;
            if (cadhost::sweepAngle(arc.startParam, param) <= arc.sweep)
                snapPoints.append(arc.pointAt(param));
        }
        break;
    default:
        break;
    }
    return Acad::eOk;
}

template <class Self, class Io> void AcDbEllipse::fileFields(Self& self, Io& io)
{
    io(self.m_center)(self.m_normal)(self.m_majorAxis)(self.m_radiusRatio)(self.m_startAngle)(self.m_endAngle);
}

Acad::ErrorStatus AcDbEllipse::dwgOutFields(AcDbDwgFiler* filer) const
{
    assertReadEnabled();
    return cadhost::FieldAccess::out(*this, filer, AcDbCurve::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbEllipse::dwgInFields(AcDbDwgFiler* filer)
{
    assertWriteEnabled();
    return cadhost::FieldAccess::in(*this, filer, AcDbCurve::dwgInFields(filer));
}
