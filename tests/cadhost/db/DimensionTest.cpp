#include "MemoryDwgFiler.h"
#include "dbdim.h"
#include "dbdimstyle.h"
#include "girecorder.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <numbers>

namespace {

std::wstring formatted(const AcDbDimension& dimension)
{
    double value = 0.0;
    EXPECT_EQ(dimension.measurement(value), Acad::eOk);
    ACHAR* override = dimension.dimensionText();
    AcString text;
    EXPECT_EQ(dimension.formatMeasurement(text, value, override), Acad::eOk);
    acutDelString(override);
    return text.str();
}

// A drawing whose Standard dimension style has DIMSCALE 2, DIMTXT 0.25, DIMTAD 1 and DIMDSEP ','.
class DimensionStyleTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_styleId = m_database.dimstyle();
        ASSERT_FALSE(m_styleId.isNull());
        AcDbDimStyleTableRecord* style = nullptr;
        ASSERT_EQ(acdbOpenObject(style, m_styleId, AcDb::kForWrite), Acad::eOk);
        style->setDimscale(2.0);
        style->setDimtxt(0.25);
        style->setDimtad(1);
        style->setDimdsep(L',');
        style->close();
    }

    AcDbDatabase m_database{true, true};
    AcDbObjectId m_styleId;
};

TEST_F(DimensionStyleTest, GettersAnswerTheStyleUntilTheDimensionOverrides)
{
    AcDbRotatedDimension dimension(0.0, AcGePoint3d(0.0, 0.0, 0.0), AcGePoint3d(10.0, 0.0, 0.0),
                                   AcGePoint3d(5.0, 3.0, 0.0), nullptr, m_styleId);
    EXPECT_DOUBLE_EQ(dimension.dimscale(), 2.0);
    EXPECT_DOUBLE_EQ(dimension.dimtxt(), 0.25);
    EXPECT_EQ(dimension.dimtad(), 1);
    EXPECT_EQ(dimension.dimdsep(), L',');
    EXPECT_EQ(dimension.dimdec(), 4);

    dimension.setDimscale(3.0);
    dimension.setDimtxt(0.5);
    dimension.setDimtad(0);
    dimension.setDimdsep(L'.');
    EXPECT_DOUBLE_EQ(dimension.dimscale(), 3.0);
    EXPECT_DOUBLE_EQ(dimension.dimtxt(), 0.5);
    EXPECT_EQ(dimension.dimtad(), 0);
    EXPECT_EQ(dimension.dimdsep(), L'.');

    AcDbDimStyleTableRecord* style = nullptr;
    ASSERT_EQ(acdbOpenObject(style, m_styleId, AcDb::kForRead), Acad::eOk);
    EXPECT_DOUBLE_EQ(style->dimscale(), 2.0);
    EXPECT_EQ(style->dimdsep(), L',');
    style->close();
}

TEST_F(DimensionStyleTest, TheMeasurementTextUsesTheStyleSeparator)
{
    AcDbRotatedDimension dimension(0.0, AcGePoint3d(0.0, 0.0, 0.0), AcGePoint3d(12.3456789, 0.0, 0.0),
                                   AcGePoint3d(5.0, 3.0, 0.0), nullptr, m_styleId);
    dimension.setDimdec(2);
    EXPECT_EQ(formatted(dimension), L"12,35");
    dimension.setDimpost(L"<> mm");
    EXPECT_EQ(formatted(dimension), L"12,35 mm");
    dimension.setDimensionText(L"L=<>");
    EXPECT_EQ(formatted(dimension), L"L=12,35 mm");
    dimension.setDimensionText(L" ");
    EXPECT_EQ(formatted(dimension), L"");
}

