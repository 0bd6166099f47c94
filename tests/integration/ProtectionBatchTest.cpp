// The installed cadhost runs a protection job over a folder tree of drawings with every kind selected,
// the 2010 format asked and packing on; the results are then opened with and without the plug-in,
// rendered, and compared with what a recipient and the sender rely on.
#include "RunProcess.h"
#include "ScopedTempFolder.h"

#include "acutads.h"
#include "codepage.h"
#include "dbents.h"
#include "dbmain.h"
#include "dbproxy.h"
#include "dbsymtb.h"
#include "rxdlinkr.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {
using testsupport::ProcessResult;
namespace fs = std::filesystem;

const std::string kCadhost = std::string(TESSARIL_INSTALL_DIR) + "/bin/cadhost";
const std::string kPlugin = std::string(TESSARIL_INSTALL_DIR) + "/bin/Tessaril.arx";
const fs::path kSamples = fs::path(TESSARIL_SOURCE_DIR) / "samples";
const std::string kProtectLayer = "图纸外发系统_请勿修改";

// Entity classes per block name: how many entities of each class the block holds.
using ClassCounts = std::map<std::string, int>;
using Census = std::map<std::string, ClassCounts>;

const Census kSampleCensus{
    {"*Model_Space",
     {{"AcDb2LineAngularDimensionEx", 1},
      {"AcDb2dPolylineEx", 1},
      {"AcDb3PointAngularDimensionEx", 1},
      {"AcDb3dPolylineEx", 1},
      {"AcDb3dSolid", 1},
      {"AcDbAlignedDimensionEx", 1},
      {"AcDbArcDimension", 1},
      {"AcDbArcEx", 1},
      {"AcDbAttributeDefinition", 1},
      {"AcDbBlockReferenceEx", 2},
      {"AcDbCircleEx", 1},
      {"AcDbDiametricDimensionEx", 1},
      {"AcDbEllipseEx", 1},
      {"AcDbHatchEx", 3},
      {"AcDbLeaderEx", 1},
      {"AcDbLineEx", 5},
      {"AcDbMInsertBlock", 1},
      {"AcDbMTextEx", 1},
      {"AcDbMline", 1},
      {"AcDbOrdinateDimensionEx", 1},
      {"AcDbPointEx", 1},
      {"AcDbPolylineEx", 1},
      {"AcDbRadialDimensionEx", 1},
      {"AcDbRadialDimensionLarge", 1},
      {"AcDbRasterImage", 1},
      {"AcDbRayEx", 1},
      {"AcDbRegion", 1},
      {"AcDbRotatedDimensionEx", 1},
      {"AcDbSolidEx", 1},
      {"AcDbSplineEx", 2},
      {"AcDbTable", 1},
      {"AcDbTextEx", 3},
      {"AcDbTraceEx", 1},
      {"AcDbWatermark", 1},
      {"AcDbXlineEx", 1}}},
    {"*Paper_Space", {{"AcDbBlockReferenceEx", 1}, {"AcDbTextEx", 4}, {"AcDbViewport", 1}}},
    {"Bolt", {{"AcDb2dPolylineEx", 1}, {"AcDbCircleEx", 1}}},
    {"标题栏", {{"AcDbAttributeDefinition", 3}, {"AcDbLineEx", 4}, {"AcDbTextEx", 1}}},
    {"未引用的块", {{"AcDbLineEx", 1}}},
    {"*U1", {{"AcDbLine", 2}}},
};

// The sample with one invisible line and one invisible circle added to model space: both stay as they are.
Census withInvisibleEntities(Census census)
{
    census["*Model_Space"]["AcDbLine"] += 1;
    census["*Model_Space"]["AcDbCircle"] += 1;
    return census;
}

const Census kHiddenCensus = withInvisibleEntities(kSampleCensus);

const ClassCounts kDimensionBlockWithArrows{
    {"AcDbBlockReference", 2}, {"AcDbLine", 4}, {"AcDbMText", 1}, {"AcDbPoint", 3}};

