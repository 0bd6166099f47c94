// The watermark is drawn afresh at every regeneration: one viewport drawing of a 10 x 10 grid over a
// 1000 x 500 rectangle with the default notes (three lines per cell) and two extra lines.
#include "entities/AcDbWatermark.h"

#include "dbapserv.h"
#include "girecorder.h"

#include <benchmark/benchmark.h>

namespace {

void BM_WatermarkViewportDraw(benchmark::State& state)
{
    AcDbWatermark::rxInit();
    acrxBuildClassHierarchy();
    AcDbDatabase database;
    acdbHostApplicationServices()->setWorkingDatabase(&database);
    {
        AcDbWatermark watermark;
        watermark.extents.setExtents(AcGePoint3d(0, 0, 0), AcGePoint3d(1000, 500, 0));
        watermark.option.date.text = L"2026-12-08";
        watermark.option.extra.lines.Add(L"电话：010-12345678");
        watermark.option.extra.lines.Add(L"www.example.com");
        watermark.option.extra.stamp = true;
        AcGiRecording recording;
        AcGiRecorder recorder(recording, &database);
        for (auto _ : state) {
            recording.primitives.clear();
            recorder.draw(&watermark);
            benchmark::DoNotOptimize(recording.primitives.data());
        }
        state.counters["primitives"] = static_cast<double>(recording.primitives.size());
    }
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    deleteAcRxClass(AcDbWatermark::desc());
}
BENCHMARK(BM_WatermarkViewportDraw)->Unit(benchmark::kMillisecond);

} // namespace
