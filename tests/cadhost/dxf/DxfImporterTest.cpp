#include "DxfImporter.h"
#include "DxfError.h"
#include "ScopedTempFolder.h"

#include "acutads.h"
#include "dbblkref.h"
#include "dbents.h"
#include "dbhatch.h"
#include "dbobjptr.h"
#include "dbpl.h"
#include "dbsymtb.h"
#include "dbtext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
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

TEST_F(DxfImporterTest, BuildsTheEntitiesOfModelSpaceAndReportsTheKindsItCannot)
{
    const auto report = importDxf(write(kDrawing), m_database);

    EXPECT_EQ(report.skippedKinds, (std::map<std::string, int>{{"3DFACE", 1}}));
    const std::vector<AcDbObjectId> ids = entitiesOf(m_database.modelSpaceId());
    ASSERT_EQ(ids.size(), 5u);

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

    AcDbObjectPointer<AcDbHatch> hatch(ids[4], AcDb::kForRead);
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

    AcDbObjectPointer<AcDbBlockReference> reference(entitiesOf(m_database.modelSpaceId())[3], AcDb::kForRead);
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
    ASSERT_EQ(ids.size(), 5u);
    AcDbObjectPointer<AcDbPolyline> polyline(ids[1], AcDb::kForRead);
    ASSERT_EQ(polyline.openStatus(), Acad::eOk);
    EXPECT_EQ(polyline->numVerts(), 2u);
    polyline.close();
    AcDbObjectPointer<AcDbHatch> hatch(ids[4], AcDb::kForRead);
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
