// The common record levels and the dispatchers at their edges: stored versions, id translation, the
// property block, classes that are recorded but not applied, and damaged streams.
#include "DebugSink.h"
#include "DwgBufferFiler.h"
#include "MemoryDwgFiler.h"
#include "ScopedTempFolder.h"
#include "app/DiagnosticLog.h"
#include "app/InstallRoot.h"
#include "records/EntityDataStream.h"
#include "records/GBlockReferenceData.h"
#include "records/GCopyEntityHelper.h"
#include "records/GLineData.h"
#include "records/GPolylineData.h"
#include "records/RecordPtr.h"

#include "dbdim.h"
#include "dbents.h"
#include "dbobjptr.h"
#include "dbpl.h"
#include "dbtable.h"
#include "dbtext.h"
#include "dbviewport.h"
#include "dbxline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<Adesk::UInt8>;

Bytes written(AcDbEntity* entity)
{
    cadhost::MemoryIdCodec codec;
    cadhost::DwgBufferFiler filer(AcDb::kFileFiler, &codec);
    filer.startWriting();
    EXPECT_EQ(Acad::eOk, writeEntityData(entity, &filer));
    return filer.bytes();
}

Acad::ErrorStatus readOnto(AcDbEntity* entity, const Bytes& bytes)
{
    cadhost::MemoryIdCodec codec;
    cadhost::DwgBufferFiler filer(AcDb::kFileFiler, &codec);
    filer.startReading(bytes.data(), bytes.size());
    return readEntityData(entity, &filer);
}

void putUInt32(Bytes& bytes, std::size_t offset, Adesk::UInt32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + static_cast<std::size_t>(i)] = static_cast<Adesk::UInt8>(value >> (8 * i));
}

// A stored object, entity, curve or record version of 2 is refused before any geometry is read.
class StoredVersionTest : public ::testing::TestWithParam<std::size_t> {};

TEST_P(StoredVersionTest, VersionTwoAnswersMakeMeProxyAndLeavesTheTargetAlone)
{
    AcDbLine source(AcGePoint3d(1, 2, 3), AcGePoint3d(4, 5, 6));
    Bytes bytes = written(&source);
    putUInt32(bytes, GetParam() * 4, 2);
    AcDbLine target(AcGePoint3d(9, 9, 9), AcGePoint3d(8, 8, 8));
    EXPECT_EQ(Acad::eMakeMeProxy, readOnto(&target, bytes));
    EXPECT_EQ(AcGePoint3d(9, 9, 9), target.startPoint());
}

INSTANTIATE_TEST_SUITE_P(Levels, StoredVersionTest, ::testing::Values(0u, 1u, 2u, 3u));

TEST(LineStreamTest, IsTheHeaderTheVersionAndTheFieldsInOrder)
{
    AcDbLine line(AcGePoint3d(1, 2, 3), AcGePoint3d(4, 5, 6));
    line.setThickness(0.5);
    MemoryDwgFiler filer;
    ASSERT_EQ(Acad::eOk, writeEntityData(&line, &filer));
    const std::vector<std::string> expected = {
        "writeUInt32 1",      "writeUInt32 1",      "writeUInt32 1",   "writeUInt32 1",
        "writePoint3d 1,2,3", "writePoint3d 4,5,6", "writeDouble 0.5", "writeVector3d 0,0,1",
    };
    EXPECT_EQ(expected, filer.calls());
}

TEST(LineStreamTest, AFailingFilerCallStopsTheReadWithItsStatusAndKeepsWhatWasSet)
{
    AcDbArc source(AcGePoint3d(1, 1, 0), 2.5, 0.25, 2.0);
    MemoryDwgFiler filer;
    ASSERT_EQ(Acad::eOk, writeEntityData(&source, &filer));
    filer.rewind();
    filer.failOn("readDouble", 2, Acad::eDwgObjectImproperlyRead);
    AcDbArc target(AcGePoint3d(0, 0, 0), 1.0, 0.0, 1.0);
    EXPECT_EQ(Acad::eDwgObjectImproperlyRead, readEntityData(&target, &filer));
    // The arc sets each value as soon as it is read: center and radius are set, the angles are not.
    EXPECT_EQ(AcGePoint3d(1, 1, 0), target.center());
    EXPECT_DOUBLE_EQ(2.5, target.radius());
    EXPECT_DOUBLE_EQ(0.0, target.startAngle());
}