const Census kImportedCensus{
    {"*Model_Space",
     {{"AcDb2LineAngularDimensionEx", 1},
      {"AcDb2dPolylineEx", 1},
      {"AcDb3PointAngularDimensionEx", 1},
      {"AcDb3dPolylineEx", 1},
      {"AcDbArcEx", 1},
      {"AcDbBlockReferenceEx", 2},
      {"AcDbCircleEx", 1},
      {"AcDbDiametricDimensionEx", 1},
      {"AcDbEllipseEx", 1},
      {"AcDbHatchEx", 2},
      {"AcDbLeaderEx", 1},
      {"AcDbLineEx", 4},
      {"AcDbMTextEx", 1},
      {"AcDbOrdinateDimensionEx", 1},
      {"AcDbPointEx", 1},
      {"AcDbPolylineEx", 1},
      {"AcDbRadialDimensionEx", 1},
      {"AcDbRasterImage", 1},
      {"AcDbRayEx", 1},
      {"AcDbRotatedDimensionEx", 2},
      {"AcDbSolidEx", 1},
      {"AcDbSplineEx", 2},
      {"AcDbTextEx", 2},
      {"AcDbTraceEx", 1},
      {"AcDbWatermark", 1},
      {"AcDbXlineEx", 1}}},
    {"*Paper_Space", {{"AcDbBlockReferenceEx", 1}, {"AcDbTextEx", 3}, {"AcDbViewport", 1}}},
    {"_ARCHTICK", {{"AcDbPolylineEx", 1}}},
    {"_CLOSEDFILLED", {{"AcDbSolidEx", 1}}},
    {"_CLOSEDBLANK", {{"AcDbPolylineEx", 1}}},
    {"Bolt", {{"AcDb2dPolylineEx", 1}, {"AcDbCircleEx", 1}}},
    {"标题栏", {{"AcDbAttributeDefinition", 2}, {"AcDbLineEx", 2}, {"AcDbTextEx", 1}}},
    {"*U1", {{"AcDbLine", 2}}},
    {"*D2", kDimensionBlockWithArrows},
    {"*D3", kDimensionBlockWithArrows},
    {"*D4", {{"AcDbBlockReference", 1}, {"AcDbLine", 2}, {"AcDbMText", 1}, {"AcDbPoint", 2}}},
    {"*D5", {{"AcDbBlockReference", 2}, {"AcDbLine", 2}, {"AcDbMText", 1}, {"AcDbPoint", 2}}},
    {"*D6", {{"AcDbArc", 1}, {"AcDbBlockReference", 2}, {"AcDbLine", 2}, {"AcDbMText", 1}, {"AcDbPoint", 4}}},
    {"*D7", {{"AcDbArc", 1}, {"AcDbBlockReference", 2}, {"AcDbLine", 2}, {"AcDbMText", 1}, {"AcDbPoint", 5}}},
    {"*D8", {{"AcDbLine", 3}, {"AcDbMText", 1}, {"AcDbPoint", 3}}},
};

// The DXF names a host without the plug-in keeps for each custom class.
const std::map<std::string, std::string> kDxfNames{
    {"AcDb2LineAngularDimensionEx", "G2LINEANGULARDIMENSIONA"},
    {"AcDb2dPolylineEx", "G2DPOLYLINEA"},
    {"AcDb3PointAngularDimensionEx", "G3POINTANGULARDIMENSIONA"},
    {"AcDb3dPolylineEx", "G3DPOLYLINEA"},
    {"AcDbAlignedDimensionEx", "GALIGNEDDIMENSIONA"},
    {"AcDbArcEx", "GARCEXA"},
    {"AcDbBlockReferenceEx", "GBLOCKREFERENCEEXA"},
    {"AcDbCircleEx", "GCIRCLEEXA"},
    {"AcDbDiametricDimensionEx", "GDIAMETRICDIMENSIONA"},
    {"AcDbEllipseEx", "GELLIPSEEXA"},
    {"AcDbHatchEx", "GHATCHEXA"},
    {"AcDbLeaderEx", "GLEADEREXA"},
    {"AcDbLineEx", "GLINEEXA"},
    {"AcDbMTextEx", "GMTEXTEXA"},
    {"AcDbOrdinateDimensionEx", "GORDINATEDIMENSIONA"},
    {"AcDbPointEx", "GPOINTEXA"},
    {"AcDbPolylineEx", "GPOLYLINEEXA"},
    {"AcDbRadialDimensionEx", "GRADIALDIMENSIONA"},
    {"AcDbRayEx", "GRAYEXA"},
    {"AcDbRotatedDimensionEx", "GROTATEDDIMENSIONA"},
    {"AcDbSolidEx", "GSOLIDA"},
    {"AcDbSplineEx", "GSPLINEEXA"},
    {"AcDbTextEx", "GTEXTEXA"},
    {"AcDbTraceEx", "GTRACEA"},
    {"AcDbWatermark", "GWATERMARKA"},
    {"AcDbXlineEx", "GXLINEEXA"},
};

