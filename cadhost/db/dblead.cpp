#include "dblead.h"

#include "acgi.h"
#include "curvegeom.h"
#include "dbdimstyle.h"
#include "dbents.h"
#include "dbfieldio.h"
#include "listformat.h"
#include "nurbscurve.h"

#include <initializer_list>

namespace {

// The overrides a leader keeps, in their filed order.
constexpr cadhost::DimVar kLeaderVariables[] = {
    cadhost::DimVar::dimasz, cadhost::DimVar::dimclrd,  cadhost::DimVar::dimgap, cadhost::DimVar::dimlwd,
    cadhost::DimVar::dimsah, cadhost::DimVar::dimscale, cadhost::DimVar::dimtad, cadhost::DimVar::dimtxt};

// A splined leader is drawn through this many points per vertex span.
constexpr int kSplineSamplesPerSpan = 8;

} // namespace

int AcDbLeader::numVertices() const
{
    assertReadEnabled();
    return static_cast<int>(m_vertices.size());
}

AcGePoint3d AcDbLeader::vertexAt(int index) const
{
    assertReadEnabled();
    if (index < 0 || index >= static_cast<int>(m_vertices.size()))
        return AcGePoint3d::kOrigin;
    return m_vertices[static_cast<std::size_t>(index)];
}

Adesk::Boolean AcDbLeader::setVertexAt(int index, const AcGePoint3d& point)
{
    if (index < 0 || index >= static_cast<int>(m_vertices.size()))
        return Adesk::kFalse;
    assertWriteEnabled();
    m_vertices[static_cast<std::size_t>(index)] = point;
    return Adesk::kTrue;
}

Adesk::Boolean AcDbLeader::appendVertex(const AcGePoint3d& point)
{
    assertWriteEnabled();
    m_vertices.push_back(point);
    return Adesk::kTrue;
}

void AcDbLeader::removeLastVertex()
{
    assertWriteEnabled();
    if (!m_vertices.empty())
        m_vertices.pop_back();
}

AcGePoint3d AcDbLeader::firstVertex() const
{
    return vertexAt(0);
}

AcGePoint3d AcDbLeader::lastVertex() const
{
    return vertexAt(numVertices() - 1);
}

AcGeVector3d AcDbLeader::normal() const
{
    assertReadEnabled();
    return m_normal;
}

Acad::ErrorStatus AcDbLeader::setNormal(const AcGeVector3d& normal)
{
    if (normal.isZeroLength())
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_normal = normal.normal();
    return Acad::eOk;
}

bool AcDbLeader::hasArrowHead() const
{
    assertReadEnabled();
    return m_arrowHead;
}

void AcDbLeader::enableArrowHead()
{
    assertWriteEnabled();
    m_arrowHead = true;
}

void AcDbLeader::disableArrowHead()
{
    assertWriteEnabled();
    m_arrowHead = false;
}

bool AcDbLeader::isSplined() const
{
    assertReadEnabled();
    return m_splined;
}

void AcDbLeader::setToSplineLeader()
{
    assertWriteEnabled();
    m_splined = true;
}

void AcDbLeader::setToStraightLeader()
{
    assertWriteEnabled();
    m_splined = false;
}

AcDbHardPointerId AcDbLeader::dimensionStyle() const
{
    assertReadEnabled();
    return m_dimStyle;
}

void AcDbLeader::setDimensionStyle(const AcDbHardPointerId& styleId)
{
    assertWriteEnabled();
    m_dimStyle = styleId;
}

cadhost::DimVars AcDbLeader::styleVars() const
{
    AcDbObjectId styleId = m_dimStyle;
    if (styleId.isNull() && database() != nullptr)
        styleId = database()->dimstyle();
    AcDbDimStyleTableRecord* style = nullptr;
    if (styleId.isNull() || acdbOpenObject(style, styleId, AcDb::kForRead) != Acad::eOk)
        return {};
    cadhost::DimVars vars = style->dimVars();
    style->close();
    return vars;
}

template <class T> T AcDbLeader::effective(T cadhost::DimVars::*member, cadhost::DimVar variable) const
{
    assertReadEnabled();
    if (m_overridden.test(static_cast<std::size_t>(variable)))
        return m_overrides.*member;
    return styleVars().*member;
}

template <class T>
Acad::ErrorStatus AcDbLeader::setOverride(T cadhost::DimVars::*member, cadhost::DimVar variable, const T& value)
{
    assertWriteEnabled();
    m_overrides.*member = value;
    m_overridden.set(static_cast<std::size_t>(variable));
    return Acad::eOk;
}

double AcDbLeader::dimasz() const
{
    return effective(&cadhost::DimVars::dimasz, cadhost::DimVar::dimasz);
}

Acad::ErrorStatus AcDbLeader::setDimasz(double value)
{
    return setOverride(&cadhost::DimVars::dimasz, cadhost::DimVar::dimasz, value);
}

AcCmColor AcDbLeader::dimclrd() const
{
    return effective(&cadhost::DimVars::dimclrd, cadhost::DimVar::dimclrd);
}

