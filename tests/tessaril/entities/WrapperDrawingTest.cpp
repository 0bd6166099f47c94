// A drawing that holds one wrapper of each kind: it saves and reopens with the inner entities as saved
// and the wrapper's properties on them, draws like the same drawing without wrappers, survives a host
// without the module as proxies that save back unchanged, and comes back live when the module returns.
#include "RegisteredCustomClasses.h"
#include "ScopedTempFolder.h"
#include "entities/WrapperEntities.h"
#include "records/GCopyEntityHelper.h"

#include "dbobjptr.h"
#include "dbproxy.h"
#include "dbsymtb.h"
#include "gelnsg2d.h"
#include "genurb2d.h"
#include "giregen.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

struct WrapperKind {
    std::string name;
    std::function<AcDbEntity*(AcDbDatabase&)> makeSource;
    AcDbEntity* (*makeWrapper)();
    AcRxClass* (*wrapperClass)();
    AcDbEntity* (*innerOf)(AcDbEntity*);
};

template <class Wrapper> WrapperKind kind(const std::string& name, std::function<AcDbEntity*(AcDbDatabase&)> makeSource)
{
    return {name, std::move(makeSource), []() -> AcDbEntity* { return new Wrapper(); }, &Wrapper::desc,
            [](AcDbEntity* wrapper) -> AcDbEntity* {
                auto* typed = Wrapper::cast(wrapper);
                return typed != nullptr ? typed->inner() : nullptr;
            }};
}

AcDbObjectId blockIn(AcDbDatabase& database)
{
    AcDbBlockTable* table = nullptr;
    EXPECT_EQ(Acad::eOk, database.getBlockTable(table, AcDb::kForWrite));
    AcDbObjectId id;
    if (table->getAt(L"B", id) != Acad::eOk) {
        auto* block = new AcDbBlockTableRecord();
        block->setName(L"B");
        EXPECT_EQ(Acad::eOk, table->add(id, block));
        auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(4, 2, 0));
        block->appendAcDbEntity(line);
        line->close();
        auto* circle = new AcDbCircle(AcGePoint3d(1, 1, 0), AcGeVector3d::kZAxis, 1.5);
        block->appendAcDbEntity(circle);
        circle->close();
        block->close();
    }
    table->close();
    return id;
}

AcGePoint3dArray points(std::initializer_list<AcGePoint3d> list)
{
    AcGePoint3dArray result;
    for (const AcGePoint3d& point : list)
        result.append(point);
    return result;
}

