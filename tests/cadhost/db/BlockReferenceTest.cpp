#include "CommandLine.h"
#include "MemoryDwgFiler.h"
#include "dbblkref.h"
#include "dbents.h"
#include "dbsymtb.h"
#include "girecorder.h"

#include <gtest/gtest.h>

#include <memory>
#include <numbers>

namespace {

void expectPoint(const AcGePoint3d& actual, double x, double y, double z = 0.0)
{
    EXPECT_NEAR(actual.x, x, 1e-9);
    EXPECT_NEAR(actual.y, y, 1e-9);
    EXPECT_NEAR(actual.z, z, 1e-9);
}

// A drawing with the block "B": a line from (0,0) to (10,5) and an attribute definition that a
// reference leaves out; and a reference to it at (100,100), scale 2, with an attribute far away.
class BlockReferenceTest : public testing::Test {
protected:
    void SetUp() override
    {
        AcDbBlockTable* table = nullptr;
        ASSERT_EQ(m_database.getBlockTable(table, AcDb::kForWrite), Acad::eOk);
        auto* block = new AcDbBlockTableRecord();
        block->setName(L"B");
        ASSERT_EQ(table->add(m_blockId, block), Acad::eOk);
        table->close();
        auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 5, 0));
        block->appendAcDbEntity(line);
        line->close();
        auto* definition = new AcDbAttributeDefinition(AcGePoint3d(50, 50, 0), L"v", L"TAG", L"Tag?");
        block->appendAcDbEntity(definition);
        definition->close();
        block->close();

