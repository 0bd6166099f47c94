#include "dbtext.h"
#include "listformat.h"

#include "acgi.h"
#include "dbfieldio.h"
#include "entgeom.h"
#include "textmetrics.h"

namespace {
ACHAR* copyOf(const std::wstring& text)
{
    ACHAR* copy = nullptr;
    acutNewString(text.c_str(), copy);
    return copy;
}
} // namespace

AcDbText::AcDbText(const AcGePoint3d& position, const ACHAR* text, AcDbObjectId style, double height, double rotation)
    : m_position(position), m_alignmentPoint(position), m_rotation(rotation), m_text(text != nullptr ? text : L""),
      m_styleId(style)
{
    if (height > 0.0)
        m_height = height;
}

AcGePoint3d AcDbText::position() const
{
    assertReadEnabled();
    return m_position;
}

Acad::ErrorStatus AcDbText::setPosition(const AcGePoint3d& position)
{
    assertWriteEnabled();
    m_position = position;
    return Acad::eOk;
}

AcGePoint3d AcDbText::alignmentPoint() const
{
    assertReadEnabled();
    return m_alignmentPoint;
}

Acad::ErrorStatus AcDbText::setAlignmentPoint(const AcGePoint3d& point)
{
    assertWriteEnabled();
    m_alignmentPoint = point;
    return Acad::eOk;
}

bool AcDbText::isDefaultAlignment() const
{
    assertReadEnabled();
    return m_horizontalMode == AcDb::kTextLeft && m_verticalMode == AcDb::kTextBase;
}

AcGeVector3d AcDbText::normal() const
{
    assertReadEnabled();
    return m_normal;
}

Acad::ErrorStatus AcDbText::setNormal(const AcGeVector3d& normal)
{
    if (normal.isZeroLength())
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_normal = normal.normal();
    return Acad::eOk;
}

double AcDbText::thickness() const
{
    assertReadEnabled();
    return m_thickness;
}

Acad::ErrorStatus AcDbText::setThickness(double thickness)
{
    assertWriteEnabled();
    m_thickness = thickness;
    return Acad::eOk;
}

double AcDbText::oblique() const
{
    assertReadEnabled();
    return m_oblique;
}

Acad::ErrorStatus AcDbText::setOblique(double angle)
{
    assertWriteEnabled();
    m_oblique = angle;
    return Acad::eOk;
}

double AcDbText::rotation() const
{
    assertReadEnabled();
    return m_rotation;
}

Acad::ErrorStatus AcDbText::setRotation(double angle)
{
    assertWriteEnabled();
    m_rotation = angle;
    return Acad::eOk;
}

double AcDbText::height() const
{
    assertReadEnabled();
    return m_height;
}

Acad::ErrorStatus AcDbText::setHeight(double height)
{
    if (!(height > 0.0))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_height = height;
    return Acad::eOk;
}

double AcDbText::widthFactor() const
{
    assertReadEnabled();
    return m_widthFactor;
}

Acad::ErrorStatus AcDbText::setWidthFactor(double factor)
{
    if (!(factor > 0.0))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_widthFactor = factor;
    return Acad::eOk;
}

ACHAR* AcDbText::textString() const
{
    assertReadEnabled();
    return copyOf(m_text);
}

const ACHAR* AcDbText::textStringConst() const
{
    assertReadEnabled();
    return m_text.c_str();
}

Acad::ErrorStatus AcDbText::setTextString(const ACHAR* text)
{
    if (text == nullptr)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_text = text;
    return Acad::eOk;
}

AcDbObjectId AcDbText::textStyle() const
{
    assertReadEnabled();
    return m_styleId;
}

Acad::ErrorStatus AcDbText::setTextStyle(AcDbObjectId styleId)
{
    assertWriteEnabled();
    m_styleId = styleId;
    return Acad::eOk;
}

AcDb::TextHorzMode AcDbText::horizontalMode() const
{
    assertReadEnabled();
    return m_horizontalMode;
}

Acad::ErrorStatus AcDbText::setHorizontalMode(AcDb::TextHorzMode mode)
{
    if (mode < AcDb::kTextLeft || mode > AcDb::kTextFit)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_horizontalMode = mode;
    return Acad::eOk;
}

AcDb::TextVertMode AcDbText::verticalMode() const
{
    assertReadEnabled();
    return m_verticalMode;
}

Acad::ErrorStatus AcDbText::setVerticalMode(AcDb::TextVertMode mode)
{
    if (mode < AcDb::kTextBase || mode > AcDb::kTextTop)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_verticalMode = mode;
    return Acad::eOk;
}