// One source entity of every wrapped class.
std::vector<WrapperKind> kinds()
{
    return {
        kind<AcDbPointEx>("Point", [](AcDbDatabase&) { return new AcDbPoint(AcGePoint3d(3, 4, 0)); }),
        kind<AcDbLineEx>("Line",
                         [](AcDbDatabase&) { return new AcDbLine(AcGePoint3d(1, 2, 0), AcGePoint3d(4, 6, 0)); }),
        kind<AcDbTextEx>("Text",
                         [](AcDbDatabase&) {
                             return new AcDbText(AcGePoint3d(10, 10, 0), L"保护 text", AcDbObjectId::kNull, 2.5, 0.5);
                         }),
        kind<AcDbMTextEx>("MText",
                          [](AcDbDatabase&) {
                              auto* text = new AcDbMText();
                              text->setLocation(AcGePoint3d(20, 5, 0));
                              text->setTextHeight(1.5);
                              text->setWidth(30.0);
                              text->setContents(L"first\\Psecond line");
                              return text;
                          }),
        kind<AcDbHatchEx>("Hatch",
                          [](AcDbDatabase&) {
                              auto* hatch = new AcDbHatch();
                              hatch->setPattern(AcDbHatch::kPreDefined, L"SOLID");
                              AcGePoint2dArray corners;
                              corners.append(AcGePoint2d(0, 0));
                              corners.append(AcGePoint2d(5, 0));
                              corners.append(AcGePoint2d(5, 3));
                              corners.append(AcGePoint2d(0, 3));
                              hatch->appendLoop(AcDbHatch::kExternal, corners, AcGeDoubleArray());
                              hatch->evaluateHatch();
                              return hatch;
                          }),
        kind<AcDbBlockReferenceEx>("BlockReference",
                                   [](AcDbDatabase& database) {
                                       auto* reference =
                                           new AcDbBlockReference(AcGePoint3d(30, 30, 0), blockIn(database));
                                       reference->setScaleFactors(AcGeScale3d(2.0));
                                       return reference;
                                   }),
        kind<AcDbMlineEx>("Mline",
                          [](AcDbDatabase&) {
                              auto* mline = new AcDbMline();
                              mline->appendSeg(AcGePoint3d(0, 40, 0));
                              mline->appendSeg(AcGePoint3d(10, 40, 0));
                              mline->appendSeg(AcGePoint3d(10, 50, 0));
                              return mline;
                          }),
        kind<AcDbArcEx>("Arc", [](AcDbDatabase&) { return new AcDbArc(AcGePoint3d(5, 5, 0), 2.0, 0.25, 2.5); }),
        kind<AcDbCircleEx>(
            "Circle", [](AcDbDatabase&) { return new AcDbCircle(AcGePoint3d(7, 8, 0), AcGeVector3d::kZAxis, 3.0); }),
        kind<AcDbEllipseEx>("Ellipse",
                            [](AcDbDatabase&) {
                                return new AcDbEllipse(AcGePoint3d(1, 2, 0), AcGeVector3d::kZAxis,
                                                       AcGeVector3d(4, 0, 0), 0.5, 0.0, 6.283185307179586);
                            }),
        kind<AcDbLeaderEx>("Leader",
                           [](AcDbDatabase&) {
                               auto* leader = new AcDbLeader();
                               leader->appendVertex(AcGePoint3d(0, 0, 0));
                               leader->appendVertex(AcGePoint3d(5, 5, 0));
                               leader->appendVertex(AcGePoint3d(9, 5, 0));
                               return leader;
                           }),
        kind<AcDbPolylineEx>("Polyline",
                             [](AcDbDatabase&) {
                                 auto* polyline = new AcDbPolyline();
                                 polyline->addVertexAt(0, AcGePoint2d(0, 0), 0.5, 0.0, 0.0);
                                 polyline->addVertexAt(1, AcGePoint2d(3, 0), 0.0, 0.0, 0.0);
                                 polyline->addVertexAt(2, AcGePoint2d(3, 4), 0.0, 0.0, 0.0);
                                 polyline->setClosed(Adesk::kTrue);
                                 return polyline;
                             }),
        kind<AcDbRayEx>("Ray",
                        [](AcDbDatabase&) {
                            auto* ray = new AcDbRay();
                            ray->setBasePoint(AcGePoint3d(1, 2, 0));
                            ray->setUnitDir(AcGeVector3d(0, 1, 0));
                            return ray;
                        }),
        kind<AcDbSplineEx>("Spline",
                           [](AcDbDatabase&) {
                               return new AcDbSpline(
                                   points({AcGePoint3d(0, 0, 0), AcGePoint3d(2, 3, 0), AcGePoint3d(5, 1, 0)}),
                                   AcGeVector3d(1, 0, 0), AcGeVector3d(1, 0, 0));
                           }),
        kind<AcDbXlineEx>("Xline",
                          [](AcDbDatabase&) {
                              auto* xline = new AcDbXline();
                              xline->setBasePoint(AcGePoint3d(-1, -1, 0));
                              xline->setUnitDir(AcGeVector3d(1, 0, 0));
                              return xline;
                          }),
        kind<AcDbOrdinateDimensionEx>("OrdinateDimension",
                                      [](AcDbDatabase&) {
                                          auto* dimension = new AcDbOrdinateDimension();
                                          dimension->useXAxis();
                                          dimension->setOrigin(AcGePoint3d(0, 0, 0));
                                          dimension->setDefiningPoint(AcGePoint3d(6, 2, 0));
                                          dimension->setLeaderEndPoint(AcGePoint3d(6, 8, 0));
                                          return dimension;
                                      }),
        kind<AcDb2LineAngularDimensionEx>("2LineAngularDimension",
                                          [](AcDbDatabase&) {
                                              auto* dimension = new AcDb2LineAngularDimension();
                                              dimension->setXLine1Start(AcGePoint3d(0, 0, 0));
                                              dimension->setXLine1End(AcGePoint3d(10, 0, 0));
                                              dimension->setXLine2Start(AcGePoint3d(0, 0, 0));
                                              dimension->setXLine2End(AcGePoint3d(10, 10, 0));
                                              dimension->setArcPoint(AcGePoint3d(8, 3, 0));
                                              return dimension;
                                          }),
        kind<AcDb3PointAngularDimensionEx>("3PointAngularDimension",
                                           [](AcDbDatabase&) {
                                               auto* dimension = new AcDb3PointAngularDimension();
                                               dimension->setCenterPoint(AcGePoint3d(50, 0, 0));
                                               dimension->setXLine1Point(AcGePoint3d(60, 0, 0));
                                               dimension->setXLine2Point(AcGePoint3d(50, 10, 0));
                                               dimension->setArcPoint(AcGePoint3d(57, 7, 0));
                                               return dimension;
                                           }),
        kind<AcDbAlignedDimensionEx>("AlignedDimension",
                                     [](AcDbDatabase&) {
                                         return new AcDbAlignedDimension(AcGePoint3d(0, 60, 0), AcGePoint3d(8, 66, 0),
                                                                         AcGePoint3d(2, 70, 0));
                                     }),
        kind<AcDbDiametricDimensionEx>("DiametricDimension",
                                       [](AcDbDatabase&) {
                                           return new AcDbDiametricDimension(AcGePoint3d(70, 0, 0),
                                                                             AcGePoint3d(80, 0, 0), 3.0);
                                       }),
        kind<AcDbRadialDimensionEx>(
            "RadialDimension",
            [](AcDbDatabase&) { return new AcDbRadialDimension(AcGePoint3d(90, 0, 0), AcGePoint3d(95, 0, 0), 2.0); }),
        kind<AcDbRotatedDimensionEx>("RotatedDimension",
                                     [](AcDbDatabase&) {
                                         return new AcDbRotatedDimension(0.0, AcGePoint3d(0, 80, 0),
                                                                         AcGePoint3d(12, 80, 0), AcGePoint3d(6, 85, 0),
                                                                         L"<> mm");
                                     }),
        kind<AcDbTraceEx>("Trace",
                          [](AcDbDatabase&) {
                              return new AcDbTrace(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 0, 0), AcGePoint3d(0, 2, 0),
                                                   AcGePoint3d(2, 2, 0));
                          }),
        kind<AcDbSolidEx>("Solid",
                          [](AcDbDatabase&) {
                              return new AcDbSolid(AcGePoint3d(10, 0, 0), AcGePoint3d(11, 0, 0), AcGePoint3d(10, 1, 0),
                                                   AcGePoint3d(11, 1, 0));
                          }),
        kind<AcDb2dPolylineEx>("2dPolyline",
                               [](AcDbDatabase&) {
                                   return new AcDb2dPolyline(
                                       AcDb::k2dSimplePoly,
                                       points({AcGePoint3d(0, 0, 0), AcGePoint3d(4, 0, 0), AcGePoint3d(4, 4, 0)}), 0.0,
                                       Adesk::kTrue);
                               }),
        kind<AcDb3dPolylineEx>("3dPolyline",
                               [](AcDbDatabase&) {
                                   return new AcDb3dPolyline(
                                       AcDb::k3dSimplePoly,
                                       points({AcGePoint3d(0, 0, 0), AcGePoint3d(1, 2, 3), AcGePoint3d(4, 5, 6)}));
                               }),
    };
}

