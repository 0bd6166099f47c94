#include "gekvec.h"

#include <gtest/gtest.h>

namespace {

AcGeKnotVector knots(std::initializer_list<double> values)
{
    AcGeDoubleArray array;
    for (double v : values)
        array.append(v);
    return AcGeKnotVector(array);
}

TEST(AcGeKnotVectorTest, ConstructionFromArrayAndPointer)
{
    const double raw[] = {0, 0, 1, 2, 2};
    const AcGeKnotVector fromPointer(5, raw);
    EXPECT_EQ(fromPointer.length(), 5);
    EXPECT_EQ(fromPointer.logicalLength(), 5);
    EXPECT_EQ(fromPointer[2], 1.0);
    EXPECT_EQ(fromPointer.tolerance(), AcGeKnotVector::globalKnotTolerance);
    EXPECT_TRUE(fromPointer == knots({0, 0, 1, 2, 2}));
    EXPECT_FALSE(fromPointer == knots({0, 0, 1, 2}));
    EXPECT_EQ(fromPointer.startParam(), 0.0);
    EXPECT_EQ(fromPointer.endParam(), 2.0);
    EXPECT_EQ(fromPointer.asArrayPtr()[4], 2.0);
    EXPECT_TRUE(AcGeKnotVector().isEmpty());
}

TEST(AcGeKnotVectorTest, MultiplicityHonoursTolerance)
{
    AcGeKnotVector kv = knots({0, 0, 0, 0.5, 0.5 + 1e-12, 1, 1, 1});
    EXPECT_EQ(kv.multiplicityAt(0), 3);
    EXPECT_EQ(kv.multiplicityAt(3), 2);
    EXPECT_EQ(kv.numIntervals(), 2);
    AcGeDoubleArray distinct;
    kv.getDistinctKnots(distinct);
    ASSERT_EQ(distinct.length(), 3);
    EXPECT_EQ(distinct[1], 0.5);
    kv.setTolerance(0.0);
    EXPECT_EQ(kv.multiplicityAt(3), 1);
    EXPECT_EQ(kv.numIntervals(), 3);
}

TEST(AcGeKnotVectorTest, ContainsAndIsOn)
{
    const AcGeKnotVector kv = knots({1, 1, 2, 3, 3});
    EXPECT_TRUE(kv.contains(2.5));
    EXPECT_TRUE(kv.contains(3.0));
    EXPECT_FALSE(kv.contains(3.1));
    EXPECT_TRUE(kv.isOn(2.0));
    EXPECT_FALSE(kv.isOn(2.5));
    EXPECT_FALSE(AcGeKnotVector().contains(0.0));
}

TEST(AcGeKnotVectorTest, EditingKeepsOrder)
{
    AcGeKnotVector kv = knots({0, 0, 1, 1});
    kv.insertAt(2, 0.5, 2);
    EXPECT_TRUE(kv == knots({0, 0, 0.5, 0.5, 1, 1}));
    kv.removeAt(3);
    EXPECT_EQ(kv.append(2.0), 5);
    EXPECT_TRUE(kv == knots({0, 0, 0.5, 1, 1, 2}));
    kv[5] = 1.0;
    EXPECT_EQ(kv.endParam(), 1.0);
}

} // namespace
