#include "gisvg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <numbers>

namespace {
using ::testing::HasSubstr;
using ::testing::Not;

AcCmColor indexColor(Adesk::UInt16 index)
{
    AcCmColor color;
    color.setColorIndex(index);
    return color;
}

AcGiPrimitive line(AcGePoint3d from, AcGePoint3d to, Adesk::UInt16 colorIndex)
{
    AcGiPrimitive primitive;
    primitive.kind = AcGiPrimitiveKind::kPolyline;
    primitive.points = {from, to};
    primitive.color = indexColor(colorIndex);
    return primitive;
}

// A recording plotted in the window (0,0)-(100,50).
AcGiRecording plotted()
{
    AcGiRecording recording;
    recording.plotGeneration = true;
    recording.hasWindow = true;
    recording.windowMin = AcGePoint2d(0, 0);
    recording.windowMax = AcGePoint2d(100, 50);
    recording.viewports.push_back({});
    return recording;
}

TEST(SvgWriterTest, PlotWindowIsTheViewBoxWithYFlipped)
{
    AcGiRecording recording = plotted();
    recording.primitives.push_back(line({0, 0, 0}, {10, 5, 0}, 1));
    const std::string svg = acgiSvgDocument(recording);

    EXPECT_THAT(svg, HasSubstr("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"1024\" "
                               "height=\"512\" viewBox=\"0 -50 100 50\">"));
    EXPECT_THAT(svg, HasSubstr("<rect x=\"0\" y=\"-50\" width=\"100\" height=\"50\" fill=\"#ffffff\"/>"));
    EXPECT_THAT(svg, HasSubstr("<polyline points=\"0,0 10,-5\" stroke=\"#ff0000\" stroke-width=\"0.097656\"/>"));
}

TEST(SvgWriterTest, WithoutAPlotWindowTheViewBoxFitsTheExtentsWithAMargin)
{
    AcGiRecording recording;
    recording.viewports.push_back({});
    recording.primitives.push_back(line({0, 0, 0}, {100, 100, 0}, 3));
    const std::string svg = acgiSvgDocument(recording);

    EXPECT_THAT(svg, HasSubstr("width=\"1024\" height=\"1024\" viewBox=\"-2 -102 104 104\""));
    EXPECT_THAT(svg, HasSubstr("stroke=\"#00ff00\""));
}

TEST(SvgWriterTest, ForegroundColourDrawsBlackOnTheSheetAndTrueColoursKeepTheirValue)
{
    AcGiRecording recording = plotted();
    recording.primitives.push_back(line({0, 0, 0}, {1, 0, 0}, 7));
    AcGiPrimitive grey = line({0, 1, 0}, {1, 1, 0}, 1);
    grey.color.setRGB(183, 183, 183);
    recording.primitives.push_back(grey);
    const std::string svg = acgiSvgDocument(recording);

    EXPECT_THAT(svg, HasSubstr("points=\"0,0 1,0\" stroke=\"#000000\""));
    EXPECT_THAT(svg, HasSubstr("points=\"0,-1 1,-1\" stroke=\"#b7b7b7\""));
}

TEST(SvgWriterTest, TextBecomesATextElementWithRotationAndFontSize)
{
    AcGiRecording recording = plotted();
    AcGiPrimitive text;
    text.kind = AcGiPrimitiveKind::kText;
    text.text = L"版权 <A&B>";
    text.position = AcGePoint3d(10, 20, 0);
    text.direction = AcGeVector3d(0, 1, 0);
    text.height = 2.5;
    text.widthFactor = 0.8;
    text.color = indexColor(5);
    recording.primitives.push_back(text);
    const std::string svg = acgiSvgDocument(recording);

    EXPECT_THAT(svg, HasSubstr("<text x=\"0\" y=\"0\" font-size=\"2.5\" font-family=\"sans-serif\" "
                               "xml:space=\"preserve\" stroke=\"none\" fill=\"#0000ff\" "
                               "transform=\"translate(10 -20) rotate(-90) scale(0.8 1)\">"
                               "\xE7\x89\x88\xE6\x9D\x83 &lt;A&amp;B&gt;</text>"));
}

TEST(SvgWriterTest, CirclesAndArcsInPlanBecomeCirclesAndArcPaths)
{
    AcGiRecording recording = plotted();
    AcGiPrimitive circle;
    circle.kind = AcGiPrimitiveKind::kCircle;
    circle.center = AcGePoint3d(50, 25, 0);
    circle.radius = 10;
    circle.color = indexColor(1);
    recording.primitives.push_back(circle);
    AcGiPrimitive arc = circle;
    arc.kind = AcGiPrimitiveKind::kArc;
    arc.sweepAngle = std::numbers::pi / 2;
    recording.primitives.push_back(arc);
    const std::string svg = acgiSvgDocument(recording);

    EXPECT_THAT(svg, HasSubstr("<circle cx=\"50\" cy=\"-25\" r=\"10\" stroke=\"#ff0000\""));
    EXPECT_THAT(svg, HasSubstr("<path d=\"M 60,-25 A 10 10 0 0 0 50,-35\" stroke=\"#ff0000\""));
}

TEST(SvgWriterTest, XlinesAreCutToTheViewBox)
{
    AcGiRecording recording = plotted();
    AcGiPrimitive xline = line({10, 10, 0}, {11, 10, 0}, 1);
    xline.kind = AcGiPrimitiveKind::kXline;
    recording.primitives.push_back(xline);
    AcGiPrimitive ray = line({10, 20, 0}, {10, 21, 0}, 2);
    ray.kind = AcGiPrimitiveKind::kRay;
    recording.primitives.push_back(ray);
    const std::string svg = acgiSvgDocument(recording);

    EXPECT_THAT(svg, HasSubstr("<polyline points=\"0,-10 100,-10\" stroke=\"#ff0000\""));
    EXPECT_THAT(svg, HasSubstr("<polyline points=\"10,-20 10,-50\" stroke=\"#ffff00\""));
}

struct LayerCase {
    const char* name;
    bool off;
    bool frozen;
    bool plottable;
    bool drawn;
};

class SvgLayerTest : public ::testing::TestWithParam<LayerCase> {};

TEST_P(SvgLayerTest, OnlyLayersThatShowAreDrawn)
{
    const LayerCase& layerCase = GetParam();
    AcGiRecording recording = plotted();
    AcDbObjectId layerId(reinterpret_cast<AcDbStub*>(0x10));
    AcGiRecordedLayer layer;
    layer.name = L"L";
    layer.off = layerCase.off;
    layer.frozen = layerCase.frozen;
    layer.plottable = layerCase.plottable;
    recording.layers[layerId] = layer;
    AcGiPrimitive primitive = line({1, 2, 0}, {3, 4, 0}, 1);
    primitive.layerId = layerId;
    recording.primitives.push_back(primitive);
    const std::string svg = acgiSvgDocument(recording);

    if (layerCase.drawn)
        EXPECT_THAT(svg, HasSubstr("points=\"1,-2 3,-4\""));
    else
        EXPECT_THAT(svg, Not(HasSubstr("points=\"1,-2 3,-4\"")));
}

INSTANTIATE_TEST_SUITE_P(Layers, SvgLayerTest,
                         ::testing::Values(LayerCase{"on", false, false, true, true},
                                           LayerCase{"off", true, false, true, false},
                                           LayerCase{"frozen", false, true, true, false},
                                           LayerCase{"notPlotted", false, false, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SvgWriterTest, FloatingViewportsClipTheirContent)
{
    AcGiRecording recording = plotted();
    recording.viewports.push_back({7, true, AcGePoint2d(10, 10), AcGePoint2d(30, 20)});
    AcGiPrimitive inside = line({0, 0, 0}, {40, 40, 0}, 1);
    inside.viewport = 1;
    recording.primitives.push_back(inside);
    const std::string svg = acgiSvgDocument(recording);

    EXPECT_THAT(svg,
                HasSubstr("<clipPath id=\"vp1\"><rect x=\"10\" y=\"-20\" width=\"20\" height=\"10\"/></clipPath>"));
    EXPECT_THAT(svg, HasSubstr("<g clip-path=\"url(#vp1)\">\n<polyline points=\"0,0 40,-40\""));
}

TEST(SvgWriterTest, AnEmptyRecordingIsABlankSheet)
{
    AcGiRecording recording;
    const std::string svg = acgiSvgDocument(recording);

    EXPECT_THAT(svg, HasSubstr("viewBox=\"0 -1 1 1\""));
    EXPECT_THAT(svg, Not(HasSubstr("<polyline")));
}

TEST(SvgWriterTest, WritingToAFolderThatDoesNotExistFails)
{
    AcGiRecording recording;
    EXPECT_EQ(acgiWriteSvgFile(recording, L"/nonexistent-folder/picture.svg"), Acad::eFileAccessErr);
    EXPECT_EQ(acgiWriteSvgFile(recording, L""), Acad::eInvalidInput);
}
} // namespace
