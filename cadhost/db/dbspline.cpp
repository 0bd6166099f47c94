#include "dbspline.h"

#include "acgi.h"
#include "curvegeom.h"
#include "dbfieldio.h"
#include "listformat.h"
#include "nurbscurve.h"

#include <algorithm>
#include <cmath>

namespace {

// Sampling density: enough for a smooth picture, bounded in total for very long splines.
constexpr int kSamplesPerSpan = 16;
constexpr std::size_t kMaxSamples = 100000;

std::vector<AcGePoint3d> toVector(const AcGePoint3dArray& points)
{
    return {points.begin(), points.end()};
}

std::vector<double> toVector(const AcGeDoubleArray& values)
{
    return {values.begin(), values.end()};
}

} // namespace

AcDbSpline::AcDbSpline(const AcGePoint3dArray& fitPoints, int order, double fitTolerance)
{
    setFitData(fitPoints, order - 1, fitTolerance, AcGeVector3d::kIdentity, AcGeVector3d::kIdentity);
}

AcDbSpline::AcDbSpline(const AcGePoint3dArray& fitPoints, const AcGeVector3d& startTangent,
                       const AcGeVector3d& endTangent, int order, double fitTolerance)
{
    setFitData(fitPoints, order - 1, fitTolerance, startTangent, endTangent);
}

AcDbSpline::AcDbSpline(int degree, Adesk::Boolean rational, Adesk::Boolean closed, Adesk::Boolean periodic,
                       const AcGePoint3dArray& controlPoints, const AcGeDoubleArray& knots,
                       const AcGeDoubleArray& weights, double controlPtTol, double knotTol)
{
    setNurbsData(degree, rational, closed, periodic, controlPoints, knots, weights, controlPtTol, knotTol);
}

Adesk::Boolean AcDbSpline::isNull() const
{
    assertReadEnabled();
    return m_controlPoints.empty() ? Adesk::kTrue : Adesk::kFalse;
}

Adesk::Boolean AcDbSpline::isRational() const
{
    assertReadEnabled();
    return m_rational ? Adesk::kTrue : Adesk::kFalse;
}

int AcDbSpline::degree() const
{
    assertReadEnabled();
    return m_degree;
}

int AcDbSpline::numControlPoints() const
{
    assertReadEnabled();
    return static_cast<int>(m_controlPoints.size());
}

