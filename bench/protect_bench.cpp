// Costs of protecting a drawing: the conversion of every entity of drawings of 10k and 100k entities
// with all kinds selected, the save of the protected drawing that follows, and beside them the plain
// save of the same drawing unprotected.
#include "ProtectionSetup.h"
#include "pipeline/ProtectDatabase.h"

#include "dbapserv.h"
#include "dbents.h"
#include "dbmtext.h"
#include "dbobjptr.h"
#include "dbtext.h"
#include "rxobject.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace {

// A drawing of count entities, a mix of curves, texts and points.
std::unique_ptr<AcDbDatabase> makeDrawing(int count)
{
    auto database = std::make_unique<AcDbDatabase>();
    acdbHostApplicationServices()->setWorkingDatabase(database.get());
    AcDbObjectPointer<AcDbBlockTableRecord> modelSpace(database->modelSpaceId(), AcDb::kForWrite);
    for (int i = 0; i < count; ++i) {
        const double y = i;
        AcDbEntity* entity = nullptr;
        switch (i % 4) {
        case 0:
            entity = new AcDbLine(AcGePoint3d(0, y, 0), AcGePoint3d(10, y, 0));
            break;
        case 1:
            entity = new AcDbCircle(AcGePoint3d(5, y, 0), AcGeVector3d::kZAxis, 0.4);
            break;
        case 2:
            entity = new AcDbText(AcGePoint3d(12, y, 0), L"标注 note");
            break;
        default:
            entity = new AcDbPoint(AcGePoint3d(20, y, 0));
            break;
        }
        entity->setDatabaseDefaults(database.get());
        modelSpace->appendAcDbEntity(entity);
        entity->close();
    }
    return database;
}

std::string savePath()
{
    return (std::filesystem::temp_directory_path() / "tessaril-protect-bench.dwg").string();
}

void BM_ProtectDatabase(benchmark::State& state)
{
    registerPluginClassesOnce();
    const GGuardOption options = allKinds();
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<AcDbDatabase> database = makeDrawing(static_cast<int>(state.range(0)));
        state.ResumeTiming();
        benchmark::DoNotOptimize(protectDatabase(database.get(), 0xFFFFFFFFu, options));
        state.PauseTiming();
        acdbHostApplicationServices()->setWorkingDatabase(nullptr);
        database.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ProtectDatabase)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void saveBench(benchmark::State& state, bool protect)
{
    registerPluginClassesOnce();
    const GGuardOption options = allKinds();
    const std::wstring path = std::filesystem::path(savePath()).wstring();
    std::unique_ptr<AcDbDatabase> database = makeDrawing(static_cast<int>(state.range(0)));
    if (protect)
        protectDatabase(database.get(), 0xFFFFFFFFu, options);
    for (auto _ : state)
        benchmark::DoNotOptimize(database->saveAs(path.c_str()));
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    database.reset();
    std::remove(savePath().c_str());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SaveProtected(benchmark::State& state)
{
    saveBench(state, true);
}
BENCHMARK(BM_SaveProtected)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SavePlain(benchmark::State& state)
{
    saveBench(state, false);
}
BENCHMARK(BM_SavePlain)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
