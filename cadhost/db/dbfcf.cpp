#include "dbfcf.h"
#include "listformat.h"
#include "mtextlayout.h"
#include "textmetrics.h"

#include "acgi.h"
#include "acutads.h"
#include "dbextents.h"
#include "dbfieldio.h"

#include <cmath>

namespace {
// Boxes are as tall as two text heights, and as wide as their text plus one text height.
constexpr double kBoxHeight = 2.0;
constexpr double kBoxMargin = 1.0;
} // namespace

AcDbFcf::AcDbFcf(const ACHAR* text, const AcGePoint3d& location, const AcGeVector3d& normal,
                 const AcGeVector3d& direction)
    : m_text(text != nullptr ? text : L""), m_location(location)
{
    setOrientation(normal, direction);
}

void AcDbFcf::setText(const ACHAR* text)
{
    assertWriteEnabled();
    m_text = text != nullptr ? text : L"";
}

ACHAR* AcDbFcf::text() const
{
    assertReadEnabled();
    ACHAR* copy = nullptr;
    acutNewString(m_text.c_str(), copy);
    return copy;
}

void AcDbFcf::setLocation(const AcGePoint3d& location)
{
    assertWriteEnabled();
    m_location = location;
}

AcGePoint3d AcDbFcf::location() const
{
    assertReadEnabled();
    return m_location;
}

Acad::ErrorStatus AcDbFcf::setOrientation(const AcGeVector3d& normal, const AcGeVector3d& direction)
{
    if (normal.isZeroLength() || direction.isZeroLength() || normal.isParallelTo(direction))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_normal = normal.normal();
    m_direction = direction.normal();
    return Acad::eOk;
}

AcGeVector3d AcDbFcf::normal() const
{
    assertReadEnabled();
    return m_normal;
}

AcGeVector3d AcDbFcf::direction() const
{
    assertReadEnabled();
    return m_direction;
}

void AcDbFcf::setDimensionStyle(AcDbObjectId styleId)
{
    assertWriteEnabled();
    m_dimStyle = styleId;
}

AcDbObjectId AcDbFcf::dimensionStyle() const
{
    assertReadEnabled();
    return m_dimStyle;
}

double AcDbFcf::dimtxt() const
{
    assertReadEnabled();
    return m_textHeight;
}

Acad::ErrorStatus AcDbFcf::setDimtxt(double height)
{
    if (!(height > 0.0) || !std::isfinite(height))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_textHeight = height;
    return Acad::eOk;
}

std::vector<std::wstring> AcDbFcf::boxes() const
{
    std::vector<std::wstring> result;
    for (const std::wstring& line : cadhost::mtextParagraphs(m_text)) {
        std::size_t start = 0;
        for (;;) {
            const std::size_t separator = line.find(L"%%v", start);
            result.push_back(line.substr(start, separator == std::wstring::npos ? separator : separator - start));
            if (separator == std::wstring::npos)
                break;
            start = separator + 3;
        }
    }
    return result;
}

double AcDbFcf::frameWidth() const
{
    double width = 0.0;
    for (const std::wstring& box : boxes())
        width += cadhost::textWidth(box, m_textHeight, 1.0) + kBoxMargin * m_textHeight;
    return width;
}

Adesk::Boolean AcDbFcf::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    const AcGeVector3d up = m_normal.crossProduct(m_direction).normal();
    const double height = kBoxHeight * m_textHeight;
    // The location is the middle of the frame's left side.
    AcGePoint3d corner = m_location - up * (height / 2.0);
    for (const std::wstring& box : boxes()) {
        const double width = cadhost::textWidth(box, m_textHeight, 1.0) + kBoxMargin * m_textHeight;
        const AcGePoint3d frame[5] = {corner, corner + m_direction * width, corner + m_direction * width + up * height,
                                      corner + up * height, corner};
        worldDraw->geometry().polyline(5, frame);
        const AcGePoint3d at =
            corner + m_direction * (kBoxMargin * m_textHeight / 2.0) + up * ((height - m_textHeight) / 2.0);
        worldDraw->geometry().text(at, m_normal, m_direction, m_textHeight, 1.0, 0.0, box.c_str());
        corner += m_direction * width;
    }
    return Adesk::kTrue;
}

void AcDbFcf::subList() const
{
    assertReadEnabled();
    AcDbEntity::subList();
    cadhost::listHeader(*this);
    cadhost::listPoint(L"location,", m_location);
    cadhost::listText(L"text:", m_text.c_str());
}

Acad::ErrorStatus AcDbFcf::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    const AcGeVector3d up = m_normal.crossProduct(m_direction).normal() * (kBoxHeight * m_textHeight / 2.0);
    AcDbExtents result;
    result.addPoint(m_location - up);
    result.addPoint(m_location + up);
    result.addPoint(m_location + m_direction * frameWidth() - up);
    result.addPoint(m_location + m_direction * frameWidth() + up);
    extents = result;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbFcf::subTransformBy(const AcGeMatrix3d& transform)
{
    const AcGeVector3d direction = transform * m_direction;
    const AcGeVector3d normal = transform * m_normal;
    if (direction.isZeroLength() || normal.isZeroLength() || normal.isParallelTo(direction))
        return Acad::eCannotScaleNonUniformly;
    assertWriteEnabled();
    m_location.transformBy(transform);
    m_textHeight *= direction.length();
    m_direction = direction.normal();
    m_normal = normal.normal();
    return Acad::eOk;
}

template <class Self, class Io> void AcDbFcf::fileFields(Self& self, Io& io)
{
    io(self.m_text)(self.m_location)(self.m_normal)(self.m_direction)(self.m_textHeight);
    io.hardPointer(self.m_dimStyle);
    if constexpr (Io::kReading) {
        if (io.ok() && (self.m_normal.isZeroLength() || self.m_direction.isZeroLength() ||
                        self.m_normal.isParallelTo(self.m_direction) || !(self.m_textHeight > 0.0)))
            io.fail(Acad::eDwgObjectImproperlyRead);
    }
}

Acad::ErrorStatus AcDbFcf::dwgOutFields(AcDbDwgFiler* filer) const
{
    assertReadEnabled();
    return cadhost::FieldAccess::out(*this, filer, AcDbEntity::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbFcf::dwgInFields(AcDbDwgFiler* filer)
{
    assertWriteEnabled();
    const Acad::ErrorStatus status = cadhost::FieldAccess::in(*this, filer, AcDbEntity::dwgInFields(filer));
    if (status == Acad::eOk) {
        m_normal = m_normal.normal();
        m_direction = m_direction.normal();
    }
    return status;
}
