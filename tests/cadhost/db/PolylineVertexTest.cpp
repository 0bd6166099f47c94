// The vertices of 2D and 3D polylines: held in memory, given ids in a database, filed inside the
// polyline, kept through a save and an open, and rebuilt by spline fitting and straightening.
#include "CurveTestSupport.h"
#include "ScopedTempFolder.h"
#include "dbobjptr.h"
#include "dbpl.h"

#include <memory>
#include <utility>

namespace {

struct VertexEntry {
    AcDbObjectId id;
    AcDbEntity* entity = nullptr;
};

template <class Polyline> std::vector<VertexEntry> iterate(const Polyline& polyline)
{
    std::vector<VertexEntry> entries;
    std::unique_ptr<AcDbObjectIterator> iterator(polyline.vertexIterator());
    for (; !iterator->done(); iterator->step())
        entries.push_back({iterator->objectId(), iterator->entity()});
    return entries;
}

AcDbObjectId appendToModelSpace(AcDbDatabase& database, AcDbEntity* entity)
{
    AcDbBlockTableRecordPointer space(database.modelSpaceId(), AcDb::kForWrite);
    AcDbObjectId id;
    EXPECT_EQ(space->appendAcDbEntity(id, entity), Acad::eOk);
    entity->close();
    return id;
}

AcDbObjectId addLayer(AcDbDatabase& database, const ACHAR* name)
{
    AcDbLayerTablePointer layers(&database, AcDb::kForWrite);
    auto* record = new AcDbLayerTableRecord();
    record->setName(name);
    AcDbObjectId id;
    EXPECT_EQ(layers->add(id, record), Acad::eOk);
    record->close();
    return id;
}

AcGePoint3dArray frame()
{
    AcGePoint3dArray points;
    points.append(AcGePoint3d(0.0, 0.0, 0.0));
    points.append(AcGePoint3d(3.0, 3.0, 0.0));
    points.append(AcGePoint3d(6.0, 0.0, 3.0));
    points.append(AcGePoint3d(9.0, 3.0, 3.0));
    return points;
}

std::vector<AcDb::Vertex3dType> typesOf(const std::vector<AcDb3dPolylineVertex*>& vertices)
{
    std::vector<AcDb::Vertex3dType> types;
    for (const AcDb3dPolylineVertex* vertex : vertices)
        types.push_back(vertex->vertexType());
    return types;
}

TEST(PolylineVertexTest, VerticesOutsideADatabaseComeFromMemory)
{
    AcDb2dPolyline polyline;
    auto* vertex = new AcDb2dVertex(AcGePoint3d(1.0, 2.0, 0.0));
    ASSERT_EQ(polyline.appendVertex(vertex), Acad::eOk);
    const std::vector<VertexEntry> entries = iterate(polyline);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].id.isNull());
    EXPECT_EQ(entries[0].entity, vertex);
}

TEST(PolylineVertexTest, AppendingThePolylineGivesItsVerticesIds)
{
    AcDbDatabase database;
    auto* polyline = new AcDb2dPolyline();
    polyline->appendVertex(new AcDb2dVertex(AcGePoint3d(1.0, 2.0, 0.0), 0.5));
    polyline->appendVertex(new AcDb2dVertex(AcGePoint3d(4.0, 2.0, 0.0)));
    const AcDbObjectId polylineId = appendToModelSpace(database, polyline);

    AcDbObjectPointer<AcDb2dPolyline> opened(polylineId, AcDb::kForRead);
    ASSERT_EQ(opened.openStatus(), Acad::eOk);
    const std::vector<VertexEntry> entries = iterate(*opened.object());
    ASSERT_EQ(entries.size(), 2u);
    for (const VertexEntry& entry : entries) {
        EXPECT_FALSE(entry.id.isNull());
        EXPECT_EQ(entry.entity, nullptr);
    }
    AcDbObjectPointer<AcDb2dVertex> first(entries[0].id, AcDb::kForRead);
    ASSERT_EQ(first.openStatus(), Acad::eOk);
    expectPoint(first->position(), 1.0, 2.0, 0.0);
    EXPECT_DOUBLE_EQ(first->bulge(), 0.5);
    EXPECT_EQ(first->ownerId(), polylineId);
    EXPECT_EQ(first->layerId(), database.layerZero());
}