TEST(DimensionTest, WithoutAStyleTheStandardValuesApply)
{
    AcDbAlignedDimension dimension(AcGePoint3d(0.0, 0.0, 0.0), AcGePoint3d(3.0, 4.0, 0.0), AcGePoint3d(0.0, 0.0, 0.0));
    EXPECT_DOUBLE_EQ(dimension.dimasz(), 0.18);
    EXPECT_DOUBLE_EQ(dimension.dimexo(), 0.0625);
    EXPECT_DOUBLE_EQ(dimension.dimgap(), 0.09);
    EXPECT_EQ(dimension.dimclrd().colorIndex(), 0);
    EXPECT_EQ(dimension.dimlwd(), AcDb::kLnWtByBlock);
    EXPECT_TRUE(dimension.dimtih());
    EXPECT_EQ(formatted(dimension), L"5.0000");
    dimension.setDimzin(8);
    EXPECT_EQ(formatted(dimension), L"5");
}

TEST(DimensionTest, AMeasurementOfAnySizeFormatsInFull)
{
    AcDbAlignedDimension dimension(AcGePoint3d(0.0, 0.0, 0.0), AcGePoint3d(3.0, 4.0, 0.0), AcGePoint3d(0.0, 0.0, 0.0));
    dimension.setDimdec(8);
    for (const double measurement : {1e300, -1e300}) {
        AcString text;
        ASSERT_EQ(dimension.formatMeasurement(text, measurement, nullptr), Acad::eOk);
        const std::wstring shown = text.str();
        EXPECT_EQ(shown.size(), (measurement < 0.0 ? 311u : 310u));
        EXPECT_TRUE(shown.starts_with(measurement < 0.0 ? L"-1" : L"1"));
        EXPECT_TRUE(shown.ends_with(L".00000000"));
    }
}

struct KindCase {
    const char* name;
    std::function<AcDbDimension*()> make;
    double measurement;
    const wchar_t* text;
};

class DimensionKindTest : public testing::TestWithParam<KindCase> {};

