// Helpers of the curve entity tests: literal comparisons of points, the vertices of 2D and 3D
// polylines, and filers that hold a cut or altered copy of a stream written by an entity.
#pragma once

#include "MemoryDwgFiler.h"
#include "dbents.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

inline void expectPoint(const AcGePoint3d& actual, double x, double y, double z = 0.0)
{
    EXPECT_NEAR(actual.x, x, 1e-9);
    EXPECT_NEAR(actual.y, y, 1e-9);
    EXPECT_NEAR(actual.z, z, 1e-9);
}

inline void expectVector(const AcGeVector3d& actual, double x, double y, double z)
{
    EXPECT_NEAR(actual.x, x, 1e-9);
    EXPECT_NEAR(actual.y, y, 1e-9);
    EXPECT_NEAR(actual.z, z, 1e-9);
}

// The vertices of a polyline that is in no database, in order.
template <class Vertex, class Polyline> std::vector<Vertex*> memoryVertices(const Polyline& polyline)
{
    std::vector<Vertex*> vertices;
    std::unique_ptr<AcDbObjectIterator> iterator(polyline.vertexIterator());
    for (; !iterator->done(); iterator->step())
        vertices.push_back(Vertex::cast(iterator->entity()));
    return vertices;
}

// Writes the source's values from index first up to (not including) index last into the target.
void copyValues(const MemoryDwgFiler& source, std::size_t first, std::size_t last, MemoryDwgFiler& target);

// A filer holding the first count values of the source, followed by the extra UInt32 values, ready
// to be read.
std::unique_ptr<MemoryDwgFiler> prefixOf(const MemoryDwgFiler& source, std::size_t count,
                                         const std::vector<Adesk::UInt32>& extra = {});
