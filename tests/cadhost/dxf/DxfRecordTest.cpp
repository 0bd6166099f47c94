#include "DxfRecord.h"
#include "DxfError.h"

#include <gtest/gtest.h>

namespace {
using cadhost::dxf::DxfError;
using cadhost::dxf::DxfRecord;

DxfRecord lineRecord()
{
    DxfRecord record("LWPOLYLINE");
    for (const auto& [code, value] : std::initializer_list<std::pair<int, const char*>>{
             {8, "轮廓"}, {90, "2"}, {10, "  1.5"}, {20, "2"}, {42, "0.5"}, {10, "3"}, {20, "-4"}, {70, "1"}})
        record.add(code, value);
    return record;
}

TEST(DxfRecordTest, ReadsValuesByCodeWithFallbacks)
{
    const DxfRecord record = lineRecord();
    EXPECT_EQ(record.text(8), "轮廓");
    EXPECT_EQ(record.integer(70), 1);
    EXPECT_EQ(record.integer(71, 7), 7);
    EXPECT_DOUBLE_EQ(record.real(42), 0.5);
    EXPECT_DOUBLE_EQ(record.real(43, 2.5), 2.5);
}

TEST(DxfRecordTest, ReadsRepeatedPointsInFileOrder)
{
    const auto points = lineRecord().points(10);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0], AcGePoint3d(1.5, 2, 0));
    EXPECT_EQ(points[1], AcGePoint3d(3, -4, 0));
}

TEST(DxfRecordTest, ValueThatIsNoNumberIsRefusedWithTheGroupNamed)
{
    DxfRecord record("LINE");
    record.add(10, "abc");
    try {
        record.real(10);
        FAIL() << "no error";
    } catch (const DxfError& error) {
        EXPECT_STREQ(error.what(), "group 10 holds \"abc\", which is not a number a drawing can hold");
    }
}

class AbsurdRealTest : public testing::TestWithParam<const char*> {};

TEST_P(AbsurdRealTest, IsRefused)
{
    double value = 0.0;
    EXPECT_FALSE(cadhost::dxf::parseReal(GetParam(), value));
}

INSTANTIATE_TEST_SUITE_P(Values, AbsurdRealTest, testing::Values("", "1e400", "-1e16", "nan", "inf", "1.5x", "--1"));

TEST(DxfRecordTest, OrdinaryRealsAreRead)
{
    double value = 0.0;
    ASSERT_TRUE(cadhost::dxf::parseReal(" -12.25e2 ", value));
    EXPECT_DOUBLE_EQ(value, -1225.0);
}

} // namespace