Acad::ErrorStatus AcDbLeader::setDimclrd(const AcCmColor& value)
{
    return setOverride(&cadhost::DimVars::dimclrd, cadhost::DimVar::dimclrd, value);
}

double AcDbLeader::dimgap() const
{
    return effective(&cadhost::DimVars::dimgap, cadhost::DimVar::dimgap);
}

Acad::ErrorStatus AcDbLeader::setDimgap(double value)
{
    return setOverride(&cadhost::DimVars::dimgap, cadhost::DimVar::dimgap, value);
}

AcDb::LineWeight AcDbLeader::dimlwd() const
{
    return effective(&cadhost::DimVars::dimlwd, cadhost::DimVar::dimlwd);
}

Acad::ErrorStatus AcDbLeader::setDimlwd(AcDb::LineWeight value)
{
    return setOverride(&cadhost::DimVars::dimlwd, cadhost::DimVar::dimlwd, value);
}

AcDbObjectId AcDbLeader::dimldrblk() const
{
    assertReadEnabled();
    return m_dimldrblk.value_or(AcDbObjectId::kNull);
}

Acad::ErrorStatus AcDbLeader::setDimldrblk(AcDbObjectId value)
{
    assertWriteEnabled();
    m_dimldrblk = value;
    return Acad::eOk;
}

bool AcDbLeader::dimsah() const
{
    return effective(&cadhost::DimVars::dimsah, cadhost::DimVar::dimsah);
}

Acad::ErrorStatus AcDbLeader::setDimsah(bool value)
{
    return setOverride(&cadhost::DimVars::dimsah, cadhost::DimVar::dimsah, value);
}

double AcDbLeader::dimscale() const
{
    return effective(&cadhost::DimVars::dimscale, cadhost::DimVar::dimscale);
}

Acad::ErrorStatus AcDbLeader::setDimscale(double value)
{
    return setOverride(&cadhost::DimVars::dimscale, cadhost::DimVar::dimscale, value);
}

int AcDbLeader::dimtad() const
{
    return effective(&cadhost::DimVars::dimtad, cadhost::DimVar::dimtad);
}

Acad::ErrorStatus AcDbLeader::setDimtad(int value)
{
    return setOverride(&cadhost::DimVars::dimtad, cadhost::DimVar::dimtad, value);
}

AcDbObjectId AcDbLeader::dimtxsty() const
{
    assertReadEnabled();
    if (m_dimtxsty)
        return *m_dimtxsty;
    return database() != nullptr ? database()->textstyle() : AcDbObjectId::kNull;
}

Acad::ErrorStatus AcDbLeader::setDimtxsty(AcDbObjectId value)
{
    assertWriteEnabled();
    m_dimtxsty = value;
    return Acad::eOk;
}

double AcDbLeader::dimtxt() const
{
    return effective(&cadhost::DimVars::dimtxt, cadhost::DimVar::dimtxt);
}

Acad::ErrorStatus AcDbLeader::setDimtxt(double value)
{
    return setOverride(&cadhost::DimVars::dimtxt, cadhost::DimVar::dimtxt, value);
}

