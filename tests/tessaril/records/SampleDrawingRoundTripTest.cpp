// Every streamed kind of the sample drawing: each entity written through writeEntityData into the host's
// file filer and read back onto a fresh entity of its class writes the same stream again, and an entity
// made by copyEntityData writes it too.
#include "DwgBufferFiler.h"
#include "SampleDrawing.h"
#include "records/EntityDataStream.h"
#include "records/GCopyEntityHelper.h"

#include "dbblkref.h"
#include "dbhatch.h"
#include "dbobjit.h"
#include "dbsymtb.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<Adesk::UInt8> streamOf(AcDbEntity* entity, Acad::ErrorStatus& status)
{
    cadhost::MemoryIdCodec codec;
    cadhost::DwgBufferFiler filer(AcDb::kFileFiler, &codec);
    filer.startWriting();
    status = writeEntityData(entity, &filer);
    return filer.bytes();
}

// Equal streams, or where they part.
testing::AssertionResult sameStream(const std::vector<Adesk::UInt8>& expected, const std::vector<Adesk::UInt8>& actual)
{
    std::size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
        ++at;
    if (at == expected.size() && at == actual.size())
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "streams of " << expected.size() << " and " << actual.size()
                                       << " bytes part at byte " << at;
}

class SampleRecordTest : public ::testing::TestWithParam<const wchar_t*> {
protected:
    void SetUp() override
    {
        ASSERT_EQ(Acad::eOk, cadhost::buildSampleDrawing(sample));
        for (const AcDbObjectId space : {sample.modelSpaceId(), sample.paperSpaceId()}) {
            AcDbBlockTableRecord* block = nullptr;
            ASSERT_EQ(Acad::eOk, acdbOpenObject(block, space, AcDb::kForRead));
            AcDbBlockTableRecordIterator* created = nullptr;
            ASSERT_EQ(Acad::eOk, block->newIterator(created));
            const std::unique_ptr<AcDbBlockTableRecordIterator> entities(created);
            for (; !entities->done(); entities->step()) {
                AcDbObjectId id;
                entities->getEntityId(id);
                if (id.objectClass() != nullptr && std::wstring(id.objectClass()->name()) == GetParam())
                    ids.push_back(id);
            }
            block->close();
        }
        ASSERT_FALSE(ids.empty()) << "the sample drawing holds no entity of this class";
    }

    AcDbDatabase sample{true, true};
    std::vector<AcDbObjectId> ids;
};

std::unique_ptr<AcDbEntity> readOnto(const AcRxClass* kind, const std::vector<Adesk::UInt8>& stream)
{
    std::unique_ptr<AcDbEntity> read(AcDbEntity::cast(kind->create()));
    cadhost::MemoryIdCodec codec;
    cadhost::DwgBufferFiler filer(AcDb::kFileFiler, &codec);
    filer.startReading(stream.data(), stream.size());
    EXPECT_EQ(Acad::eOk, readEntityData(read.get(), &filer));
    EXPECT_EQ(0u, filer.remaining());
    return read;
}

// Two cases differ by design: a hatch's edge loops come back, and are copied, as polyline loops, so its
// stream is stable from the second writing on; copyEntityData leaves a block reference's attributes
// behind.
TEST_P(SampleRecordTest, ReadBackOrCopiedTheEntityWritesTheSameStream)
{
    for (const AcDbObjectId& id : ids) {
        AcDbEntity* entity = nullptr;
        ASSERT_EQ(Acad::eOk, acdbOpenObject(entity, id, AcDb::kForRead));
        Acad::ErrorStatus status = Acad::eOk;
        const std::vector<Adesk::UInt8> written = streamOf(entity, status);
        ASSERT_EQ(Acad::eOk, status);

        const bool isHatch = AcDbHatch::cast(entity) != nullptr;
        const auto read = readOnto(entity->isA(), written);
        const std::vector<Adesk::UInt8> rewritten = streamOf(read.get(), status);
        if (isHatch) {
            EXPECT_TRUE(sameStream(rewritten, streamOf(readOnto(entity->isA(), rewritten).get(), status)));
        } else {
            EXPECT_TRUE(sameStream(written, rewritten));
        }

        const std::unique_ptr<AcDbEntity> copied(AcDbEntity::cast(entity->isA()->create()));
        ASSERT_EQ(Acad::eOk, copyEntityData(copied.get(), entity));
        const std::unique_ptr<AcDbObjectIterator> attributes(AcDbBlockReference::cast(entity) != nullptr
                                                                 ? AcDbBlockReference::cast(entity)->attributeIterator()
                                                                 : nullptr);
        if (attributes == nullptr || attributes->done()) {
            EXPECT_TRUE(sameStream(isHatch ? rewritten : written, streamOf(copied.get(), status)));
        }
        entity->close();
    }
}

INSTANTIATE_TEST_SUITE_P(StreamedKinds, SampleRecordTest,
                         ::testing::Values(L"AcDbPoint", L"AcDbLine", L"AcDbArc", L"AcDbCircle", L"AcDbEllipse",
                                           L"AcDbSpline", L"AcDbRay", L"AcDbXline", L"AcDbPolyline", L"AcDb2dPolyline",
                                           L"AcDb3dPolyline", L"AcDbLeader", L"AcDbSolid", L"AcDbTrace", L"AcDbText",
                                           L"AcDbAttributeDefinition", L"AcDbMText", L"AcDbHatch",
                                           L"AcDbBlockReference", L"AcDbRotatedDimension", L"AcDbAlignedDimension",
                                           L"AcDb3PointAngularDimension", L"AcDb2LineAngularDimension",
                                           L"AcDbRadialDimension", L"AcDbDiametricDimension", L"AcDbOrdinateDimension"),
                         [](const testing::TestParamInfo<const wchar_t*>& info) {
                             const std::wstring name = info.param;
                             return std::string(name.begin(), name.end());
                         });

} // namespace
