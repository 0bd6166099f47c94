// The hatch record: boundary loops turned into polylines with their clean-up and command-line
// messages, gradients in one-colour mode, stored versions and the type of a single loop.
#include "CommandLine.h"
#include "MemoryDwgFiler.h"
#include "records/EntityDataStream.h"
#include "records/GHatchData.h"
#include "records/RecordPtr.h"

#include "dbhatch.h"
#include "gearc2d.h"
#include "geell2d.h"
#include "gelnsg2d.h"
#include "genurb2d.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Vertex {
    double x;
    double y;
    double bulge;
    bool operator==(const Vertex&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Vertex& v)
{
    return out << "(" << v.x << "," << v.y << " b" << v.bulge << ")";
}

class HatchLoopTest : public ::testing::Test {
protected:
    void SetUp() override { cadhost::clearCommandLine(); }

    // Appends an edge loop made of the given edges (the hatch owns them).
    void addEdgeLoop(const std::vector<std::pair<AcGeCurve2d*, int>>& edges)
    {
        AcGeVoidPointerArray pointers;
        AcGeIntArray types;
        for (const auto& [edge, type] : edges) {
            pointers.append(edge);
            types.append(type);
        }
        ASSERT_EQ(Acad::eOk, hatch.appendLoop(AcDbHatch::kExternal, pointers, types));
    }

    static std::pair<AcGeCurve2d*, int> line(double x1, double y1, double x2, double y2)
    {
        return {new AcGeLineSeg2d(AcGePoint2d(x1, y1), AcGePoint2d(x2, y2)), AcDbHatch::kLine};
    }

    // A straight spline of degree 1 from (0,0) to (length,0).
    static std::pair<AcGeCurve2d*, int> straightSpline(double length)
    {
        AcGePoint2dArray points;
        points.append(AcGePoint2d(0, 0));
        points.append(AcGePoint2d(length, 0));
        const double knots[] = {0.0, 0.0, 1.0, 1.0};
        return {new AcGeNurbCurve2d(1, AcGeKnotVector(4, knots), points), AcDbHatch::kSpline};
    }

    std::vector<Vertex> recordedLoop(int index)
    {
        record.record(&hatch);
        std::vector<Vertex> vertices;
        const AcDbPolyline& polyline = *record.loops.at(static_cast<std::size_t>(index));
        for (unsigned int i = 0; i < polyline.numVerts(); ++i) {
            AcGePoint2d point;
            double bulge = 0.0;
            polyline.getPointAt(i, point);
            polyline.getBulgeAt(i, bulge);
            vertices.push_back({point.x, point.y, bulge});
        }
        return vertices;
    }

    void TearDown() override { record.release(); }

    AcDbHatch hatch;
    GHatchData record;
};

TEST_F(HatchLoopTest, AFullCircleBecomesThreeVerticesWithBulgesOneOneZeroAndNoCleanUp)
{
    addEdgeLoop({{new AcGeCircArc2d(AcGePoint2d(5, 5), 2.0), AcDbHatch::kCirArc}});
    const std::vector<Vertex> expected = {{3, 5, 1}, {7, 5, 1}, {3, 5, 0}};
    EXPECT_EQ(expected, recordedLoop(0));
    EXPECT_EQ(L"", cadhost::takeCommandLineText());
}

TEST_F(HatchLoopTest, AHalfArcKeepsItsBulgeAndTheLoopClosesAtTheFirstEdge)
{
    addEdgeLoop(
        {{new AcGeCircArc2d(AcGePoint2d(0, 0), 1.0, 0.0, 3.141592653589793), AcDbHatch::kCirArc}, line(-1, 0, 1, 0)});
    const std::vector<Vertex> vertices = recordedLoop(0);
    ASSERT_EQ(3u, vertices.size());
    EXPECT_NEAR(1.0, vertices[0].x, 1e-12);
    EXPECT_NEAR(1.0, vertices[0].bulge, 1e-12);
    EXPECT_NEAR(-1.0, vertices[1].x, 1e-12);
    EXPECT_NEAR(1.0, vertices[2].x, 1e-12);
    EXPECT_EQ(0.0, vertices[2].bulge);
    EXPECT_EQ(L"\n删除节点:0", cadhost::takeCommandLineText());
}

struct CollinearCase {
    double outerDistance;
    std::vector<Vertex> expected;
    std::wstring message;
};

class CollinearCleanUpTest : public HatchLoopTest, public ::testing::WithParamInterface<CollinearCase> {};

TEST_P(CollinearCleanUpTest, TheMiddleVertexGoesOnlyWhenTheOuterPointsAreCloserThanAQuarter)
{
    const double d = GetParam().outerDistance;
    addEdgeLoop({line(0, 0, d / 2, 0), line(d / 2, 0, d, 0), line(d, 0, d, 1), line(d, 1, 0, 1), line(0, 1, 0, 0)});
    EXPECT_EQ(GetParam().expected, recordedLoop(0));
    EXPECT_EQ(GetParam().message, cadhost::takeCommandLineText());
}

