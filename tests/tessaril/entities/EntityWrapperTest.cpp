// A wrapper entity on its own: properties kept in step with the inner entity, geometry through it,
// and the stored layouts of versions 1 to 3, 4 and 5 to 8 with their failures.
#include "MemoryDwgFiler.h"
#include "RegisteredCustomClasses.h"
#include "entities/Scrambler.h"
#include "entities/WrapperEntities.h"

#include "DebugSink.h"
#include "dbobjptr.h"
#include "dbsymtb.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <new>
#include <string>
#include <vector>

namespace {

void expectPoint(const AcGePoint3d& actual, double x, double y, double z)
{
    EXPECT_NEAR(x, actual.x, 1e-9);
    EXPECT_NEAR(y, actual.y, 1e-9);
    EXPECT_NEAR(z, actual.z, 1e-9);
}

class EntityWrapperTest : public ::testing::Test {
protected:
    // The common entity data of an entity with colour index 3, as the host files it.
    static void writeCommonData(AcDbDwgFiler& filer)
    {
        AcDbPoint plain;
        plain.setColorIndex(3);
        ASSERT_EQ(Acad::eOk, plain.AcDbEntity::dwgOutFields(&filer));
    }

    static std::vector<std::string> callsOf(const AcDbEntity& entity)
    {
        MemoryDwgFiler filer;
        entity.dwgOutFields(&filer);
        return filer.calls();
    }