class RecordDatabaseTest : public ::testing::Test {
protected:
    AcDbObjectId addLayer(const ACHAR* name)
    {
        AcDbObjectId id;
        AcDbLayerTablePointer table(&database, AcDb::kForWrite);
        auto* layer = new AcDbLayerTableRecord();
        layer->setName(name);
        EXPECT_EQ(Acad::eOk, table->add(id, layer));
        layer->close();
        return id;
    }

    AcDbDatabase database;
};

TEST_F(RecordDatabaseTest, MapIdTranslatesKnownIdsAndLeavesUnknownOnes)
{
    const AcDbObjectId walls = addLayer(L"Walls");
    const AcDbObjectId doors = addLayer(L"Doors");
    GLineData record;
    AcDbObjectId output;
    EXPECT_TRUE(record.mapId(output, walls));
    EXPECT_EQ(walls, output);

    AcDbIdMapping mapping;
    mapping.assign(AcDbIdPair(walls, doors, true));
    record.idMapping = &mapping;
    EXPECT_TRUE(record.mapId(output, walls));
    EXPECT_EQ(doors, output);
    AcDbObjectId untouched;
    EXPECT_FALSE(record.mapId(untouched, doors));
    EXPECT_TRUE(untouched.isNull());
}

TEST_F(RecordDatabaseTest, ALayerTheMappingDoesNotKnowIsKeptWhileColourLineweightAndVisibilityChange)
{
    const AcDbObjectId walls = addLayer(L"Walls");
    const AcDbObjectId doors = addLayer(L"Doors");
    AcDbLine source(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
    source.setLayer(walls);
    source.setColorIndex(4);
    source.setLineWeight(AcDb::kLnWt050);
    source.setVisibility(AcDb::kInvisible);
    GLineData record;
    record.record(&source);
    AcDbIdMapping mapping;
    record.idMapping = &mapping;
    AcDbLine target;
    target.setLayer(doors);
    record.apply(&target);
    EXPECT_EQ(doors, target.layerId());
    EXPECT_EQ(4, target.colorIndex());
    EXPECT_EQ(AcDb::kLnWt050, target.lineWeight());
    EXPECT_EQ(AcDb::kInvisible, target.visibility());
    record.release();
}

TEST(PropertyBlockTest, TheSpecialLineweightsSurviveAWriteAndRead)
{
    for (const AcDb::LineWeight weight : {AcDb::kLnWtByLayer, AcDb::kLnWtByBlock, AcDb::kLnWtByLwDefault}) {
        AcDbLine source;
        source.setLineWeight(weight);
        source.setColorIndex(6);
        source.setLinetypeScale(2.5);
        MemoryDwgFiler filer;
        GLineData writer;
        ASSERT_EQ(Acad::eOk, writer.writeEntityProperties(&source, &filer));
        filer.rewind();
        AcDbLine target;
        GLineData reader;
        ASSERT_EQ(Acad::eOk, reader.readEntityProperties(&target, &filer));
        EXPECT_EQ(weight, target.lineWeight());
        EXPECT_EQ(6, target.colorIndex());
        EXPECT_DOUBLE_EQ(2.5, target.linetypeScale());
    }
}

TEST(PropertyBlockTest, VersionOneHasNoLinetypeScaleAndLeavesTheTargetsScale)
{
    AcDbLine source;
    source.setLinetypeScale(2.5);
    source.setColorIndex(2);
    MemoryDwgFiler filer;
    GLineData writer;
    writer.propertiesVersion = 1;
    ASSERT_EQ(Acad::eOk, writer.writeEntityProperties(&source, &filer));
    EXPECT_EQ(7u, filer.calls().size());
    filer.rewind();
    AcDbLine target;
    target.setLinetypeScale(0.75);
    GLineData reader;
    ASSERT_EQ(Acad::eOk, reader.readEntityProperties(&target, &filer));
    EXPECT_DOUBLE_EQ(0.75, target.linetypeScale());
    EXPECT_EQ(2, target.colorIndex());
}

TEST(PropertyBlockTest, VersionThreeIsRefused)
{
    MemoryDwgFiler filer;
    filer.writeUInt32(3);
    filer.rewind();
    AcDbLine target;
    GLineData reader;
    EXPECT_EQ(Acad::eMakeMeProxy, reader.readEntityProperties(&target, &filer));
}

class LoggedDispatchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setInstallRootOverride(folder.path());
        LogEnabled = true;
        LogFilePath.Empty();
    }
    void TearDown() override
    {
        setInstallRootOverride(std::nullopt);
        LogFilePath.Empty();
    }
    bool logged(const std::wstring& text) const
    {
        const auto messages = capture.messages();
        return std::any_of(messages.begin(), messages.end(),
                           [&text](const std::wstring& message) { return message.find(text) != std::wstring::npos; });
    }

    ScopedTempFolder folder;
    cadhost::DebugCapture capture;
};