Acad::ErrorStatus AcDbSpline::getControlPointAt(int index, AcGePoint3d& point) const
{
    assertReadEnabled();
    if (index < 0 || index >= static_cast<int>(m_controlPoints.size()))
        return Acad::eInvalidIndex;
    point = m_controlPoints[static_cast<std::size_t>(index)];
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::setControlPointAt(int index, const AcGePoint3d& point)
{
    if (index < 0 || index >= static_cast<int>(m_controlPoints.size()))
        return Acad::eInvalidIndex;
    assertWriteEnabled();
    m_controlPoints[static_cast<std::size_t>(index)] = point;
    // The curve no longer passes through its fit points.
    m_fitPoints.clear();
    return Acad::eOk;
}

int AcDbSpline::numFitPoints() const
{
    assertReadEnabled();
    return static_cast<int>(m_fitPoints.size());
}

Acad::ErrorStatus AcDbSpline::getFitPointAt(int index, AcGePoint3d& point) const
{
    assertReadEnabled();
    if (index < 0 || index >= static_cast<int>(m_fitPoints.size()))
        return Acad::eInvalidIndex;
    point = m_fitPoints[static_cast<std::size_t>(index)];
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getWeightAt(int index, double& weight) const
{
    assertReadEnabled();
    if (index < 0 || index >= static_cast<int>(m_controlPoints.size()))
        return Acad::eInvalidIndex;
    weight = m_weights.empty() ? 1.0 : m_weights[static_cast<std::size_t>(index)];
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getNurbsData(int& degree, Adesk::Boolean& rational, Adesk::Boolean& closed,
                                           Adesk::Boolean& periodic, AcGePoint3dArray& controlPoints,
                                           AcGeDoubleArray& knots, AcGeDoubleArray& weights, double& controlPtTol,
                                           double& knotTol) const
{
    assertReadEnabled();
    degree = m_degree;
    rational = m_rational ? Adesk::kTrue : Adesk::kFalse;
    closed = m_closed ? Adesk::kTrue : Adesk::kFalse;
    periodic = m_periodic ? Adesk::kTrue : Adesk::kFalse;
    controlPoints.removeAll();
    for (const AcGePoint3d& point : m_controlPoints)
        controlPoints.append(point);
    knots.removeAll();
    for (const double knot : m_knots)
        knots.append(knot);
    weights.removeAll();
    for (const double weight : m_weights)
        weights.append(weight);
    controlPtTol = m_controlPtTol;
    knotTol = m_knotTol;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::setNurbsData(int degree, Adesk::Boolean rational, Adesk::Boolean closed,
                                           Adesk::Boolean periodic, const AcGePoint3dArray& controlPoints,
                                           const AcGeDoubleArray& knots, const AcGeDoubleArray& weights,
                                           double controlPtTol, double knotTol)
{
    cadhost::NurbsCurve curve;
    curve.degree = degree;
    curve.controlPoints = toVector(controlPoints);
    curve.knots = toVector(knots);
    if (rational != Adesk::kFalse) {
        curve.weights = toVector(weights);
        if (curve.weights.size() != curve.controlPoints.size())
            return Acad::eInvalidInput;
    }
    if (!curve.isValid())
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_degree = degree;
    m_rational = rational != Adesk::kFalse;
    m_closed = closed != Adesk::kFalse;
    m_periodic = periodic != Adesk::kFalse;
    m_controlPoints = std::move(curve.controlPoints);
    m_knots = std::move(curve.knots);
    m_weights = std::move(curve.weights);
    m_controlPtTol = controlPtTol;
    m_knotTol = knotTol;
    m_fitPoints.clear();
    m_startTangent = AcGeVector3d::kIdentity;
    m_endTangent = AcGeVector3d::kIdentity;
    return Acad::eOk;
}

Adesk::Boolean AcDbSpline::hasFitData() const
{
    assertReadEnabled();
    return m_fitPoints.empty() ? Adesk::kFalse : Adesk::kTrue;
}

Acad::ErrorStatus AcDbSpline::getFitData(AcGePoint3dArray& fitPoints, int& degree, double& fitTolerance,
                                         Adesk::Boolean& tangentsExist, AcGeVector3d& startTangent,
                                         AcGeVector3d& endTangent) const
{
    assertReadEnabled();
    if (m_fitPoints.empty())
        return Acad::eNotApplicable;
    fitPoints.removeAll();
    for (const AcGePoint3d& point : m_fitPoints)
        fitPoints.append(point);
    degree = m_fitDegree;
    fitTolerance = m_fitTolerance;
    tangentsExist = (m_startTangent.isZeroLength() && m_endTangent.isZeroLength()) ? Adesk::kFalse : Adesk::kTrue;
    startTangent = m_startTangent;
    endTangent = m_endTangent;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::setFitData(const AcGePoint3dArray& fitPoints, int degree, double fitTolerance,
                                         const AcGeVector3d& startTangent, const AcGeVector3d& endTangent)
{
    if (degree < 1 || degree > cadhost::kMaxSplineDegree)
        return Acad::eInvalidInput;
    std::vector<AcGePoint3d> points = toVector(fitPoints);
    cadhost::NurbsCurve curve = cadhost::interpolateNurbs(points, degree, startTangent, endTangent);
    if (!curve.isValid())
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_degree = curve.degree;
    m_rational = false;
    m_periodic = false;
    m_controlPoints = std::move(curve.controlPoints);
    m_knots = std::move(curve.knots);
    m_weights.clear();
    m_closed = m_controlPoints.front().isEqualTo(m_controlPoints.back());
    m_fitPoints = std::move(points);
    m_fitDegree = degree;
    m_fitTolerance = fitTolerance;
    m_startTangent = startTangent;
    m_endTangent = endTangent;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::purgeFitData()
{
    assertWriteEnabled();
    m_fitPoints.clear();
    m_startTangent = AcGeVector3d::kIdentity;
    m_endTangent = AcGeVector3d::kIdentity;
    return Acad::eOk;
}

cadhost::NurbsCurve AcDbSpline::definition() const
{
    return {m_degree, m_controlPoints, m_knots, m_weights};
}

std::vector<AcGePoint3d> AcDbSpline::samples() const
{
    const cadhost::NurbsCurve curve = definition();
    if (!curve.isValid())
        return {};
    const std::size_t spans = m_controlPoints.size() - static_cast<std::size_t>(m_degree);
    const int perSpan =
        m_degree == 1 ? 1 : static_cast<int>(std::clamp<std::size_t>(kMaxSamples / spans, 1, kSamplesPerSpan));
    return curve.sample(perSpan);
}

Adesk::Boolean AcDbSpline::isClosed() const
{
    assertReadEnabled();
    if (m_closed)
        return Adesk::kTrue;
    const cadhost::NurbsCurve curve = definition();
    const bool meets =
        curve.isValid() && curve.evaluate(curve.startParam()).isEqualTo(curve.evaluate(curve.endParam()));
    return meets ? Adesk::kTrue : Adesk::kFalse;
}

Adesk::Boolean AcDbSpline::isPeriodic() const
{
    assertReadEnabled();
    return m_periodic ? Adesk::kTrue : Adesk::kFalse;
}

Acad::ErrorStatus AcDbSpline::getStartParam(double& param) const
{
    assertReadEnabled();
    const cadhost::NurbsCurve curve = definition();
    if (!curve.isValid())
        return Acad::eDegenerateGeometry;
    param = curve.startParam();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getEndParam(double& param) const
{
    assertReadEnabled();
    const cadhost::NurbsCurve curve = definition();
    if (!curve.isValid())
        return Acad::eDegenerateGeometry;
    param = curve.endParam();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getStartPoint(AcGePoint3d& point) const
{
    double param = 0.0;
    const Acad::ErrorStatus status = getStartParam(param);
    return status != Acad::eOk ? status : getPointAtParam(param, point);
}

Acad::ErrorStatus AcDbSpline::getEndPoint(AcGePoint3d& point) const
{
    double param = 0.0;
    const Acad::ErrorStatus status = getEndParam(param);
    return status != Acad::eOk ? status : getPointAtParam(param, point);
}

Acad::ErrorStatus AcDbSpline::getPointAtParam(double param, AcGePoint3d& point) const
{
    assertReadEnabled();
    const cadhost::NurbsCurve curve = definition();
    if (!curve.isValid())
        return Acad::eDegenerateGeometry;
    if (param < curve.startParam() || param > curve.endParam())
        return Acad::eInvalidInput;
    point = curve.evaluate(param);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getArea(double& area) const
{
    assertReadEnabled();
    area = cadhost::polygonArea(samples());
    return Acad::eOk;
}

Adesk::Boolean AcDbSpline::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    const std::vector<AcGePoint3d> points = samples();
    if (points.size() >= 2)
        worldDraw->geometry().polyline(static_cast<Adesk::UInt32>(points.size()), points.data());
    return Adesk::kTrue;
}

void AcDbSpline::subList() const
{
    assertReadEnabled();
    AcDbCurve::subList();
    cadhost::listHeader(*this);
    double area = 0.0;
    getArea(area);
    acutPrintf(L"\n%24s %d", L"Order:", m_degree + 1);
    acutPrintf(L"\n%24s %s, %s", L"Properties:", m_rational ? L"Rational" : L"Non-Rational",
               m_periodic ? L"Periodic" : L"Non-Periodic");
    const cadhost::NurbsCurve curve = definition();
    if (curve.isValid()) {
        cadhost::listValue(L"Parametric Range: Start", curve.startParam());
        cadhost::listValue(L"End", curve.endParam());
    }
    acutPrintf(L"\n%24s %d", L"Number of control points:", static_cast<int>(m_controlPoints.size()));
    for (const AcGePoint3d& point : m_controlPoints)
        cadhost::listPoint(L"Control point", point);
    acutPrintf(L"\n%24s %d", L"Number of fit points:", static_cast<int>(m_fitPoints.size()));
    for (const AcGePoint3d& point : m_fitPoints)
        cadhost::listPoint(L"Fit point", point);
    cadhost::listValue(L"Area:", area);
}

Acad::ErrorStatus AcDbSpline::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    const std::vector<AcGePoint3d> points = samples();
    if (points.empty())
        return Acad::eInvalidExtents;
    AcDbExtents own;
    for (const AcGePoint3d& point : points)
        own.addPoint(point);
    extents = own;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::subTransformBy(const AcGeMatrix3d& transform)
{
    assertWriteEnabled();
    for (AcGePoint3d& point : m_controlPoints)
        point.transformBy(transform);
    for (AcGePoint3d& point : m_fitPoints)
        point.transformBy(transform);
    m_startTangent.transformBy(transform);
    m_endTangent.transformBy(transform);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const
{
    assertReadEnabled();
    for (const AcGePoint3d& point : m_fitPoints.empty() ? m_controlPoints : m_fitPoints)
        gripPoints.append(point);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset)
{
    assertWriteEnabled();
    if (m_fitPoints.empty()) {
        for (const int index : indices)
            if (index >= 0 && index < static_cast<int>(m_controlPoints.size()))
                m_controlPoints[static_cast<std::size_t>(index)] += offset;
        return Acad::eOk;
    }
    // Moving fit points refits the curve through them.
    AcGePoint3dArray fitPoints;
    for (std::size_t i = 0; i < m_fitPoints.size(); ++i)
        fitPoints.append(indices.contains(static_cast<int>(i)) ? m_fitPoints[i] + offset : m_fitPoints[i]);
    return setFitData(fitPoints, m_fitDegree, m_fitTolerance, m_startTangent, m_endTangent);
}

Acad::ErrorStatus AcDbSpline::subGetStretchPoints(AcGePoint3dArray& stretchPoints) const
{
    AcDbIntArray unused;
    AcDbIntArray unusedIds;
    return subGetGripPoints(stretchPoints, unused, unusedIds);
}

Acad::ErrorStatus AcDbSpline::subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker, const AcGePoint3d&,
                                                const AcGePoint3d&, const AcGeMatrix3d&, AcGePoint3dArray& snapPoints,
                                                AcDbIntArray&) const
{
    assertReadEnabled();
    const std::vector<AcGePoint3d> points = samples();
    if (osnapMode == AcDb::kOsModeEnd && !points.empty()) {
        snapPoints.append(points.front());
        snapPoints.append(points.back());
    }
    return Acad::eOk;
}

template <class Self, class Io> void AcDbSpline::fileFields(Self& self, Io& io)
{
    io(self.m_degree)(self.m_rational)(self.m_closed)(self.m_periodic);
    io.array(self.m_controlPoints).array(self.m_knots).array(self.m_weights);
    io(self.m_controlPtTol)(self.m_knotTol);
    io.array(self.m_fitPoints)(self.m_fitDegree)(self.m_fitTolerance)(self.m_startTangent)(self.m_endTangent);
}

Acad::ErrorStatus AcDbSpline::dwgOutFields(AcDbDwgFiler* filer) const
{
    assertReadEnabled();
    return cadhost::FieldAccess::out(*this, filer, AcDbCurve::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbSpline::dwgInFields(AcDbDwgFiler* filer)
{
    assertWriteEnabled();
    const Acad::ErrorStatus status = cadhost::FieldAccess::in(*this, filer, AcDbCurve::dwgInFields(filer));
    if (status != Acad::eOk)
        return status;
    // A definition that cannot be evaluated is damage; an empty spline is not.
    if (!m_controlPoints.empty() && !definition().isValid())
        return Acad::eDwgObjectImproperlyRead;
    return Acad::eOk;
}