    RegisteredCustomClasses classes;
};

TEST_F(EntityWrapperTest, ColourIndexSetOnTheWrapperIsTheInnerLinesToo)
{
    AcDbLineEx wrapper;
    EXPECT_EQ(Acad::eOk, wrapper.setColorIndex(1));
    EXPECT_EQ(1, wrapper.colorIndex());
    EXPECT_EQ(1, wrapper.inner()->colorIndex());
}

TEST_F(EntityWrapperTest, LinetypeScaleAndLineweightFollowAndARefusalIsTheInnerEntitys)
{
    AcDbCircleEx wrapper;
    EXPECT_EQ(Acad::eOk, wrapper.setLinetypeScale(2.5));
    EXPECT_EQ(Acad::eOk, wrapper.setLineWeight(AcDb::kLnWt050));
    EXPECT_EQ(2.5, wrapper.inner()->linetypeScale());
    EXPECT_EQ(AcDb::kLnWt050, wrapper.inner()->lineWeight());
    EXPECT_EQ(Acad::eInvalidInput, wrapper.setLinetypeScale(-1.0));
    EXPECT_EQ(2.5, wrapper.linetypeScale());
    EXPECT_EQ(2.5, wrapper.inner()->linetypeScale());
}

TEST_F(EntityWrapperTest, LayerByIdReachesTheInnerEntity)
{
    AcDbDatabase database(true, true);
    AcDbLineEx wrapper;
    EXPECT_EQ(Acad::eOk, wrapper.setLayer(database.layerZero()));
    EXPECT_EQ(database.layerZero(), wrapper.layerId());
    EXPECT_EQ(database.layerZero(), wrapper.inner()->layerId());
}

TEST_F(EntityWrapperTest, InnerAreaOfATextIsZero)
{
    AcDbTextEx wrapper;
    double area = 99.0;
    EXPECT_EQ(Acad::eOk, wrapper.getInnerArea(area));
    EXPECT_EQ(0.0, area);
}

TEST_F(EntityWrapperTest, InnerAreaOfACircleIsTheCircles)
{
    AcDbCircleEx wrapper;
    wrapper.inner()->setRadius(2.0);
    double area = 0.0;
    EXPECT_EQ(Acad::eOk, wrapper.getInnerArea(area));
    EXPECT_NEAR(12.566370614359172, area, 1e-12);
}

TEST_F(EntityWrapperTest, TransformingTheWrapperMovesTheInnerEntity)
{
    AcDbLineEx wrapper;
    wrapper.inner()->setStartPoint(AcGePoint3d(0, 0, 0));
    wrapper.inner()->setEndPoint(AcGePoint3d(1, 2, 0));
    ASSERT_EQ(Acad::eOk, wrapper.transformBy(AcGeMatrix3d::translation(AcGeVector3d(5, 0, 1))));
    expectPoint(wrapper.inner()->startPoint(), 5, 0, 1);
    expectPoint(wrapper.inner()->endPoint(), 6, 2, 1);
    AcDbExtents extents;
    ASSERT_EQ(Acad::eOk, wrapper.getGeomExtents(extents));
    expectPoint(extents.minPoint(), 5, 0, 1);
    expectPoint(extents.maxPoint(), 6, 2, 1);
}

TEST_F(EntityWrapperTest, GripsAndStretchPointsAreTheInnerEntitys)
{
    AcDbLineEx wrapper;
    wrapper.inner()->setStartPoint(AcGePoint3d(1, 1, 0));
    wrapper.inner()->setEndPoint(AcGePoint3d(3, 1, 0));
    AcGePoint3dArray stretch;
    ASSERT_EQ(Acad::eOk, wrapper.getStretchPoints(stretch));
    ASSERT_EQ(2, stretch.length());
    expectPoint(stretch[0], 1, 1, 0);
    expectPoint(stretch[1], 3, 1, 0);
    AcDbIntArray indices;
    indices.append(1);
    ASSERT_EQ(Acad::eOk, wrapper.moveGripPointsAt(indices, AcGeVector3d(0, 4, 0)));
    expectPoint(wrapper.inner()->endPoint(), 3, 5, 0);
}

TEST_F(EntityWrapperTest, ExplodingABlockReferenceWrapperGivesTheReferencesPieces)
{
    AcDbDatabase database(true, true);
    AcDbBlockTable* table = nullptr;
    ASSERT_EQ(Acad::eOk, database.getBlockTable(table, AcDb::kForWrite));
    auto* block = new AcDbBlockTableRecord();
    block->setName(L"B");
    AcDbObjectId blockId;
    ASSERT_EQ(Acad::eOk, table->add(blockId, block));
    table->close();
    auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 5, 0));
    block->appendAcDbEntity(line);
    line->close();
    auto* circle = new AcDbCircle(AcGePoint3d(1, 1, 0), AcGeVector3d::kZAxis, 2.0);
    block->appendAcDbEntity(circle);
    circle->close();
    block->close();

    AcDbBlockReferenceEx wrapper;
    wrapper.inner()->setBlockTableRecord(blockId);
    wrapper.inner()->setPosition(AcGePoint3d(100, 50, 0));
    AcDbVoidPtrArray pieces;
    ASSERT_EQ(Acad::eOk, wrapper.explode(pieces));
    ASSERT_EQ(2, pieces.length());
    std::unique_ptr<AcRxObject> first(static_cast<AcRxObject*>(pieces[0]));
    std::unique_ptr<AcRxObject> second(static_cast<AcRxObject*>(pieces[1]));
    auto* explodedLine = AcDbLine::cast(first.get());
    auto* explodedCircle = AcDbCircle::cast(second.get());
    ASSERT_NE(nullptr, explodedLine);
    ASSERT_NE(nullptr, explodedCircle);
    expectPoint(explodedLine->startPoint(), 100, 50, 0);
    expectPoint(explodedLine->endPoint(), 110, 55, 0);
    expectPoint(explodedCircle->center(), 101, 51, 0);
    EXPECT_EQ(2.0, explodedCircle->radius());
}