bool isPluginClass(const std::string& className)
{
    return kDxfNames.count(className) != 0;
}

// One drawing of the job: where it lies below the source folder, and what its result must hold.
struct Drawing {
    const char* name;
    const char* relativePath;
    const Census* census;
};

void PrintTo(const Drawing& drawing, std::ostream* out)
{
    *out << drawing.relativePath;
}

const Drawing kDrawings[] = {
    {"Sample", "sample.dwg", &kSampleCensus},
    {"Sample2004", "机械/sample-2004.dwg", &kSampleCensus},
    {"Sample2000", "机械/总装/样图-2000.dwg", &kSampleCensus},
    {"ImportedFromDxf", "导入/imported.dwg", &kImportedCensus},
    {"WithInvisibleEntities", "机械/hidden.dwg", &kHiddenCensus},
};

std::string fileBytes(const fs::path& path)
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

// What one entity is to the process that opened the drawing.
struct EntityView {
    std::string block;
    std::string className; // for a proxy: the class it stands for
    std::string dxfName;   // for a proxy: the DXF name it stands for
    std::string layer;
    bool proxy = false;
};

std::string narrow(const ACHAR* text)
{
    return text != nullptr ? cadhost::toUtf8(text) : std::string();
}

// Reads the drawing in this process and describes every entity of every block.
Acad::ErrorStatus readEntities(const fs::path& path, std::vector<EntityView>& entities,
                               AcDb::AcDbDwgVersion* version = nullptr)
{
    AcDbDatabase database(false, true);
    // The path's own wide form depends on the C locale; its bytes are UTF-8.
    Acad::ErrorStatus status = database.readDwgFile(cadhost::fromUtf8(path.string()).c_str());
    if (status != Acad::eOk)
        return status;
    if (version != nullptr)
        *version = database.lastSavedAsVersion();
    AcDbBlockTable* table = nullptr;
    if ((status = database.getBlockTable(table, AcDb::kForRead)) != Acad::eOk)
        return status;
    AcDbBlockTableIterator* tableWalk = nullptr;
    status = table->newIterator(tableWalk);
    table->close();
    if (status != Acad::eOk)
        return status;
    const std::unique_ptr<AcDbBlockTableIterator> blocks(tableWalk);
    for (; !blocks->done(); blocks->step()) {
        AcDbBlockTableRecord* block = nullptr;
        if ((status = blocks->getRecord(block, AcDb::kForRead)) != Acad::eOk)
            return status;
        AcString blockName;
        block->getName(blockName);
        AcDbBlockTableRecordIterator* blockWalk = nullptr;
        status = block->newIterator(blockWalk);
        block->close();
        if (status != Acad::eOk)
            return status;
        const std::unique_ptr<AcDbBlockTableRecordIterator> walk(blockWalk);
        for (; !walk->done(); walk->step()) {
            AcDbEntity* entity = nullptr;
            if ((status = walk->getEntity(entity, AcDb::kForRead)) != Acad::eOk)
                return status;
            EntityView view{narrow(blockName.kwszPtr()), narrow(entity->isA()->name()),
                            narrow(entity->isA()->dxfName()), "", false};
            ACHAR* layer = entity->layer();
            view.layer = narrow(layer);
            acutDelString(layer);
            if (const AcDbProxyEntity* proxy = AcDbProxyEntity::cast(entity)) {
                view.proxy = true;
                view.className = narrow(proxy->originalClassName());
                view.dxfName = narrow(proxy->originalDxfName());
            }
            entity->close();
            entities.push_back(view);
        }
    }
    return Acad::eOk;
}