INSTANTIATE_TEST_SUITE_P(
    Distances, CollinearCleanUpTest,
    ::testing::Values(CollinearCase{0.2, {{0, 0, 0}, {0.2, 0, 0}, {0.2, 1, 0}, {0, 1, 0}, {0, 0, 0}}, L"\n删除节点:1"},
                      CollinearCase{0.3,
                                    {{0, 0, 0}, {0.15, 0, 0}, {0.3, 0, 0}, {0.3, 1, 0}, {0, 1, 0}, {0, 0, 0}},
                                    L"\n删除节点:0"}));

struct SplineCase {
    double length;
    // Vertices before the clean-up: the spline's start and its samples, three line starts and the
    // closing vertex.
    int verticesBeforeCleanUp;
};

class SplineSamplingTest : public HatchLoopTest, public ::testing::WithParamInterface<SplineCase> {};

TEST_P(SplineSamplingTest, TheSampleCountFollowsTheWholeLengthInTenthsWithAtLeastTen)
{
    const double length = GetParam().length;
    addEdgeLoop({straightSpline(length), line(length, 0, length, 1), line(length, 1, 0, 1), line(0, 1, 0, 0)});
    const std::size_t kept = recordedLoop(0).size();
    const std::wstring message = cadhost::takeCommandLineText();
    ASSERT_EQ(0u, message.find(L"\n删除节点:"));
    const int removed = std::stoi(message.substr(6));
    EXPECT_EQ(GetParam().verticesBeforeCleanUp, static_cast<int>(kept) + removed);
}

INSTANTIATE_TEST_SUITE_P(Lengths, SplineSamplingTest,
                         ::testing::Values(SplineCase{0.7, 1 + 9 + 3 + 1}, SplineCase{5.5, 1 + 49 + 3 + 1}));

TEST_F(HatchLoopTest, AnEllipticEdgeIsSampledAlongTheEllipseAndTheLoopClosesAtItsStart)
{
    addEdgeLoop({{new AcGeEllipArc2d(AcGePoint2d(0, 0), AcGeVector2d(1, 0), AcGeVector2d(0, 1), 4.0, 2.0, 0.0, 1.5),
                  AcDbHatch::kEllArc},
                 line(0, 2, 4, 0)});
    const std::vector<Vertex> vertices = recordedLoop(0);
    ASSERT_GE(vertices.size(), 12u);
    EXPECT_EQ((Vertex{4, 0, 0}), vertices.front());
    EXPECT_EQ((Vertex{4, 0, 0}), vertices.back());
    for (const Vertex& vertex : vertices) {
        EXPECT_NEAR(1.0, vertex.x * vertex.x / 16.0 + vertex.y * vertex.y / 4.0, 1e-9) << vertex;
        EXPECT_EQ(0.0, vertex.bulge);
    }
    EXPECT_EQ(std::wstring::npos, cadhost::takeCommandLineText().find(L"无法识别的填充边界曲线类型"));
}

TEST_F(HatchLoopTest, APolylineLoopIsTakenVertexByVertexWithoutCleanUp)
{
    AcGePoint2dArray points;
    points.append(AcGePoint2d(0, 0));
    points.append(AcGePoint2d(0.1, 0));
    points.append(AcGePoint2d(0.2, 0));
    points.append(AcGePoint2d(0.2, 1));
    AcGeDoubleArray bulges;
    for (const double bulge : {0.0, 0.0, 0.5, 0.0})
        bulges.append(bulge);
    hatch.appendLoop(AcDbHatch::kExternal, points, bulges);
    const std::vector<Vertex> expected = {{0, 0, 0}, {0.1, 0, 0}, {0.2, 0, 0.5}, {0.2, 1, 0}};
    EXPECT_EQ(expected, recordedLoop(0));
    EXPECT_EQ(L"", cadhost::takeCommandLineText());
}

AcDbHatch* squareHatch(int loops)
{
    auto* hatch = new AcDbHatch;
    for (int i = 0; i < loops; ++i) {
        AcGePoint2dArray points;
        points.append(AcGePoint2d(i, i));
        points.append(AcGePoint2d(10 - i, i));
        points.append(AcGePoint2d(10 - i, 10 - i));
        hatch->appendLoop(AcDbHatch::kDefault, points, AcGeDoubleArray());
    }
    return hatch;
}

TEST(HatchStreamTest, ASingleLoopStoredWithTypeTwoIsRebuiltAsAnExternalLoop)
{
    const std::unique_ptr<AcDbHatch> single(squareHatch(1));
    ASSERT_EQ(AcDbHatch::kPolyline, single->loopTypeAt(0));
    MemoryDwgFiler filer;
    ASSERT_EQ(Acad::eOk, writeEntityData(single.get(), &filer));
    filer.rewind();
    AcDbHatch target;
    ASSERT_EQ(Acad::eOk, readEntityData(&target, &filer));
    ASSERT_EQ(1, target.numLoops());
    EXPECT_EQ(AcDbHatch::kExternal | AcDbHatch::kPolyline, target.loopTypeAt(0));
}

