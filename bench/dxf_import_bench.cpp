// Importing DXF drawings whose size lies in one container: a lightweight polyline of many vertices, and
// many block definitions. Both must import in well under a second at the sizes below (100,000 vertices,
// 20,000 blocks): every vertex and every block costs constant time, not time that grows with those before.
#include "DxfImporter.h"

#include "dbmain.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

std::filesystem::path writeDrawing(const char* name, const std::string& entities, const std::string& blocks = {})
{
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("cadhost-bench-" + std::to_string(::getpid()) + "-" + name);
    std::ofstream(path, std::ios::binary) << "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n0\nENDSEC\n"
                                          << "0\nSECTION\n2\nBLOCKS\n"
                                          << blocks << "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"
                                          << entities << "0\nENDSEC\n0\nEOF\n";
    return path;
}

std::string longPolyline(int vertices)
{
    std::string text = "0\nLWPOLYLINE\n8\n0\n90\n" + std::to_string(vertices) + "\n70\n0\n";
    for (int index = 0; index < vertices; ++index)
        text += "10\n" + std::to_string(index) + "\n20\n" + std::to_string(index % 7) + "\n";
    return text;
}

std::string manyBlocks(int count)
{
    std::string text;
    for (int index = 0; index < count; ++index)
        text += "0\nBLOCK\n8\n0\n2\nPart" + std::to_string(index) +
                "\n70\n0\n10\n0\n20\n0\n0\nLINE\n8\n0\n10\n0\n20\n0\n11\n1\n21\n1\n0\nENDBLK\n8\n0\n";
    return text;
}

std::string insertsOf(int count)
{
    std::string text;
    for (int index = 0; index < count; ++index)
        text += "0\nINSERT\n8\n0\n2\nPart" + std::to_string(index) + "\n10\n" + std::to_string(index) + "\n20\n0\n";
    return text;
}

void importEach(benchmark::State& state, const std::filesystem::path& path)
{
    for (auto _ : state) {
        AcDbDatabase database(true, true);
        benchmark::DoNotOptimize(cadhost::dxf::importDxf(path, database));
    }
    std::filesystem::remove(path);
}

void BM_ImportLongPolyline(benchmark::State& state)
{
    const int vertices = static_cast<int>(state.range(0));
    importEach(state, writeDrawing("polyline.dxf", longPolyline(vertices)));
    state.SetItemsProcessed(state.iterations() * vertices);
}

void BM_ImportManyBlocks(benchmark::State& state)
{
    const int blocks = static_cast<int>(state.range(0));
    importEach(state, writeDrawing("blocks.dxf", insertsOf(blocks), manyBlocks(blocks)));
    state.SetItemsProcessed(state.iterations() * blocks);
}

} // namespace

BENCHMARK(BM_ImportLongPolyline)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportManyBlocks)->Arg(20000)->Unit(benchmark::kMillisecond);