TEST_P(DimensionKindTest, MeasuresAndFormatsItsValue)
{
    std::unique_ptr<AcDbDimension> dimension(GetParam().make());
    dimension->setDimdec(2);
    dimension->setDimadec(1);
    double value = 0.0;
    ASSERT_EQ(dimension->measurement(value), Acad::eOk);
    EXPECT_NEAR(value, GetParam().measurement, 1e-9);
    EXPECT_EQ(formatted(*dimension), GetParam().text);
    AcDbExtents extents;
    EXPECT_EQ(dimension->getGeomExtents(extents), Acad::eOk);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DimensionKindTest,
    testing::Values(
        KindCase{"Rotated",
                 [] {
                     return new AcDbRotatedDimension(std::numbers::pi / 2.0, AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 0),
                                                     AcGePoint3d(5, 0, 0));
                 },
                 4.0, L"4.00"},
        KindCase{
            "Aligned",
            [] { return new AcDbAlignedDimension(AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 0), AcGePoint3d(0, 1, 0)); },
            5.0, L"5.00"},
        KindCase{"ThreePointAngular",
                 [] {
                     auto* dimension = new AcDb3PointAngularDimension();
                     dimension->setCenterPoint(AcGePoint3d(0, 0, 0));
                     dimension->setXLine1Point(AcGePoint3d(1, 0, 0));
                     dimension->setXLine2Point(AcGePoint3d(0, 1, 0));
                     dimension->setArcPoint(AcGePoint3d(2, 2, 0));
                     return dimension;
                 },
                 std::numbers::pi / 2.0, L"90.0\u00B0"},
        KindCase{"TwoLineAngular",
                 [] {
                     auto* dimension = new AcDb2LineAngularDimension();
                     dimension->setXLine1Start(AcGePoint3d(1, 0, 0));
                     dimension->setXLine1End(AcGePoint3d(5, 0, 0));
                     dimension->setXLine2Start(AcGePoint3d(1, 1, 0));
                     dimension->setXLine2End(AcGePoint3d(3, 3, 0));
                     dimension->setArcPoint(AcGePoint3d(4, 1, 0));
                     return dimension;
                 },
                 std::numbers::pi / 4.0, L"45.0\u00B0"},
        KindCase{"Radial", [] { return new AcDbRadialDimension(AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 0), 1.0); }, 5.0,
                 L"R5.00"},
        KindCase{"Diametric",
                 [] { return new AcDbDiametricDimension(AcGePoint3d(3, 4, 0), AcGePoint3d(-3, -4, 0), 1.0); }, 10.0,
                 L"\u00D810.00"},
        KindCase{"Ordinate",
                 [] {
                     auto* dimension = new AcDbOrdinateDimension();
                     dimension->setOrigin(AcGePoint3d(1, 1, 0));
                     dimension->setDefiningPoint(AcGePoint3d(4, 7, 0));
                     dimension->setLeaderEndPoint(AcGePoint3d(4, 9, 0));
                     dimension->useYAxis();
                     return dimension;
                 },
                 6.0, L"6.00"},
        KindCase{"Arc",
                 [] {
                     auto* dimension = new AcDbArcDimension();
                     dimension->setCenterPoint(AcGePoint3d(0, 0, 0));
                     dimension->setXLine1Point(AcGePoint3d(2, 0, 0));
                     dimension->setXLine2Point(AcGePoint3d(0, 2, 0));
                     dimension->setArcPoint(AcGePoint3d(3, 3, 0));
                     dimension->setArcSymbolType(2);
                     return dimension;
                 },
                 std::numbers::pi, L"3.14"},
        KindCase{"RadialLarge",
                 [] {
                     auto* dimension = new AcDbRadialDimensionLarge();
                     dimension->setCenter(AcGePoint3d(0, 0, 0));
                     dimension->setChordPoint(AcGePoint3d(0, 100, 0));
                     dimension->setOverrideCenter(AcGePoint3d(0, 80, 0));
                     dimension->setJogPoint(AcGePoint3d(1, 90, 0));
                     return dimension;
                 },
                 100.0, L"R100.00"}),
    [](const testing::TestParamInfo<KindCase>& info) { return std::string(info.param.name); });

TEST(DimensionTest, DrawsLinesFilledArrowsOfDimaszAndTheText)
{
    AcDbRotatedDimension dimension(0.0, AcGePoint3d(0.0, 0.0, 0.0), AcGePoint3d(10.0, 0.0, 0.0),
                                   AcGePoint3d(5.0, 3.0, 0.0));
    dimension.setDimdec(1);
    dimension.setDimasz(0.5);
    AcGiRecording recording;
    {
        AcGiRecorder recorder(recording, nullptr);
        recorder.draw(&dimension);
    }
    int lines = 0;
    int arrows = 0;
    std::wstring text;
    for (const AcGiPrimitive& primitive : recording.primitives) {
        if (primitive.kind == AcGiPrimitiveKind::kPolyline)
            ++lines;
        if (primitive.kind == AcGiPrimitiveKind::kPolygon) {
            ++arrows;
            EXPECT_EQ(primitive.fillType, kAcGiFillAlways);
            ASSERT_EQ(primitive.points.size(), 3u);
            EXPECT_NEAR(primitive.points[0].y, 3.0, 1e-9);
            EXPECT_NEAR(std::abs(primitive.points[1].x - primitive.points[0].x), 0.5, 1e-9);
        }
        if (primitive.kind == AcGiPrimitiveKind::kText)
            text = primitive.text;
    }
    EXPECT_EQ(lines, 4); // two extension lines and the dimension line in two halves
    EXPECT_EQ(arrows, 2);
    EXPECT_EQ(text, L"10.0");
}

