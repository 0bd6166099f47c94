// The installed cadhost writes generated drawings of a given number of entities and refuses a bad number.
#include "RunProcess.h"
#include "ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {
using testsupport::ProcessResult;

const std::string kCadhost = std::string(TESSARIL_INSTALL_DIR) + "/bin/cadhost";

ProcessResult cadhost(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), {kCadhost, "--no-module"});
    return testsupport::runProcess(arguments);
}

std::size_t count(const std::string& text, const std::string& part)
{
    std::size_t found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++found;
    return found;
}

// The entities of the three block definitions every generated drawing has.
constexpr std::size_t kBlockDefinitionEntities = 9;

class GeneratedDrawingCommandTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(std::filesystem::exists(kCadhost)) << "install first: cmake --install"; }

    ScopedTempFolder folder;
};

class GeneratedDrawingSizeTest : public GeneratedDrawingCommandTest, public ::testing::WithParamInterface<int> {};

TEST_P(GeneratedDrawingSizeTest, TheDrawingOpensWithThatManyEntitiesInModelSpace)
{
    const std::string written = (folder.path() / "generated.dwg").string();

    const ProcessResult made = cadhost({"sample", "--entities", std::to_string(GetParam()), written});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    const ProcessResult listed = cadhost({"list", written});

    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_EQ(count(listed.out, "Handle ="), static_cast<std::size_t>(GetParam()) + kBlockDefinitionEntities);
    EXPECT_NE(listed.out.find("Block 螺栓"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Sizes, GeneratedDrawingSizeTest, ::testing::Values(0, 1, 333));

TEST_F(GeneratedDrawingCommandTest, TheDrawingMixesKindsOnTheirLayers)
{
    const std::string written = (folder.path() / "generated.dwg").string();
    ASSERT_EQ(cadhost({"sample", "--entities", "200", written}).exitCode, 0);

    const ProcessResult listed = cadhost({"list", written});

    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    for (const char* line :
         {"LINE  Layer: \"轮廓\"", "TEXT  Layer: \"文字\"", "DIMENSION  Layer: \"标注\"", "HATCH  Layer: \"填充\"",
          "INSERT  Layer: \"图块\"", "IMAGE  Layer: \"图像\"", "Layer: \"Locked\"", "text: 未注倒角 C1 0"})
        EXPECT_NE(listed.out.find(line), std::string::npos) << line;
}

class BadEntityCountTest : public GeneratedDrawingCommandTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(BadEntityCountTest, IsRefusedWithoutWritingAFile)
{
    const std::string written = (folder.path() / "generated.dwg").string();

    const ProcessResult result = cadhost({"sample", "--entities", GetParam(), written});

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, std::string("cadhost: sample --entities takes a whole number from 0 to 100000000, not \"") +
                              GetParam() + "\"\n");
    EXPECT_FALSE(std::filesystem::exists(written));
}

INSTANTIATE_TEST_SUITE_P(Words, BadEntityCountTest,
                         ::testing::Values("-3", "abc", "1e3", "12x", "", "100000001", "99999999999999999999"));

TEST_F(GeneratedDrawingCommandTest, WithoutAFileTheCommandSaysWhatItTakes)
{
    const ProcessResult result = cadhost({"sample", "--entities", "5"});

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err,
              "cadhost: sample takes the drawing file to write, after --entities N for a generated drawing\n");
}
} // namespace
