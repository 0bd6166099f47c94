// The installed cadhost writes the sample drawing, lists drawings and draws them; the drawings bundled
// under samples/ are the sample drawing as this build writes it.
#include "RunProcess.h"
#include "ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {
using testsupport::ProcessResult;

const std::string kCadhost = std::string(TESSARIL_INSTALL_DIR) + "/bin/cadhost";
const std::filesystem::path kSamples = std::filesystem::path(TESSARIL_SOURCE_DIR) / "samples";

ProcessResult cadhost(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), {kCadhost, "--no-module"});
    return testsupport::runProcess(arguments);
}

std::string fileText(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::size_t count(const std::string& text, const std::string& part)
{
    std::size_t found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++found;
    return found;
}

class SampleDrawingCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(std::filesystem::exists(kCadhost)) << "install first: cmake --install"; }

    ScopedTempFolder folder;
};

TEST_F(SampleDrawingCommandsTest, TheBundledSampleIsTheSampleThisBuildWrites)
{
    const std::string written = (folder.path() / "sample.dwg").string();

    const ProcessResult result = cadhost({"sample", written});

    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(fileText(written), fileText(kSamples / "sample.dwg"))
        << "regenerate the bundled samples: see samples/README.md";
}

TEST_F(SampleDrawingCommandsTest, ListShowsEveryBlockAndEntityWithHandleAndLayer)
{
    const ProcessResult result = cadhost({"list", (kSamples / "sample.dwg").string()});

    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string& out = result.out;
    for (const char* line :
         {"Layout block *Model_Space", "Layout block *Paper_Space", "Block 标题栏", "Block Bolt", "Block 未引用的块",
          "Anonymous block *U1", "LINE  Layer: \"轮廓\"", "LINE  Layer: \"Frozen\"", "DIMENSION  Layer: \"标注\"",
          "text: 外发图纸 Tessaril 样图", "block: 标题栏  position: (170, 10, 0)"})
        EXPECT_NE(out.find(line), std::string::npos) << line << "\n" << out;
    EXPECT_EQ(count(out, "Handle ="), 60u);
}

TEST_F(SampleDrawingCommandsTest, EveryBundledVersionHoldsTheSameDrawing)
{
    const ProcessResult current = cadhost({"list", (kSamples / "sample.dwg").string()});
    ASSERT_EQ(current.exitCode, 0) << current.err;
    for (const char* name : {"sample-2004.dwg", "样图-2000.dwg"}) {
        const ProcessResult older = cadhost({"list", (kSamples / name).string()});
        EXPECT_EQ(older.exitCode, 0) << name << ": " << older.err;
        EXPECT_EQ(older.out, current.out) << name;
    }
}

TEST_F(SampleDrawingCommandsTest, ListOfAMissingDrawingFails)
{
    const std::string missing = (folder.path() / "missing.dwg").string();

    const ProcessResult result = cadhost({"list", missing});

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "cadhost: cannot list " + missing + ": eFileNotFound\n");
}

TEST_F(SampleDrawingCommandsTest, TheSampleRendersWithItsChineseTexts)
{
    const std::string picture = (folder.path() / "sample.svg").string();

    const ProcessResult result = cadhost({"render", (kSamples / "sample.dwg").string(), picture});

    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string svg = fileText(picture);
    EXPECT_NE(svg.find("外发图纸 Tessaril 样图"), std::string::npos);
    EXPECT_GT(count(svg, "<polyline"), 50u);
}
} // namespace
