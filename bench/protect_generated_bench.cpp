// Costs of protection on generated drawings of 10k, 100k and 1M entities of every kind: the conversion
// per entity, the save of the protected drawing beside the plain save of the same drawing, and the open
// of the protected file beside the open of the plain one.
#include "ProtectionSetup.h"
#include "pipeline/ProtectDatabase.h"

#include "GeneratedDrawing.h"
#include "dbapserv.h"
#include "rxobject.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

// A generated drawing, the working database while it lives, protected on request.
class Drawing {
public:
    Drawing(int count, bool protect) : m_database(std::make_unique<AcDbDatabase>(true, true))
    {
        registerPluginClassesOnce();
        acdbHostApplicationServices()->setWorkingDatabase(m_database.get());
        m_status = cadhost::buildGeneratedDrawing(*m_database, count);
        if (m_status == Acad::eOk && protect)
            m_status = protectDatabase(m_database.get(), 0xFFFFFFFFu, allKinds());
    }
    ~Drawing() { acdbHostApplicationServices()->setWorkingDatabase(nullptr); }
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    Acad::ErrorStatus status() const { return m_status; }
    AcDbDatabase& database() { return *m_database; }

private:
    std::unique_ptr<AcDbDatabase> m_database;
    Acad::ErrorStatus m_status = Acad::eOk;
};

std::filesystem::path benchFile(const std::string& name)
{
    return std::filesystem::temp_directory_path() / ("tessaril-bench-" + std::to_string(::getpid()) + "-" + name);
}

// Removes the drawing files the open benchmarks wrote when the program ends.
class SavedDrawings {
public:
    ~SavedDrawings()
    {
        std::error_code ignored;
        for (const auto& [key, path] : m_paths)
            std::filesystem::remove(path, ignored);
    }

    // The file of a generated drawing of count entities, saved once, plain or protected.
    const std::filesystem::path& path(int count, bool protect)
    {
        const auto key = std::make_pair(count, protect);
        auto found = m_paths.find(key);
        if (found != m_paths.end())
            return found->second;
        const std::filesystem::path saved =
            benchFile(std::to_string(count) + (protect ? "-protected.dwg" : "-plain.dwg"));
        Drawing drawing(count, protect);
        if (drawing.status() != Acad::eOk || drawing.database().saveAs(saved.wstring().c_str()) != Acad::eOk)
            return m_failed;
        return m_paths.emplace(key, saved).first->second;
    }

private:
    std::map<std::pair<int, bool>, std::filesystem::path> m_paths;
    std::filesystem::path m_failed;
};

SavedDrawings& savedDrawings()
{
    static SavedDrawings drawings;
    return drawings;
}

void BM_ProtectGenerated(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto drawing = std::make_unique<Drawing>(count, false);
        state.ResumeTiming();
        if (protectDatabase(&drawing->database(), 0xFFFFFFFFu, allKinds()) != Acad::eOk) {
            state.SkipWithError("protectDatabase failed");
            break;
        }
        state.PauseTiming();
        drawing.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void saveGenerated(benchmark::State& state, bool protect)
{
    const std::filesystem::path path = benchFile(protect ? "save-protected.dwg" : "save-plain.dwg");
    {
        Drawing drawing(static_cast<int>(state.range(0)), protect);
        if (drawing.status() != Acad::eOk)
            state.SkipWithError("the drawing could not be made");
        for (auto _ : state)
            if (drawing.database().saveAs(path.wstring().c_str()) != Acad::eOk) {
                state.SkipWithError("saveAs failed");
                break;
            }
    }
    std::error_code ignored;
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path, ignored));
    std::filesystem::remove(path, ignored);
    // Saving over the file of the previous iteration kept that file as a backup.
    std::filesystem::remove(std::filesystem::path(path).replace_extension(".bak"), ignored);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SavePlainGenerated(benchmark::State& state)
{
    saveGenerated(state, false);
}

void BM_SaveProtectedGenerated(benchmark::State& state)
{
    saveGenerated(state, true);
}

void openGenerated(benchmark::State& state, bool protect)
{
    const std::filesystem::path& path = savedDrawings().path(static_cast<int>(state.range(0)), protect);
    if (path.empty())
        state.SkipWithError("the drawing could not be saved");
    for (auto _ : state) {
        auto database = std::make_unique<AcDbDatabase>(false, true);
        if (database->readDwgFile(path.wstring().c_str()) != Acad::eOk) {
            state.SkipWithError("readDwgFile failed");
            break;
        }
        // Closing the drawing is not part of opening it.
        state.PauseTiming();
        database.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_OpenPlainGenerated(benchmark::State& state)
{
    openGenerated(state, false);
}

void BM_OpenProtectedGenerated(benchmark::State& state)
{
    openGenerated(state, true);
}

// Drawings of a million entities take seconds per step: one iteration says enough.
void sizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Unit(benchmark::kMillisecond);
    benchmark->Arg(10'000)->Arg(100'000);
}

void largest(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Unit(benchmark::kMillisecond)->Arg(1'000'000)->Iterations(1);
}

} // namespace

BENCHMARK(BM_ProtectGenerated)->Apply(sizes);
BENCHMARK(BM_ProtectGenerated)->Apply(largest);
BENCHMARK(BM_SavePlainGenerated)->Apply(sizes);
BENCHMARK(BM_SavePlainGenerated)->Apply(largest);
BENCHMARK(BM_SaveProtectedGenerated)->Apply(sizes);
BENCHMARK(BM_SaveProtectedGenerated)->Apply(largest);
BENCHMARK(BM_OpenPlainGenerated)->Apply(sizes);
BENCHMARK(BM_OpenPlainGenerated)->Apply(largest);
BENCHMARK(BM_OpenProtectedGenerated)->Apply(sizes);
BENCHMARK(BM_OpenProtectedGenerated)->Apply(largest);