TEST_F(EntityWrapperTest, DeepCloneCopiesTheInnerEntityAndIsTraced)
{
    AcDbDatabase database(true, true);
    auto* wrapper = new AcDbLineEx();
    wrapper->inner()->setStartPoint(AcGePoint3d(1, 1, 0));
    wrapper->inner()->setEndPoint(AcGePoint3d(2, 3, 0));
    AcDbObjectId id;
    {
        AcDbBlockTableRecordPointer space(database.modelSpaceId(), AcDb::kForWrite);
        ASSERT_EQ(Acad::eOk, space->appendAcDbEntity(id, wrapper));
        wrapper->close();
    }
    AcDbObjectIdArray ids;
    ids.append(id);
    AcDbIdMapping mapping;
    cadhost::DebugCapture trace;
    ASSERT_EQ(Acad::eOk, database.deepCloneObjects(ids, database.modelSpaceId(), mapping));
    const std::vector<std::wstring> messages = trace.messages();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(L"AcDbLineEx::deepClone Start", messages.front());
    EXPECT_NE(messages.end(), std::find(messages.begin(), messages.end(), L"AcDbLineEx::deepClone End eOk"));
    AcDbIdPair pair(id, AcDbObjectId::kNull, false);
    ASSERT_TRUE(mapping.compute(pair));
    AcDbObjectPointer<AcDbLineEx> clone(pair.value(), AcDb::kForRead);
    ASSERT_EQ(Acad::eOk, clone.openStatus());
    expectPoint(clone->inner()->startPoint(), 1, 1, 0);
    expectPoint(clone->inner()->endPoint(), 2, 3, 0);
}

TEST_F(EntityWrapperTest, DxfFilingIsNotImplemented)
{
    AcDbLineEx wrapper;
    EXPECT_EQ(Acad::eNotImplementedYet, wrapper.dxfOutFields(nullptr));
    EXPECT_EQ(Acad::eNotImplementedYet, wrapper.dxfInFields(nullptr));
}

// A new wrapper stores the common data, version 8, the recording's length and chunk count, and the
// chunks; the chunks hold the scrambled stream of the inner entity's record.
TEST_F(EntityWrapperTest, NewWrapperStoresVersion8AndAScrambledRecording)
{
    AcDbLineEx wrapper;
    wrapper.inner()->setStartPoint(AcGePoint3d(1, 2, 3));
    wrapper.inner()->setEndPoint(AcGePoint3d(4, 5, 6));
    MemoryDwgFiler common;
    wrapper.AcDbEntity::dwgOutFields(&common);
    const std::size_t n = common.entries().size();

    MemoryDwgFiler filer;
    cadhost::DebugCapture trace;
    ASSERT_EQ(Acad::eOk, wrapper.dwgOutFields(&filer));
    EXPECT_EQ((std::vector<std::wstring>{L"AcDbLineEx::dwgOutFields Start", L"AcDbLineEx::dwgOutFields End"}),
              trace.messages());
    const auto& entries = filer.entries();
    ASSERT_GE(entries.size(), n + 5);
    EXPECT_EQ("UInt32", entries[n].kind);
    EXPECT_EQ(Adesk::UInt64{8}, std::get<Adesk::UInt64>(entries[n].value));
    const auto length = std::get<Adesk::Int64>(entries[n + 1].value);
    const auto chunks = std::get<Adesk::Int64>(entries[n + 2].value);
    EXPECT_EQ((length + 239) / 240, chunks);
    ASSERT_EQ(n + 3 + 2 * static_cast<std::size_t>(chunks), entries.size());
    std::vector<std::uint8_t> stored;
    for (std::size_t i = n + 3; i < entries.size(); i += 2) {
        EXPECT_EQ("UInt32", entries[i].kind);
        const auto& bytes = std::get<MemoryDwgFiler::Bytes>(entries[i + 1].value);
        EXPECT_EQ(std::get<Adesk::UInt64>(entries[i].value), bytes.size());
        stored.insert(stored.end(), bytes.begin(), bytes.end());
    }
    ASSERT_EQ(static_cast<std::size_t>(length), stored.size());

    GDwgFiler plain(nullptr);
    ASSERT_EQ(Acad::eOk, writeEntityData(wrapper.inner(), &plain));
    const std::vector<std::uint8_t> expected(plain.buffer().begin(), plain.buffer().end());
    EXPECT_NE(expected, stored);
    Scrambler::unscramble(stored);
    EXPECT_EQ(expected, stored);
}

