// The installed cadhost compares a drawing with its protected copy: the copy the job makes draws like its
// source once the watermark is left out, and drawings that differ are reported primitive by primitive.
#include "RunProcess.h"
#include "ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {
namespace fs = std::filesystem;

const std::string kCadhost = std::string(TESSARIL_INSTALL_DIR) + "/bin/cadhost";
const fs::path kSamples = fs::path(TESSARIL_SOURCE_DIR) / "samples";

testsupport::ProcessResult compare(const fs::path& source, const fs::path& copy, std::vector<std::string> options = {})
{
    std::vector<std::string> argv{kCadhost, "--no-module", "compare", source.string(), copy.string()};
    argv.insert(argv.end(), options.begin(), options.end());
    return testsupport::runProcess(argv);
}

class CompareCommandTest : public ::testing::Test {
protected:
    // Protects the bundled sample with every kind but hatches selected, verifying the copy after the
    // batch; the copy lands in the results folder.
    fs::path protectSample()
    {
        const fs::path sources = folder.path() / "drawings";
        const fs::path results = folder.path() / "results";
        fs::create_directories(sources);
        fs::copy_file(kSamples / "sample.dwg", sources / "sample.dwg");
        const auto run = testsupport::runProcess(
            {kCadhost, "job", (fs::path(TESSARIL_SOURCE_DIR) / "scripts/job.example").string(),
             "source=" + sources.string(), "output=" + results.string(), "pack=no",
             "kinds=curves, texts, block-references, block-definitions, dimensions, others", "verify=yes"});
        EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
        EXPECT_NE(run.out.find((sources / "sample.dwg").string() + " and " + (results / "sample.dwg").string() +
                               " draw alike"),
                  std::string::npos)
            << run.out;
        return results / "sample.dwg";
    }

    ScopedTempFolder folder;
};

TEST(JobDescription, ExampleJobVerifiesItsResults)
{
    std::ifstream example(fs::path(TESSARIL_SOURCE_DIR) / "scripts/job.example");
    std::string line;
    bool verifies = false;
    while (std::getline(example, line))
        verifies = verifies || line == "verify = yes";
    EXPECT_TRUE(verifies);
}

TEST_F(CompareCommandTest, ProtectedSampleDrawsLikeItsSourceOnScreenAndPlotted)
{
    const fs::path copy = protectSample();
    ASSERT_TRUE(fs::exists(copy));
    for (const auto& options : {std::vector<std::string>{}, std::vector<std::string>{"--plot"}}) {
        const auto result = compare(kSamples / "sample.dwg", copy, options);
        EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
        EXPECT_NE(result.out.find("draw alike"), std::string::npos) << result.out;
        EXPECT_EQ(result.out.find("only in"), std::string::npos) << result.out;
    }
}

TEST_F(CompareCommandTest, DifferentDrawingsAreReportedPrimitiveByPrimitive)
{
    const fs::path generated = folder.path() / "generated.dwg";
    ASSERT_EQ(
        testsupport::runProcess({kCadhost, "--no-module", "sample", "--entities", "20", generated.string()}).exitCode,
        0);
    const auto result = compare(kSamples / "sample.dwg", generated);
    EXPECT_EQ(result.exitCode, 1) << result.out << result.err;
    EXPECT_NE(result.out.find("only in " + (kSamples / "sample.dwg").string() + ": "), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("only in " + generated.string() + ": "), std::string::npos) << result.out;
    EXPECT_NE(result.out.find(" differ: "), std::string::npos) << result.out;
}

TEST_F(CompareCommandTest, MissingDrawingIsAnError)
{
    const auto result = compare(kSamples / "sample.dwg", folder.path() / "missing.dwg");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("cannot compare"), std::string::npos) << result.err;
}

TEST(CadhostHelp, ListsTheCompareCommand)
{
    const auto result = testsupport::runProcess({kCadhost, "--help"});
    EXPECT_NE(result.out.find("compare SOURCE.dwg PROTECTED.dwg [--layout NAME] [--plot]"), std::string::npos)
        << result.out;
}
} // namespace