// Writes the sample with an invisible line and an invisible circle appended to model space.
Acad::ErrorStatus writeDrawingWithInvisibleEntities(const fs::path& target)
{
    AcDbDatabase database(false, true);
    Acad::ErrorStatus status = database.readDwgFile(cadhost::fromUtf8((kSamples / "sample.dwg").string()).c_str());
    if (status != Acad::eOk)
        return status;
    AcDbBlockTableRecord* model = nullptr;
    if ((status = acdbOpenObject(model, database.modelSpaceId(), AcDb::kForWrite)) != Acad::eOk)
        return status;
    for (AcDbEntity* entity :
         std::initializer_list<AcDbEntity*>{new AcDbLine(AcGePoint3d(0, 300, 0), AcGePoint3d(40, 300, 0)),
                                            new AcDbCircle(AcGePoint3d(60, 300, 0), AcGeVector3d::kZAxis, 5.0)}) {
        entity->setVisibility(AcDb::kInvisible);
        if (status == Acad::eOk)
            status = model->appendAcDbEntity(entity);
        if (status == Acad::eOk)
            entity->close();
        else
            delete entity;
    }
    model->close();
    if (status != Acad::eOk)
        return status;
    return database.saveAs(cadhost::fromUtf8(target.string()).c_str());
}

Census censusOf(const std::vector<EntityView>& entities)
{
    Census census;
    for (const EntityView& entity : entities)
        ++census[entity.block][entity.className];
    return census;
}

// The plug-in loaded into this test process, as the host loads it, for as long as the object lives.
class LoadedPlugin {
public:
    LoadedPlugin() : m_loaded(acrxDynamicLinker->loadModule(cadhost::fromUtf8(kPlugin).c_str(), false)) {}
    ~LoadedPlugin()
    {
        if (m_loaded)
            acrxDynamicLinker->unloadModule(cadhost::fromUtf8(kPlugin).c_str(), false);
    }
    LoadedPlugin(const LoadedPlugin&) = delete;
    LoadedPlugin& operator=(const LoadedPlugin&) = delete;

    bool loaded() const { return m_loaded; }

private:
    bool m_loaded;
};

// The job runs once for all tests: it is what a sender does, and every test looks at one side of it.
struct JobRun {
    ScopedTempFolder folder;
    std::map<std::string, std::string> sourceBytes; // by path below the source folder
    std::optional<ProcessResult> run;
    std::optional<ProcessResult> import;
    Acad::ErrorStatus hiddenWritten = Acad::eOk;

    fs::path sources() const { return folder / "图纸"; }
    fs::path results() const { return folder / "outgoing"; }
    fs::path temporary() const { return folder / "tmp"; }
    fs::path archive() const { return folder / "outgoing.zip"; }
};

const char* const kJob = "mode = folder\n"
                         "save-type = 2010\n"
                         "keep-tree = yes\n"
                         "pack = yes\n"
                         "archive = zip\n"
                         "kinds = curves, texts, block-references, block-definitions, unused-definitions, hatches, "
                         "dimensions, others\n"
                         "owner = 泰萨里尔设计院\n"
                         "user = 甲方工程部\n"
                         "owner-stamp = yes\n"
                         "user-stamp = yes\n"
                         "date-stamp = no\n"
                         "rows = 3\n"
                         "columns = 3\n"
                         "create-output = yes\n"
                         "existing = overwrite\n"
                         "apply-to-all = yes\n";

class ProtectionBatchTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        job = new JobRun;
        const fs::path sources = job->sources();
        for (const Drawing& drawing : kDrawings)
            fs::create_directories((sources / fs::u8path(drawing.relativePath)).parent_path());
        fs::copy_file(kSamples / "sample.dwg", sources / "sample.dwg");
        fs::copy_file(kSamples / "sample-2004.dwg", sources / fs::u8path("机械/sample-2004.dwg"));
        fs::copy_file(kSamples / fs::u8path("样图-2000.dwg"), sources / fs::u8path("机械/总装/样图-2000.dwg"));
        job->hiddenWritten = writeDrawingWithInvisibleEntities(sources / fs::u8path("机械/hidden.dwg"));
        job->import = testsupport::runProcess({kCadhost, "--no-module", "dxfin", (kSamples / "dxf-r2000.dxf").string(),
                                               (sources / fs::u8path("导入/imported.dwg")).string()});
        for (const Drawing& drawing : kDrawings)
            job->sourceBytes[drawing.relativePath] = fileBytes(sources / fs::u8path(drawing.relativePath));

        fs::create_directory(job->temporary());
        const fs::path description = job->folder / "job.txt";
        std::ofstream(description) << kJob;
        job->run = testsupport::runProcess(
            {kCadhost, "job", description.string(), "source=" + sources.string(), "output=" + job->results().string()},
            {"TMPDIR=" + job->temporary().string()});
        // The archiver runs on its own after the batch and renames its archive into place when done.
        for (int wait = 0; wait < 100 && !fs::exists(job->archive()); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }

    static void TearDownTestSuite()
    {
        delete job;
        job = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(fs::exists(kCadhost)) << "install first: cmake --install";
        ASSERT_EQ(job->import->exitCode, 0) << job->import->err;
        ASSERT_EQ(job->hiddenWritten, Acad::eOk);
        ASSERT_EQ(job->run->exitCode, 0) << job->run->out << job->run->err;
    }

    static JobRun* job;
};

JobRun* ProtectionBatchTest::job = nullptr;

TEST_F(ProtectionBatchTest, EveryDrawingOfTheTreeIsProtectedUnderTheSameSubfolder)
{
    EXPECT_NE(job->run->out.find("加密5个文件全部成功"), std::string::npos) << job->run->out;
    for (const Drawing& drawing : kDrawings) {
        const fs::path result = job->results() / fs::u8path(drawing.relativePath);
        EXPECT_TRUE(fs::exists(result)) << result;
        EXPECT_NE(job->run->out.find("保护DWG文件:" + result.string() + "成功"), std::string::npos) << result;
    }
    for (const char* name : {"setup.exe", "使用说明.txt"})
        EXPECT_TRUE(fs::exists(job->results() / fs::u8path(name))) << name;
}

TEST_F(ProtectionBatchTest, TheSourcesStayByteForByteAsTheyWere)
{
    for (const Drawing& drawing : kDrawings)
        EXPECT_TRUE(fileBytes(job->sources() / fs::u8path(drawing.relativePath)) ==
                    job->sourceBytes.at(drawing.relativePath))
            << drawing.relativePath;
}

TEST_F(ProtectionBatchTest, NoTemporaryCopyIsLeftBehind)
{
    std::vector<std::string> left;
    for (const auto& entry : fs::recursive_directory_iterator(job->temporary()))
        left.push_back(entry.path().string());
    EXPECT_EQ(left, std::vector<std::string>{});
}

TEST_F(ProtectionBatchTest, TheArchiveHoldsTheDrawingsTheInstallerAndTheReadme)
{
    ASSERT_TRUE(fs::exists(job->archive())) << job->run->out;
    EXPECT_NE(job->run->out.find("archive: " + job->archive().string()), std::string::npos) << job->run->out;

    const ProcessResult listed = testsupport::runProcess({"/usr/bin/bsdtar", "-tf", job->archive().string()});

    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    std::vector<std::string> members;
    std::istringstream lines(listed.out);
    for (std::string line; std::getline(lines, line);)
        members.push_back(line);
    std::sort(members.begin(), members.end());
    EXPECT_EQ(members, (std::vector<std::string>{"hidden.dwg", "imported.dwg", "sample-2004.dwg", "sample.dwg",
                                                 "setup.exe", "使用说明.txt", "样图-2000.dwg"}));
}

class ProtectedDrawingTest : public ProtectionBatchTest, public testing::WithParamInterface<Drawing> {
protected:
    fs::path result() const { return job->results() / fs::u8path(GetParam().relativePath); }
};

TEST_P(ProtectedDrawingTest, AskingForThe2010FormatWritesThe2013Format)
{
    std::vector<EntityView> entities;
    AcDb::AcDbDwgVersion version = AcDb::kDHL_Unknown;

    ASSERT_EQ(readEntities(result(), entities, &version), Acad::eOk);

    EXPECT_EQ(version, AcDb::kDHL_1027);
}