// A text override may carry the format codes of multi-line text; the drawing shows the text they format.
TEST(DimensionTest, DrawsATextOverrideWithoutItsFormatCodes)
{
    AcDbRotatedDimension dimension(0.0, AcGePoint3d(0.0, 0.0, 0.0), AcGePoint3d(10.0, 0.0, 0.0),
                                   AcGePoint3d(5.0, 3.0, 0.0), L"\\A1;36.5\\S0.01^ 0.02;");
    AcGiRecording recording;
    {
        AcGiRecorder recorder(recording, nullptr);
        recorder.draw(&dimension);
    }
    std::wstring text;
    for (const AcGiPrimitive& primitive : recording.primitives)
        if (primitive.kind == AcGiPrimitiveKind::kText)
            text = primitive.text;
    EXPECT_EQ(text, L"36.50.01/ 0.02");
}

TEST(DimensionTest, FilingRoundTripKeepsCommonValuesKindValuesAndOverrides)
{
    AcDbRotatedDimension dimension(0.5, AcGePoint3d(1, 2, 0), AcGePoint3d(7, 8, 0), AcGePoint3d(3, 9, 0), L"<> max");
    dimension.setOblique(0.25);
    dimension.setTextPosition(AcGePoint3d(4, 10, 0));
    dimension.useSetTextPosition();
    dimension.setElevation(1.5);
    dimension.setTextRotation(0.125);
    dimension.setTextAttachment(AcDbMText::kBottomCenter);
    dimension.setTextLineSpacingStyle(AcDb::kExactly);
    dimension.setTextLineSpacingFactor(1.5);
    dimension.setDimBlockPosition(AcGePoint3d(1, 1, 1));
    dimension.setDynamicDimension(true);
    dimension.setHorizontalRefTextRotation(true);
    dimension.setArrowFirstIsFlipped(true);
    dimension.setDimscale(3.0);
    dimension.setDimdsep(L',');
    dimension.setDimpost(L"<>\"");
    AcCmColor red;
    red.setColorIndex(1);
    dimension.setDimclrd(red);
    dimension.setDimlwd(AcDb::kLnWt050);

    MemoryDwgFiler filer;
    ASSERT_EQ(dimension.dwgOutFields(&filer), Acad::eOk);
    filer.rewind();
    AcDbRotatedDimension copy;
    ASSERT_EQ(copy.dwgInFields(&filer), Acad::eOk);
    EXPECT_EQ(filer.unreadCount(), 0u);

    EXPECT_EQ(copy.xLine1Point(), AcGePoint3d(1, 2, 0));
    EXPECT_EQ(copy.xLine2Point(), AcGePoint3d(7, 8, 0));
    EXPECT_EQ(copy.dimLinePoint(), AcGePoint3d(3, 9, 0));
    EXPECT_DOUBLE_EQ(copy.rotation(), 0.5);
    EXPECT_DOUBLE_EQ(copy.oblique(), 0.25);
    EXPECT_EQ(copy.textPosition(), AcGePoint3d(4, 10, 0));
    EXPECT_FALSE(copy.isUsingDefaultTextPosition());
    EXPECT_DOUBLE_EQ(copy.elevation(), 1.5);
    ACHAR* text = copy.dimensionText();
    EXPECT_STREQ(text, L"<> max");
    acutDelString(text);
    EXPECT_DOUBLE_EQ(copy.textRotation(), 0.125);
    EXPECT_EQ(copy.textAttachment(), AcDbMText::kBottomCenter);
    EXPECT_EQ(copy.textLineSpacingStyle(), AcDb::kExactly);
    EXPECT_DOUBLE_EQ(copy.textLineSpacingFactor(), 1.5);
    EXPECT_EQ(copy.dimBlockPosition(), AcGePoint3d(1, 1, 1));
    EXPECT_TRUE(copy.isDynamicDimension());
    EXPECT_TRUE(copy.isHorizontalRefTextRotation());
    EXPECT_TRUE(copy.getArrowFirstIsFlipped());
    EXPECT_FALSE(copy.getArrowSecondIsFlipped());
    EXPECT_DOUBLE_EQ(copy.dimscale(), 3.0);
    EXPECT_EQ(copy.dimdsep(), L',');
    ACHAR* post = copy.dimpost();
    EXPECT_STREQ(post, L"<>\"");
    acutDelString(post);
    EXPECT_EQ(copy.dimclrd().colorIndex(), 1);
    EXPECT_EQ(copy.dimlwd(), AcDb::kLnWt050);
    EXPECT_DOUBLE_EQ(copy.dimtxt(), 0.18); // not overridden: the Standard value
}

