// Protected drawings written by earlier builds, one for every stored wrapper layout and one with the
// watermark's direct layout, open with the plug-in loaded and give the listing and the picture they gave
// when they were made. A change that alters what an old drawing reads as fails here.
#include "RunProcess.h"
#include "ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {
using testsupport::ProcessResult;

const std::string kCadhost = std::string(TESSARIL_INSTALL_DIR) + "/bin/cadhost";
const std::filesystem::path kFixtures = std::filesystem::path(TESSARIL_TEST_DATA_DIR) / "compat";

std::string fileText(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::string> fixtureNames()
{
    std::vector<std::string> names;
    if (!std::filesystem::is_directory(kFixtures))
        return names;
    for (const auto& entry : std::filesystem::directory_iterator(kFixtures)) {
        if (entry.path().extension() == ".dwg")
            names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class CompatibilityFixturesTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override { ASSERT_TRUE(std::filesystem::exists(kCadhost)) << "install first: cmake --install"; }

    std::filesystem::path drawing() const { return kFixtures / (GetParam() + ".dwg"); }

    ScopedTempFolder folder;
};

TEST(CompatibilityFixtures, CoverEveryStoredWrapperLayoutAndTheDirectWatermark)
{
    EXPECT_EQ(fixtureNames(),
              (std::vector<std::string>{"watermark-v1", "wrappers-v1", "wrappers-v2", "wrappers-v3", "wrappers-v4",
                                        "wrappers-v5", "wrappers-v6", "wrappers-v7", "wrappers-v8"}));
}

TEST_P(CompatibilityFixturesTest, ListsAsWhenItWasMade)
{
    const ProcessResult result = testsupport::runProcess({kCadhost, "list", drawing().string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, fileText(kFixtures / (GetParam() + ".list.txt")));
}

TEST_P(CompatibilityFixturesTest, DrawsAsWhenItWasMade)
{
    const std::string picture = (folder.path() / "drawing.svg").string();
    const ProcessResult result = testsupport::runProcess({kCadhost, "render", drawing().string(), picture});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(fileText(picture), fileText(kFixtures / (GetParam() + ".svg")));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, CompatibilityFixturesTest, ::testing::ValuesIn(fixtureNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