// The stream an entity's record writes, without the ids that go beside it.
std::vector<std::uint8_t> recordBytes(AcDbEntity* entity)
{
    GDwgFiler recording(nullptr);
    EXPECT_EQ(Acad::eOk, writeEntityData(entity, &recording));
    return {recording.buffer().begin(), recording.buffer().end()};
}

std::string primitiveText(const AcGiPrimitive& p)
{
    char line[512];
    std::string text = std::to_string(static_cast<int>(p.kind));
    for (const AcGePoint3d& point : p.points) {
        std::snprintf(line, sizeof line, " (%.6f %.6f %.6f)", point.x, point.y, point.z);
        text += line;
    }
    std::snprintf(line, sizeof line, " c(%.6f %.6f %.6f) r%.6f n(%.3f %.3f %.3f) s(%.6f %.6f %.6f) w%.6f", p.center.x,
                  p.center.y, p.center.z, p.radius, p.normal.x, p.normal.y, p.normal.z, p.startVector.x,
                  p.startVector.y, p.startVector.z, p.sweepAngle);
    text += line;
    std::snprintf(line, sizeof line, " t[%ls] at(%.6f %.6f %.6f) d(%.6f %.6f) h%.6f wf%.6f o%.6f col%u fill%d",
                  p.text.c_str(), p.position.x, p.position.y, p.position.z, p.direction.x, p.direction.y, p.height,
                  p.widthFactor, p.oblique, static_cast<unsigned>(p.rgb()), static_cast<int>(p.fillType));
    return text + line;
}

