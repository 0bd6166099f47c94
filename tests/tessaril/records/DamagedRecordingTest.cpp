// Recordings that once made the record readers misbehave, kept as files in fuzz/regressions: each is
// read the way a wrapper reads its inner entity and must be refused, or read, with the status given
// here, in bounded time.
#include "entities/GDwgFiler.h"
#include "records/EntityDataStream.h"

#include "DwgBufferFiler.h"
#include "dbents.h"
#include "dbhatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

struct DamagedRecording {
    std::string file;
    std::function<AcDbEntity*()> makeEntity;
    Acad::ErrorStatus expected;
};

std::vector<std::uint8_t> regressionInput(const std::string& name)
{
    const std::filesystem::path file =
        std::filesystem::path(TESSARIL_SOURCE_DIR) / "fuzz" / "regressions" / "recording_filer_fuzzer" / name;
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class DamagedRecordingTest : public testing::TestWithParam<DamagedRecording> {};

INSTANTIATE_TEST_SUITE_P(
    Regressions, DamagedRecordingTest,
    testing::Values(
        // A polyline type byte of 4 names no type of a 3D polyline.
        DamagedRecording{"3d-polyline-type-out-of-range.rec", [] { return new AcDb3dPolyline(); }, Acad::eInvalidInput},
        // Hatch lines so far from the origin that adding 1 to a line number no longer changes it.
        DamagedRecording{"hatch-lines-far-from-origin.rec", [] { return new AcDbHatch(); }, Acad::eOk},
        // Hatch lines whose first and last line numbers are both infinite cannot be counted.
        DamagedRecording{"hatch-lines-at-infinity.rec", [] { return new AcDbHatch(); }, Acad::eOk}),
    [](const testing::TestParamInfo<DamagedRecording>& info) {
        std::string name = info.param.file.substr(0, info.param.file.find('.'));
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

// The file's first byte says how the fuzzer read it: bit 0 unscrambles; the rest is the drawing's filer.
TEST_P(DamagedRecordingTest, IsReadWithTheExpectedStatus)
{
    const std::vector<std::uint8_t> input = regressionInput(GetParam().file);
    ASSERT_GT(input.size(), 1u);
    cadhost::DwgBufferFiler drawingFiler(AcDb::kFileFiler, nullptr);
    drawingFiler.startReading(input.data() + 1, input.size() - 1);
    GDwgFiler recording(&drawingFiler);
    recording.setScramble((input[0] & 1) != 0);
    ASSERT_EQ(recording.readRecording(), Acad::eOk);

    const std::unique_ptr<AcDbEntity> entity(GetParam().makeEntity());
    EXPECT_EQ(readEntityData(entity.get(), &recording), GetParam().expected);
}

} // namespace