// A drawing's filer that runs out of memory on the first block of bytes.
class ExhaustedFiler : public MemoryDwgFiler {
public:
    Acad::ErrorStatus writeBytes(const void*, Adesk::UIntPtr) override { throw std::bad_alloc(); }
};

TEST_F(EntityWrapperTest, RunningOutOfMemoryWhileFilingIsAnErrorStatusNotAnException)
{
    AcDbLineEx wrapper;
    ExhaustedFiler filer;
    Acad::ErrorStatus status = Acad::eOk;
    EXPECT_NO_THROW(status = wrapper.dwgOutFields(&filer));
    EXPECT_EQ(Acad::eOutOfMemory, status);
    EXPECT_EQ(Acad::eOutOfMemory, filer.filerStatus());
}

TEST_F(EntityWrapperTest, SavedWrapperReadsBackWithItsPropertiesOnTheInnerEntity)
{
    AcDbLineEx saved;
    saved.setColorIndex(5);
    saved.setLinetypeScale(3.0);
    saved.inner()->setStartPoint(AcGePoint3d(1, 2, 3));
    saved.inner()->setEndPoint(AcGePoint3d(4, 5, 6));
    MemoryDwgFiler filer;
    ASSERT_EQ(Acad::eOk, saved.dwgOutFields(&filer));
    filer.rewind();

    AcDbLineEx loaded;
    ASSERT_EQ(Acad::eOk, loaded.dwgInFields(&filer));
    EXPECT_EQ(0u, filer.unreadCount());
    EXPECT_EQ(8u, loaded.wrapperVersion());
    expectPoint(loaded.inner()->startPoint(), 1, 2, 3);
    expectPoint(loaded.inner()->endPoint(), 4, 5, 6);
    EXPECT_EQ(5, loaded.inner()->colorIndex());
    EXPECT_EQ(3.0, loaded.inner()->linetypeScale());
}

struct StoredVersionCase {
    Adesk::UInt32 version;
    // How the inner entity's stream is stored: straight, in a recording, or in a scrambled one.
    enum Layout { kDirect, kRecording, kScrambled } layout;
};

class StoredVersionTest : public EntityWrapperTest, public ::testing::WithParamInterface<StoredVersionCase> {};

// A wrapper stored by an older version is read and written back with the same layout and version.
TEST_P(StoredVersionTest, WrapperIsWrittenBackWithTheVersionItWasReadWith)
{
    const StoredVersionCase& c = GetParam();
    AcDbLine line(AcGePoint3d(7, 8, 0), AcGePoint3d(9, 10, 0));
    MemoryDwgFiler stored;
    writeCommonData(stored);
    stored.writeUInt32(c.version);
    if (c.layout == StoredVersionCase::kDirect) {
        ASSERT_EQ(Acad::eOk, writeEntityData(&line, &stored));
    } else {
        GDwgFiler recording(&stored);
        recording.setScramble(c.layout == StoredVersionCase::kScrambled);
        ASSERT_EQ(Acad::eOk, writeEntityData(&line, &recording));
        ASSERT_EQ(Acad::eOk, recording.writeRecording());
    }
    const std::vector<std::string> storedCalls = stored.calls();
    stored.rewind();

    AcDbLineEx wrapper;
    ASSERT_EQ(Acad::eOk, wrapper.dwgInFields(&stored));
    EXPECT_EQ(0u, stored.unreadCount());
    EXPECT_EQ(c.version, wrapper.wrapperVersion());
    expectPoint(wrapper.inner()->startPoint(), 7, 8, 0);
    expectPoint(wrapper.inner()->endPoint(), 9, 10, 0);
    EXPECT_EQ(3, wrapper.inner()->colorIndex());
    EXPECT_EQ(storedCalls, callsOf(wrapper));
}

INSTANTIATE_TEST_SUITE_P(Versions, StoredVersionTest,
                         ::testing::Values(StoredVersionCase{1, StoredVersionCase::kDirect},
                                           StoredVersionCase{3, StoredVersionCase::kDirect},
                                           StoredVersionCase{4, StoredVersionCase::kRecording},
                                           StoredVersionCase{5, StoredVersionCase::kScrambled},
                                           StoredVersionCase{8, StoredVersionCase::kScrambled}),
                         [](const ::testing::TestParamInfo<StoredVersionCase>& info) {
                             return "Version" + std::to_string(info.param.version);
                         });

