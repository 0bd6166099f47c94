// The records of solids and traces, identical in shape: normal, thickness and up to four corners.
// Their reader sets each value as soon as it is read.
#pragma once

#include "GEntityData.h"
#include "RecordFields.h"
#include "dbents.h"

#include <vector>

template <class Entity> class GFourCornerData : public GEntityData {
public:
    static constexpr Adesk::UInt32 kVersion = 1;
    static constexpr Adesk::UInt16 kCorners = 4;

    virtual Acad::ErrorStatus record(Entity* entity)
    {
        recordEntity(entity);
        recordGeometry(*entity);
        return Acad::eOk;
    }

    virtual Acad::ErrorStatus apply(Entity* entity)
    {
        applyEntity(entity);
        entity->setNormal(normal);
        entity->setThickness(thickness);
        for (std::size_t index = 0; index < corners.size(); ++index)
            entity->setPointAt(static_cast<Adesk::UInt16>(index), corners[index]);
        return Acad::eOk;
    }

    virtual Acad::ErrorStatus write(Entity* entity, AcDbDwgFiler* filer)
    {
        recordGeometry(*entity);
        Acad::ErrorStatus es = writeEntityVersion(filer);
        if (es == Acad::eOk)
            es = filer->writeUInt32(version);
        if (es == Acad::eOk)
            es = filer->writeVector3d(normal);
        if (es == Acad::eOk)
            es = filer->writeDouble(thickness);
        if (es == Acad::eOk)
            es = filer->writeUInt32(static_cast<Adesk::UInt32>(corners.size()));
        for (std::size_t index = 0; es == Acad::eOk && index < corners.size(); ++index)
            es = filer->writePoint3d(corners[index]);
        return es;
    }

    virtual Acad::ErrorStatus read(Entity* entity, AcDbDwgFiler* filer)
    {
        if (const Acad::ErrorStatus es = readEntityVersion(filer); es != Acad::eOk)
            return es;
        if (const Acad::ErrorStatus es = records::readVersion(filer, version, kVersion); es != Acad::eOk)
            return es;
        if (const Acad::ErrorStatus es = filer->readVector3d(&normal); es != Acad::eOk)
            return es;
        entity->setNormal(normal);
        if (const Acad::ErrorStatus es = filer->readDouble(&thickness); es != Acad::eOk)
            return es;
        entity->setThickness(thickness);
        Adesk::UInt32 count = 0;
        if (const Acad::ErrorStatus es = filer->readUInt32(&count); es != Acad::eOk)
            return es;
        corners.clear();
        // A stream never holds more than the four corners an entity has; more is a damaged stream.
        if (count > kCorners)
            return Acad::eInvalidInput;
        for (Adesk::UInt32 index = 0; index < count; ++index) {
            AcGePoint3d corner;
            if (const Acad::ErrorStatus es = filer->readPoint3d(&corner); es != Acad::eOk)
                return es;
            corners.push_back(corner);
            entity->setPointAt(static_cast<Adesk::UInt16>(index), corner);
        }
        return Acad::eOk;
    }

    AcGeVector3d normal;
    double thickness = 0.0;
    std::vector<AcGePoint3d> corners;
    Adesk::UInt32 version = 1;

private:
    void recordGeometry(const Entity& entity)
    {
        normal = entity.normal();
        thickness = entity.thickness();
        corners.clear();
        for (Adesk::UInt16 index = 0; index < kCorners; ++index) {
            AcGePoint3d corner;
            entity.getPointAt(index, corner);
            corners.push_back(corner);
        }
    }
};

class GSolidData : public GFourCornerData<AcDbSolid> {};
class GTraceData : public GFourCornerData<AcDbTrace> {};