TEST(PolylineVertexTest, AVertexAppendedInADatabaseStaysOpenForItsCaller)
{
    AcDbDatabase database;
    const AcDbObjectId polylineId = appendToModelSpace(database, new AcDb3dPolyline());
    AcDbObjectPointer<AcDb3dPolyline> polyline(polylineId, AcDb::kForWrite);
    auto* vertex = new AcDb3dPolylineVertex(AcGePoint3d(1.0, 1.0, 1.0));
    AcDbObjectId vertexId;
    ASSERT_EQ(polyline->appendVertex(vertexId, vertex), Acad::eOk);
    EXPECT_FALSE(vertexId.isNull());
    EXPECT_TRUE(vertex->isWriteEnabled());
    EXPECT_EQ(vertex->close(), Acad::eOk);
    AcDbObjectPointer<AcDb3dPolylineVertex> reopened(vertexId, AcDb::kForRead);
    ASSERT_EQ(reopened.openStatus(), Acad::eOk);
    expectPoint(reopened->position(), 1.0, 1.0, 1.0);
}

TEST(PolylineVertexTest, SplineFitAddsFitVerticesAndStraighteningRemovesThem)
{
    AcDb3dPolyline polyline(AcDb::k3dSimplePoly, frame());
    ASSERT_EQ(polyline.splineFit(), Acad::eOk);
    EXPECT_EQ(polyline.polyType(), AcDb::k3dCubicSplinePoly);
    std::vector<AcDb3dPolylineVertex*> vertices = memoryVertices<AcDb3dPolylineVertex>(polyline);
    // Four control vertices, then eight fit vertices for each of the three spans and the end.
    ASSERT_EQ(vertices.size(), 4u + 25u);
    EXPECT_EQ(vertices[3]->vertexType(), AcDb::k3dControlVertex);
    EXPECT_EQ(vertices[4]->vertexType(), AcDb::k3dFitVertex);
    AcGePoint3d start;
    AcGePoint3d end;
    ASSERT_EQ(polyline.getStartPoint(start), Acad::eOk);
    ASSERT_EQ(polyline.getEndPoint(end), Acad::eOk);
    expectPoint(start, 0.0, 0.0, 0.0);
    expectPoint(end, 9.0, 3.0, 3.0);

    ASSERT_EQ(polyline.convertToPolyType(AcDb::k3dSimplePoly), Acad::eOk);
    EXPECT_EQ(polyline.polyType(), AcDb::k3dSimplePoly);
    vertices = memoryVertices<AcDb3dPolylineVertex>(polyline);
    ASSERT_EQ(vertices.size(), 4u);
    EXPECT_EQ(typesOf(vertices), std::vector<AcDb::Vertex3dType>(4, AcDb::k3dSimpleVertex));
    expectPoint(vertices[2]->position(), 6.0, 0.0, 3.0);
}

TEST(PolylineVertexTest, StraighteningInADatabaseErasesTheFitVertices)
{
    AcDbDatabase database;
    const AcDbObjectId polylineId = appendToModelSpace(database, new AcDb3dPolyline(AcDb::k3dQuadSplinePoly, frame()));
    AcDbObjectPointer<AcDb3dPolyline> polyline(polylineId, AcDb::kForWrite);
    const std::vector<VertexEntry> fitted = iterate(*polyline.object());
    ASSERT_EQ(fitted.size(), 4u + 25u);
    ASSERT_EQ(polyline->convertToPolyType(AcDb::k3dSimplePoly), Acad::eOk);
    const std::vector<VertexEntry> straight = iterate(*polyline.object());
    ASSERT_EQ(straight.size(), 4u);
    EXPECT_EQ(straight[0].id, fitted[0].id);
    EXPECT_TRUE(fitted[4].id.isErased());
    AcDbObjectPointer<AcDb3dPolylineVertex> control(straight[3].id, AcDb::kForRead);
    ASSERT_EQ(control.openStatus(), Acad::eOk);
    EXPECT_EQ(control->vertexType(), AcDb::k3dSimpleVertex);
    expectPoint(control->position(), 9.0, 3.0, 3.0);
}

