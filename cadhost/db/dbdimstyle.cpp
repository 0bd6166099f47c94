#include "dbdimstyle.h"

#include "dbfieldio.h"

#define CADHOST_DIMSTYLE_DEFINE_VALUE(name, Name, Type, Default)                                                       \
    Type AcDbDimStyleTableRecord::name() const                                                                         \
    {                                                                                                                  \
        assertReadEnabled();                                                                                           \
        return m_vars.name;                                                                                            \
    }                                                                                                                  \
    Acad::ErrorStatus AcDbDimStyleTableRecord::set##Name(cadhost::DimVarParam<Type> value)                             \
    {                                                                                                                  \
        assertWriteEnabled();                                                                                          \
        m_vars.name = value;                                                                                           \
        return Acad::eOk;                                                                                              \
    }
#define CADHOST_DIMSTYLE_DEFINE_TEXT(name, Name, Default)                                                              \
    ACHAR* AcDbDimStyleTableRecord::name() const                                                                       \
    {                                                                                                                  \
        assertReadEnabled();                                                                                           \
        ACHAR* copy = nullptr;                                                                                         \
        acutNewString(m_vars.name.c_str(), copy);                                                                      \
        return copy;                                                                                                   \
    }                                                                                                                  \
    Acad::ErrorStatus AcDbDimStyleTableRecord::set##Name(const ACHAR* value)                                           \
    {                                                                                                                  \
        assertWriteEnabled();                                                                                          \
        m_vars.name = value != nullptr ? value : L"";                                                                  \
        return Acad::eOk;                                                                                              \
    }

ACDB_DIMVAR_VALUES(CADHOST_DIMSTYLE_DEFINE_VALUE)
ACDB_DIMVAR_TEXTS(CADHOST_DIMSTYLE_DEFINE_TEXT)

const cadhost::DimVars& AcDbDimStyleTableRecord::dimVars() const
{
    assertReadEnabled();
    return m_vars;
}

Acad::ErrorStatus AcDbDimStyleTableRecord::dwgOutFields(AcDbDwgFiler* filer) const
{
    Acad::ErrorStatus status = AcDbSymbolTableRecord::dwgOutFields(filer);
    if (status != Acad::eOk)
        return status;
    cadhost::DwgFieldWriter io(filer);
    for (int index = 0; index < cadhost::kDimVarCount && io.ok(); ++index)
        cadhost::fileDimVar(io, m_vars, index);
    return io.status();
}

Acad::ErrorStatus AcDbDimStyleTableRecord::dwgInFields(AcDbDwgFiler* filer)
{
    Acad::ErrorStatus status = AcDbSymbolTableRecord::dwgInFields(filer);
    if (status != Acad::eOk)
        return status;
    cadhost::DimVars read;
    cadhost::DwgFieldReader io(filer);
    for (int index = 0; index < cadhost::kDimVarCount && io.ok(); ++index)
        cadhost::fileDimVar(io, read, index);
    if (io.ok())
        m_vars = read;
    return io.status();
}
