#include "imgdef.h"

#include "dbfieldio.h"

Acad::ErrorStatus AcDbRasterImageDef::setSourceFileName(const ACHAR* path)
{
    if (path == nullptr)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_sourceFileName = path;
    return Acad::eOk;
}

const ACHAR* AcDbRasterImageDef::sourceFileName() const
{
    assertReadEnabled();
    return m_sourceFileName.c_str();
}

AcGeVector2d AcDbRasterImageDef::size() const
{
    assertReadEnabled();
    return m_size;
}

Acad::ErrorStatus AcDbRasterImageDef::setSize(const AcGeVector2d& pixels)
{
    if (pixels.x < 0.0 || pixels.y < 0.0)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_size = pixels;
    return Acad::eOk;
}

template <class Self, class Io> void AcDbRasterImageDef::fileFields(Self& self, Io& io)
{
    io(self.m_sourceFileName)(self.m_size);
}

Acad::ErrorStatus AcDbRasterImageDef::dwgOutFields(AcDbDwgFiler* filer) const
{
    return cadhost::FieldAccess::out(*this, filer, AcDbObject::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbRasterImageDef::dwgInFields(AcDbDwgFiler* filer)
{
    return cadhost::FieldAccess::in(*this, filer, AcDbObject::dwgInFields(filer));
}
