// The grid text's look and measurement, and the watermark's class as the host sees it.
#include "RegisteredWatermarkClass.h"

#include "entities/WatermarkText.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const ::testing::Environment* const gClass = ::testing::AddGlobalTestEnvironment(new RegisteredWatermarkClass);

TEST(WatermarkText, TheLinesAreWrappedInTheWatermarkFont)
{
    EXPECT_STREQ(watermarkContents(L"甲\\P乙"), L"{\\fSimSun|b0|i0|c134|p2;甲\\P乙}");
}

TEST(WatermarkText, TheExtentsAreThoseOfTheLinesDrawn)
{
    AcDbMText text;
    text.setTextHeight(2.0);
    text.setWidth(10.0);
    text.setContents(L"{\\fSimSun;AB\\PC}");
    const AcDbExtents extents = measureTextExtents(text);
    // Not the box ten units wide: "AB" is 2 x 0.6 x 2 wide, and two lines of height 2 hang below the top
    // left corner.
    EXPECT_NEAR(extents.minPoint().x, 0.0, 1e-12);
    EXPECT_NEAR(extents.minPoint().y, -4.0, 1e-12);
    EXPECT_NEAR(extents.maxPoint().x, 2.4, 1e-12);
    EXPECT_NEAR(extents.maxPoint().y, 0.0, 1e-12);
}

TEST(WatermarkText, AnEmptyTextKeepsTheFirstHeight)
{
    EXPECT_EQ(fitWatermarkHeight(watermarkContents(L""), 100.0, 50.0), 1.0);
}

TEST(AcDbWatermarkClass, IsRegisteredBelowTheEntityWithItsDxfNameAndDescription)
{
    AcRxClass* watermarkClass = AcDbWatermark::desc();
    ASSERT_NE(watermarkClass, nullptr);
    EXPECT_STREQ(watermarkClass->name(), L"AcDbWatermark");
    EXPECT_STREQ(watermarkClass->dxfName(), L"GWATERMARKA");
    EXPECT_EQ(watermarkClass->myParent(), AcDbEntity::desc());
    EXPECT_EQ(std::wstring(watermarkClass->appName()).rfind(L"\"|Product Desc:     AcDbWatermark\" \"|Company:", 0),
              0U);
}

TEST(AcDbWatermarkClass, ThePseudoConstructorMakesANewWatermark)
{
    const std::unique_ptr<AcRxObject> made(AcDbWatermark::desc()->create());
    const AcDbWatermark* watermark = AcDbWatermark::cast(made.get());
    ASSERT_NE(watermark, nullptr);
    EXPECT_EQ(watermark->isA(), AcDbWatermark::desc());
    EXPECT_EQ(watermark->watermarkVersion(), 2U);
    EXPECT_EQ(AcDbWatermark::cast(AcDbEntity::desc()), nullptr);
}

TEST(AcDbWatermarkClass, RegisteringAgainChangesNothing)
{
    AcRxClass* before = AcDbWatermark::desc();
    AcDbWatermark::rxInit();
    EXPECT_EQ(AcDbWatermark::desc(), before);
}

} // namespace
