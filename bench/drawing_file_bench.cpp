// Building, saving and opening drawings of many lines.
#include "dbents.h"
#include "dbobjptr.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace {
std::unique_ptr<AcDbDatabase> buildLines(int count)
{
    auto database = std::make_unique<AcDbDatabase>();
    AcDbBlockTableRecordPointer space(database->modelSpaceId(), AcDb::kForWrite);
    for (int index = 0; index < count; ++index) {
        auto* line = new AcDbLine(AcGePoint3d(index, 0, 0), AcGePoint3d(index, 10, 0));
        space->appendAcDbEntity(line);
        line->close();
    }
    return database;
}

std::wstring benchPath(const char* name)
{
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("cadhost-bench-" + std::to_string(::getpid()) + "-" + name);
    return path.wstring();
}

void BM_BuildLines(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(buildLines(static_cast<int>(state.range(0))));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SaveLines(benchmark::State& state)
{
    auto database = buildLines(static_cast<int>(state.range(0)));
    std::wstring path = benchPath("save.dwg");
    for (auto _ : state) {
        if (database->saveAs(path.c_str(), false, AcDb::kDHL_1027) != Acad::eOk)
            state.SkipWithError("saveAs failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::filesystem::remove(std::filesystem::path(path));
}

void BM_OpenLines(benchmark::State& state)
{
    std::wstring path = benchPath("open.dwg");
    buildLines(static_cast<int>(state.range(0)))->saveAs(path.c_str(), false, AcDb::kDHL_1027);
    for (auto _ : state) {
        AcDbDatabase database(false, true);
        if (database.readDwgFile(path.c_str()) != Acad::eOk)
            state.SkipWithError("readDwgFile failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::filesystem::remove(std::filesystem::path(path));
}
} // namespace

BENCHMARK(BM_BuildLines)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveLines)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLines)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
