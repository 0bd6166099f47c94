#include "GCopyrightItemEx.h"

#include "CopyrightFiling.h"

Acad::ErrorStatus GCopyrightItemEx::dwgOutFields(AcDbDwgFiler* filer) const
{
    copyright_filing::Writer writer(filer);
    return fields(writer, *this).status();
}

Acad::ErrorStatus GCopyrightItemEx::dwgInFields(AcDbDwgFiler* filer)
{
    copyright_filing::Reader reader(filer);
    return fields(reader, *this).status();
}
