// The installed cadhost compares a drawing with its protected copy: the copy the job makes draws like its
// source once the watermark is left out, and drawings that differ are reported primitive by primitive.
#include "RunProcess.h"
#include "ScopedTempFolder.h"
#include "codepage.h"
#include "dbapserv.h"
#include "dbents.h"
#include "dbhatch.h"
#include "dbobjptr.h"
#include "dbsymtb.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
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

// Reads a drawing in this process, changes its model space and saves it under another name.
Acad::ErrorStatus writeChanged(const fs::path& source, const fs::path& target,
                               const std::function<void(AcDbBlockTableRecord*)>& change)
{
    AcDbDatabase database(false, true);
    Acad::ErrorStatus status = database.readDwgFile(cadhost::fromUtf8(source.string()).c_str());
    if (status != Acad::eOk)
        return status;
    acdbHostApplicationServices()->setWorkingDatabase(&database);
    {
        AcDbObjectPointer<AcDbBlockTableRecord> modelSpace(database.modelSpaceId(), AcDb::kForWrite);
        if ((status = modelSpace.openStatus()) != Acad::eOk)
            return status;
        change(modelSpace);
    }
    status = database.saveAs(cadhost::fromUtf8(target.string()).c_str());
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    return status;
}

// The first line of model space, open for write.
void withFirstLine(AcDbBlockTableRecord* modelSpace, const std::function<void(AcDbLine*)>& use)
{
    for (const AcDbObjectId& id : modelSpace->entityIds()) {
        AcDbObjectPointer<AcDbLine> line(id, AcDb::kForWrite);
        if (line.openStatus() == Acad::eOk) {
            use(line);
            return;
        }
    }
    FAIL() << "the sample has no line";
}

void append(AcDbBlockTableRecord* modelSpace, AcDbEntity* entity)
{
    entity->setDatabaseDefaults(modelSpace->database());
    ASSERT_EQ(modelSpace->appendAcDbEntity(entity), Acad::eOk);
    entity->close();
}

// A solid square hatch from (0,0) to (100,100).
AcDbHatch* solidSquare()
{
    auto* hatch = new AcDbHatch();
    hatch->setPattern(AcDbHatch::kPreDefined, L"SOLID");
    AcGePoint2dArray vertices;
    for (const auto& [x, y] : {std::pair{0.0, 0.0}, {100.0, 0.0}, {100.0, 100.0}, {0.0, 100.0}, {0.0, 0.0}})
        vertices.append(AcGePoint2d(x, y));
    AcGeDoubleArray bulges;
    for (int i = 0; i < vertices.length(); ++i)
        bulges.append(0.0);
    hatch->appendLoop(AcDbHatch::kExternal | AcDbHatch::kPolyline, vertices, bulges);
    hatch->evaluateHatch();
    return hatch;
}

class CompareCommandTest : public ::testing::Test {
protected:
    // Protects the drawing with the given kinds by the example job, verifying the copy after the batch;
    // the copy lands in the results folder.
    fs::path protect(const fs::path& drawing, const std::string& kinds)
    {
        const fs::path sources = folder.path() / "drawings";
        const fs::path results = folder.path() / "results";
        fs::create_directories(sources);
        fs::copy_file(drawing, sources / drawing.filename());
        const auto run = testsupport::runProcess(
            {kCadhost, "job", (fs::path(TESSARIL_SOURCE_DIR) / "scripts/job.example").string(),
             "source=" + sources.string(), "output=" + results.string(), "pack=no", "kinds=" + kinds, "verify=yes"});
        EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
        EXPECT_NE(run.out.find((sources / drawing.filename()).string() + " and " +
                               (results / drawing.filename()).string() + " draw alike"),
                  std::string::npos)
            << run.out;
        return results / drawing.filename();
    }

    // Protects the bundled sample with every kind but hatches selected.
    fs::path protectSample()
    {
        return protect(kSamples / "sample.dwg",
                       "curves, texts, block-references, block-definitions, dimensions, others");
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

TEST_F(CompareCommandTest, MovedOrRemovedEntityIsReported)
{
    const fs::path moved = folder.path() / "moved.dwg";
    const fs::path removed = folder.path() / "removed.dwg";
    ASSERT_EQ(writeChanged(kSamples / "sample.dwg", moved,
                           [](AcDbBlockTableRecord* modelSpace) {
                               withFirstLine(modelSpace, [](AcDbLine* line) {
                                   line->transformBy(AcGeMatrix3d::translation(AcGeVector3d(7.0, 3.0, 0.0)));
                               });
                           }),
              Acad::eOk);
    ASSERT_EQ(writeChanged(kSamples / "sample.dwg", removed,
                           [](AcDbBlockTableRecord* modelSpace) {
                               withFirstLine(modelSpace, [](AcDbLine* line) { line->erase(); });
                           }),
              Acad::eOk);

    const auto afterMove = compare(kSamples / "sample.dwg", moved);
    EXPECT_EQ(afterMove.exitCode, 1) << afterMove.out << afterMove.err;
    EXPECT_NE(afterMove.out.find("only in " + (kSamples / "sample.dwg").string() + ": curve"), std::string::npos)
        << afterMove.out;
    EXPECT_NE(afterMove.out.find("only in " + moved.string() + ": curve"), std::string::npos) << afterMove.out;
    EXPECT_NE(afterMove.out.find(" differ: 1 primitives only in the source, 1 only in the protected copy"),
              std::string::npos)
        << afterMove.out;

    const auto afterRemoval = compare(kSamples / "sample.dwg", removed);
    EXPECT_EQ(afterRemoval.exitCode, 1) << afterRemoval.out << afterRemoval.err;
    EXPECT_NE(afterRemoval.out.find(" differ: 1 primitives only in the source, 0 only in the protected copy"),
              std::string::npos)
        << afterRemoval.out;
}

TEST_F(CompareCommandTest, ConvertedEntitiesKeepTheirDrawOrder)
{
    // A line under a solid hatch and a line over it, beside a row of short lines that give the drawing
    // the size of a real one; protection converts only the curves, or only the hatch.
    const fs::path layered = folder.path() / "layered.dwg";
    {
        AcDbDatabase database;
        acdbHostApplicationServices()->setWorkingDatabase(&database);
        {
            AcDbObjectPointer<AcDbBlockTableRecord> modelSpace(database.modelSpaceId(), AcDb::kForWrite);
            for (int i = 0; i < 400; ++i)
                append(modelSpace, new AcDbLine(AcGePoint3d(i * 0.5, -20, 0), AcGePoint3d(i * 0.5, -10, 0)));
            append(modelSpace, new AcDbLine(AcGePoint3d(-10, 30, 0), AcGePoint3d(110, 30, 0)));
            append(modelSpace, solidSquare());
            append(modelSpace, new AcDbLine(AcGePoint3d(-10, 70, 0), AcGePoint3d(110, 70, 0)));
        }
        ASSERT_EQ(database.saveAs(cadhost::fromUtf8(layered.string()).c_str()), Acad::eOk);
        acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    }
    for (const std::string kinds : {"curves", "hatches"}) {
        SCOPED_TRACE(kinds);
        const fs::path copy = protect(layered, kinds);
        const auto result = compare(layered, copy);
        EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
        EXPECT_EQ(result.out.find("drawn in another order in "), std::string::npos) << result.out;
        fs::remove_all(folder.path() / "drawings");
        fs::remove_all(folder.path() / "results");
    }
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
