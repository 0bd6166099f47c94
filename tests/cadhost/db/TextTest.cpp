#include "MemoryDwgFiler.h"
#include "dbtext.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

void expectPoint(const AcGePoint3d& actual, double x, double y, double z = 0.0)
{
    EXPECT_NEAR(actual.x, x, 1e-9);
    EXPECT_NEAR(actual.y, y, 1e-9);
    EXPECT_NEAR(actual.z, z, 1e-9);
}

void fillText(AcDbText& text)
{
    text.setPosition(AcGePoint3d(1.0, 2.0, 3.0));
    text.setAlignmentPoint(AcGePoint3d(4.0, 5.0, 6.0));
    text.setNormal(AcGeVector3d(0.0, 1.0, 0.0));
    text.setThickness(0.5);
    text.setOblique(0.1);
    text.setRotation(0.75);
    text.setHeight(2.5);
    text.setWidthFactor(0.8);
    text.setTextString(L"\u56FE\u7EB8 A-1");
    text.setHorizontalMode(AcDb::kTextRight);
    text.setVerticalMode(AcDb::kTextTop);
}

void expectFilledText(const AcDbText& text)
{
    expectPoint(text.position(), 1.0, 2.0, 3.0);
    expectPoint(text.alignmentPoint(), 4.0, 5.0, 6.0);
    EXPECT_EQ(text.normal(), AcGeVector3d(0.0, 1.0, 0.0));
    EXPECT_DOUBLE_EQ(text.thickness(), 0.5);
    EXPECT_DOUBLE_EQ(text.oblique(), 0.1);
    EXPECT_DOUBLE_EQ(text.rotation(), 0.75);
    EXPECT_DOUBLE_EQ(text.height(), 2.5);
    EXPECT_DOUBLE_EQ(text.widthFactor(), 0.8);
    EXPECT_STREQ(text.textStringConst(), L"\u56FE\u7EB8 A-1");
    EXPECT_EQ(text.horizontalMode(), AcDb::kTextRight);
    EXPECT_EQ(text.verticalMode(), AcDb::kTextTop);
    EXPECT_FALSE(text.isDefaultAlignment());
}

TEST(TextTest, FilingRoundTripKeepsEveryField)
{
    AcDbText text;
    fillText(text);
    MemoryDwgFiler filer;
    ASSERT_EQ(text.dwgOutFields(&filer), Acad::eOk);
    filer.rewind();
    AcDbText copy;
    ASSERT_EQ(copy.dwgInFields(&filer), Acad::eOk);
    EXPECT_EQ(filer.unreadCount(), 0u);
    expectFilledText(copy);
}

TEST(TextTest, TextStringIsACopyForTheCaller)
{
    AcDbText text(AcGePoint3d::kOrigin, L"abc");
    ACHAR* copy = text.textString();
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy, L"abc");
    copy[0] = L'x';
    EXPECT_STREQ(text.textStringConst(), L"abc");
    acutDelString(copy);
}

TEST(TextTest, ExtentsFollowTheDocumentedMetrics)
{
    // Two narrow and one CJK character at height 2: width 2 x 1.2 + 2.0.
    AcDbText text(AcGePoint3d(10.0, 0.0, 0.0), L"ab\u4E2D", AcDbObjectId::kNull, 2.0);
    AcDbExtents extents;
    ASSERT_EQ(text.getGeomExtents(extents), Acad::eOk);
    expectPoint(extents.minPoint(), 10.0, 0.0);
    expectPoint(extents.maxPoint(), 14.4, 2.0);
}

struct AlignmentCase {
    AcDb::TextHorzMode horizontal;
    AcDb::TextVertMode vertical;
    double x; // the start of the baseline for an alignment point at (10, 10), text "abcd" of height 1
    double y;
};

class TextAlignmentTest : public testing::TestWithParam<AlignmentCase> {};

TEST_P(TextAlignmentTest, AdjustAlignmentPlacesTheStartOfTheBaseline)
{
    AcDbText text(AcGePoint3d::kOrigin, L"abcd", AcDbObjectId::kNull, 1.0);
    text.setHorizontalMode(GetParam().horizontal);
    text.setVerticalMode(GetParam().vertical);
    text.setAlignmentPoint(AcGePoint3d(10.0, 10.0, 0.0));
    ASSERT_EQ(text.adjustAlignment(), Acad::eOk);
    expectPoint(text.position(), GetParam().x, GetParam().y);
}

INSTANTIATE_TEST_SUITE_P(Modes, TextAlignmentTest,
                         testing::Values(AlignmentCase{AcDb::kTextCenter, AcDb::kTextBase, 8.8, 10.0},
                                         AlignmentCase{AcDb::kTextRight, AcDb::kTextBase, 7.6, 10.0},
                                         AlignmentCase{AcDb::kTextMid, AcDb::kTextBase, 8.8, 9.5},
                                         AlignmentCase{AcDb::kTextLeft, AcDb::kTextTop, 10.0, 9.0},
                                         AlignmentCase{AcDb::kTextRight, AcDb::kTextVertMid, 7.6, 9.5}));