AcDbText::Frame AcDbText::frame() const
{
    Frame result;
    result.xDirection = cadhost::planeDirection(m_normal, m_rotation);
    result.yDirection = m_normal.normal().crossProduct(result.xDirection);
    result.width = cadhost::textWidth(m_text, m_height, m_widthFactor);
    const bool anchoredAtPosition = (m_horizontalMode == AcDb::kTextLeft && m_verticalMode == AcDb::kTextBase) ||
                                    m_horizontalMode == AcDb::kTextAlign || m_horizontalMode == AcDb::kTextFit;
    if (anchoredAtPosition) {
        result.origin = m_position;
        return result;
    }
    double dx = 0.0;
    if (m_horizontalMode == AcDb::kTextCenter || m_horizontalMode == AcDb::kTextMid)
        dx = -result.width / 2.0;
    else if (m_horizontalMode == AcDb::kTextRight)
        dx = -result.width;
    double dy = 0.0;
    if (m_horizontalMode == AcDb::kTextMid || m_verticalMode == AcDb::kTextVertMid)
        dy = -m_height / 2.0;
    else if (m_verticalMode == AcDb::kTextTop)
        dy = -m_height;
    result.origin = m_alignmentPoint + result.xDirection * dx + result.yDirection * dy;
    return result;
}

Acad::ErrorStatus AcDbText::adjustAlignment(const AcDbDatabase* /*database*/)
{
    assertWriteEnabled();
    m_position = frame().origin;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbText::getBoundingPoints(AcGePoint3dArray& points) const
{
    assertReadEnabled();
    const Frame box = frame();
    const AcGeVector3d across = box.xDirection * box.width;
    const AcGeVector3d up = box.yDirection * m_height;
    points.removeAll();
    points.append(box.origin);
    points.append(box.origin + across);
    points.append(box.origin + up);
    points.append(box.origin + across + up);
    return Acad::eOk;
}

void AcDbText::drawString(AcGiWorldDraw* worldDraw, const std::wstring& text) const
{
    const Frame box = frame();
    worldDraw->geometry().text(box.origin, m_normal, box.xDirection, m_height, m_widthFactor, m_oblique, text.c_str());
}

Adesk::Boolean AcDbText::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    drawString(worldDraw, m_text);
    return Adesk::kTrue;
}

void AcDbText::subList() const
{
    assertReadEnabled();
    AcDbEntity::subList();
    cadhost::listHeader(*this);
    acutPrintf(L"\n  position: (%g, %g, %g)  height: %g  rotation: %g\n  text: %s", m_position.x, m_position.y,
               m_position.z, m_height, m_rotation, m_text.c_str());
}

Acad::ErrorStatus AcDbText::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    const Frame box = frame();
    AcDbExtents result;
    cadhost::addBox(result, box.origin, box.xDirection * box.width, box.yDirection * m_height);
    extents = result;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbText::subTransformBy(const AcGeMatrix3d& transform)
{
    assertWriteEnabled();
    const cadhost::PlaneFrame moved =
        cadhost::transformFrame(transform, m_normal, cadhost::planeDirection(m_normal, m_rotation));
    if (moved.xScale <= 0.0 || moved.yScale <= 0.0)
        return Acad::eCannotScaleNonUniformly;
    m_position.transformBy(transform);
    m_alignmentPoint.transformBy(transform);
    m_normal = moved.normal;
    m_rotation = cadhost::planeAngle(moved.normal, moved.xDirection);
    m_height *= moved.yScale;
    m_widthFactor *= moved.xScale / moved.yScale;
    m_thickness *= moved.yScale;
    return Acad::eOk;
}

template <class Self, class Io> void AcDbText::fileFields(Self& self, Io& io)
{
    io(self.m_position)(self.m_alignmentPoint)(self.m_normal)(self.m_thickness)(self.m_oblique)(self.m_rotation);
    io(self.m_height)(self.m_widthFactor)(self.m_text);
    io.hardPointer(self.m_styleId);
    io.template enumAs<Adesk::UInt8>(self.m_horizontalMode, AcDb::kTextFit);
    io.template enumAs<Adesk::UInt8>(self.m_verticalMode, AcDb::kTextTop);
}

Acad::ErrorStatus AcDbText::dwgOutFields(AcDbDwgFiler* filer) const
{
    return cadhost::FieldAccess::out(*this, filer, AcDbEntity::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbText::dwgInFields(AcDbDwgFiler* filer)
{
    return cadhost::FieldAccess::in(*this, filer, AcDbEntity::dwgInFields(filer));
}
