// The installed cadhost imports DXF drawings: for every bundled and shared drawing, `list` shows in each
// block as many entities of each kind as ezdxf reads from the file.
#include "RunProcess.h"
#include "ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {
using testsupport::ProcessResult;

const std::string kCadhost = std::string(TESSARIL_INSTALL_DIR) + "/bin/cadhost";
const std::string kCounter = std::string(TESSARIL_SOURCE_DIR) + "/tools/dxf_entity_counts.py";
const std::filesystem::path kSamples = std::filesystem::path(TESSARIL_SOURCE_DIR) / "samples";

// Counts by block (its name in upper case) and entity kind, as "BLOCK\tKIND".
using KindCounts = std::map<std::string, int>;

ProcessResult cadhost(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), {kCadhost, "--no-module"});
    return testsupport::runProcess(arguments);
}

std::string upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return c < 0x80 ? static_cast<char>(std::toupper(c)) : static_cast<char>(c);
    });
    return text;
}

// ezdxf's reading of the file: "BLOCK\tKIND\tCOUNT" lines.
KindCounts ezdxfCounts(const std::filesystem::path& drawing)
{
    const ProcessResult result = testsupport::runProcess({"/usr/bin/python3", kCounter, drawing.string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    KindCounts counts;
    std::istringstream lines(result.out);
    std::string line;
    while (std::getline(lines, line)) {
        const auto tab = line.rfind('\t');
        if (tab != std::string::npos)
            counts[line.substr(0, tab)] = std::stoi(line.substr(tab + 1));
    }
    return counts;
}

// The block headings of `list` and, under each, the entity headings: the kind, right-aligned, then its
// layer.
KindCounts listedCounts(const std::string& listing)
{
    KindCounts counts;
    static const std::regex block(R"(^(?:Layout block|Anonymous block|Block) (.+)$)");
    static const std::regex heading(R"(^ *([A-Z0-9_]+)  Layer: )");
    std::istringstream lines(listing);
    std::string line;
    std::string current;
    std::smatch match;
    while (std::getline(lines, line)) {
        if (std::regex_match(line, match, block))
            current = upper(match[1]);
        else if (std::regex_search(line, match, heading))
            ++counts[current + "\t" + std::string(match[1])];
    }
    return counts;
}

std::vector<std::filesystem::path> drawingFiles()
{
    std::vector<std::filesystem::path> files;
    for (const std::filesystem::path& folder : {kSamples, std::filesystem::path(TESSARIL_TEST_DATA_DIR) / "dxf"}) {
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (entry.path().extension() == ".dxf")
                files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

class DxfImportTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(std::filesystem::exists(kCadhost)) << "install first: cmake --install"; }

    ScopedTempFolder folder;
};

class DxfImportFileTest : public DxfImportTest, public testing::WithParamInterface<std::filesystem::path> {};

TEST_P(DxfImportFileTest, ListShowsTheEntitiesOfEveryKindEachBlockOfTheFileHolds)
{
    const std::string drawing = (folder.path() / "imported.dwg").string();

    const ProcessResult imported = cadhost({"dxfin", GetParam().string(), drawing});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    const ProcessResult listed = cadhost({"list", drawing});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;

    EXPECT_EQ(listedCounts(listed.out), ezdxfCounts(GetParam()));
}

TEST_P(DxfImportFileTest, TheImportedDrawingRenders)
{
    const std::string drawing = (folder.path() / "imported.dwg").string();
    const std::string picture = (folder.path() / "imported.svg").string();
    ASSERT_EQ(cadhost({"dxfin", GetParam().string(), drawing}).exitCode, 0);

    const ProcessResult rendered = cadhost({"render", drawing, picture});

    ASSERT_EQ(rendered.exitCode, 0) << rendered.err;
    std::ifstream svg(picture);
    std::string start(5, '\0');
    svg.read(start.data(), 5);
    EXPECT_EQ(start, "<?xml");
}

INSTANTIATE_TEST_SUITE_P(Drawings, DxfImportFileTest, testing::ValuesIn(drawingFiles()),
                         [](const testing::TestParamInfo<std::filesystem::path>& info) {
                             std::string name = info.param.stem().string();
                             std::replace_if(
                                 name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
                             return name;
                         });

TEST_F(DxfImportTest, ChineseTextsArriveIntact)
{
    const std::string drawing = (folder.path() / "imported.dwg").string();
    ASSERT_EQ(cadhost({"dxfin", (kSamples / "dxf-r12.dxf").string(), drawing}).exitCode, 0);

    const ProcessResult listed = cadhost({"list", drawing});

    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    for (const char* text : {"text: 外发图纸 Tessaril 样图", "text: 设计单位：泰萨里尔工程", "LINE  Layer: \"轮廓\""})
        EXPECT_NE(listed.out.find(text), std::string::npos) << text;
}

struct BadFile {
    const char* name;
    std::string content;
    const char* message;
};

class DxfImportBadFileTest : public DxfImportTest, public testing::WithParamInterface<BadFile> {};

TEST_P(DxfImportBadFileTest, FailsWithAMessageAndWritesNoDrawing)
{
    const std::filesystem::path source = folder.path() / "bad.dxf";
    std::ofstream(source, std::ios::binary) << GetParam().content;
    const std::filesystem::path drawing = folder.path() / "out.dwg";

    const ProcessResult result = cadhost({"dxfin", source.string(), drawing.string()});

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "cadhost: cannot import " + source.string() + ": " + GetParam().message + "\n");
    EXPECT_FALSE(std::filesystem::exists(drawing));
}

std::string truncatedSample()
{
    std::ifstream file(kSamples / "dxf-r2000.dxf", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return text.substr(0, text.size() / 2);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DxfImportBadFileTest,
    testing::Values(BadFile{"NotDxf", "%PDF-1.4\n", "the file is not a DXF file: it does not start with a section"},
                    BadFile{"Truncated", truncatedSample(), "the file is truncated: it does not end with EOF"},
                    BadFile{"AbsurdCoordinate", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n1e99\n0\nENDSEC\n0\nEOF\n",
                            "group 10 holds \"1e99\", which is not a number a drawing can hold"}),
    [](const testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

TEST_F(DxfImportTest, AMissingFileFailsWithAMessage)
{
    const ProcessResult result =
        cadhost({"dxfin", (folder.path() / "absent.dxf").string(), (folder.path() / "out.dwg").string()});

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("cannot read the file"), std::string::npos) << result.err;
}

} // namespace
