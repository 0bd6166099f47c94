// Writes the compatibility fixtures: the sample drawing protected with every kind switched on, plus one
// multiline wrapper (the conversion makes none), saved once with its wrappers in each stored layout that
// readers accept (versions 1 to 8), and once more with the watermark in its direct layout (version 1).
// Run by scripts/make-compat-fixtures, only when new fixtures are wanted.
#include "MemoryDwgFiler.h"

#include "entities/AcDbWatermark.h"
#include "entities/CustomClasses.h"
#include "entities/GDwgFiler.h"
#include "entities/WrapperEntities.h"
#include "pipeline/GGuardOption.h"
#include "pipeline/ProtectDatabase.h"
#include "records/EntityDataStream.h"

#include "SampleDrawing.h"
#include "dbapserv.h"
#include "dbmline.h"
#include "dbobjptr.h"
#include "dbsymtb.h"
#include "rxobject.h"

#include <cstdio>
#include <memory>
#include <string>

namespace {

// Files the wrapper out in the layout of the given version and reads it back, so that it keeps that
// version for its next save.
template <class Wrapper> bool restampAs(AcDbEntity* entity, Adesk::UInt32 version)
{
    Wrapper* wrapper = Wrapper::cast(entity);
    if (wrapper == nullptr)
        return false;
    MemoryDwgFiler stored;
    wrapper->AcDbEntity::dwgOutFields(&stored);
    stored.writeUInt32(version);
    if (version <= GWrapperVersion::kLastDirect) {
        writeEntityData(wrapper->inner(), &stored);
    } else {
        GDwgFiler recording(&stored);
        recording.setScramble(version > GWrapperVersion::kLastPlainRecording);
        writeEntityData(wrapper->inner(), &recording);
        recording.writeRecording();
    }
    stored.rewind();
    return wrapper->dwgInFields(&stored) == Acad::eOk;
}

template <class... Wrappers> bool restamp(AcDbEntity* entity, Adesk::UInt32 version)
{
    return (restampAs<Wrappers>(entity, version) || ...);
}

bool restampWrapper(AcDbEntity* entity, Adesk::UInt32 version)
{
    return restamp<AcDbPointEx, AcDbLineEx, AcDbTextEx, AcDbMTextEx, AcDbHatchEx, AcDbBlockReferenceEx, AcDbMlineEx,
                   AcDbArcEx, AcDbCircleEx, AcDbEllipseEx, AcDbLeaderEx, AcDbPolylineEx, AcDbRayEx, AcDbSplineEx,
                   AcDbXlineEx, AcDbOrdinateDimensionEx, AcDb2LineAngularDimensionEx, AcDb3PointAngularDimensionEx,
                   AcDbAlignedDimensionEx, AcDbDiametricDimensionEx, AcDbRadialDimensionEx, AcDbRotatedDimensionEx,
                   AcDbTraceEx, AcDbSolidEx, AcDb2dPolylineEx, AcDb3dPolylineEx>(entity, version);
}

bool restampWatermark(AcDbEntity* entity, Adesk::UInt32 version)
{
    AcDbWatermark* watermark = AcDbWatermark::cast(entity);
    if (watermark == nullptr)
        return false;
    MemoryDwgFiler stored;
    watermark->AcDbEntity::dwgOutFields(&stored);
    stored.writeUInt32(version);
    watermark->option.dwgOutFields(&stored);
    watermark->extents.dwgOutFields(&stored);
    stored.rewind();
    return watermark->dwgInFields(&stored) == Acad::eOk;
}

// Restamps every wrapper of every block of the drawing, or its watermark.
void restampAll(AcDbDatabase& database, Adesk::UInt32 wrapperVersion, Adesk::UInt32 watermarkVersion)
{
    AcDbBlockTablePointer blocks(&database, AcDb::kForRead);
    std::unique_ptr<AcDbBlockTableIterator> each;
    {
        AcDbBlockTableIterator* iterator = nullptr;
        blocks->newIterator(iterator);
        each.reset(iterator);
    }
    for (; !each->done(); each->step()) {
        AcDbObjectId blockId;
        each->getRecordId(blockId);
        AcDbObjectPointer<AcDbBlockTableRecord> block(blockId, AcDb::kForRead);
        for (const AcDbObjectId& id : block->entityIds()) {
            AcDbEntityPointer entity(id, AcDb::kForWrite);
            if (!restampWrapper(entity.object(), wrapperVersion) && watermarkVersion != AcDbWatermark::kVersion)
                restampWatermark(entity.object(), watermarkVersion);
        }
    }
}

void appendMlineWrapper(AcDbDatabase& database)
{
    auto* wrapper = new AcDbMlineEx;
    wrapper->inner()->setScale(2.0);
    for (const AcGePoint3d& point : {AcGePoint3d(10, -20, 0), AcGePoint3d(40, -20, 0), AcGePoint3d(40, -5, 0)})
        wrapper->inner()->appendSeg(point);
    AcDbObjectPointer<AcDbBlockTableRecord> model(database.modelSpaceId(), AcDb::kForWrite);
    wrapper->setDatabaseDefaults(&database);
    AcDbObjectId id;
    model->appendAcDbEntity(id, wrapper);
    wrapper->close();
}

bool writeFixture(const std::string& folder, const std::string& name, Adesk::UInt32 wrapperVersion,
                  Adesk::UInt32 watermarkVersion)
{
    AcDbDatabase database(true, true);
    AcDbDatabase* previous = acdbHostApplicationServices()->workingDatabase();
    acdbHostApplicationServices()->setWorkingDatabase(&database);
    GGuardOption options;
    options.kindFlags.applyMask(0xFF);
    bool done = cadhost::buildSampleDrawing(database) == Acad::eOk &&
                protectDatabase(&database, 1u << 20, options) == Acad::eOk;
    if (done) {
        appendMlineWrapper(database);
        restampAll(database, wrapperVersion, watermarkVersion);
        const std::string path = folder + "/" + name;
        done = database.saveAs(std::wstring(path.begin(), path.end()).c_str()) == Acad::eOk;
    }
    acdbHostApplicationServices()->setWorkingDatabase(previous);
    return done;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_compat_fixtures FOLDER\n");
        return 2;
    }
    registerCustomClasses();
    acrxBuildClassHierarchy();
    bool done = true;
    for (Adesk::UInt32 version = 1; version <= GWrapperVersion::kCurrent; ++version)
        done =
            writeFixture(argv[1], "wrappers-v" + std::to_string(version) + ".dwg", version, AcDbWatermark::kVersion) &&
            done;
    done =
        writeFixture(argv[1], "watermark-v1.dwg", GWrapperVersion::kCurrent, AcDbWatermark::kLastDirectVersion) && done;
    deleteCustomClasses();
    return done ? 0 : 1;
}