std::vector<std::string> drawnPrimitives(AcDbDatabase& database)
{
    AcGiRecording recording;
    AcGiRecorder recorder(recording, &database);
    EXPECT_EQ(Acad::eOk, acgiDrawBlock(recorder, database.modelSpaceId()));
    std::vector<std::string> texts;
    for (const AcGiPrimitive& primitive : recording.primitives)
        texts.push_back(primitiveText(primitive));
    return texts;
}

std::vector<char> fileBytes(const std::wstring& path)
{
    std::ifstream stream(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

AcDbObjectId append(AcDbDatabase& database, AcDbEntity* entity)
{
    AcDbBlockTableRecordPointer space(database.modelSpaceId(), AcDb::kForWrite);
    AcDbObjectId id;
    EXPECT_EQ(Acad::eOk, space->appendAcDbEntity(id, entity));
    entity->close();
    return id;
}

class WrapperDrawingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const WrapperKind& k : kinds()) {
            AcDbEntity* source = k.makeSource(plain);
            source->setColorIndex(2);
            append(plain, source);

            std::unique_ptr<AcDbEntity> copied(k.makeSource(wrapped));
            copied->setColorIndex(2);
            AcDbEntity* wrapper = k.makeWrapper();
            copyEntityData(k.innerOf(wrapper), copied.get());
            copyCommonProperties(wrapper, copied.get());
            handles.push_back(append(wrapped, wrapper).handle());
            expectedRecords.push_back(recordBytes(copied.get()));
        }
    }

    // Opens the object stored under the handle of the index-th kind.
    AcDbObjectId idIn(AcDbDatabase& database, std::size_t index)
    {
        AcDbObjectId id;
        EXPECT_EQ(Acad::eOk, database.getAcDbObjectId(id, false, handles[index]));
        return id;
    }

    std::unique_ptr<AcDbDatabase> open(const std::wstring& path)
    {
        auto opened = std::make_unique<AcDbDatabase>(false, true);
        EXPECT_EQ(Acad::eOk, opened->readDwgFile(path.c_str()));
        return opened;
    }

    void expectLiveWrappers(AcDbDatabase& database)
    {
        const std::vector<WrapperKind> all = kinds();
        for (std::size_t i = 0; i < all.size(); ++i) {
            SCOPED_TRACE(all[i].name);
            AcDbEntity* wrapper = nullptr;
            ASSERT_EQ(Acad::eOk, acdbOpenObject(wrapper, idIn(database, i), AcDb::kForRead));
            EXPECT_EQ(all[i].wrapperClass(), wrapper->isA());
            AcDbEntity* inner = all[i].innerOf(wrapper);
            ASSERT_NE(nullptr, inner);
            EXPECT_EQ(expectedRecords[i], recordBytes(inner));
            EXPECT_EQ(2, inner->colorIndex());
            EXPECT_EQ(database.layerZero(), inner->layerId());
            wrapper->close();
        }
    }

    RegisteredCustomClasses classes;
    ScopedTempFolder folder;
    AcDbDatabase plain{true, true};
    AcDbDatabase wrapped{true, true};
    std::vector<AcDbHandle> handles;
    std::vector<std::vector<std::uint8_t>> expectedRecords;
};

TEST_F(WrapperDrawingTest, SavedWrappersReopenWithTheirInnerEntitiesAndProperties)
{
    const std::wstring path = folder.wide("wrapped.dwg");
    ASSERT_EQ(Acad::eOk, wrapped.saveAs(path.c_str()));
    auto reopened = open(path);
    ASSERT_EQ(26u, handles.size());
    expectLiveWrappers(*reopened);
}

