#include "dbfiler.h"

Acad::ErrorStatus AcDbDwgFiler::dwgVersion(AcDb::AcDbDwgVersion& version,
                                           AcDb::MaintenanceReleaseVersion& maintenance) const
{
    version = AcDb::kDHL_CURRENT;
    maintenance = AcDb::kMReleaseCurrent;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDwgFiler::addReferences(AcDbIdRefQueue&)
{
    return Acad::eOk;
}

bool AcDbDwgFiler::usesReferences() const
{
    return false;
}

AcDbAuditInfo* AcDbDwgFiler::getAuditInfo() const
{
    return nullptr;
}