// The recording of a line from (1,2,3) to (4,5,6), thickness 0.5, normal (0,0,1), byte by byte: the
// recording header, then each value behind its tag (6 UInt32, 13 point, 11 double, 15 vector).
const char* const kLineRecording = "01000000"
                                   "0601000000"
                                   "0601000000"
                                   "0601000000"
                                   "0601000000"
                                   "0D000000000000F03F00000000000000400000000000000840"
                                   "0D000000000000104000000000000014400000000000001840"
                                   "0B000000000000E03F"
                                   "0F00000000000000000000000000000000000000000000F03F";

std::vector<std::uint8_t> fromHex(const std::string& hex)
{
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

// Behind the common entity data: the version, the recording's length and chunk count, one chunk.
std::vector<std::string> envelope(Adesk::UInt32 version, const std::string& chunk)
{
    return {"writeUInt32 " + std::to_string(version), "writeInt32 108", "writeInt32 1", "writeUInt32 108",
            "writeBytes " + chunk};
}

AcDbLine* storedLine(AcDbLine* line)
{
    line->setStartPoint(AcGePoint3d(1, 2, 3));
    line->setEndPoint(AcGePoint3d(4, 5, 6));
    line->setThickness(0.5);
    return line;
}

TEST_F(EntityWrapperTest, ANewWrapperStoresItsLineAsOneScrambledChunkOfTheRecording)
{
    AcDbLineEx wrapper;
    storedLine(wrapper.inner());
    MemoryDwgFiler common;
    writeCommonData(common);
    wrapper.setColorIndex(3);
    std::vector<std::string> calls = callsOf(wrapper);
    ASSERT_EQ(common.calls().size() + 5, calls.size());
    calls.erase(calls.begin(), calls.begin() + static_cast<std::ptrdiff_t>(common.calls().size()));
    const std::string stored = calls.back().substr(std::string("writeBytes ").size());
    EXPECT_EQ(envelope(8, stored), calls);
    std::vector<std::uint8_t> bytes = fromHex(stored);
    EXPECT_NE(fromHex(kLineRecording), bytes);
    Scrambler::unscramble(bytes);
    EXPECT_EQ(fromHex(kLineRecording), bytes);
}

// Version 4 keeps the recording plain: what is stored is read and written back byte for byte.
TEST_F(EntityWrapperTest, AVersionFourWrapperStoresThePlainRecording)
{
    MemoryDwgFiler stored;
    writeCommonData(stored);
    const std::vector<std::uint8_t> recording = fromHex(kLineRecording);
    stored.writeUInt32(4);
    stored.writeInt32(108);
    stored.writeInt32(1);
    stored.writeUInt32(108);
    stored.writeBytes(recording.data(), recording.size());
    const std::vector<std::string> storedCalls = stored.calls();
    stored.rewind();

    AcDbLineEx wrapper;
    ASSERT_EQ(Acad::eOk, wrapper.dwgInFields(&stored));
    expectPoint(wrapper.inner()->startPoint(), 1, 2, 3);
    expectPoint(wrapper.inner()->endPoint(), 4, 5, 6);
    EXPECT_DOUBLE_EQ(0.5, wrapper.inner()->thickness());
    EXPECT_EQ(storedCalls, callsOf(wrapper));
    EXPECT_EQ(envelope(4, kLineRecording), std::vector<std::string>(storedCalls.end() - 5, storedCalls.end()));
}

// Versions 1 to 3 hold the line's stream straight in the drawing's filer.
TEST_F(EntityWrapperTest, AVersionThreeWrapperStoresTheLineStreamStraight)
{
    MemoryDwgFiler stored;
    writeCommonData(stored);
    const std::size_t common = stored.calls().size();
    stored.writeUInt32(3);
    for (int level = 0; level < 4; ++level)
        stored.writeUInt32(1);
    stored.writePoint3d(AcGePoint3d(1, 2, 3));
    stored.writePoint3d(AcGePoint3d(4, 5, 6));
    stored.writeDouble(0.5);
    stored.writeVector3d(AcGeVector3d(0, 0, 1));
    stored.rewind();

    AcDbLineEx wrapper;
    ASSERT_EQ(Acad::eOk, wrapper.dwgInFields(&stored));
    EXPECT_EQ(0u, stored.unreadCount());
    const std::vector<std::string> calls = callsOf(wrapper);
    EXPECT_EQ((std::vector<std::string>{"writeUInt32 3", "writeUInt32 1", "writeUInt32 1", "writeUInt32 1",
                                        "writeUInt32 1", "writePoint3d 1,2,3", "writePoint3d 4,5,6", "writeDouble 0.5",
                                        "writeVector3d 0,0,1"}),
              std::vector<std::string>(calls.begin() + static_cast<std::ptrdiff_t>(common), calls.end()));
}

TEST_F(EntityWrapperTest, VersionAbove8AsksToBeKeptAsAProxy)
{
    MemoryDwgFiler stored;
    writeCommonData(stored);
    stored.writeUInt32(9);
    stored.rewind();
    AcDbLineEx wrapper;
    EXPECT_EQ(Acad::eMakeMeProxy, wrapper.dwgInFields(&stored));
}

TEST_F(EntityWrapperTest, MissingVersionFailsTheRead)
{
    MemoryDwgFiler stored;
    writeCommonData(stored);
    stored.rewind();
    AcDbLineEx wrapper;
    EXPECT_EQ(Acad::eEndOfFile, wrapper.dwgInFields(&stored));
}

TEST_F(EntityWrapperTest, RecordingWithoutItsChunksFailsTheRead)
{
    MemoryDwgFiler stored;
    writeCommonData(stored);
    stored.writeUInt32(8);
    stored.writeInt32(100);
    stored.writeInt32(1);
    stored.rewind();
    AcDbLineEx wrapper;
    EXPECT_EQ(Acad::eEndOfFile, wrapper.dwgInFields(&stored));
}

// The recording holds only the first half of the line's stream.
TEST_F(EntityWrapperTest, CutRecordingFailsTheReadAndTheFilerCarriesIt)
{
    AcDbLine line(AcGePoint3d(1, 1, 0), AcGePoint3d(2, 2, 0));
    GDwgFiler full(nullptr);
    ASSERT_EQ(Acad::eOk, writeEntityData(&line, &full));
    const std::vector<std::uint8_t> half(full.buffer().begin(), full.buffer().begin() + full.buffer().size() / 2);
    MemoryDwgFiler stored;
    writeCommonData(stored);
    stored.writeUInt32(4);
    stored.writeInt32(static_cast<Adesk::Int32>(half.size()));
    stored.writeInt32(1);
    stored.writeUInt32(static_cast<Adesk::UInt32>(half.size()));
    stored.writeBytes(half.data(), half.size());
    stored.rewind();
    AcDbLineEx wrapper;
    EXPECT_EQ(Acad::eEndOfFile, wrapper.dwgInFields(&stored));
    EXPECT_EQ(Acad::eEndOfFile, stored.filerStatus());
}

TEST_F(EntityWrapperTest, RecordOfAnotherKindFailsTheReadAndTheFilerCarriesIt)
{
    AcDbCircle circle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0);
    MemoryDwgFiler stored;
    writeCommonData(stored);
    stored.writeUInt32(4);
    GDwgFiler recording(&stored);
    ASSERT_EQ(Acad::eOk, writeEntityData(&circle, &recording));
    ASSERT_EQ(Acad::eOk, recording.writeRecording());
    stored.rewind();
    AcDbTextEx wrapper;
    const Acad::ErrorStatus status = wrapper.dwgInFields(&stored);
    EXPECT_NE(Acad::eOk, status);
    EXPECT_EQ(status, stored.filerStatus());
}

} // namespace
