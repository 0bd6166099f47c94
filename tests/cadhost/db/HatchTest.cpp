#include "MemoryDwgFiler.h"
#include "dbhatch.h"
#include "gearc2d.h"
#include "gelnsg2d.h"
#include "genurb2d.h"

#include <gtest/gtest.h>

#include <numbers>
#include <utility>

namespace {

AcGePoint2dArray square(double size)
{
    AcGePoint2dArray points;
    points.append(AcGePoint2d(0.0, 0.0));
    points.append(AcGePoint2d(size, 0.0));
    points.append(AcGePoint2d(size, size));
    points.append(AcGePoint2d(0.0, size));
    return points;
}

void appendEdgeLoop(AcDbHatch& hatch)
{
    AcGeVoidPointerArray edges;
    AcGeIntArray types;
    edges.append(new AcGeLineSeg2d(AcGePoint2d(0.0, 0.0), AcGePoint2d(4.0, 0.0)));
    types.append(AcDbHatch::kLine);
    edges.append(new AcGeCircArc2d(AcGePoint2d(4.0, 2.0), 2.0, -std::numbers::pi / 2.0, std::numbers::pi / 2.0));
    types.append(AcDbHatch::kCirArc);
    edges.append(new AcGeLineSeg2d(AcGePoint2d(4.0, 4.0), AcGePoint2d(0.0, 0.0)));
    types.append(AcDbHatch::kLine);
    ASSERT_EQ(hatch.appendLoop(AcDbHatch::kExternal, edges, types), Acad::eOk);
}

TEST(HatchTest, APolylineLoopAskedInEdgeFormIsNotApplicable)
{
    AcDbHatch hatch;
    ASSERT_EQ(hatch.appendLoop(AcDbHatch::kExternal, square(10.0), AcGeDoubleArray()), Acad::eOk);
    Adesk::Int32 loopType = 0;
    AcGeVoidPointerArray edges;
    AcGeIntArray types;
    EXPECT_EQ(hatch.getLoopAt(0, loopType, edges, types), Acad::eNotApplicable);
    EXPECT_EQ(static_cast<int>(Acad::eNotApplicable), 2);

    AcGePoint2dArray vertices;
    AcGeDoubleArray bulges;
    ASSERT_EQ(hatch.getLoopAt(0, loopType, vertices, bulges), Acad::eOk);
    EXPECT_EQ(loopType, AcDbHatch::kExternal | AcDbHatch::kPolyline);
    ASSERT_EQ(vertices.length(), 4);
    EXPECT_EQ(vertices[2], AcGePoint2d(10.0, 10.0));
    ASSERT_EQ(bulges.length(), 4);
    EXPECT_DOUBLE_EQ(bulges[3], 0.0);
}

TEST(HatchTest, AnEdgeLoopAnswersItsOwnEdgesAndNoVertices)
{
    AcDbHatch hatch;
    appendEdgeLoop(hatch);
    Adesk::Int32 loopType = 0;
    AcGeVoidPointerArray edges;
    AcGeIntArray types;
    ASSERT_EQ(hatch.getLoopAt(0, loopType, edges, types), Acad::eOk);
    EXPECT_EQ(loopType, AcDbHatch::kExternal);
    ASSERT_EQ(types.length(), 3);
    EXPECT_EQ(types[1], AcDbHatch::kCirArc);
    const auto* arc = static_cast<const AcGeCircArc2d*>(edges[1]);
    EXPECT_DOUBLE_EQ(arc->radius(), 2.0);

    AcGePoint2dArray vertices;
    AcGeDoubleArray bulges;
    EXPECT_EQ(hatch.getLoopAt(0, loopType, vertices, bulges), Acad::eNotApplicable);
    EXPECT_EQ(hatch.getLoopAt(1, loopType, vertices, bulges), Acad::eInvalidIndex);
}

TEST(HatchTest, AnEdgeOfAnotherTypeThanItsPointerIsRefused)
{
    AcDbHatch hatch;
    AcGeLineSeg2d line(AcGePoint2d(0.0, 0.0), AcGePoint2d(1.0, 0.0));
    AcGeVoidPointerArray edges;
    AcGeIntArray types;
    edges.append(&line);
    types.append(AcDbHatch::kCirArc);
    EXPECT_EQ(hatch.appendLoop(AcDbHatch::kExternal, edges, types), Acad::eInvalidInput);
    EXPECT_EQ(hatch.numLoops(), 0);
}

// Whatever a hatch takes it writes, and its reader must take back: an edge the reader refuses (a spline
// without control points, an arc without radius) is refused when the loop is appended.
TEST(HatchTest, AnEdgeThatCouldNotBeReadBackIsRefused)
{
    AcGeNurbCurve2d noControlPoints(3, AcGeKnotVector(), AcGePoint2dArray());
    AcGeCircArc2d noRadius(AcGePoint2d(0.0, 0.0), 0.0, 0.0, 1.0);
    for (const auto& [edge, type] : {std::pair<AcGeCurve2d*, int>{&noControlPoints, AcDbHatch::kSpline},
                                     std::pair<AcGeCurve2d*, int>{&noRadius, AcDbHatch::kCirArc}}) {
        AcDbHatch hatch;
        AcGeVoidPointerArray edges;
        AcGeIntArray types;
        edges.append(edge);
        types.append(type);
        EXPECT_EQ(hatch.appendLoop(AcDbHatch::kExternal, edges, types), Acad::eInvalidInput) << type;
        EXPECT_EQ(hatch.numLoops(), 0);
    }
}

TEST(HatchTest, GradientInOneColourModeAnswersTheColourAndItsShade)
{
    AcDbHatch hatch;
    hatch.setHatchObjectType(AcDbHatch::kGradientObject);
    hatch.setGradient(AcDbHatch::kPreDefinedGradient, L"LINEAR");
    AcCmColor colors[2];
    colors[0].setRGB(200, 100, 0);
    colors[1].setColorIndex(5);
    const float values[2] = {0.0f, 1.0f};
    ASSERT_EQ(hatch.setGradientColors(2, colors, values), Acad::eOk);
    hatch.setGradientOneColorMode(Adesk::kTrue);
    hatch.setShadeTintValue(0.25f);

    unsigned int count = 0;
    AcCmColor* answered = nullptr;
    float* answeredValues = nullptr;
    ASSERT_EQ(hatch.getGradientColors(count, answered, answeredValues), Acad::eOk);
    ASSERT_EQ(count, 2u);
    EXPECT_EQ(answered[0].red(), 200);
    // A shade tint of 0.25 halves each channel of the first colour.
    EXPECT_EQ(answered[1].red(), 100);
    EXPECT_EQ(answered[1].green(), 50);
    EXPECT_EQ(answered[1].blue(), 0);
    EXPECT_FLOAT_EQ(answeredValues[1], 1.0f);
    delete[] answered;
    delete[] answeredValues;

    hatch.setGradientOneColorMode(Adesk::kFalse);
    ASSERT_EQ(hatch.getGradientColors(count, answered, answeredValues), Acad::eOk);
    ASSERT_EQ(count, 2u);
    EXPECT_EQ(answered[1].colorIndex(), 5);
    delete[] answered;
    delete[] answeredValues;
}

struct PatternCase {
    double angle;
    double space;
    bool isDouble;
    int expectedLines;
};

class HatchPatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(HatchPatternTest, EvaluateHatchClipsParallelLinesToTheLoop)
{
    AcDbHatch hatch;
    hatch.setPattern(AcDbHatch::kUserDefined, L"_USER");
    hatch.setPatternAngle(GetParam().angle);
    hatch.setPatternSpace(GetParam().space);
    hatch.setPatternDouble(GetParam().isDouble);
    hatch.setOriginPoint(AcGePoint2d(0.0, 0.5));
    ASSERT_EQ(hatch.appendLoop(AcDbHatch::kExternal, square(10.0), AcGeDoubleArray()), Acad::eOk);
    ASSERT_EQ(hatch.evaluateHatch(), Acad::eOk);
    EXPECT_EQ(hatch.numHatchLines(), GetParam().expectedLines);
    for (int i = 0; i < hatch.numHatchLines(); ++i) {
        AcGePoint2d start;
        AcGePoint2d end;
        ASSERT_EQ(hatch.getHatchLineDataAt(i, start, end), Acad::eOk);
        EXPECT_GE(std::min(start.x, end.x), -1e-9);
        EXPECT_LE(std::max(start.y, end.y), 10.0 + 1e-9);
    }
}

// Lines run through the origin (0, 0.5) at multiples of the space. A line on the loop's lower or left
// edge counts and one on its upper or right edge does not, so vertical lines 2 apart give x = 0..8.
INSTANTIATE_TEST_SUITE_P(Patterns, HatchPatternTest,
                         testing::Values(PatternCase{0.0, 1.0, false, 10}, PatternCase{0.0, 2.5, false, 4},
                                         PatternCase{0.0, 1.0, true, 20},
                                         PatternCase{std::numbers::pi / 2.0, 2.0, false, 5}));

TEST(HatchTest, PredefinedPatternsDrawTheirOwnLineFamilies)
{
    // ANSI31 at scale 2: lines at 45 degrees, 6.35 apart across them.
    AcDbHatch diagonal;
    diagonal.setPattern(AcDbHatch::kPreDefined, L"ansi31");
    diagonal.setPatternScale(2.0);
    ASSERT_EQ(diagonal.appendLoop(AcDbHatch::kExternal, square(10.0), AcGeDoubleArray()), Acad::eOk);
    ASSERT_EQ(diagonal.evaluateHatch(), Acad::eOk);
    ASSERT_GT(diagonal.numHatchLines(), 0);
    for (int i = 0; i < diagonal.numHatchLines(); ++i) {
        AcGePoint2d start;
        AcGePoint2d end;
        ASSERT_EQ(diagonal.getHatchLineDataAt(i, start, end), Acad::eOk);
        EXPECT_NEAR(std::abs(end.x - start.x), std::abs(end.y - start.y), 1e-9);
    }
    // The square's diagonal extent across 45-degree lines is 10 * sqrt(2), so three lines fit.
    EXPECT_EQ(diagonal.numHatchLines(), 3);

    // NET crosses horizontal and vertical lines 3.175 apart: y = 0, 3.175, 6.35, 9.525 and x = 3.175, 6.35,
    // 9.525; the vertical line x = 0 lies on the boundary on the side that does not count.
    AcDbHatch net;
    net.setPattern(AcDbHatch::kPreDefined, L"NET");
    ASSERT_EQ(net.appendLoop(AcDbHatch::kExternal, square(10.0), AcGeDoubleArray()), Acad::eOk);
    ASSERT_EQ(net.evaluateHatch(), Acad::eOk);
    EXPECT_EQ(net.numHatchLines(), 7);
}

TEST(HatchTest, HorizontalLinesOfAnIslandSkipTheHole)
{
    AcDbHatch hatch;
    hatch.setPattern(AcDbHatch::kUserDefined, L"_USER");
    hatch.setPatternSpace(1.0);
    hatch.setOriginPoint(AcGePoint2d(0.0, 0.5));
    hatch.appendLoop(AcDbHatch::kExternal, square(10.0), AcGeDoubleArray());
    AcGePoint2dArray hole;
    for (const auto& [x, y] : {std::pair{4.0, 4.0}, {6.0, 4.0}, {6.0, 6.0}, {4.0, 6.0}})
        hole.append(AcGePoint2d(x, y));
    hatch.appendLoop(AcDbHatch::kDefault, hole, AcGeDoubleArray());
    ASSERT_EQ(hatch.evaluateHatch(), Acad::eOk);
    // Lines at y = 4.5 and 5.5 cross the hole and split in two.
    EXPECT_EQ(hatch.numHatchLines(), 12);
}

TEST(HatchTest, SolidFillHasNoPatternLines)
{
    AcDbHatch hatch;
    hatch.setPattern(AcDbHatch::kPreDefined, L"solid");
    hatch.appendLoop(AcDbHatch::kExternal, square(10.0), AcGeDoubleArray());
    EXPECT_TRUE(hatch.isSolidFill());
    ASSERT_EQ(hatch.evaluateHatch(), Acad::eOk);
    EXPECT_EQ(hatch.numHatchLines(), 0);
}

TEST(HatchTest, TooDenseAPatternIsRefused)
{
    AcDbHatch hatch;
    hatch.setPattern(AcDbHatch::kUserDefined, L"_USER");
    hatch.setPatternSpace(1e-6);
    hatch.appendLoop(AcDbHatch::kExternal, square(10.0), AcGeDoubleArray());
    EXPECT_EQ(hatch.evaluateHatch(), Acad::eHatchTooDense);
}

TEST(HatchTest, ExtentsAndTransformFollowTheLoops)
{
    AcDbHatch hatch;
    hatch.appendLoop(AcDbHatch::kExternal, square(10.0), AcGeDoubleArray());
    ASSERT_EQ(hatch.transformBy(AcGeMatrix3d::translation(AcGeVector3d(5.0, -5.0, 2.0))), Acad::eOk);
    AcDbExtents extents;
    ASSERT_EQ(hatch.getGeomExtents(extents), Acad::eOk);
    EXPECT_EQ(extents.minPoint(), AcGePoint3d(5.0, -5.0, 2.0));
    EXPECT_EQ(extents.maxPoint(), AcGePoint3d(15.0, 5.0, 2.0));
    EXPECT_NEAR(hatch.elevation(), 2.0, 1e-12);
}

TEST(HatchTest, FilingRoundTripKeepsPatternGradientAndBothLoopForms)
{
    AcDbHatch hatch;
    hatch.setElevation(1.25);
    hatch.setHatchObjectType(AcDbHatch::kGradientObject);
    hatch.setGradient(AcDbHatch::kUserDefinedGradient, L"CYLINDER");
    hatch.setGradientAngle(0.5);
    AcCmColor colors[2];
    colors[0].setColorIndex(1);
    colors[1].setColorIndex(3);
    const float values[2] = {0.0f, 1.0f};
    hatch.setGradientColors(2, colors, values);
    hatch.setShadeTintValue(0.75f);
    hatch.setGradientShift(0.5f);
    hatch.setPattern(AcDbHatch::kPreDefined, L"ANSI31");
    hatch.setPatternAngle(0.25);
    hatch.setPatternScale(2.0);
    hatch.setPatternDouble(true);
    hatch.setHatchStyle(AcDbHatch::kOuter);
    hatch.setAssociative(true);
    hatch.setOriginPoint(AcGePoint2d(3.0, 4.0));
    AcGeDoubleArray bulges;
    for (double bulge : {0.0, 1.0, 0.0, 0.0})
        bulges.append(bulge);
    hatch.appendLoop(AcDbHatch::kExternal, square(10.0), bulges);
    appendEdgeLoop(hatch);

    MemoryDwgFiler filer;
    ASSERT_EQ(hatch.dwgOutFields(&filer), Acad::eOk);
    filer.rewind();
    AcDbHatch copy;
    ASSERT_EQ(copy.dwgInFields(&filer), Acad::eOk);
    EXPECT_EQ(filer.unreadCount(), 0u);

    EXPECT_DOUBLE_EQ(copy.elevation(), 1.25);
    EXPECT_TRUE(copy.isGradient());
    EXPECT_EQ(copy.gradientType(), AcDbHatch::kUserDefinedGradient);
    EXPECT_STREQ(copy.gradientName(), L"CYLINDER");
    EXPECT_DOUBLE_EQ(copy.gradientAngle(), 0.5);
    EXPECT_FLOAT_EQ(copy.getShadeTintValue(), 0.75f);
    EXPECT_FLOAT_EQ(copy.getGradientShift(), 0.5f);
    EXPECT_EQ(copy.patternType(), AcDbHatch::kPreDefined);
    EXPECT_STREQ(copy.patternName(), L"ANSI31");
    EXPECT_DOUBLE_EQ(copy.patternAngle(), 0.25);
    EXPECT_DOUBLE_EQ(copy.patternScale(), 2.0);
    EXPECT_TRUE(copy.patternDouble());
    EXPECT_EQ(copy.hatchStyle(), AcDbHatch::kOuter);
    EXPECT_TRUE(copy.associative());
    EXPECT_EQ(copy.originPoint(), AcGePoint2d(3.0, 4.0));
    ASSERT_EQ(copy.numLoops(), 2);

    Adesk::Int32 loopType = 0;
    AcGePoint2dArray vertices;
    AcGeDoubleArray readBulges;
    ASSERT_EQ(copy.getLoopAt(0, loopType, vertices, readBulges), Acad::eOk);
    EXPECT_DOUBLE_EQ(readBulges[1], 1.0);
    AcGeVoidPointerArray edges;
    AcGeIntArray types;
    ASSERT_EQ(copy.getLoopAt(1, loopType, edges, types), Acad::eOk);
    ASSERT_EQ(types.length(), 3);
    const auto* arc = static_cast<const AcGeCircArc2d*>(edges[1]);
    EXPECT_EQ(arc->center(), AcGePoint2d(4.0, 2.0));
    EXPECT_DOUBLE_EQ(arc->radius(), 2.0);

    unsigned int count = 0;
    AcCmColor* readColors = nullptr;
    float* readValues = nullptr;
    copy.getGradientColors(count, readColors, readValues);
    ASSERT_EQ(count, 2u);
    EXPECT_EQ(readColors[1].colorIndex(), 3);
    delete[] readColors;
    delete[] readValues;
}

TEST(HatchTest, ATruncatedLoopLeavesTheHatchUnchangedAndReportsTheStatus)
{
    AcDbHatch hatch;
    appendEdgeLoop(hatch);
    MemoryDwgFiler filer;
    ASSERT_EQ(hatch.dwgOutFields(&filer), Acad::eOk);
    filer.rewind();
    filer.failOn("readPoint2d", 3, Acad::eEndOfFile);
    AcDbHatch copy;
    EXPECT_EQ(copy.dwgInFields(&filer), Acad::eEndOfFile);
    EXPECT_EQ(copy.numLoops(), 0);
}

} // namespace
