#include "CommonProperties.h"

void copyCommonProperties(AcDbEntity* target, AcDbEntity* source)
{
    AcDbDatabase* targetDatabase = target->database();
    AcDbDatabase* sourceDatabase = source->database();
    if (targetDatabase != nullptr && sourceDatabase != nullptr && sourceDatabase != targetDatabase)
        return;
    // Each setter stands alone: a property the target refuses leaves the others to be copied.
    target->setColor(source->color(), true);
    target->setLayer(source->layerId(), true, false);
    target->setLinetype(source->linetypeId(), true);
    target->setLineWeight(source->lineWeight(), true);
    target->setMaterial(source->materialId(), true);
    target->setLinetypeScale(source->linetypeScale(), true);
}