TEST_F(LoggedDispatchTest, ATableIsRecordedAsABlockReferenceButNotApplied)
{
    AcDbTable table;
    GEntityData* made = nullptr;
    ASSERT_EQ(Acad::eOk, GCopyEntityHelper::RecordEntity(made, &table));
    const RecordPtr record(made);
    ASSERT_NE(nullptr, dynamic_cast<GBlockReferenceData*>(record.get()));
    AcDbEntity* target = nullptr;
    EXPECT_EQ(Acad::eInvalidInput, GCopyEntityHelper::CopyEntity(target, record.get()));
    EXPECT_EQ(nullptr, target);
    EXPECT_TRUE(logged(L"GCopyEntityHelper::CopyEntity AcDbTable"));
}

TEST_F(LoggedDispatchTest, AnUnsupportedClassIsLoggedAndRefused)
{
    AcDbViewport viewport;
    GEntityData* made = nullptr;
    EXPECT_EQ(Acad::eInvalidInput, GCopyEntityHelper::RecordEntity(made, &viewport));
    EXPECT_EQ(nullptr, made);
    EXPECT_TRUE(logged(L"GCopyEntityHelper::RecordEntity AcDbViewport"));
}

TEST(CopyEntityTest, ANullTargetReceivesANewEntityCarryingTheRecord)
{
    AcDbLine source(AcGePoint3d(1, 2, 3), AcGePoint3d(4, 5, 6));
    GEntityData* made = nullptr;
    ASSERT_EQ(Acad::eOk, GCopyEntityHelper::RecordEntity(made, &source));
    const RecordPtr record(made);
    AcDbEntity* target = nullptr;
    ASSERT_EQ(Acad::eOk, GCopyEntityHelper::CopyEntity(target, record.get()));
    const std::unique_ptr<AcDbEntity> created(target);
    ASSERT_NE(nullptr, AcDbLine::cast(target));
    EXPECT_EQ(AcGePoint3d(4, 5, 6), AcDbLine::cast(target)->endPoint());
}

TEST(CopyEntityTest, ATargetOfAnotherClassIsRefusedUntouched)
{
    AcDbLine source(AcGePoint3d(1, 2, 3), AcGePoint3d(4, 5, 6));
    AcDbCircle target(AcGePoint3d(7, 7, 7), AcGeVector3d(0, 0, 1), 1.0);
    EXPECT_EQ(Acad::eNotThatKindOfClass, copyEntityData(&target, &source));
    EXPECT_EQ(AcGePoint3d(7, 7, 7), target.center());
}

TEST(CopyEntityTest, AnAttributeDefinitionKeepsTagPromptAndFlags)
{
    AcDbAttributeDefinition source(AcGePoint3d(1, 1, 0), L"值", L"TAG", L"提示", AcDbObjectId::kNull);
    source.setConstant(true);
    AcDbAttributeDefinition target;
    ASSERT_EQ(Acad::eOk, copyEntityData(&target, &source));
    EXPECT_EQ(std::wstring(L"TAG"), target.tagConst());
    EXPECT_EQ(std::wstring(L"提示"), target.promptConst());
    EXPECT_EQ(std::wstring(L"值"), target.textStringConst());
    EXPECT_TRUE(target.isConstant());
}

TEST(StreamDispatchTest, AnAttributeDefinitionIsStreamedAsPlainText)
{
    AcDbAttributeDefinition source(AcGePoint3d(1, 1, 0), L"值", L"TAG", L"提示", AcDbObjectId::kNull);
    AcDbAttributeDefinition target;
    ASSERT_EQ(Acad::eOk, readOnto(&target, written(&source)));
    EXPECT_EQ(std::wstring(L"值"), target.textStringConst());
    EXPECT_EQ(std::wstring(L""), target.tagConst());
}

