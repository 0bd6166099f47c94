#include "ModelView.h"

#include "dbobjptr.h"

namespace cadhost {
AcDbExtents modelSpaceExtents(AcDbDatabase* database)
{
    AcDbExtents extents;
    if (database == nullptr)
        return extents;
    AcDbObjectIdArray ids;
    {
        AcDbObjectPointer<AcDbBlockTableRecord> modelSpace(database->modelSpaceId(), AcDb::kForRead);
        if (modelSpace.openStatus() != Acad::eOk)
            return extents;
        ids = modelSpace->entityIds();
    }
    for (int i = 0; i < ids.length(); ++i) {
        AcDbEntityPointer entity(ids[i], AcDb::kForRead);
        AcDbExtents entityExtents;
        if (entity.openStatus() == Acad::eOk && entity->getGeomExtents(entityExtents) == Acad::eOk &&
            !entityExtents.isEmpty())
            extents.addExt(entityExtents);
    }
    return extents;
}

void defaultModelView(AcDbDatabase* database, AcGePoint3d& viewMin, AcGePoint3d& viewMax)
{
    const AcDbExtents extents = modelSpaceExtents(database);
    viewMin = extents.isEmpty() ? kDefaultLimitsMin : extents.minPoint();
    viewMax = extents.isEmpty() ? kDefaultLimitsMax : extents.maxPoint();
}
} // namespace cadhost