TEST(DimensionTest, AnOverrideIndexOutsideTheTableIsDamage)
{
    AcDbRotatedDimension dimension;
    MemoryDwgFiler filer;
    ASSERT_EQ(dimension.AcDbEntity::dwgOutFields(&filer), Acad::eOk);
    filer.writePoint3d(AcGePoint3d::kOrigin);
    filer.writeBool(true);
    filer.writeVector3d(AcGeVector3d::kZAxis);
    filer.writeDouble(0.0);
    filer.writeString(L"");
    filer.writeDouble(0.0);
    filer.writeHardPointerId(AcDbObjectId::kNull);
    filer.writeUInt8(5);
    filer.writeUInt8(1);
    filer.writeDouble(1.0);
    filer.writeHardPointerId(AcDbObjectId::kNull);
    filer.writePoint3d(AcGePoint3d::kOrigin);
    filer.writeBool(false);
    for (int i = 0; i < 3; ++i)
        filer.writeHardPointerId(AcDbObjectId::kNull);
    for (int i = 0; i < 3; ++i)
        filer.writeBool(false);
    filer.writeUInt32(1);
    filer.writeUInt16(999);
    filer.writeDouble(2.0);
    filer.rewind();
    AcDbRotatedDimension copy;
    EXPECT_EQ(copy.dwgInFields(&filer), Acad::eDwgObjectImproperlyRead);
    EXPECT_DOUBLE_EQ(copy.dimscale(), 1.0);
}

TEST(DimensionTest, ATruncatedOverrideBlockReportsTheFilerStatus)
{
    AcDbAlignedDimension dimension(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(0, 1, 0));
    dimension.setDimtxt(0.3);
    MemoryDwgFiler filer;
    ASSERT_EQ(dimension.dwgOutFields(&filer), Acad::eOk);
    filer.rewind();
    filer.failOn("readUInt16", 1, Acad::eEndOfFile);
    AcDbAlignedDimension copy;
    EXPECT_EQ(copy.dwgInFields(&filer), Acad::eEndOfFile);
    EXPECT_DOUBLE_EQ(copy.dimtxt(), 0.18);
}

TEST(DimensionStyleRecordTest, NewRecordsHoldTheStandardValuesAndFileThemAll)
{
    AcDbDimStyleTableRecord style;
    EXPECT_DOUBLE_EQ(style.dimscale(), 1.0);
    EXPECT_DOUBLE_EQ(style.dimtxt(), 0.18);
    EXPECT_DOUBLE_EQ(style.dimasz(), 0.18);
    EXPECT_DOUBLE_EQ(style.dimexe(), 0.18);
    EXPECT_EQ(style.dimdec(), 4);
    EXPECT_EQ(style.dimtad(), 0);
    EXPECT_EQ(style.dimdsep(), L'.');
    style.setDimtxt(2.5);
    style.setDimapost(L"[]");
    MemoryDwgFiler filer;
    ASSERT_EQ(style.dwgOutFields(&filer), Acad::eOk);
    filer.rewind();
    AcDbDimStyleTableRecord copy;
    ASSERT_EQ(copy.dwgInFields(&filer), Acad::eOk);
    EXPECT_DOUBLE_EQ(copy.dimtxt(), 2.5);
    ACHAR* post = copy.dimapost();
    EXPECT_STREQ(post, L"[]");
    acutDelString(post);
}

} // namespace