TEST_P(ProtectedDrawingTest, WithThePluginEveryAcceptedEntityIsAWrapperAndOneWatermarkLiesOnItsLayer)
{
    const LoadedPlugin plugin;
    ASSERT_TRUE(plugin.loaded()) << cadhost::toUtf8(acrxDynamicLinker->lastError());
    std::vector<EntityView> entities;

    ASSERT_EQ(readEntities(result(), entities), Acad::eOk);

    EXPECT_EQ(censusOf(entities), *GetParam().census);
    std::vector<std::string> watermarkLayers;
    for (const EntityView& entity : entities) {
        EXPECT_FALSE(entity.proxy) << entity.className;
        if (isPluginClass(entity.className)) {
            EXPECT_EQ(entity.dxfName, kDxfNames.at(entity.className));
        }
        if (entity.className == "AcDbWatermark")
            watermarkLayers.push_back(entity.layer);
    }
    EXPECT_EQ(watermarkLayers, std::vector<std::string>{kProtectLayer});
}

TEST_P(ProtectedDrawingTest, WithoutThePluginTheWrappersAndTheWatermarkAreProxies)
{
    std::vector<EntityView> entities;

    ASSERT_EQ(readEntities(result(), entities), Acad::eOk);

    EXPECT_EQ(censusOf(entities), *GetParam().census);
    for (const EntityView& entity : entities) {
        EXPECT_EQ(entity.proxy, isPluginClass(entity.className)) << entity.block << ": " << entity.className;
        if (entity.proxy) {
            EXPECT_EQ(entity.dxfName, kDxfNames.at(entity.className));
        }
        if (entity.className == "AcDbWatermark") {
            EXPECT_EQ(entity.layer, kProtectLayer);
        }
    }

    const ProcessResult listed = testsupport::runProcess({kCadhost, "--no-module", "list", result().string()});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_EQ(count(listed.out, "Proxy class = AcDbWatermark"), 1u);
    EXPECT_EQ(count(listed.out, "ACAD_PROXY_ENTITY  Layer: \"" + kProtectLayer + "\""), 1u);
}

TEST_P(ProtectedDrawingTest, TheHostWithThePluginListsNoProxy)
{
    const ProcessResult listed = testsupport::runProcess({kCadhost, "list", result().string()});

    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_EQ(count(listed.out, "ACAD_PROXY_ENTITY"), 0u);
    EXPECT_EQ(count(listed.out, "Proxy class ="), 0u);
}

TEST_P(ProtectedDrawingTest, RenderedWithThePluginItShowsTheNotesInEveryCellOfTheWatermark)
{
    const fs::path picture = job->folder / (std::string(GetParam().name) + ".svg");

    const ProcessResult rendered = testsupport::runProcess({kCadhost, "render", result().string(), picture.string()});

    ASSERT_EQ(rendered.exitCode, 0) << rendered.err;
    const std::string svg = fileBytes(picture);
    EXPECT_EQ(count(svg, ">图纸版权所有者：泰萨里尔设计院<"), 9u);
    EXPECT_EQ(count(svg, ">图纸授权使用者：甲方工程部<"), 9u);
}

INSTANTIATE_TEST_SUITE_P(Drawings, ProtectedDrawingTest, testing::ValuesIn(kDrawings),
                         [](const testing::TestParamInfo<Drawing>& info) { return std::string(info.param.name); });

TEST(ProtectionBatchOutputFolderTest, AResultFolderWithAChineseNameIsCreatedAndFilled)
{
    ScopedTempFolder folder;
    const fs::path sources = folder / "drawings";
    const fs::path results = folder.path() / fs::u8path("外发图纸");
    fs::create_directory(sources);
    fs::copy_file(kSamples / "sample.dwg", sources / "sample.dwg");
    const fs::path description = folder / "job.txt";
    std::ofstream(description) << kJob;

    const ProcessResult run = testsupport::runProcess(
        {kCadhost, "job", description.string(), "source=" + sources.string(), "output=" + results.string()});

    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("加密1个文件全部成功"), std::string::npos) << run.out;
    EXPECT_TRUE(fs::exists(results / "sample.dwg"));
}

} // namespace