TEST(PolylineVertexTest, VerticesKeepTheirOwnColourAndLayerThroughASaveAndAnOpen)
{
    ScopedTempFolder folder;
    const std::wstring path = folder.wide("vertices.dwg");
    {
        AcDbDatabase database;
        const AcDbObjectId layer = addLayer(database, L"Vertices");
        auto* polyline = new AcDb2dPolyline();
        auto* coloured = new AcDb2dVertex(AcGePoint3d(0.0, 0.0, 0.0), 0.25);
        coloured->setColorIndex(3);
        coloured->setLayer(layer);
        polyline->appendVertex(coloured);
        polyline->appendVertex(new AcDb2dVertex(AcGePoint3d(10.0, 0.0, 0.0)));
        polyline->setColorIndex(1);
        appendToModelSpace(database, polyline);
        ASSERT_EQ(database.saveAs(path.c_str(), false), Acad::eOk);
    }
    AcDbDatabase opened(false, true);
    ASSERT_EQ(opened.readDwgFile(path.c_str()), Acad::eOk);
    AcDbBlockTableRecordPointer space(opened.modelSpaceId(), AcDb::kForRead);
    const AcDbObjectIdArray ids = space->entityIds();
    ASSERT_EQ(ids.length(), 1);
    AcDbObjectPointer<AcDb2dPolyline> polyline(ids[0], AcDb::kForRead);
    ASSERT_EQ(polyline.openStatus(), Acad::eOk);
    EXPECT_EQ(polyline->colorIndex(), 1);
    const std::vector<VertexEntry> entries = iterate(*polyline.object());
    ASSERT_EQ(entries.size(), 2u);

    AcDbObjectPointer<AcDb2dVertex> first(entries[0].id, AcDb::kForRead);
    ASSERT_EQ(first.openStatus(), Acad::eOk);
    EXPECT_EQ(first->colorIndex(), 3);
    ACHAR* layerName = first->layer();
    EXPECT_STREQ(layerName, L"Vertices");
    acutDelString(layerName);
    EXPECT_DOUBLE_EQ(first->bulge(), 0.25);

    AcDbObjectPointer<AcDb2dVertex> second(entries[1].id, AcDb::kForRead);
    ASSERT_EQ(second.openStatus(), Acad::eOk);
    EXPECT_EQ(second->colorIndex(), 256);
    expectPoint(second->position(), 10.0, 0.0, 0.0);
}

TEST(PolylineVertexTest, A3dPolylineKeepsItsVertexTypesThroughASaveAndAnOpen)
{
    ScopedTempFolder folder;
    const std::wstring path = folder.wide("fitted.dwg");
    {
        AcDbDatabase database;
        appendToModelSpace(database, new AcDb3dPolyline(AcDb::k3dCubicSplinePoly, frame()));
        ASSERT_EQ(database.saveAs(path.c_str(), false), Acad::eOk);
    }
    AcDbDatabase opened(false, true);
    ASSERT_EQ(opened.readDwgFile(path.c_str()), Acad::eOk);
    AcDbBlockTableRecordPointer space(opened.modelSpaceId(), AcDb::kForRead);
    AcDbObjectPointer<AcDb3dPolyline> polyline(space->entityIds()[0], AcDb::kForWrite);
    ASSERT_EQ(polyline.openStatus(), Acad::eOk);
    EXPECT_EQ(polyline->polyType(), AcDb::k3dCubicSplinePoly);
    EXPECT_EQ(iterate(*polyline.object()).size(), 4u + 25u);
    ASSERT_EQ(polyline->convertToPolyType(AcDb::k3dSimplePoly), Acad::eOk);
    EXPECT_EQ(iterate(*polyline.object()).size(), 4u);
}

// A vertex added with no width of its own takes the polyline's constant width, or 0 once its widths differ;
// whatever changes a width changes that answer.
TEST(PolylineVertexTest, AVertexWithoutWidthsTakesTheConstantWidthOfTheMoment)
{
    AcDbPolyline polyline;
    double width = -1.0;
    auto widthsAt = [&](unsigned int index) {
        double start = -1.0;
        double end = -1.0;
        polyline.getWidthsAt(index, start, end);
        return std::pair(start, end);
    };
    ASSERT_EQ(polyline.addVertexAt(0, AcGePoint2d(0, 0), 0.0, 2.0, 2.0), Acad::eOk);
    ASSERT_EQ(polyline.addVertexAt(1, AcGePoint2d(1, 0)), Acad::eOk);
    EXPECT_EQ(widthsAt(1), std::pair(2.0, 2.0));
    ASSERT_EQ(polyline.setWidthsAt(1, 1.0, 3.0), Acad::eOk);
    EXPECT_EQ(polyline.getConstantWidth(width), Acad::eNotApplicable);
    ASSERT_EQ(polyline.addVertexAt(2, AcGePoint2d(2, 0)), Acad::eOk);
    EXPECT_EQ(widthsAt(2), std::pair(0.0, 0.0));
    ASSERT_EQ(polyline.setConstantWidth(4.0), Acad::eOk);
    ASSERT_EQ(polyline.addVertexAt(3, AcGePoint2d(3, 0)), Acad::eOk);
    EXPECT_EQ(widthsAt(3), std::pair(4.0, 4.0));
    ASSERT_EQ(polyline.addVertexAt(4, AcGePoint2d(4, 0), 0.0, 5.0, 5.0), Acad::eOk);
    EXPECT_EQ(polyline.getConstantWidth(width), Acad::eNotApplicable);
    ASSERT_EQ(polyline.removeVertexAt(4), Acad::eOk);
    ASSERT_EQ(polyline.getConstantWidth(width), Acad::eOk);
    EXPECT_EQ(width, 4.0);
}

} // namespace
