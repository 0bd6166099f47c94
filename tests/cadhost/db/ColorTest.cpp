#include "dbcolor.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {
class PaletteTest : public ::testing::TestWithParam<std::tuple<int, Adesk::UInt32>> {};

TEST_P(PaletteTest, IndexHasTheHostsColour)
{
    auto [index, rgb] = GetParam();
    EXPECT_EQ(rgb, AcCmEntityColor::lookUpRGB(static_cast<Adesk::UInt16>(index)));
}

INSTANTIATE_TEST_SUITE_P(Aci, PaletteTest,
                         ::testing::Values(std::make_tuple(1, 0xFF0000u), std::make_tuple(2, 0xFFFF00u),
                                           std::make_tuple(3, 0x00FF00u), std::make_tuple(5, 0x0000FFu),
                                           std::make_tuple(7, 0xFFFFFFu), std::make_tuple(8, 0x808080u),
                                           std::make_tuple(9, 0xC0C0C0u), std::make_tuple(10, 0xFF0000u),
                                           std::make_tuple(11, 0xFF7F7Fu), std::make_tuple(12, 0xA50000u),
                                           std::make_tuple(20, 0xFF3F00u), std::make_tuple(21, 0xFF9F7Fu),
                                           std::make_tuple(23, 0xA56752u), std::make_tuple(60, 0xBFFF00u),
                                           std::make_tuple(140, 0x00BFFFu), std::make_tuple(249, 0x261317u),
                                           std::make_tuple(250, 0x333333u), std::make_tuple(255, 0xFFFFFFu)));

TEST(ColorTest, NearestIndexOfAnRgbColour)
{
    EXPECT_EQ(1, AcCmEntityColor::lookUpACI(255, 0, 0));
    EXPECT_EQ(5, AcCmEntityColor::lookUpACI(0, 0, 250));
    EXPECT_EQ(250, AcCmEntityColor::lookUpACI(50, 52, 51));
}

TEST(ColorTest, MethodsAndIndices)
{
    AcCmColor color;
    EXPECT_TRUE(color.isByLayer());
    EXPECT_EQ(256, color.colorIndex());
    EXPECT_EQ(Acad::eOk, color.setColorIndex(0));
    EXPECT_TRUE(color.isByBlock());
    EXPECT_EQ(Acad::eOk, color.setColorIndex(3));
    EXPECT_TRUE(color.isByACI());
    EXPECT_EQ(0xC3000003u, color.color());
    EXPECT_EQ(Acad::eInvalidInput, color.setColorIndex(300));
    color.setRGB(10, 20, 30);
    EXPECT_EQ(0xC20A141Eu, color.color());
    EXPECT_EQ(20, color.green());
    AcCmColor copy;
    EXPECT_EQ(Acad::eOk, copy.setColor(color.color()));
    EXPECT_EQ(color, copy);
    EXPECT_EQ(Acad::eInvalidInput, copy.setColor(0x12000001u));
}

TEST(ColorTest, Transparency)
{
    AcCmTransparency transparency;
    EXPECT_TRUE(transparency.isByLayer());
    transparency.setAlphaPercent(0.5);
    EXPECT_TRUE(transparency.isByAlpha());
    EXPECT_EQ(128, transparency.alpha());
    EXPECT_EQ(0x02000080u, transparency.serializeOut());
    transparency.setMethod(AcCmTransparency::kByBlock);
    EXPECT_EQ(0x01000000u, transparency.serializeOut());
    EXPECT_TRUE(AcCmTransparency(255).isSolid());
    EXPECT_TRUE(AcCmTransparency(0).isClear());
}
} // namespace