TEST_F(WrapperDrawingTest, ReopenedWrappersDrawLikeTheDrawingWithoutWrappers)
{
    const std::wstring path = folder.wide("wrapped.dwg");
    ASSERT_EQ(Acad::eOk, wrapped.saveAs(path.c_str()));
    auto reopened = open(path);
    const std::vector<std::string> expected = drawnPrimitives(plain);
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(expected, drawnPrimitives(wrapped));
    EXPECT_EQ(expected, drawnPrimitives(*reopened));
}

TEST_F(WrapperDrawingTest, WithoutTheModuleWrappersAreProxiesThatSaveBackUnchangedAndComeBackLive)
{
    const std::wstring path = folder.wide("wrapped.dwg");
    ASSERT_EQ(Acad::eOk, wrapped.saveAs(path.c_str()));

    deleteCustomClasses();
    const std::wstring proxyPath = folder.wide("proxies.dwg");
    {
        auto withoutModule = open(path);
        const std::vector<WrapperKind> all = kinds();
        for (std::size_t i = 0; i < all.size(); ++i) {
            SCOPED_TRACE(all[i].name);
            AcDbObjectPointer<AcDbProxyEntity> proxy(idIn(*withoutModule, i), AcDb::kForRead);
            ASSERT_EQ(Acad::eOk, proxy.openStatus());
            EXPECT_EQ(0, proxy->proxyFlags());
            EXPECT_EQ(2, proxy->colorIndex());
        }
        ASSERT_EQ(Acad::eOk, withoutModule->saveAs(proxyPath.c_str()));
    }
    EXPECT_EQ(fileBytes(path), fileBytes(proxyPath));

    registerCustomClasses();
    acrxBuildClassHierarchy();
    auto withModule = open(proxyPath);
    expectLiveWrappers(*withModule);
}

// The hatch record keeps every boundary as a polyline, so a spline edge comes back as its sampled
// points: the wrapper draws like the hatch its copy made, not like the source hatch.
TEST_F(WrapperDrawingTest, HatchSplineEdgeIsDrawnAsItsSampledPoints)
{
    auto makeHatch = [] {
        auto* hatch = new AcDbHatch();
        hatch->setPattern(AcDbHatch::kPreDefined, L"SOLID");
        AcGePoint2dArray controlPoints;
        controlPoints.append(AcGePoint2d(10, 0));
        controlPoints.append(AcGePoint2d(5, 10));
        controlPoints.append(AcGePoint2d(0, 0));
        const double knots[] = {0, 0, 0, 1, 1, 1};
        AcGeVoidPointerArray edges;
        edges.append(new AcGeLineSeg2d(AcGePoint2d(0, 0), AcGePoint2d(10, 0)));
        edges.append(new AcGeNurbCurve2d(2, AcGeKnotVector(6, knots), controlPoints));
        AcGeIntArray types;
        types.append(AcDbHatch::kLine);
        types.append(AcDbHatch::kSpline);
        hatch->appendLoop(AcDbHatch::kExternal, edges, types);
        hatch->evaluateHatch();
        return hatch;
    };
    AcDbDatabase source(true, true);
    append(source, makeHatch());
    AcDbDatabase copy(true, true);
    std::unique_ptr<AcDbHatch> original(makeHatch());
    auto* wrapper = new AcDbHatchEx();
    copyEntityData(wrapper->inner(), original.get());
    const AcDbObjectId id = append(copy, wrapper);
    const std::wstring path = folder.wide("hatch.dwg");
    ASSERT_EQ(Acad::eOk, copy.saveAs(path.c_str()));
    auto reopened = open(path);

    const std::vector<std::string> drawn = drawnPrimitives(*reopened);
    EXPECT_NE(drawnPrimitives(source), drawn);
    EXPECT_EQ(drawnPrimitives(copy), drawn);
    AcDbObjectId reopenedId;
    ASSERT_EQ(Acad::eOk, reopened->getAcDbObjectId(reopenedId, false, id.handle()));
    AcDbObjectPointer<AcDbHatchEx> loaded(reopenedId, AcDb::kForRead);
    ASSERT_EQ(Acad::eOk, loaded.openStatus());
    AcGePoint2dArray vertices;
    AcGeDoubleArray bulges;
    Adesk::Int32 loopType = 0;
    ASSERT_EQ(Acad::eOk, loaded->inner()->getLoopAt(0, loopType, vertices, bulges));
    EXPECT_GT(vertices.length(), 10);
}

} // namespace