        AcDbBlockTableRecord* model = nullptr;
        ASSERT_EQ(acdbOpenObject(model, m_database.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
        auto* reference = new AcDbBlockReference(AcGePoint3d(100, 100, 0), m_blockId);
        reference->setScaleFactors(AcGeScale3d(2.0));
        reference->appendAttribute(new AcDbAttribute(AcGePoint3d(500, 500, 0), L"far away", L"TAG"));
        ASSERT_EQ(model->appendAcDbEntity(m_referenceId, reference), Acad::eOk);
        reference->close();
        model->close();
    }

    AcDbDatabase m_database{true, true};
    AcDbObjectId m_blockId;
    AcDbObjectId m_referenceId;
};

TEST_F(BlockReferenceTest, TheDefinitionsExtentsPlacedByTheBlockTransformLeaveTheAttributesOut)
{
    AcDbBlockReference* reference = nullptr;
    ASSERT_EQ(acdbOpenObject(reference, m_referenceId, AcDb::kForRead), Acad::eOk);
    AcDbBlockTableRecord* block = nullptr;
    ASSERT_EQ(acdbOpenObject(block, reference->blockTableRecord(), AcDb::kForRead), Acad::eOk);
    AcDbExtents definition;
    for (const AcDbObjectId& id : block->entityIds()) {
        AcDbEntity* entity = nullptr;
        ASSERT_EQ(acdbOpenObject(entity, id, AcDb::kForRead), Acad::eOk);
        if (AcDbAttributeDefinition::cast(entity) == nullptr) {
            AcDbExtents piece;
            ASSERT_EQ(entity->getGeomExtents(piece), Acad::eOk);
            definition.addExt(piece);
        }
        entity->close();
    }
    block->close();
    definition.transformBy(reference->blockTransform());
    expectPoint(definition.minPoint(), 100, 100);
    expectPoint(definition.maxPoint(), 120, 110);

    // The reference's own extents also hold its visible attributes.
    AcDbExtents own;
    ASSERT_EQ(reference->getGeomExtents(own), Acad::eOk);
    expectPoint(own.minPoint(), 100, 100);
    EXPECT_GE(own.maxPoint().x, 500.0);
    reference->close();
}

TEST_F(BlockReferenceTest, ExplodeGivesTheTransformedEntitiesWithoutAttributes)
{
    AcDbBlockReference* reference = nullptr;
    ASSERT_EQ(acdbOpenObject(reference, m_referenceId, AcDb::kForRead), Acad::eOk);
    AcDbVoidPtrArray pieces;
    ASSERT_EQ(reference->explode(pieces), Acad::eOk);
    reference->close();
    ASSERT_EQ(pieces.length(), 1);
    std::unique_ptr<AcDbEntity> piece(static_cast<AcDbEntity*>(pieces[0]));
    const AcDbLine* line = AcDbLine::cast(piece.get());
    ASSERT_NE(line, nullptr);
    expectPoint(line->startPoint(), 100, 100);
    expectPoint(line->endPoint(), 120, 110);
    EXPECT_TRUE(line->objectId().isNull());
}

TEST_F(BlockReferenceTest, AttributesEnterTheDatabaseWithTheReference)
{
    AcDbBlockReference* reference = nullptr;
    ASSERT_EQ(acdbOpenObject(reference, m_referenceId, AcDb::kForWrite), Acad::eOk);
    std::unique_ptr<AcDbObjectIterator> iterator(reference->attributeIterator());
    int count = 0;
    for (iterator->start(); !iterator->done(); iterator->step()) {
        ++count;
        EXPECT_EQ(iterator->entity(), nullptr);
        AcDbAttribute* attribute = nullptr;
        ASSERT_EQ(reference->openAttribute(attribute, iterator->objectId(), AcDb::kForRead), Acad::eOk);
        EXPECT_STREQ(attribute->textStringConst(), L"far away");
        EXPECT_EQ(attribute->ownerId(), m_referenceId);
        attribute->close();
    }
    EXPECT_EQ(count, 1);

    AcDbObjectId addedId;
    ASSERT_EQ(reference->appendAttribute(addedId, new AcDbAttribute(AcGePoint3d(0, 0, 0), L"second", L"T2")),
              Acad::eOk);
    EXPECT_FALSE(addedId.isNull());
    reference->close();
}

TEST_F(BlockReferenceTest, DrawingPushesTheBlockTransformAndAddsTheAttributes)
{
    AcDbBlockReference* reference = nullptr;
    ASSERT_EQ(acdbOpenObject(reference, m_referenceId, AcDb::kForRead), Acad::eOk);
    AcGiRecording recording;
    {
        AcGiRecorder recorder(recording, &m_database);
        recorder.draw(reference);
    }
    reference->close();
    std::vector<const AcGiPrimitive*> lines;
    std::vector<std::wstring> texts;
    for (const AcGiPrimitive& primitive : recording.primitives) {
        if (primitive.kind == AcGiPrimitiveKind::kPolyline)
            lines.push_back(&primitive);
        if (primitive.kind == AcGiPrimitiveKind::kText)
            texts.push_back(primitive.text);
    }
    ASSERT_EQ(lines.size(), 1u);
    expectPoint(lines[0]->points.back(), 120, 110);
    EXPECT_EQ(texts, std::vector<std::wstring>{L"far away"});
}

// Adds a block of the given name to the drawing and answers its id.
AcDbObjectId addBlock(AcDbDatabase& database, const ACHAR* name)
{
    AcDbBlockTable* table = nullptr;
    EXPECT_EQ(database.getBlockTable(table, AcDb::kForWrite), Acad::eOk);
    auto* block = new AcDbBlockTableRecord();
    block->setName(name);
    AcDbObjectId id;
    EXPECT_EQ(table->add(id, block), Acad::eOk);
    table->close();
    block->close();
    return id;
}

void addReferences(AcDbObjectId owner, AcDbObjectId referenced, int count)
{
    AcDbBlockTableRecord* block = nullptr;
    ASSERT_EQ(acdbOpenObject(block, owner, AcDb::kForWrite), Acad::eOk);
    for (int i = 0; i < count; ++i) {
        auto* reference = new AcDbBlockReference(AcGePoint3d(i, 0, 0), referenced);
        block->appendAcDbEntity(reference);
        reference->close();
    }
    block->close();
}

constexpr const wchar_t* kSkipMessage = L"块参照循环引用或嵌套过多，已跳过部分内容";

TEST_F(BlockReferenceTest, ABlockHoldingItselfDirectlyOrThroughAnotherDrawsOnceWithAMessage)
{
    AcDbExtents plain;
    {
        AcDbBlockReference* reference = nullptr;
        ASSERT_EQ(acdbOpenObject(reference, m_referenceId, AcDb::kForRead), Acad::eOk);
        EXPECT_EQ(reference->getGeomExtents(plain), Acad::eOk);
        reference->close();
    }
    const AcDbObjectId other = addBlock(m_database, L"C");
    addReferences(m_blockId, m_blockId, 1);
    addReferences(m_blockId, other, 1);
    addReferences(other, m_blockId, 1);
    cadhost::clearCommandLine();
    AcDbBlockReference* reference = nullptr;
    ASSERT_EQ(acdbOpenObject(reference, m_referenceId, AcDb::kForRead), Acad::eOk);
    AcGiRecording recording;
    {
        AcGiRecorder recorder(recording, &m_database);
        recorder.draw(reference);
    }
    AcDbExtents extents;
    EXPECT_EQ(reference->getGeomExtents(extents), Acad::eOk);
    reference->close();
    std::size_t lines = 0;
    for (const AcGiPrimitive& primitive : recording.primitives)
        lines += primitive.kind == AcGiPrimitiveKind::kPolyline ? 1 : 0;
    EXPECT_EQ(lines, 1u);
    expectPoint(extents.minPoint(), plain.minPoint().x, plain.minPoint().y);
    expectPoint(extents.maxPoint(), plain.maxPoint().x, plain.maxPoint().y);
    EXPECT_NE(cadhost::commandLineText().find(kSkipMessage), std::wstring::npos);
}

TEST_F(BlockReferenceTest, ReferencesFanningOutToMillionsStopWithAMessage)
{
    AcDbObjectId level = m_blockId;
    for (const ACHAR* name : {L"K1", L"K2", L"K3", L"K4"}) {
        const AcDbObjectId next = addBlock(m_database, name);
        addReferences(next, level, 100);
        level = next;
    }
    cadhost::clearCommandLine();
    AcDbBlockReference reference(AcGePoint3d::kOrigin, level);
    AcDbExtents extents;
    EXPECT_EQ(reference.getGeomExtents(extents), Acad::eOk);
    EXPECT_NE(cadhost::commandLineText().find(kSkipMessage), std::wstring::npos);
}

TEST(BlockReferenceTransformTest, SetBlockTransformTakesPositionRotationAndScale)
{
    AcDbBlockReference reference;
    const AcGeMatrix3d transform = AcGeMatrix3d::translation(AcGeVector3d(5, 6, 0)) *
                                   AcGeMatrix3d::rotation(std::numbers::pi / 6.0, AcGeVector3d::kZAxis) *
                                   AcGeMatrix3d(AcGeScale3d(2.0, 3.0, 1.0));
    ASSERT_EQ(reference.setBlockTransform(transform), Acad::eOk);
    expectPoint(reference.position(), 5, 6);
    EXPECT_NEAR(reference.rotation(), std::numbers::pi / 6.0, 1e-12);
    EXPECT_NEAR(reference.scaleFactors().sx, 2.0, 1e-12);
    EXPECT_NEAR(reference.scaleFactors().sy, 3.0, 1e-12);
    EXPECT_TRUE(reference.blockTransform().isEqualTo(transform));
    EXPECT_EQ(reference.setScaleFactors(AcGeScale3d(0.0, 1.0, 1.0)), Acad::eInvalidInput);
}

TEST(BlockReferenceTransformTest, TransformMovesTheReferenceAndItsAttributesInMemory)
{
    AcDbBlockReference reference(AcGePoint3d(1, 0, 0), AcDbObjectId::kNull);
    auto* attribute = new AcDbAttribute(AcGePoint3d(2, 0, 0), L"a", L"A");
    ASSERT_EQ(reference.appendAttribute(attribute), Acad::eOk);
    ASSERT_EQ(reference.transformBy(AcGeMatrix3d::rotation(std::numbers::pi / 2.0, AcGeVector3d::kZAxis)), Acad::eOk);
    expectPoint(reference.position(), 0, 1);
    EXPECT_NEAR(reference.rotation(), std::numbers::pi / 2.0, 1e-12);
    std::unique_ptr<AcDbObjectIterator> iterator(reference.attributeIterator());
    iterator->start();
    ASSERT_FALSE(iterator->done());
    EXPECT_EQ(iterator->entity(), attribute);
    EXPECT_TRUE(iterator->objectId().isNull());
    expectPoint(attribute->position(), 0, 2);
}

TEST(BlockReferenceFilingTest, RoundTripKeepsPlacementAndAttributeIds)
{
    AcDbBlockReference reference(AcGePoint3d(1, 2, 3), AcDbObjectId::kNull);
    reference.setScaleFactors(AcGeScale3d(2, 3, 4));
    reference.setRotation(0.5);
    reference.setNormal(AcGeVector3d(0, 0, -1));
    MemoryDwgFiler filer;
    ASSERT_EQ(reference.dwgOutFields(&filer), Acad::eOk);
    filer.rewind();
    AcDbBlockReference copy;
    ASSERT_EQ(copy.dwgInFields(&filer), Acad::eOk);
    EXPECT_EQ(filer.unreadCount(), 0u);
    expectPoint(copy.position(), 1, 2, 3);
    EXPECT_EQ(copy.scaleFactors(), AcGeScale3d(2, 3, 4));
    EXPECT_DOUBLE_EQ(copy.rotation(), 0.5);
    EXPECT_EQ(copy.normal(), AcGeVector3d(0, 0, -1));
}

TEST(BlockReferenceFilingTest, AnAbsurdAttributeCountIsRefusedWithoutReadingOn)
{
    AcDbBlockReference reference;
    MemoryDwgFiler filer;
    ASSERT_EQ(reference.AcDbEntity::dwgOutFields(&filer), Acad::eOk);
    filer.writeHardPointerId(AcDbObjectId::kNull);
    filer.writePoint3d(AcGePoint3d::kOrigin);
    filer.writeScale3d(AcGeScale3d(1.0));
    filer.writeDouble(0.0);
    filer.writeVector3d(AcGeVector3d::kZAxis);
    filer.writeUInt32(0xFFFFFFFFu);
    filer.rewind();
    AcDbBlockReference copy;
    EXPECT_EQ(copy.dwgInFields(&filer), Acad::eDwgObjectImproperlyRead);
}

TEST_F(BlockReferenceTest, AMultiInsertCoversEveryCopy)
{
    AcDbMInsertBlock array(AcGePoint3d(0, 0, 0), m_blockId, 3, 2, 20.0, 10.0);
    AcDbExtents extents;
    ASSERT_EQ(array.getGeomExtents(extents), Acad::eOk);
    expectPoint(extents.minPoint(), 0, 0);
    expectPoint(extents.maxPoint(), 50, 15);
    MemoryDwgFiler filer;
    ASSERT_EQ(array.dwgOutFields(&filer), Acad::eOk);
    filer.rewind();
    AcDbMInsertBlock copy;
    ASSERT_EQ(copy.dwgInFields(&filer), Acad::eOk);
    EXPECT_EQ(copy.columns(), 3);
    EXPECT_EQ(copy.rows(), 2);
    EXPECT_DOUBLE_EQ(copy.columnSpacing(), 20.0);
    EXPECT_DOUBLE_EQ(copy.rowSpacing(), 10.0);
}

} // namespace
