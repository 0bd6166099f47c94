#include "GCopyrightItem.h"

#include "CopyrightFiling.h"

Acad::ErrorStatus GCopyrightItem::dwgOutFields(AcDbDwgFiler* filer) const
{
    copyright_filing::Writer writer(filer);
    return fields(writer, *this).status();
}

Acad::ErrorStatus GCopyrightItem::dwgInFields(AcDbDwgFiler* filer)
{
    copyright_filing::Reader reader(filer);
    return fields(reader, *this).status();
}