TEST(HatchStreamTest, TwoLoopsKeepTheirStoredTypes)
{
    const std::unique_ptr<AcDbHatch> two(squareHatch(2));
    MemoryDwgFiler filer;
    ASSERT_EQ(Acad::eOk, writeEntityData(two.get(), &filer));
    filer.rewind();
    AcDbHatch target;
    ASSERT_EQ(Acad::eOk, readEntityData(&target, &filer));
    ASSERT_EQ(2, target.numLoops());
    EXPECT_EQ(AcDbHatch::kPolyline, target.loopTypeAt(0));
    EXPECT_EQ(AcDbHatch::kPolyline, target.loopTypeAt(1));
}

TEST(HatchStreamTest, OneColourModeWritesNoColoursAndReadingLeavesTheTargetsColours)
{
    const std::unique_ptr<AcDbHatch> source(squareHatch(1));
    source->setHatchObjectType(AcDbHatch::kGradientObject);
    AcCmColor blue;
    blue.setColorIndex(5);
    const float value = 0.0f;
    source->setGradientColors(1, &blue, &value);
    source->setGradientOneColorMode(Adesk::kTrue);
    MemoryDwgFiler filer;
    ASSERT_EQ(Acad::eOk, writeEntityData(source.get(), &filer));
    const std::vector<std::string>& calls = filer.calls();
    // Header (2), version, elevation, normal, object type, gradient type, name, angle, one-colour flag,
    // then straight on to the shade tint.
    ASSERT_GT(calls.size(), 11u);
    EXPECT_EQ("writeBoolean 1", calls[9]);
    EXPECT_EQ("writeDouble 0", calls[10]);
    EXPECT_EQ(0, std::count_if(calls.begin(), calls.end(),
                               [](const std::string& call) { return call.rfind("writeUInt16", 0) == 0; }));

    AcDbHatch target;
    AcCmColor colors[2];
    colors[0].setColorIndex(1);
    colors[1].setColorIndex(3);
    const float values[2] = {0.0f, 1.0f};
    target.setGradientColors(2, colors, values);
    filer.rewind();
    ASSERT_EQ(Acad::eOk, readEntityData(&target, &filer));
    EXPECT_EQ(Adesk::kTrue, target.getGradientOneColorMode());
    unsigned int count = 0;
    AcCmColor* kept = nullptr;
    float* keptValues = nullptr;
    target.getGradientColors(count, kept, keptValues);
    ASSERT_EQ(2u, count);
    EXPECT_EQ(1, kept[0].colorIndex());
    delete[] kept;
    delete[] keptValues;
}

TEST(HatchStreamTest, VersionOneHasNoOriginAndLeavesTheTargetsOrigin)
{
    const std::unique_ptr<AcDbHatch> source(squareHatch(1));
    source->setOriginPoint(AcGePoint2d(5, 6));
    MemoryDwgFiler filer;
    GHatchData writer;
    writer.version = 1;
    ASSERT_EQ(Acad::eOk, writer.write(source.get(), &filer));
    writer.release();
    EXPECT_EQ(std::string::npos, filer.calls().back().find("writePoint2d 5,6"));
    filer.rewind();
    AcDbHatch target;
    target.setOriginPoint(AcGePoint2d(7, 7));
    ASSERT_EQ(Acad::eOk, readEntityData(&target, &filer));
    EXPECT_EQ(0u, filer.unreadCount());
    EXPECT_EQ(AcGePoint2d(7, 7), target.originPoint());
    EXPECT_EQ(1, target.numLoops());
}

TEST(HatchStreamTest, VersionThreeAnswersMakeMeProxyBeforeAnyValue)
{
    MemoryDwgFiler filer;
    filer.writeUInt32(1);
    filer.writeUInt32(1);
    filer.writeUInt32(3);
    filer.writeDouble(9.0);
    filer.rewind();
    AcDbHatch target;
    EXPECT_EQ(Acad::eMakeMeProxy, readEntityData(&target, &filer));
    EXPECT_EQ(0.0, target.elevation());
}

TEST(HatchStreamTest, AFailedReadKeepsTheValuesAlreadySet)
{
    const std::unique_ptr<AcDbHatch> source(squareHatch(1));
    source->setElevation(4.0);
    source->setPatternAngle(0.5);
    MemoryDwgFiler filer;
    ASSERT_EQ(Acad::eOk, writeEntityData(source.get(), &filer));
    filer.rewind();
    // The fifth double read is the pattern angle, after elevation, gradient angle, shade tint and shift.
    filer.failOn("readDouble", 5, Acad::eDwgObjectImproperlyRead);
    AcDbHatch target;
    EXPECT_EQ(Acad::eDwgObjectImproperlyRead, readEntityData(&target, &filer));
    EXPECT_EQ(4.0, target.elevation());
    EXPECT_EQ(0.0, target.patternAngle());
    EXPECT_EQ(0, target.numLoops());
}

} // namespace