TEST(StreamDispatchTest, AnXlineIsWrittenThroughItsOwnFields)
{
    AcDbXline xline;
    xline.setBasePoint(AcGePoint3d(1, 2, 3));
    xline.setUnitDir(AcGeVector3d(0, 1, 0));
    MemoryDwgFiler viaDispatch;
    ASSERT_EQ(Acad::eOk, writeEntityData(&xline, &viaDispatch));
    MemoryDwgFiler own;
    ASSERT_EQ(Acad::eOk, xline.dwgOutFields(&own));
    EXPECT_EQ(own.calls(), viaDispatch.calls());
    AcDbXline target;
    viaDispatch.rewind();
    ASSERT_EQ(Acad::eOk, readEntityData(&target, &viaDispatch));
    EXPECT_EQ(AcGePoint3d(1, 2, 3), target.basePoint());
}

TEST(StreamDispatchTest, AnArcLengthDimensionAnswersNotImplementedAndWritesNothing)
{
    AcDbArcDimension dimension;
    MemoryDwgFiler filer;
    EXPECT_EQ(Acad::eNotImplementedYet, writeEntityData(&dimension, &filer));
    EXPECT_TRUE(filer.calls().empty());
}

TEST(PolylineStreamTest, NoVerticesWritesACountOfZeroAndEmptiesTheTarget)
{
    AcDbPolyline empty;
    AcDbPolyline target;
    target.addVertexAt(0, AcGePoint2d(1, 1));
    target.addVertexAt(1, AcGePoint2d(2, 2));
    ASSERT_EQ(Acad::eOk, readOnto(&target, written(&empty)));
    EXPECT_EQ(0u, target.numVerts());
}

TEST(PolylineStreamTest, ANegativeVertexCountIsRefused)
{
    MemoryDwgFiler filer;
    for (int i = 0; i < 4; ++i)
        filer.writeUInt32(1);
    filer.writeInt32(-5);
    filer.rewind();
    AcDbPolyline target;
    EXPECT_EQ(Acad::eInvalidInput, readEntityData(&target, &filer));
}

TEST(SolidStreamTest, FewerStoredCornersSetOnlyThoseAndMoreAreRefused)
{
    for (const Adesk::UInt32 count : {2u, 5u}) {
        MemoryDwgFiler filer;
        filer.writeUInt32(1);
        filer.writeUInt32(1);
        filer.writeUInt32(1);
        filer.writeVector3d(AcGeVector3d(0, 0, 1));
        filer.writeDouble(0.0);
        filer.writeUInt32(count);
        for (Adesk::UInt32 i = 0; i < count; ++i)
            filer.writePoint3d(AcGePoint3d(10.0 + i, 0, 0));
        filer.rewind();
        AcDbSolid target(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(0, 1, 0), AcGePoint3d(1, 1, 0));
        const Acad::ErrorStatus es = readEntityData(&target, &filer);
        AcGePoint3d second;
        AcGePoint3d third;
        target.getPointAt(1, second);
        target.getPointAt(2, third);
        if (count == 2) {
            EXPECT_EQ(Acad::eOk, es);
            EXPECT_EQ(AcGePoint3d(11, 0, 0), second);
            EXPECT_EQ(AcGePoint3d(0, 1, 0), third);
        } else {
            EXPECT_EQ(Acad::eInvalidInput, es);
        }
    }
}

TEST(BlockReferenceStreamTest, ThreeAttributesWriteACountOfThreeAndComeBackAsThreeNewAttributes)
{
    AcDbBlockReference source(AcGePoint3d(5, 6, 0), AcDbObjectId::kNull);
    for (const wchar_t* tag : {L"A", L"B", L"C"}) {
        auto* attribute = new AcDbAttribute(AcGePoint3d(1, 1, 0), L"v", tag);
        ASSERT_EQ(Acad::eOk, source.appendAttribute(attribute));
    }
    MemoryDwgFiler filer;
    ASSERT_EQ(Acad::eOk, writeEntityData(&source, &filer));
    const auto& calls = filer.calls();
    const auto count =
        std::find_if(calls.begin(), calls.end(), [](const std::string& call) { return call == "writeUInt32 3"; });
    EXPECT_NE(calls.end(), count);
    filer.rewind();
    AcDbBlockReference target;
    ASSERT_EQ(Acad::eOk, readEntityData(&target, &filer));
    EXPECT_EQ(0u, filer.unreadCount());
    std::vector<std::wstring> tags;
    const std::unique_ptr<AcDbObjectIterator> it(target.attributeIterator());
    for (it->start(); !it->done(); it->step())
        tags.emplace_back(AcDbAttribute::cast(it->entity())->tagConst());
    EXPECT_EQ((std::vector<std::wstring>{L"A", L"B", L"C"}), tags);
    EXPECT_EQ(AcGePoint3d(5, 6, 0), target.position());
}

} // namespace
