// Peak memory of protecting a drawing that holds one polyline of 100,000 vertices, saving it and opening
// the result, beside saving and opening the same drawing plainly. Each round runs in a child process of
// its own, so that the peaks do not hide one another; the counters are the growth of the peak resident
// size over the child's start, and their ratio, which is to stay at most 2.
#include "ProtectionSetup.h"
#include "pipeline/ProtectDatabase.h"

#include "dbapserv.h"
#include "dbobjptr.h"
#include "dbpl.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr unsigned kVertices = 100000;

std::filesystem::path drawingPath()
{
    return std::filesystem::temp_directory_path() / ("tessaril-memory-bench-" + std::to_string(getpid()) + ".dwg");
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Builds the drawing, protects it on request, saves and opens it again.
void saveAndOpen(const std::filesystem::path& path, bool protect)
{
    {
        auto database = std::make_unique<AcDbDatabase>();
        acdbHostApplicationServices()->setWorkingDatabase(database.get());
        {
            AcDbObjectPointer<AcDbBlockTableRecord> modelSpace(database->modelSpaceId(), AcDb::kForWrite);
            auto* polyline = new AcDbPolyline(kVertices);
            for (unsigned i = 0; i < kVertices; ++i)
                polyline->addVertexAt(i, AcGePoint2d(i, (i % 7) * 0.5));
            polyline->setDatabaseDefaults(database.get());
            modelSpace->appendAcDbEntity(polyline);
            polyline->close();
        }
        if (protect)
            protectDatabase(database.get(), 0xFFFFFFFFu, allKinds());
        database->saveAs(path.wstring().c_str());
        acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    }
    AcDbDatabase opened(false, true);
    benchmark::DoNotOptimize(opened.readDwgFile(path.wstring().c_str()));
}

// The growth of the peak resident size of one round, measured in a child process; -1 when it failed.
long roundPeakGrowth(bool protect)
{
    std::array<int, 2> pipeEnds{};
    if (pipe(pipeEnds.data()) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        const long before = peakKilobytes();
        const std::filesystem::path path = drawingPath();
        saveAndOpen(path, protect);
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        const long growth = peakKilobytes() - before;
        const bool written = write(pipeEnds[1], &growth, sizeof growth) == static_cast<ssize_t>(sizeof growth);
        _exit(written ? 0 : 1);
    }
    close(pipeEnds[1]);
    long growth = -1;
    if (child > 0 && read(pipeEnds[0], &growth, sizeof growth) != static_cast<ssize_t>(sizeof growth))
        growth = -1;
    close(pipeEnds[0]);
    int status = 0;
    if (child > 0)
        waitpid(child, &status, 0);
    return growth;
}

void BM_PeakMemoryOfProtectingAgainstPlainSaving(benchmark::State& state)
{
    registerPluginClassesOnce();
    long plain = 0;
    long protectedPeak = 0;
    for (auto _ : state) {
        plain = roundPeakGrowth(false);
        protectedPeak = roundPeakGrowth(true);
    }
    if (plain <= 0 || protectedPeak <= 0) {
        state.SkipWithError("a measuring child failed");
        return;
    }
    state.counters["plain_peak_kb"] = static_cast<double>(plain);
    state.counters["protected_peak_kb"] = static_cast<double>(protectedPeak);
    state.counters["ratio"] = static_cast<double>(protectedPeak) / static_cast<double>(plain);
}
BENCHMARK(BM_PeakMemoryOfProtectingAgainstPlainSaving)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
