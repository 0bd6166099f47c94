// The entity level of the records: the common entity properties, the entity header of every stream
// and the property block that 2D polyline vertices carry.
#pragma once

#include "GObjectData.h"

class GEntityData : public GObjectData {
public:
    virtual void recordEntity(AcDbEntity* entity);
    virtual void applyEntity(AcDbEntity* entity);
    virtual Acad::ErrorStatus writeEntityVersion(AcDbDwgFiler* filer);
    virtual Acad::ErrorStatus readEntityVersion(AcDbDwgFiler* filer);
    virtual Acad::ErrorStatus writeEntityProperties(AcDbEntity* entity, AcDbDwgFiler* filer);
    virtual Acad::ErrorStatus readEntityProperties(AcDbEntity* entity, AcDbDwgFiler* filer);

    CString className;
    Adesk::UInt16 colorIndex = 0;
    AcDbObjectId layerId;
    AcDb::LineWeight lineWeight = static_cast<AcDb::LineWeight>(0);
    AcDb::Visibility visibility = static_cast<AcDb::Visibility>(0);
    AcDbObjectId materialId;
    AcDbObjectId linetypeId;
    double linetypeScale = 0.0;
    Adesk::UInt32 entityVersion = 1;
    Adesk::UInt32 propertiesVersion = 2;

protected:
    // The names the per-type record template calls on its parent level.
    void recordLevel(AcDbEntity* entity) { recordEntity(entity); }
    void applyLevel(AcDbEntity* entity) { applyEntity(entity); }
    Acad::ErrorStatus writeLevelHeader(AcDbDwgFiler* filer) { return writeEntityVersion(filer); }
    Acad::ErrorStatus readLevelHeader(AcDbDwgFiler* filer) { return readEntityVersion(filer); }

private:
    void recordProperties(const AcDbEntity* entity);
};
