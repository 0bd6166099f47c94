#include "dbmtext.h"
#include "listformat.h"

#include "acgi.h"
#include "dbfieldio.h"
#include "dbtext.h"
#include "entgeom.h"
#include "mtextlayout.h"

#include <algorithm>

namespace {
ACHAR* copyOf(const std::wstring& text)
{
    ACHAR* copy = nullptr;
    acutNewString(text.c_str(), copy);
    return copy;
}
} // namespace

AcGePoint3d AcDbMText::location() const
{
    assertReadEnabled();
    return m_location;
}

Acad::ErrorStatus AcDbMText::setLocation(const AcGePoint3d& location)
{
    assertWriteEnabled();
    m_location = location;
    return Acad::eOk;
}

AcGeVector3d AcDbMText::normal() const
{
    assertReadEnabled();
    return m_normal;
}

Acad::ErrorStatus AcDbMText::setNormal(const AcGeVector3d& normal)
{
    if (normal.isZeroLength())
        return Acad::eInvalidInput;
    assertWriteEnabled();
    const double angle = cadhost::planeAngle(m_normal, m_direction);
    m_normal = normal.normal();
    m_direction = cadhost::planeDirection(m_normal, angle);
    return Acad::eOk;
}

AcGeVector3d AcDbMText::direction() const
{
    assertReadEnabled();
    return m_direction;
}

Acad::ErrorStatus AcDbMText::setDirection(const AcGeVector3d& direction)
{
    // The direction lies in the text's plane: its part along the normal is dropped.
    const AcGeVector3d inPlane = direction - m_normal * direction.dotProduct(m_normal);
    if (inPlane.isZeroLength())
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_direction = inPlane.normal();
    return Acad::eOk;
}

double AcDbMText::rotation() const
{
    assertReadEnabled();
    return cadhost::planeAngle(m_normal, m_direction);
}

Acad::ErrorStatus AcDbMText::setRotation(double angle)
{
    assertWriteEnabled();
    m_direction = cadhost::planeDirection(m_normal, angle);
    return Acad::eOk;
}

double AcDbMText::width() const
{
    assertReadEnabled();
    return m_width;
}

Acad::ErrorStatus AcDbMText::setWidth(double width)
{
    if (width < 0.0)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_width = width;
    return Acad::eOk;
}

double AcDbMText::height() const
{
    assertReadEnabled();
    return m_height;
}

Acad::ErrorStatus AcDbMText::setHeight(double height)
{
    if (height < 0.0)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_height = height;
    return Acad::eOk;
}

double AcDbMText::textHeight() const
{
    assertReadEnabled();
    return m_textHeight;
}

Acad::ErrorStatus AcDbMText::setTextHeight(double height)
{
    if (!(height > 0.0))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_textHeight = height;
    return Acad::eOk;
}

AcDbMText::AttachmentPoint AcDbMText::attachment() const
{
    assertReadEnabled();
    return m_attachment;
}

Acad::ErrorStatus AcDbMText::setAttachment(AttachmentPoint attachment)
{
    if (attachment < kTopLeft || attachment > kBottomRight)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_attachment = attachment;
    return Acad::eOk;
}

AcDbObjectId AcDbMText::textStyle() const
{
    assertReadEnabled();
    return m_styleId;
}

Acad::ErrorStatus AcDbMText::setTextStyle(AcDbObjectId styleId)
{
    assertWriteEnabled();
    m_styleId = styleId;
    return Acad::eOk;
}

ACHAR* AcDbMText::contents() const
{
    assertReadEnabled();
    return copyOf(m_contents);
}

ACHAR* AcDbMText::text() const
{
    assertReadEnabled();
    std::wstring plain;
    const std::vector<std::wstring> paragraphs = cadhost::mtextParagraphs(m_contents);
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            plain += L'\n';
        plain += paragraphs[i];
    }
    return copyOf(plain);
}

int AcDbMText::setContents(const ACHAR* contents)
{
    assertWriteEnabled();
    m_contents = contents != nullptr ? contents : L"";
    return static_cast<int>(m_contents.size());
}

AcGeVector3d AcDbMText::upDirection() const
{
    return m_normal.crossProduct(m_direction).normal();
}

AcDbMText::Layout AcDbMText::layout() const
{
    const std::vector<cadhost::MTextLine> lines = cadhost::layoutMText(m_contents, m_textHeight, 1.0, m_width);
    Layout result;
    double widest = 0.0;
    for (const cadhost::MTextLine& line : lines)
        widest = std::max(widest, line.width);
    result.boxWidth = m_width > 0.0 ? m_width : widest;
    result.boxHeight = static_cast<double>(lines.size()) * m_textHeight;
    const int column = (static_cast<int>(m_attachment) - 1) % 3;
    const int row = (static_cast<int>(m_attachment) - 1) / 3;
    const double left = -result.boxWidth * column / 2.0;
    const double top = result.boxHeight * row / 2.0;
    const AcGeVector3d x = m_direction;
    const AcGeVector3d y = upDirection();
    result.topLeft = m_location + x * left + y * top;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double lineLeft = left + (result.boxWidth - lines[i].width) * column / 2.0;
        const double baseline = top - static_cast<double>(i + 1) * m_textHeight;
        result.lines.push_back({lines[i].text, m_location + x * lineLeft + y * baseline, lines[i].width});
    }
    return result;
}

double AcDbMText::actualHeight() const
{
    assertReadEnabled();
    return layout().boxHeight;
}

double AcDbMText::actualWidth() const
{
    assertReadEnabled();
    double widest = 0.0;
    for (const PlacedLine& line : layout().lines)
        widest = std::max(widest, line.width);
    return widest;
}

