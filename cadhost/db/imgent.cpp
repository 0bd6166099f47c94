#include "imgent.h"
#include "listformat.h"

#include "acgi.h"
#include "dbfieldio.h"
#include "entgeom.h"

namespace {
Acad::ErrorStatus percentage(Adesk::Int8 value)
{
    return value >= 0 && value <= 100 ? Acad::eOk : Acad::eInvalidInput;
}
} // namespace

AcDbObjectId AcDbRasterImage::imageDefId() const
{
    assertReadEnabled();
    return m_imageDefId;
}

Acad::ErrorStatus AcDbRasterImage::setImageDefId(AcDbObjectId imageDefId)
{
    assertWriteEnabled();
    m_imageDefId = imageDefId;
    return Acad::eOk;
}

void AcDbRasterImage::getOrientation(AcGePoint3d& origin, AcGeVector3d& u, AcGeVector3d& v) const
{
    assertReadEnabled();
    origin = m_origin;
    u = m_u;
    v = m_v;
}

Adesk::Boolean AcDbRasterImage::setOrientation(const AcGePoint3d& origin, const AcGeVector3d& u, const AcGeVector3d& v)
{
    if (u.isZeroLength() || v.isZeroLength() || u.isParallelTo(v))
        return Adesk::kFalse;
    assertWriteEnabled();
    m_origin = origin;
    m_u = u;
    m_v = v;
    return Adesk::kTrue;
}

Adesk::Boolean AcDbRasterImage::isSetDisplayOpt(ImageDisplayOpt option) const
{
    assertReadEnabled();
    return (m_displayOptions & option) != 0 ? Adesk::kTrue : Adesk::kFalse;
}

void AcDbRasterImage::setDisplayOpt(ImageDisplayOpt option, Adesk::Boolean enable)
{
    assertWriteEnabled();
    if (enable != Adesk::kFalse)
        m_displayOptions = static_cast<Adesk::UInt8>(m_displayOptions | option);
    else
        m_displayOptions = static_cast<Adesk::UInt8>(m_displayOptions & ~option);
}

bool AcDbRasterImage::isImageTransparent() const
{
    return isSetDisplayOpt(kTransparent) != Adesk::kFalse;
}

Acad::ErrorStatus AcDbRasterImage::setImageTransparency(bool transparent)
{
    setDisplayOpt(kTransparent, transparent ? Adesk::kTrue : Adesk::kFalse);
    return Acad::eOk;
}

bool AcDbRasterImage::isShownClipped() const
{
    return isSetDisplayOpt(kClip) != Adesk::kFalse;
}

Acad::ErrorStatus AcDbRasterImage::setShowClipped(bool clipped)
{
    setDisplayOpt(kClip, clipped ? Adesk::kTrue : Adesk::kFalse);
    return Acad::eOk;
}

Adesk::Int8 AcDbRasterImage::brightness() const
{
    assertReadEnabled();
    return m_brightness;
}

Acad::ErrorStatus AcDbRasterImage::setBrightness(Adesk::Int8 value)
{
    if (percentage(value) != Acad::eOk)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_brightness = value;
    return Acad::eOk;
}

Adesk::Int8 AcDbRasterImage::contrast() const
{
    assertReadEnabled();
    return m_contrast;
}

Acad::ErrorStatus AcDbRasterImage::setContrast(Adesk::Int8 value)
{
    if (percentage(value) != Acad::eOk)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_contrast = value;
    return Acad::eOk;
}

Adesk::Int8 AcDbRasterImage::fade() const
{
    assertReadEnabled();
    return m_fade;
}

Acad::ErrorStatus AcDbRasterImage::setFade(Adesk::Int8 value)
{
    if (percentage(value) != Acad::eOk)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_fade = value;
    return Acad::eOk;
}

Adesk::Boolean AcDbRasterImage::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    if ((m_displayOptions & kShow) == 0)
        return Adesk::kTrue;
    const AcGePoint3d frame[5] = {m_origin, m_origin + m_u, m_origin + m_u + m_v, m_origin + m_v, m_origin};
    worldDraw->geometry().polyline(5, frame);
    return Adesk::kTrue;
}

void AcDbRasterImage::subList() const
{
    assertReadEnabled();
    AcDbEntity::subList();
    cadhost::listHeader(*this);
    acutPrintf(L"\n  origin: (%g, %g, %g)  width: %g  height: %g", m_origin.x, m_origin.y, m_origin.z, m_u.length(),
               m_v.length());
}

Acad::ErrorStatus AcDbRasterImage::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    AcDbExtents result;
    cadhost::addBox(result, m_origin, m_u, m_v);
    extents = result;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRasterImage::subTransformBy(const AcGeMatrix3d& transform)
{
    assertWriteEnabled();
    m_origin.transformBy(transform);
    m_u.transformBy(transform);
    m_v.transformBy(transform);
    return Acad::eOk;
}

template <class Self, class Io> void AcDbRasterImage::fileFields(Self& self, Io& io)
{
    io.hardPointer(self.m_imageDefId);
    io(self.m_origin)(self.m_u)(self.m_v)(self.m_displayOptions);
    io.template enumAs<Adesk::UInt8>(self.m_brightness, 100);
    io.template enumAs<Adesk::UInt8>(self.m_contrast, 100);
    io.template enumAs<Adesk::UInt8>(self.m_fade, 100);
}

Acad::ErrorStatus AcDbRasterImage::dwgOutFields(AcDbDwgFiler* filer) const
{
    return cadhost::FieldAccess::out(*this, filer, AcDbEntity::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbRasterImage::dwgInFields(AcDbDwgFiler* filer)
{
    return cadhost::FieldAccess::in(*this, filer, AcDbEntity::dwgInFields(filer));
}
