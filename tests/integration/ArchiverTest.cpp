// The installed archiver's add command, given the names a delivery may hold: it packs each file under its
// own name, whatever the name holds, reports what it cannot pack, and never leaves half an archive.
#include "RunProcess.h"
#include "ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {
using testsupport::ProcessResult;
namespace fs = std::filesystem;

const std::string kArchiver = std::string(TESSARIL_INSTALL_DIR) + "/3rd/Rar.exe";

class ArchiverTest : public ::testing::Test {
protected:
    std::string file(const std::string& name)
    {
        const fs::path path = folder / fs::u8path(name);
        fs::create_directories(path.parent_path());
        std::ofstream(path) << name;
        return path.string();
    }

    ProcessResult add(const std::string& archive, const std::vector<std::string>& files)
    {
        std::vector<std::string> words{kArchiver, "a", archive};
        words.insert(words.end(), files.begin(), files.end());
        return testsupport::runProcess(words);
    }

    std::string listing(const std::string& archive)
    {
        return testsupport::runProcess({"/usr/bin/bsdtar", "-tf", archive}).out;
    }

    ScopedTempFolder folder;
};

TEST_F(ArchiverTest, NamesThatLookLikeOptionsOrQuotesAreStoredAsTheyAre)
{
    const std::string archive = (folder / "out.zip").string();
    const ProcessResult run = add(archive, {file("-lead.dwg"), file("--.dwg"), file("@at.dwg"), file("it's \"q\".dwg"),
                                            file("sub dir/ blank .dwg"), file("图纸/样图.dwg")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(listing(archive), "-lead.dwg\n--.dwg\n@at.dwg\nit's \"q\".dwg\n blank .dwg\n样图.dwg\n");
}

TEST_F(ArchiverTest, ArchiveWithTheLongestNameAFolderAllows)
{
    std::string name;
    for (int i = 0; i < 83; ++i)
        name += "图";
    const std::string archive = (folder / fs::u8path(name + "_.zip")).string();
    const ProcessResult run = add(archive, {file("a.dwg")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(listing(archive), "a.dwg\n");
}

TEST_F(ArchiverTest, WhatCannotBePackedIsReportedAndTheRestPacked)
{
    const std::string archive = (folder / "out.7z").string();
    const ProcessResult run =
        add(archive, {file("a.dwg"), (folder / "missing.dwg").string(), file("-C"), file("line\nbreak.dwg")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Rar.exe: cannot open " + (folder / "missing.dwg").string() + "\nRar.exe: cannot add " +
                           (folder / "-C").string() + " under its own name\nRar.exe: cannot add " +
                           (folder / "line\nbreak.dwg").string() + " under its own name\n");
    EXPECT_EQ(listing(archive), "a.dwg\n");
}

TEST_F(ArchiverTest, ArchiveThatCannotBeWrittenLeavesNothingBehind)
{
    std::ofstream(folder / "file") << "x";
    const ProcessResult run = add((folder / "file" / "out.zip").string(), {file("a.dwg")});
    EXPECT_EQ(run.exitCode, 1);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a.dwg", "file"}));
}

} // namespace
