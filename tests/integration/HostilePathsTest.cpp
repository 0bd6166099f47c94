// Drawings whose names and folders a shell or an option parser would trip over: blanks, both quotes,
// Chinese, leading dashes, "@" and "=", names of 250 bytes and deep trees. The installed cadhost protects
// them through the file list and the folder walk, names the results after them and packs them under
// their real names.
#include "RunProcess.h"
#include "ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {
using testsupport::ProcessResult;
namespace fs = std::filesystem;

const std::string kCadhost = std::string(TESSARIL_INSTALL_DIR) + "/bin/cadhost";
const fs::path kSample = fs::path(TESSARIL_SOURCE_DIR) / "samples" / "sample.dwg";

// 83 three-byte characters and one more byte: a folder name of 250 bytes, whose archive name
// (".zip" added) still fits the 255 bytes a name may have.
std::string longFolderName()
{
    std::string name;
    for (int i = 0; i < 83; ++i)
        name += "图";
    return name + "_";
}

// 82 three-byte characters and ".dwg": a drawing name of 250 bytes.
std::string longDrawingName()
{
    std::string name;
    for (int i = 0; i < 82; ++i)
        name += "纸";
    return name + ".dwg";
}

std::string deepFolder()
{
    std::string folder;
    for (int level = 1; level <= 24; ++level)
        folder += "level " + std::to_string(level) + (level % 2 == 0 ? " 'q'" : " \"d\"") + "/";
    return folder;
}

// Below the source folder: each drawing's path, which is also its result's path below the result folder.
std::vector<std::string> hostilePaths()
{
    return {"a b.dwg", "it's.dwg", "say \"hi\".dwg", "图纸 样图.dwg",   "-lead.dwg",
            "--.dwg",  "@at.dwg",  "a=b.dwg",        longDrawingName(), deepFolder() + "-deep 'x' \"y\".dwg"};
}

std::string fileBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::vector<std::string> sortedLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

class HostilePathsTest : public ::testing::Test {
protected:
    HostilePathsTest()
    {
        for (const std::string& relative : hostilePaths()) {
            const fs::path path = sources() / fs::u8path(relative);
            fs::create_directories(path.parent_path());
            fs::copy_file(kSample, path);
        }
        fs::create_directory(temporary());
    }

    fs::path sources() const { return folder / "-src 'a' \"b\" 图纸"; }
    fs::path results() const { return folder / fs::u8path(longFolderName()); }
    fs::path archive() const { return folder / fs::u8path(longFolderName() + ".zip"); }
    fs::path temporary() const { return folder / "tmp"; }

    ProcessResult runJob(const std::string& description, std::vector<std::string> words)
    {
        const fs::path job = folder / "job.txt";
        std::ofstream(job) << description;
        words.insert(words.begin(), {kCadhost, "job", job.string()});
        words.push_back("output=" + results().string());
        return testsupport::runProcess(words, {"TMPDIR=" + temporary().string()});
    }

    void expectEveryDrawingProtectedAndNothingLeft(const ProcessResult& run)
    {
        ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
        EXPECT_NE(run.out.find("加密10个文件全部成功"), std::string::npos) << run.out;
        for (const std::string& relative : hostilePaths()) {
            EXPECT_EQ(fileBytes(sources() / fs::u8path(relative)), fileBytes(kSample)) << relative;
            const fs::path result = results() / fs::u8path(relative);
            EXPECT_NE(run.out.find("保护DWG文件:" + result.string() + "成功"), std::string::npos) << relative;
            const ProcessResult listed = testsupport::runProcess({kCadhost, "--no-module", "list", result.string()});
            EXPECT_EQ(listed.exitCode, 0) << relative << listed.err;
            EXPECT_NE(listed.out.find("Proxy class = AcDbWatermark"), std::string::npos) << relative;
        }
        EXPECT_TRUE(fs::is_empty(temporary()));
    }

    ScopedTempFolder folder;
};

TEST_F(HostilePathsTest, FolderWalkProtectsEveryDrawingAndPacksThemUnderTheirRealNames)
{
    const ProcessResult run = runJob("mode = folder\nkeep-tree = yes\npack = yes\narchive = zip\nkind-mask = 255\n"
                                     "create-output = yes\n",
                                     {"source=" + sources().string()});
    expectEveryDrawingProtectedAndNothingLeft(run);

    for (int wait = 0; wait < 100 && !fs::exists(archive()); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const ProcessResult listing = testsupport::runProcess({"/usr/bin/bsdtar", "-tf", archive().string()});
    ASSERT_EQ(listing.exitCode, 0) << listing.err;
    std::vector<std::string> expected{
        "--.dwg",   "-deep 'x' \"y\".dwg", "-lead.dwg", "@at.dwg",      "a b.dwg",       "a=b.dwg",
        "it's.dwg", "say \"hi\".dwg",      "setup.exe", "使用说明.txt", "图纸 样图.dwg", longDrawingName()};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(sortedLines(listing.out), expected);
    std::vector<std::string> besideTheResults;
    for (const auto& entry : fs::directory_iterator(folder.path()))
        besideTheResults.push_back(entry.path().filename().string());
    std::sort(besideTheResults.begin(), besideTheResults.end());
    std::vector<std::string> expectedBeside{"-src 'a' \"b\" 图纸", "job.txt", "tmp", longFolderName(),
                                            longFolderName() + ".zip"};
    std::sort(expectedBeside.begin(), expectedBeside.end());
    EXPECT_EQ(besideTheResults, expectedBeside);
}

TEST_F(HostilePathsTest, FileListTakesEveryNameAsItIs)
{
    std::vector<std::string> words;
    for (const std::string& relative : hostilePaths())
        words.push_back("source=" + (sources() / fs::u8path(relative)).string());
    const ProcessResult run = runJob("mode = files\nkind-mask = 255\ncreate-output = yes\n", std::move(words));
    // The file list puts every result straight into the result folder.
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("加密10个文件全部成功"), std::string::npos) << run.out;
    for (const std::string& relative : hostilePaths()) {
        const fs::path result = results() / fs::u8path(relative).filename();
        EXPECT_TRUE(fs::exists(result)) << result;
        EXPECT_EQ(fileBytes(sources() / fs::u8path(relative)), fileBytes(kSample)) << relative;
    }
    EXPECT_TRUE(fs::is_empty(temporary()));
}

} // namespace