TEST(TextTest, TransformRotatesAndScales)
{
    AcDbText text(AcGePoint3d(1.0, 0.0, 0.0), L"x", AcDbObjectId::kNull, 1.0);
    const AcGeMatrix3d transform =
        AcGeMatrix3d::rotation(std::numbers::pi / 2.0, AcGeVector3d::kZAxis) * AcGeMatrix3d::scaling(2.0);
    ASSERT_EQ(text.transformBy(transform), Acad::eOk);
    expectPoint(text.position(), 0.0, 2.0);
    EXPECT_NEAR(text.rotation(), std::numbers::pi / 2.0, 1e-12);
    EXPECT_NEAR(text.height(), 2.0, 1e-12);
    EXPECT_NEAR(text.widthFactor(), 1.0, 1e-12);
}

TEST(TextTest, SettersRefuseImpossibleValues)
{
    AcDbText text;
    EXPECT_EQ(text.setHeight(-1.0), Acad::eInvalidInput);
    EXPECT_EQ(text.setWidthFactor(0.0), Acad::eInvalidInput);
    EXPECT_EQ(text.setNormal(AcGeVector3d::kIdentity), Acad::eInvalidInput);
    EXPECT_EQ(text.setTextString(nullptr), Acad::eInvalidInput);
    EXPECT_EQ(text.setHorizontalMode(static_cast<AcDb::TextHorzMode>(9)), Acad::eInvalidInput);
    EXPECT_DOUBLE_EQ(text.height(), 0.2);
}

TEST(TextTest, AHorizontalModeBeyondFitIsDamage)
{
    AcDbText text;
    MemoryDwgFiler filer;
    ASSERT_EQ(text.AcDbEntity::dwgOutFields(&filer), Acad::eOk);
    filer.writePoint3d(AcGePoint3d::kOrigin);
    filer.writePoint3d(AcGePoint3d::kOrigin);
    filer.writeVector3d(AcGeVector3d::kZAxis);
    for (int i = 0; i < 5; ++i)
        filer.writeDouble(1.0);
    filer.writeString(L"t");
    filer.writeHardPointerId(AcDbObjectId::kNull);
    filer.writeUInt8(6);
    filer.rewind();
    AcDbText copy;
    EXPECT_EQ(copy.dwgInFields(&filer), Acad::eDwgObjectImproperlyRead);
    EXPECT_EQ(copy.horizontalMode(), AcDb::kTextLeft);
}

TEST(AttributeDefinitionTest, FilingRoundTripKeepsTextTagPromptAndFlags)
{
    AcDbAttributeDefinition definition(AcGePoint3d(1.0, 1.0, 0.0), L"value", L"TAG", L"Enter value");
    definition.setInvisible(true);
    definition.setConstant(true);
    definition.setVerifiable(true);
    definition.setPreset(true);
    definition.setLockPositionInBlock(true);
    MemoryDwgFiler filer;
    ASSERT_EQ(definition.dwgOutFields(&filer), Acad::eOk);
    filer.rewind();
    AcDbAttributeDefinition copy;
    ASSERT_EQ(copy.dwgInFields(&filer), Acad::eOk);
    EXPECT_STREQ(copy.textStringConst(), L"value");
    EXPECT_STREQ(copy.tagConst(), L"TAG");
    EXPECT_STREQ(copy.promptConst(), L"Enter value");
    EXPECT_TRUE(copy.isInvisible());
    EXPECT_TRUE(copy.isConstant());
    EXPECT_TRUE(copy.isVerifiable());
    EXPECT_TRUE(copy.isPreset());
    EXPECT_TRUE(copy.lockPositionInBlock());
}

TEST(AttributeTest, FilingRoundTripKeepsTextTagAndFlags)
{
    AcDbAttribute attribute(AcGePoint3d(2.0, 3.0, 0.0), L"\u7532\u65B9", L"OWNER");
    attribute.setInvisible(true);
    attribute.setLockPositionInBlock(true);
    MemoryDwgFiler filer;
    ASSERT_EQ(attribute.dwgOutFields(&filer), Acad::eOk);
    filer.rewind();
    AcDbAttribute copy;
    ASSERT_EQ(copy.dwgInFields(&filer), Acad::eOk);
    expectPoint(copy.position(), 2.0, 3.0);
    EXPECT_STREQ(copy.textStringConst(), L"\u7532\u65B9");
    ACHAR* tag = copy.tag();
    EXPECT_STREQ(tag, L"OWNER");
    acutDelString(tag);
    EXPECT_TRUE(copy.isInvisible());
    EXPECT_TRUE(copy.lockPositionInBlock());
}

TEST(AttributeTest, TakesItsDefinitionPlacedByTheBlockTransform)
{
    AcDbAttributeDefinition definition(AcGePoint3d(1.0, 0.0, 0.0), L"default", L"NAME", L"Name?");
    definition.setHeight(0.5);
    definition.setInvisible(true);
    AcDbAttribute attribute;
    ASSERT_EQ(attribute.setAttributeFromBlock(&definition, AcGeMatrix3d::translation(AcGeVector3d(10.0, 20.0, 0.0))),
              Acad::eOk);
    expectPoint(attribute.position(), 11.0, 20.0);
    EXPECT_STREQ(attribute.tagConst(), L"NAME");
    EXPECT_STREQ(attribute.textStringConst(), L"default");
    EXPECT_DOUBLE_EQ(attribute.height(), 0.5);
    EXPECT_TRUE(attribute.isInvisible());
}

} // namespace
