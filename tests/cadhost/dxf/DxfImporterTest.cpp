#include "DxfImporter.h"
#include "DxfError.h"
#include "ScopedTempFolder.h"

#include "acutads.h"
#include "dbblkref.h"
#include "dbdict.h"
#include "dbdim.h"
#include "dbdxfentity.h"
#include "dbents.h"
#include "dbextents.h"
#include "dbface.h"
#include "dbfcf.h"
#include "dbhatch.h"
#include "dblayout.h"
#include "dbmleader.h"
#include "dbmtext.h"
#include "dbobjptr.h"
#include "dbpl.h"
#include "dbsymtb.h"
#include "dbtable.h"
#include "dbtext.h"
#include "dbwipeout.h"
#include "gearc2d.h"
#include "genurb2d.h"
#include "sorttab.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

namespace {
using cadhost::dxf::DxfError;
using cadhost::dxf::importDxf;

// Groups of a DXF file, one "code value" pair a line; the test writes them as DXF, a group a line each.
std::string dxf(std::initializer_list<const char*> pairs)
{
    std::string text;
    for (const char* pair : pairs) {
        const std::string line = pair;
        const auto blank = line.find(' ');
        text += line.substr(0, blank) + "\n" + line.substr(blank + 1) + "\n";
    }
    return text;
}

// A small R2000 drawing: a frozen red layer that is off, a block with an attribute definition, and in
// model space a line, a bulged closed polyline, a GBK text, a 3D face, a reference with an attribute and
// a solid hatch.
const std::string kDrawing = dxf({
    "0 SECTION",    "2 HEADER",   "9 $ACADVER", "1 AC1015",  "9 $DWGCODEPAGE",
    "3 ANSI_936",   "0 ENDSEC",   "0 SECTION",  "2 TABLES",  "0 TABLE",
    "2 LAYER",      "0 LAYER",    "2 Walls",    "70 1",      "62 -1",
    "6 Continuous", "0 ENDTAB",   "0 ENDSEC",   "0 SECTION", "2 BLOCKS",
    "0 BLOCK",      "2 Door",     "10 0",       "20 0",      "0 LINE",
    "8 0",          "10 0",       "20 0",       "11 1",      "21 1",
    "0 ATTDEF",     "8 0",        "10 0",       "20 0",      "40 1",
    "1 D1",         "2 NO",       "3 Number?",  "0 ENDBLK",  "0 ENDSEC",
    "0 SECTION",    "2 ENTITIES", "0 LINE",     "8 Walls",   "10 1",
    "20 2",         "30 0",       "11 4",       "21 6",      "31 0",
    "0 LWPOLYLINE", "8 0",        "90 2",       "70 1",      "10 0",
    "20 0",         "42 1",       "10 10",      "20 0",      "0 TEXT",
    "8 0",          "10 5",       "20 5",       "40 2.5",    "1 \xD6\xD0\xCE\xC4",
    "0 3DFACE",     "8 0",        "10 0",       "20 0",      "11 1",
    "21 0",         "12 1",       "22 1",       "13 0",      "23 1",
    "0 INSERT",     "8 0",        "66 1",       "2 Door",    "10 20",
    "20 30",        "0 ATTRIB",   "8 0",        "10 20",     "20 30",
    "40 1",         "1 A-7",      "2 NO",       "0 SEQEND",  "0 HATCH",
    "8 0",          "2 SOLID",    "70 1",       "91 1",      "92 2",
    "72 0",         "73 1",       "93 3",       "10 0",      "20 0",
    "10 5",         "20 0",       "10 0",       "20 5",      "0 ENDSEC",
    "0 EOF",
});

class DxfImporterTest : public testing::Test {
protected:
    std::filesystem::path write(const std::string& text)
    {
        const std::filesystem::path path = m_folder / "drawing.dxf";
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    std::vector<AcDbObjectId> entitiesOf(AcDbObjectId blockId)
    {
        std::vector<AcDbObjectId> ids;
        AcDbBlockTableRecordPointer block(blockId, AcDb::kForRead);
        AcDbBlockTableRecordIterator* created = nullptr;
        block->newIterator(created);
        const std::unique_ptr<AcDbBlockTableRecordIterator> iterator(created);
        for (; !iterator->done(); iterator->step()) {
            AcDbObjectId id;
            iterator->getEntityId(id);
            ids.push_back(id);
        }
        return ids;
    }

    ScopedTempFolder m_folder;
    AcDbDatabase m_database{true, true};
};

TEST_F(DxfImporterTest, BuildsTheEntitiesOfModelSpace)
{
    const auto report = importDxf(write(kDrawing), m_database);

    EXPECT_TRUE(report.keptKinds.empty());
    const std::vector<AcDbObjectId> ids = entitiesOf(m_database.modelSpaceId());
    ASSERT_EQ(ids.size(), 6u);

    AcDbObjectPointer<AcDbLine> line(ids[0], AcDb::kForRead);
    ASSERT_EQ(line.openStatus(), Acad::eOk);
    EXPECT_EQ(line->startPoint(), AcGePoint3d(1, 2, 0));
    EXPECT_EQ(line->endPoint(), AcGePoint3d(4, 6, 0));
    ACHAR* layer = line->layer();
    EXPECT_STREQ(layer, L"Walls");
    acutDelString(layer);
    line.close();

    AcDbObjectPointer<AcDbPolyline> polyline(ids[1], AcDb::kForRead);
    ASSERT_EQ(polyline.openStatus(), Acad::eOk);
    EXPECT_EQ(polyline->numVerts(), 2u);
    EXPECT_TRUE(polyline->isClosed());
    double bulge = 0.0;
    polyline->getBulgeAt(0, bulge);
    EXPECT_DOUBLE_EQ(bulge, 1.0);
    polyline.close();

    AcDbObjectPointer<AcDbText> text(ids[2], AcDb::kForRead);
    ASSERT_EQ(text.openStatus(), Acad::eOk);
    EXPECT_STREQ(text->textStringConst(), L"中文");
    EXPECT_DOUBLE_EQ(text->height(), 2.5);
    text.close();

    AcDbObjectPointer<AcDbFace> face(ids[3], AcDb::kForRead);
    ASSERT_EQ(face.openStatus(), Acad::eOk);
    AcGePoint3d corner;
    face->getVertexAt(2, corner);
    EXPECT_EQ(corner, AcGePoint3d(1, 1, 0));
    face.close();

    AcDbObjectPointer<AcDbHatch> hatch(ids[5], AcDb::kForRead);
    ASSERT_EQ(hatch.openStatus(), Acad::eOk);
    EXPECT_EQ(hatch->numLoops(), 1);
    EXPECT_STREQ(hatch->patternName(), L"SOLID");
}

TEST_F(DxfImporterTest, KeepsLayerStatesAndTheReferencesAttributes)
{
    importDxf(write(kDrawing), m_database);

    AcDbLayerTable* layers = nullptr;
    ASSERT_EQ(m_database.getSymbolTable(layers, AcDb::kForRead), Acad::eOk);
    AcDbObjectId layerId;
    EXPECT_EQ(layers->getAt(L"Walls", layerId), Acad::eOk);
    layers->close();
    AcDbObjectPointer<AcDbLayerTableRecord> layer(layerId, AcDb::kForRead);
    ASSERT_EQ(layer.openStatus(), Acad::eOk);
    EXPECT_TRUE(layer->isFrozen());
    EXPECT_TRUE(layer->isOff());
    EXPECT_EQ(layer->color().colorIndex(), 1);
    layer.close();

    AcDbObjectPointer<AcDbBlockReference> reference(entitiesOf(m_database.modelSpaceId())[4], AcDb::kForRead);
    ASSERT_EQ(reference.openStatus(), Acad::eOk);
    EXPECT_EQ(reference->position(), AcGePoint3d(20, 30, 0));
    const std::unique_ptr<AcDbObjectIterator> attributes(reference->attributeIterator());
    ASSERT_FALSE(attributes->done());
    AcDbObjectPointer<AcDbAttribute> attribute(attributes->objectId(), AcDb::kForRead);
    ASSERT_EQ(attribute.openStatus(), Acad::eOk);
    EXPECT_STREQ(attribute->tagConst(), L"NO");
    EXPECT_STREQ(attribute->textStringConst(), L"A-7");
    const AcDbObjectId blockId = reference->blockTableRecord();
    attribute.close();
    reference.close();
    EXPECT_EQ(entitiesOf(blockId).size(), 2u);
}

// A drawing whose model space holds one hatch with a single edge loop of the given edges.
std::string hatchDrawing(std::initializer_list<const char*> edges, int edgeCount)
{
    const std::string head = dxf({"0 SECTION", "2 ENTITIES", "0 HATCH", "8 0", "2 SOLID", "70 1", "91 1", "92 1"}) +
                             "93\n" + std::to_string(edgeCount) + "\n";
    return head + dxf(edges) + dxf({"0 ENDSEC", "0 EOF"});
}

std::unique_ptr<AcGeCurve2d> firstEdgeOfTheHatch(AcDbObjectId id)
{
    AcDbObjectPointer<AcDbHatch> hatch(id, AcDb::kForRead);
    EXPECT_EQ(hatch.openStatus(), Acad::eOk);
    if (hatch.openStatus() != Acad::eOk || hatch->numLoops() != 1)
        return nullptr;
    Adesk::Int32 loopType = 0;
    AcGeVoidPointerArray edges;
    AcGeIntArray types;
    hatch->getLoopAt(0, loopType, edges, types);
    return std::unique_ptr<AcGeCurve2d>(static_cast<AcGeCurve2d*>(static_cast<AcGeCurve2d*>(edges[0])->copy()));
}

// A spline edge given by its fit points only becomes the curve through them, and the drawing opens again.
TEST_F(DxfImporterTest, AHatchSplineEdgeGivenByFitPointsOnlySavesAndOpensAgain)
{
    importDxf(write(hatchDrawing({"72 4", "94 3", "73 0", "74 0", "95 0", "96 0", "97 4", "11 0", "21 0", "11 1",
                                  "21 1", "11 2", "21 0", "11 3", "21 1", "72 1", "10 3", "20 1", "11 0", "21 0"},
                                 2)),
              m_database);

    const std::vector<AcDbObjectId> ids = entitiesOf(m_database.modelSpaceId());
    ASSERT_EQ(ids.size(), 1u);
    const std::unique_ptr<AcGeCurve2d> spline = firstEdgeOfTheHatch(ids[0]);
    ASSERT_NE(spline, nullptr);
    ASSERT_EQ(spline->type(), AcGe::kNurbCurve2d);
    const auto& nurbs = static_cast<const AcGeNurbCurve2d&>(*spline);
    EXPECT_GE(nurbs.numControlPoints(), 4);
    EXPECT_TRUE(nurbs.startPoint().isEqualTo(AcGePoint2d(0, 0)));
    EXPECT_TRUE(nurbs.endPoint().isEqualTo(AcGePoint2d(3, 1)));

    const std::wstring saved = (m_folder / "saved.dwg").wstring();
    ASSERT_EQ(m_database.saveAs(saved.c_str()), Acad::eOk);
    AcDbDatabase reopened(false, true);
    EXPECT_EQ(reopened.readDwgFile(saved.c_str()), Acad::eOk);
}

// A clockwise arc edge gives its angles measured clockwise: 90 to 180 clockwise is the quarter from the
// bottom of the circle to its left.
TEST_F(DxfImporterTest, AClockwiseHatchArcEdgeIsNotMirrored)
{
    importDxf(
        write(hatchDrawing(
            {"72 2", "10 0", "20 0", "40 1", "50 90", "51 180", "73 0", "72 1", "10 -1", "20 0", "11 0", "21 -1"}, 2)),
        m_database);

    const std::vector<AcDbObjectId> ids = entitiesOf(m_database.modelSpaceId());
    ASSERT_EQ(ids.size(), 1u);
    const std::unique_ptr<AcGeCurve2d> arc = firstEdgeOfTheHatch(ids[0]);
    ASSERT_NE(arc, nullptr);
    AcGePoint2dArray points;
    arc->getSamplePoints(3, points);
    ASSERT_EQ(points.length(), 3);
    EXPECT_TRUE(points[0].isEqualTo(AcGePoint2d(0, -1))) << points[0].x << " " << points[0].y;
    EXPECT_TRUE(points[1].isEqualTo(AcGePoint2d(-std::numbers::sqrt2 / 2, -std::numbers::sqrt2 / 2)));
    EXPECT_TRUE(points[2].isEqualTo(AcGePoint2d(-1, 0)));
}

// Names a record cannot be given but files hold (an external reference's, the CAD program's own) are mapped
// to names it can, rather than refusing the drawing.
TEST_F(DxfImporterTest, LayerNamesOfExternalReferencesAndOfTheProgramDoNotRefuseTheDrawing)
{
    const std::string text = dxf({"0 SECTION", "2 TABLES",
                                  "0 TABLE",   "2 LAYER",
                                  "0 LAYER",   "2 SEI_A1|SEI-Border",
                                  "70 0",      "62 7",
                                  "0 LAYER",   "2 *ADSK_SYSTEM_LIGHTS",
                                  "70 0",      "62 7",
                                  "0 ENDTAB",  "0 ENDSEC",
                                  "0 SECTION", "2 ENTITIES",
                                  "0 LINE",    "8 SEI_A1|SEI-Border",
                                  "10 0",      "20 0",
                                  "11 1",      "21 1",
                                  "0 LINE",    "8 *ADSK_SYSTEM_LIGHTS",
                                  "10 0",      "20 0",
                                  "11 2",      "21 2",
                                  "0 ENDSEC",  "0 EOF"});

    importDxf(write(text), m_database);

    const std::vector<AcDbObjectId> ids = entitiesOf(m_database.modelSpaceId());
    ASSERT_EQ(ids.size(), 2u);
    std::vector<std::wstring> layers;
    for (const AcDbObjectId& id : ids) {
        AcDbEntityPointer entity(id, AcDb::kForRead);
        ASSERT_EQ(entity.openStatus(), Acad::eOk);
        ACHAR* layer = entity->layer();
        layers.emplace_back(layer);
        acutDelString(layer);
    }
    EXPECT_EQ(layers, (std::vector<std::wstring>{L"SEI_A1$0$SEI-Border", L"ADSK_SYSTEM_LIGHTS"}));
}

// Layer states, layouts and draw order: a layer that is off with an attribute on it, a paper-space layout
// named by the file, a draw-order table that draws the second line first, and a one-colour blue gradient.
const std::string kStatesDrawing = dxf({
    "0 SECTION",
    "2 TABLES",
    "0 TABLE",
    "2 LAYER",
    "0 LAYER",
    "2 Hidden",
    "70 0",
    "62 -3",
    "0 ENDTAB",
    "0 TABLE",
    "2 BLOCK_RECORD",
    "0 BLOCK_RECORD",
    "5 1F",
    "2 *Model_Space",
    "0 BLOCK_RECORD",
    "5 1B",
    "2 *Paper_Space",
    "0 ENDTAB",
    "0 ENDSEC",
    "0 SECTION",
    "2 BLOCKS",
    "0 BLOCK",
    "2 *Paper_Space",
    "10 0",
    "20 0",
    "0 ENDBLK",
    "0 BLOCK",
    "2 Tag",
    "10 0",
    "20 0",
    "0 ATTDEF",
    "8 0",
    "10 0",
    "20 0",
    "40 1",
    "1 T",
    "2 NO",
    "3 Number?",
    "0 ENDBLK",
    "0 ENDSEC",
    "0 SECTION",
    "2 ENTITIES",
    "0 LINE",
    "5 A1",
    "8 0",
    "10 0",
    "20 0",
    "11 1",
    "21 1",
    "0 LINE",
    "5 A2",
    "8 0",
    "10 0",
    "20 0",
    "11 2",
    "21 2",
    "0 INSERT",
    "5 A3",
    "8 0",
    "66 1",
    "2 Tag",
    "10 5",
    "20 5",
    "0 ATTRIB",
    "5 A4",
    "8 Hidden",
    "10 5",
    "20 5",
    "40 1",
    "1 7",
    "2 NO",
    "0 SEQEND",
    "5 A5",
    "0 HATCH",
    "5 A6",
    "8 0",
    "2 SOLID",
    "70 1",
    "91 1",
    "92 2",
    "72 0",
    "73 1",
    "93 3",
    "10 0",
    "20 0",
    "10 5",
    "20 0",
    "10 0",
    "20 5",
    "450 1",
    "451 0",
    "452 1",
    "453 1",
    "463 0",
    "63 5",
    "421 255",
    "462 1.0",
    "470 LINEAR",
    "0 ENDSEC",
    "0 SECTION",
    "2 OBJECTS",
    "0 LAYOUT",
    "5 B1",
    "100 AcDbPlotSettings",
    "1 ",
    "100 AcDbLayout",
    "1 MyLayout",
    "71 1",
    "330 1B",
    "0 SORTENTSTABLE",
    "5 B2",
    "330 B3",
    "100 AcDbSortentsTable",
    "330 1F",
    "331 A1",
    "5 B0",
    "331 A2",
    "5 A0",
    "0 ENDSEC",
    "0 EOF",
});

TEST_F(DxfImporterTest, KeepsLayerStatesOfAttributesTheLayoutNameTheDrawOrderAndGradientColours)
{
    importDxf(write(kStatesDrawing), m_database);
    const std::vector<AcDbObjectId> ids = entitiesOf(m_database.modelSpaceId());
    ASSERT_EQ(ids.size(), 4u);

    AcDbObjectPointer<AcDbBlockReference> reference(ids[2], AcDb::kForRead);
    ASSERT_EQ(reference.openStatus(), Acad::eOk);
    const std::unique_ptr<AcDbObjectIterator> attributes(reference->attributeIterator());
    ASSERT_FALSE(attributes->done());
    AcDbObjectPointer<AcDbAttribute> attribute(attributes->objectId(), AcDb::kForRead);
    ASSERT_EQ(attribute.openStatus(), Acad::eOk);
    ACHAR* layer = attribute->layer();
    EXPECT_STREQ(layer, L"Hidden");
    acutDelString(layer);
    attribute.close();
    reference.close();

    AcDbDictionary* layouts = nullptr;
    ASSERT_EQ(m_database.getLayoutDictionary(layouts, AcDb::kForRead), Acad::eOk);
    AcDbObjectId layoutId;
    EXPECT_EQ(layouts->getAt(L"MyLayout", layoutId), Acad::eOk);
    EXPECT_FALSE(layouts->has(L"Layout1"));
    layouts->close();
    AcDbObjectPointer<AcDbLayout> layout(layoutId, AcDb::kForRead);
    ASSERT_EQ(layout.openStatus(), Acad::eOk);
    EXPECT_EQ(layout->getBlockTableRecordId(), m_database.paperSpaceId());
    layout.close();

    AcDbBlockTableRecordPointer modelSpace(m_database.modelSpaceId(), AcDb::kForRead);
    AcDbSortentsTable* sortents = nullptr;
    ASSERT_EQ(modelSpace->getSortentsTable(sortents, AcDb::kForRead, false), Acad::eOk);
    AcDbObjectIdArray order;
    sortents->getFullDrawOrder(order);
    sortents->close();
    modelSpace.close();
    ASSERT_EQ(order.length(), 4);
    EXPECT_EQ(order[0], ids[1]);
    EXPECT_EQ(order[1], ids[2]);
    EXPECT_EQ(order[2], ids[3]);
    EXPECT_EQ(order[3], ids[0]);

    AcDbObjectPointer<AcDbHatch> hatch(ids[3], AcDb::kForRead);
    ASSERT_EQ(hatch.openStatus(), Acad::eOk);
    unsigned int count = 0;
    AcCmColor* colors = nullptr;
    float* values = nullptr;
    ASSERT_EQ(hatch->getGradientColors(count, colors, values), Acad::eOk);
    ASSERT_GE(count, 1u);
    EXPECT_EQ(colors[0].blue(), 255);
    EXPECT_EQ(colors[0].red(), 0);
    delete[] colors;
    delete[] values;
}

// A kind cadhost has no class for is kept as its DXF data: counted in the report, and an entity that keeps
// its groups through a save and an open.
TEST_F(DxfImporterTest, KeepsAKindItHasNoClassForAsItsDxfData)
{
    const std::string text =
        dxf({"0 SECTION", "2 ENTITIES", "0 SHAPE", "8 0", "10 3", "20 4", "40 1", "2 BOX", "0 ENDSEC", "0 EOF"});

    const auto report = importDxf(write(text), m_database);

    EXPECT_EQ(report.keptKinds, (std::map<std::string, int>{{"SHAPE", 1}}));
    const std::wstring saved = (m_folder / "saved.dwg").wstring();
    ASSERT_EQ(m_database.saveAs(saved.c_str()), Acad::eOk);
    AcDbDatabase reopened(false, true);
    ASSERT_EQ(reopened.readDwgFile(saved.c_str()), Acad::eOk);
    const std::vector<AcDbObjectId> ids = entitiesOf(reopened.modelSpaceId());
    ASSERT_EQ(ids.size(), 1u);
    AcDbObjectPointer<AcDbDxfEntity> shape(ids[0], AcDb::kForRead);
    ASSERT_EQ(shape.openStatus(), Acad::eOk);
    EXPECT_EQ(shape->dxfName(), L"SHAPE");
    EXPECT_EQ(shape->groups().size(), 5u);
    EXPECT_EQ(shape->groups().back().value, L"BOX");
    AcDbExtents extents;
    ASSERT_EQ(shape->getGeomExtents(extents), Acad::eOk);
    EXPECT_EQ(extents.minPoint(), AcGePoint3d(3, 4, 0));
}

TEST_F(DxfImporterTest, ImportsTablesAndLargeRadialDimensions)
{
    const std::string text = dxf({"0 SECTION",
                                  "2 ENTITIES",
                                  "0 ACAD_TABLE",
                                  "8 0",
                                  "10 1",
                                  "20 2",
                                  "11 1",
                                  "21 0",
                                  "91 2",
                                  "92 2",
                                  "141 3",
                                  "141 4",
                                  "142 10",
                                  "142 20",
                                  "171 1",
                                  "1 Name",
                                  "171 1",
                                  "1 Size",
                                  "171 1",
                                  "1 Bolt",
                                  "171 1",
                                  "1 M8",
                                  "0 LARGE_RADIAL_DIMENSION",
                                  "8 0",
                                  "10 0",
                                  "20 0",
                                  "11 5",
                                  "21 5",
                                  "13 10",
                                  "23 0",
                                  "14 2",
                                  "24 1",
                                  "15 6",
                                  "25 2",
                                  "0 ENDSEC",
                                  "0 EOF"});

    const auto report = importDxf(write(text), m_database);

    EXPECT_TRUE(report.keptKinds.empty());
    const std::vector<AcDbObjectId> ids = entitiesOf(m_database.modelSpaceId());
    ASSERT_EQ(ids.size(), 2u);
    AcDbObjectPointer<AcDbTable> table(ids[0], AcDb::kForRead);
    ASSERT_EQ(table.openStatus(), Acad::eOk);
    EXPECT_EQ(table->numRows(), 2);
    EXPECT_EQ(table->numColumns(), 2);
    EXPECT_DOUBLE_EQ(table->columnWidth(1), 20.0);
    ACHAR* cell = table->textString(1, 1);
    EXPECT_STREQ(cell, L"M8");
    acutDelString(cell);
    table.close();
    AcDbObjectPointer<AcDbRadialDimensionLarge> dimension(ids[1], AcDb::kForRead);
    ASSERT_EQ(dimension.openStatus(), Acad::eOk);
    EXPECT_EQ(dimension->chordPoint(), AcGePoint3d(10, 0, 0));
    EXPECT_EQ(dimension->overrideCenter(), AcGePoint3d(2, 1, 0));
    EXPECT_EQ(dimension->jogPoint(), AcGePoint3d(6, 2, 0));
}

TEST_F(DxfImporterTest, ImportsAWipeoutWithItsBoundaryInWorldCoordinates)
{
    const std::string text = dxf({"0 SECTION", "2 ENTITIES", "0 WIPEOUT", "8 0",     "10 2",     "20 3", "11 10",
                                  "21 0",      "12 0",       "22 10",     "13 1",    "23 1",     "71 1", "91 2",
                                  "14 -0.5",   "24 0.5",     "14 0.5",    "24 -0.5", "0 ENDSEC", "0 EOF"});

    importDxf(write(text), m_database);

    const std::wstring saved = (m_folder / "saved.dwg").wstring();
    ASSERT_EQ(m_database.saveAs(saved.c_str()), Acad::eOk);
    AcDbDatabase reopened(false, true);
    ASSERT_EQ(reopened.readDwgFile(saved.c_str()), Acad::eOk);
    const std::vector<AcDbObjectId> ids = entitiesOf(reopened.modelSpaceId());
    ASSERT_EQ(ids.size(), 1u);
    AcDbObjectPointer<AcDbWipeout> wipeout(ids[0], AcDb::kForRead);
    ASSERT_EQ(wipeout.openStatus(), Acad::eOk);
    AcGePoint3dArray vertices;
    wipeout->getVertices(vertices);
    ASSERT_EQ(vertices.length(), 4);
    EXPECT_TRUE(vertices[0].isEqualTo(AcGePoint3d(2, 3, 0)));
    EXPECT_TRUE(vertices[1].isEqualTo(AcGePoint3d(12, 3, 0)));
    EXPECT_TRUE(vertices[2].isEqualTo(AcGePoint3d(12, 13, 0)));
    EXPECT_TRUE(vertices[3].isEqualTo(AcGePoint3d(2, 13, 0)));
}

TEST_F(DxfImporterTest, ImportsAMultileaderWithItsLeaderLinesAndText)
{
    const std::string text = dxf({"0 SECTION",     "2 ENTITIES",  "0 MULTILEADER", "8 0",      "300 CONTEXT_DATA{",
                                  "40 1",          "41 2.5",      "12 10",         "22 5",     "290 1",
                                  "304 Bolt\\PM8", "302 LEADER{", "10 9",          "20 5",     "304 LEADER_LINE{",
                                  "10 0",          "20 0",        "10 4",          "20 3",     "305 }",
                                  "303 }",         "301 }",       "41 8",          "0 ENDSEC", "0 EOF"});

    const auto report = importDxf(write(text), m_database);

    EXPECT_TRUE(report.keptKinds.empty());
    const std::wstring saved = (m_folder / "saved.dwg").wstring();
    ASSERT_EQ(m_database.saveAs(saved.c_str()), Acad::eOk);
    AcDbDatabase reopened(false, true);
    ASSERT_EQ(reopened.readDwgFile(saved.c_str()), Acad::eOk);
    const std::vector<AcDbObjectId> ids = entitiesOf(reopened.modelSpaceId());
    ASSERT_EQ(ids.size(), 1u);
    AcDbObjectPointer<AcDbMLeader> leader(ids[0], AcDb::kForRead);
    ASSERT_EQ(leader.openStatus(), Acad::eOk);
    ASSERT_EQ(leader->numLeaderLines(), 1);
    int count = 0;
    leader->numVertices(0, count);
    ASSERT_EQ(count, 3);
    AcGePoint3d vertex;
    leader->getVertex(0, 2, vertex);
    EXPECT_EQ(vertex, AcGePoint3d(9, 5, 0));
    const std::unique_ptr<AcDbMText> content(leader->mtext());
    ASSERT_NE(content, nullptr);
    ACHAR* contents = content->contents();
    EXPECT_STREQ(contents, L"Bolt\\PM8");
    acutDelString(contents);
    EXPECT_DOUBLE_EQ(content->textHeight(), 2.5);
    EXPECT_EQ(content->location(), AcGePoint3d(10, 5, 0));
}

TEST_F(DxfImporterTest, ImportsAFeatureControlFrameWithTheTextHeightOfItsStyle)
{
    const std::string text = dxf({"0 SECTION",
                                  "2 TABLES",
                                  "0 TABLE",
                                  "2 DIMSTYLE",
                                  "0 DIMSTYLE",
                                  "2 GDT",
                                  "140 2.5",
                                  "0 ENDTAB",
                                  "0 ENDSEC",
                                  "0 SECTION",
                                  "2 ENTITIES",
                                  "0 TOLERANCE",
                                  "8 0",
                                  "3 GDT",
                                  "10 1",
                                  "20 2",
                                  "1 {\\Fgdt;j}%%v0.05%%vA",
                                  "11 1",
                                  "21 0",
                                  "0 ENDSEC",
                                  "0 EOF"});

    const auto report = importDxf(write(text), m_database);

    EXPECT_TRUE(report.keptKinds.empty());
    const std::vector<AcDbObjectId> ids = entitiesOf(m_database.modelSpaceId());
    ASSERT_EQ(ids.size(), 1u);
    AcDbObjectPointer<AcDbFcf> frame(ids[0], AcDb::kForRead);
    ASSERT_EQ(frame.openStatus(), Acad::eOk);
    EXPECT_EQ(frame->location(), AcGePoint3d(1, 2, 0));
    EXPECT_DOUBLE_EQ(frame->dimtxt(), 2.5);
    ACHAR* contents = frame->text();
    EXPECT_STREQ(contents, L"{\\Fgdt;j}%%v0.05%%vA");
    acutDelString(contents);
    AcDbExtents extents;
    ASSERT_EQ(frame->getGeomExtents(extents), Acad::eOk);
    EXPECT_DOUBLE_EQ(extents.minPoint().y, -0.5);
    EXPECT_DOUBLE_EQ(extents.maxPoint().y, 4.5);
}

struct BadInput {
    const char* name;
    std::string text;
    const char* message;
};

class DxfImporterBadInputTest : public DxfImporterTest, public testing::WithParamInterface<BadInput> {};

TEST_P(DxfImporterBadInputTest, IsRefusedWithAClearMessage)
{
    const std::filesystem::path path = write(GetParam().text);
    try {
        importDxf(path, m_database);
        FAIL() << "imported";
    } catch (const DxfError& error) {
        EXPECT_STREQ(error.what(), GetParam().message);
    }
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    text.replace(text.find(from), from.size(), to);
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Files, DxfImporterBadInputTest,
    testing::Values(BadInput{"Empty", "", "the file is not a DXF file: it does not start with a section"},
                    BadInput{"Letter", "Dear reader,\nthis is a letter.\n",
                             "the file is not a DXF file: it does not start with a section"},
                    BadInput{"Binary", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22),
                             "the file is a binary DXF file; only ASCII DXF files are read"},
                    BadInput{"Truncated", kDrawing.substr(0, kDrawing.find("HATCH")),
                             "the file is truncated: it does not end with EOF"},
                    BadInput{"EndsAfterAGroupCode", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n",
                             "the file is truncated: it does not end with EOF"},
                    BadInput{"EndsAfterAValue", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n1\n",
                             "the file is truncated: it does not end with EOF"},
                    BadInput{"AbsurdCoordinate", replaced(kDrawing, "21\n6\n", "21\n1e300\n"),
                             "group 21 holds \"1e300\", which is not a number a drawing can hold"},
                    BadInput{"CoordinateThatIsNoNumber", replaced(kDrawing, "21\n6\n", "21\nsix\n"),
                             "group 21 holds \"six\", which is not a number a drawing can hold"},
                    // Refused after the entities before it joined the drawing, which keeps them intact.
                    BadInput{"EmptyColour",
                             replaced(kDrawing, "10\n5\n20\n5\n40\n2.5\n", "62\n\n10\n5\n20\n5\n40\n2.5\n"),
                             "group 62 holds \"\", not an integer"}),
    [](const testing::TestParamInfo<BadInput>& info) { return std::string(info.param.name); });

// The counts a file states are not trusted for allocation: what follows them is what counts.
TEST_F(DxfImporterTest, AbsurdCountsGiveWhatTheFileHolds)
{
    std::string text = replaced(kDrawing, "90\n2\n", "90\n2147483647\n");
    text = replaced(text, "91\n1\n", "91\n2147483647\n");
    text = replaced(text, "93\n3\n", "93\n2147483647\n");

    importDxf(write(text), m_database);

    const std::vector<AcDbObjectId> ids = entitiesOf(m_database.modelSpaceId());
    ASSERT_EQ(ids.size(), 6u);
    AcDbObjectPointer<AcDbPolyline> polyline(ids[1], AcDb::kForRead);
    ASSERT_EQ(polyline.openStatus(), Acad::eOk);
    EXPECT_EQ(polyline->numVerts(), 2u);
    polyline.close();
    AcDbObjectPointer<AcDbHatch> hatch(ids[5], AcDb::kForRead);
    ASSERT_EQ(hatch.openStatus(), Acad::eOk);
    EXPECT_EQ(hatch->numLoops(), 1);
}

TEST_F(DxfImporterTest, ANumberTooLargeForItsGroupIsRefused)
{
    EXPECT_THROW(importDxf(write(replaced(kDrawing, "70\n1\n", "70\n99999999999999999999\n")), m_database), DxfError);
}

TEST_F(DxfImporterTest, AMissingFileIsRefused)
{
    EXPECT_THROW(importDxf(m_folder / "absent.dxf", m_database), DxfError);
}

// Every drawing bundled under samples/ and every real-world drawing in the shared folder imports.
class DxfImporterFileTest : public testing::TestWithParam<std::filesystem::path> {};

TEST_P(DxfImporterFileTest, Imports)
{
    AcDbDatabase database(true, true);
    EXPECT_NO_THROW(importDxf(GetParam(), database));
}

std::vector<std::filesystem::path> drawingFiles()
{
    std::vector<std::filesystem::path> files;
    for (const char* folder : {TESSARIL_SOURCE_DIR "/samples", TESSARIL_TEST_DATA_DIR "/dxf"}) {
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (entry.path().extension() == ".dxf")
                files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

INSTANTIATE_TEST_SUITE_P(Drawings, DxfImporterFileTest, testing::ValuesIn(drawingFiles()),
                         [](const testing::TestParamInfo<std::filesystem::path>& info) {
                             std::string name = info.param.stem().string();
                             std::replace_if(
                                 name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
                             return name;
                         });

} // namespace