Acad::ErrorStatus AcDbMText::getBoundingPoints(AcGePoint3dArray& points) const
{
    assertReadEnabled();
    const Layout box = layout();
    const AcGeVector3d across = m_direction * box.boxWidth;
    const AcGeVector3d down = upDirection() * -box.boxHeight;
    points.removeAll();
    points.append(box.topLeft);
    points.append(box.topLeft + across);
    points.append(box.topLeft + down);
    points.append(box.topLeft + across + down);
    return Acad::eOk;
}

bool AcDbMText::backgroundFillOn() const
{
    assertReadEnabled();
    return m_backgroundFill;
}

Acad::ErrorStatus AcDbMText::setBackgroundFill(bool enable)
{
    assertWriteEnabled();
    m_backgroundFill = enable;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::getBackgroundFillColor(AcCmColor& color) const
{
    assertReadEnabled();
    color = m_backgroundColor;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::setBackgroundFillColor(const AcCmColor& color)
{
    assertWriteEnabled();
    m_backgroundColor = color;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::getBackgroundScaleFactor(double& scale) const
{
    assertReadEnabled();
    scale = m_backgroundScale;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::setBackgroundScaleFactor(double scale)
{
    if (!(scale >= 1.0 && scale <= 5.0))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_backgroundScale = scale;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::getBackgroundTransparency(AcCmTransparency& transparency) const
{
    assertReadEnabled();
    transparency = m_backgroundTransparency;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::setBackgroundTransparency(const AcCmTransparency& transparency)
{
    assertWriteEnabled();
    m_backgroundTransparency = transparency;
    return Acad::eOk;
}

Adesk::Boolean AcDbMText::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    const Layout box = layout();
    if (m_backgroundFill && !box.lines.empty()) {
        // The fill reaches (scale - 1) / 2 text heights beyond the box on every side.
        const double border = (m_backgroundScale - 1.0) * m_textHeight / 2.0;
        const AcGeVector3d x = m_direction;
        const AcGeVector3d y = upDirection();
        const AcGePoint3d corner = box.topLeft - x * border + y * border;
        const AcGeVector3d across = x * (box.boxWidth + 2.0 * border);
        const AcGeVector3d down = y * -(box.boxHeight + 2.0 * border);
        const AcGePoint3d fill[4] = {corner, corner + across, corner + across + down, corner + down};
        AcGiSubEntityTraits& traits = worldDraw->subEntityTraits();
        const AcCmColor previousColor = traits.trueColor();
        const AcGiFillType previousFill = traits.fillType();
        traits.setTrueColor(m_backgroundColor);
        traits.setFillType(kAcGiFillAlways);
        worldDraw->geometry().polygon(4, fill);
        traits.setFillType(previousFill);
        traits.setTrueColor(previousColor);
    }
    for (const PlacedLine& line : box.lines) {
        if (!line.text.empty())
            worldDraw->geometry().text(line.start, m_normal, m_direction, m_textHeight, 1.0, 0.0, line.text.c_str());
    }
    return Adesk::kTrue;
}

void AcDbMText::subList() const
{
    assertReadEnabled();
    AcDbEntity::subList();
    cadhost::listHeader(*this);
    acutPrintf(L"\n  location: (%g, %g, %g)  text height: %g  width: %g  attachment: %d\n  contents: %s", m_location.x,
               m_location.y, m_location.z, m_textHeight, m_width, static_cast<int>(m_attachment), m_contents.c_str());
}

Acad::ErrorStatus AcDbMText::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    const Layout box = layout();
    AcDbExtents result;
    cadhost::addBox(result, box.topLeft, m_direction * box.boxWidth, upDirection() * -box.boxHeight);
    extents = result;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::subTransformBy(const AcGeMatrix3d& transform)
{
    assertWriteEnabled();
    const cadhost::PlaneFrame moved = cadhost::transformFrame(transform, m_normal, m_direction);
    if (moved.xScale <= 0.0 || moved.yScale <= 0.0)
        return Acad::eCannotScaleNonUniformly;
    m_location.transformBy(transform);
    m_normal = moved.normal;
    m_direction = moved.xDirection;
    m_textHeight *= moved.yScale;
    m_height *= moved.yScale;
    m_width *= moved.xScale;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::subExplode(AcDbVoidPtrArray& entitySet) const
{
    assertReadEnabled();
    const double angle = cadhost::planeAngle(m_normal, m_direction);
    for (const PlacedLine& line : layout().lines) {
        if (line.text.empty())
            continue;
        auto* piece = new AcDbText(line.start, line.text.c_str(), m_styleId, m_textHeight, angle);
        piece->setPropertiesFrom(this);
        piece->setNormal(m_normal);
        piece->setRotation(angle);
        entitySet.append(piece);
    }
    return Acad::eOk;
}

template <class Self, class Io> void AcDbMText::fileFields(Self& self, Io& io)
{
    io(self.m_location)(self.m_normal)(self.m_direction)(self.m_width)(self.m_height)(self.m_textHeight);
    io.template enumAs<Adesk::UInt8>(self.m_attachment, kBottomRight, kTopLeft);
    io.hardPointer(self.m_styleId);
    io(self.m_contents)(self.m_backgroundFill)(self.m_backgroundColor)(self.m_backgroundScale);
    io(self.m_backgroundTransparency);
}

Acad::ErrorStatus AcDbMText::dwgOutFields(AcDbDwgFiler* filer) const
{
    return cadhost::FieldAccess::out(*this, filer, AcDbEntity::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbMText::dwgInFields(AcDbDwgFiler* filer)
{
    return cadhost::FieldAccess::in(*this, filer, AcDbEntity::dwgInFields(filer));
}