Acad::ErrorStatus AcDbLeader::getStartParam(double& param) const
{
    assertReadEnabled();
    param = 0.0;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::getEndParam(double& param) const
{
    assertReadEnabled();
    param = m_vertices.size() < 2 ? 0.0 : static_cast<double>(m_vertices.size() - 1);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::getStartPoint(AcGePoint3d& point) const
{
    assertReadEnabled();
    if (m_vertices.empty())
        return Acad::eDegenerateGeometry;
    point = m_vertices.front();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::getEndPoint(AcGePoint3d& point) const
{
    assertReadEnabled();
    if (m_vertices.empty())
        return Acad::eDegenerateGeometry;
    point = m_vertices.back();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::getArea(double& area) const
{
    assertReadEnabled();
    area = cadhost::polygonArea(linePoints());
    return Acad::eOk;
}

std::vector<AcGePoint3d> AcDbLeader::linePoints() const
{
    if (!m_splined || m_vertices.size() < 3)
        return m_vertices;
    const cadhost::NurbsCurve curve =
        cadhost::interpolateNurbs(m_vertices, 3, AcGeVector3d::kIdentity, AcGeVector3d::kIdentity);
    return curve.isValid() ? curve.sample(kSplineSamplesPerSpan) : m_vertices;
}

bool AcDbLeader::arrowHead(AcGePoint3d (&corners)[3]) const
{
    if (!m_arrowHead || m_vertices.size() < 2)
        return false;
    const AcGeVector3d along = m_vertices[1] - m_vertices[0];
    const double size = dimasz() * dimscale();
    if (along.isZeroLength() || !(size > 0.0))
        return false;
    // The closed filled arrow: as long as the arrow size, a third of it wide.
    const AcGeVector3d direction = along.normal();
    const AcGeVector3d across = m_normal.crossProduct(direction).normal() * (size / 6.0);
    corners[0] = m_vertices[0];
    corners[1] = m_vertices[0] + direction * size + across;
    corners[2] = m_vertices[0] + direction * size - across;
    return true;
}

Adesk::Boolean AcDbLeader::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    const std::vector<AcGePoint3d> points = linePoints();
    if (points.size() >= 2)
        worldDraw->geometry().polyline(static_cast<Adesk::UInt32>(points.size()), points.data(), &m_normal);
    AcGePoint3d corners[3];
    if (arrowHead(corners)) {
        worldDraw->subEntityTraits().setFillType(kAcGiFillAlways);
        worldDraw->geometry().polygon(3, corners);
    }
    return Adesk::kTrue;
}

void AcDbLeader::subList() const
{
    assertReadEnabled();
    AcDbCurve::subList();
    cadhost::listHeader(*this);
    acutPrintf(L"\n%24s %s", L"Arrowhead:", m_arrowHead ? L"on" : L"off");
    acutPrintf(L"\n%24s %s", L"Path type:", m_splined ? L"spline" : L"straight");
    for (const AcGePoint3d& vertex : m_vertices)
        cadhost::listPoint(L"Vertex:", vertex);
    cadhost::listValue(L"Arrow size:", dimasz());
    cadhost::listValue(L"Overall scale:", dimscale());
    cadhost::listNormal(m_normal);
}

Acad::ErrorStatus AcDbLeader::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    if (m_vertices.empty())
        return Acad::eInvalidExtents;
    AcDbExtents own;
    for (const AcGePoint3d& point : linePoints())
        own.addPoint(point);
    AcGePoint3d corners[3];
    if (arrowHead(corners))
        for (const AcGePoint3d& corner : corners)
            own.addPoint(corner);
    extents = own;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::subTransformBy(const AcGeMatrix3d& transform)
{
    assertWriteEnabled();
    for (AcGePoint3d& vertex : m_vertices)
        vertex.transformBy(transform);
    m_normal = cadhost::transformNormal(transform, m_normal);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::subExplode(AcDbVoidPtrArray& entitySet) const
{
    assertReadEnabled();
    const std::vector<AcGePoint3d> points = linePoints();
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (points[i - 1].isEqualTo(points[i]))
            continue;
        auto* line = new AcDbLine(points[i - 1], points[i]);
        line->setPropertiesFrom(this);
        line->setNormal(m_normal);
        entitySet.append(line);
    }
    AcGePoint3d corners[3];
    if (arrowHead(corners)) {
        auto* arrow = new AcDbSolid(corners[0], corners[1], corners[2]);
        arrow->setPropertiesFrom(this);
        arrow->setNormal(m_normal);
        entitySet.append(arrow);
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const
{
    assertReadEnabled();
    for (const AcGePoint3d& vertex : m_vertices)
        gripPoints.append(vertex);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset)
{
    assertWriteEnabled();
    for (const int index : indices)
        if (index >= 0 && static_cast<std::size_t>(index) < m_vertices.size())
            m_vertices[static_cast<std::size_t>(index)] += offset;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::subGetStretchPoints(AcGePoint3dArray& stretchPoints) const
{
    AcDbIntArray unused;
    AcDbIntArray unusedIds;
    return subGetGripPoints(stretchPoints, unused, unusedIds);
}

Acad::ErrorStatus AcDbLeader::subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker, const AcGePoint3d&,
                                                const AcGePoint3d&, const AcGeMatrix3d&, AcGePoint3dArray& snapPoints,
                                                AcDbIntArray&) const
{
    assertReadEnabled();
    if (osnapMode == AcDb::kOsModeEnd)
        for (const AcGePoint3d& vertex : m_vertices)
            snapPoints.append(vertex);
    return Acad::eOk;
}

template <class Self, class Io> void AcDbLeader::fileFields(Self& self, Io& io)
{
    io.array(self.m_vertices)(self.m_normal)(self.m_arrowHead)(self.m_splined);
    io.hardPointer(self.m_dimStyle);
    // Each override as a flag, then its value when set.
    for (const cadhost::DimVar variable : kLeaderVariables) {
        const auto index = static_cast<std::size_t>(variable);
        bool overridden = self.m_overridden.test(index);
        io(overridden);
        if (io.ok() && overridden)
            cadhost::fileDimVar(io, self.m_overrides, static_cast<int>(variable));
        if constexpr (Io::kReading)
            if (io.ok())
                self.m_overridden.set(index, overridden);
    }
    for (auto* optionalId : {&self.m_dimldrblk, &self.m_dimtxsty}) {
        bool present = optionalId->has_value();
        AcDbObjectId id = optionalId->value_or(AcDbObjectId::kNull);
        io(present).hardPointer(id);
        if constexpr (Io::kReading)
            if (io.ok())
                *optionalId = present ? std::optional<AcDbObjectId>(id) : std::nullopt;
    }
}

Acad::ErrorStatus AcDbLeader::dwgOutFields(AcDbDwgFiler* filer) const
{
    assertReadEnabled();
    return cadhost::FieldAccess::out(*this, filer, AcDbCurve::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbLeader::dwgInFields(AcDbDwgFiler* filer)
{
    assertWriteEnabled();
    return cadhost::FieldAccess::in(*this, filer, AcDbCurve::dwgInFields(filer));
}
