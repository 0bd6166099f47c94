// Conversion of one open drawing: size check, layers, watermark and the replacement of entities.
#include "PipelineTestSupport.h"
#include "ScopedTempFolder.h"

#include "pipeline/ConvertEntity.h"
#include "pipeline/ProtectDatabase.h"
#include "pipeline/ProtectLayer.h"

#include "CommandLine.h"
#include "dbblkref.h"
#include "dbents.h"
#include "dbhatch.h"
#include "dbmline.h"
#include "dbtext.h"
#include "entities/WrapperEntities.h"
#include "sorttab.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

using ::testing::ElementsAre;

const ::testing::Environment* const gClasses = ::testing::AddGlobalTestEnvironment(new PipelineClasses);

constexpr Adesk::UInt32 kLargeFile = 1u << 20;

class ProtectDatabaseTest : public ::testing::Test {
protected:
    AcDbDatabase& db() { return m_working.database; }
    AcDbObjectId modelSpace() { return db().modelSpaceId(); }

    Acad::ErrorStatus protect(Adesk::UInt32 fileSize = kLargeFile)
    {
        return protectDatabase(&db(), fileSize, m_options);
    }

    AcDbObjectId addLayer(const wchar_t* name, bool locked, bool frozen)
    {
        AcDbLayerTablePointer table(&db(), AcDb::kForWrite);
        auto* layer = new AcDbLayerTableRecord();
        layer->setName(name);
        layer->setIsLocked(locked);
        layer->setIsFrozen(frozen);
        AcDbObjectId id;
        EXPECT_EQ(table->add(id, layer), Acad::eOk);
        layer->close();
        return id;
    }

    WorkingDatabase m_working;
    GGuardOption m_options;
};

TEST_F(ProtectDatabaseTest, LineBecomesMarkedWrapperAboveADoubledWatermark)
{
    appendTo(modelSpace(), new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 5, 0)));
    m_options.kindFlags.curves = true;
    ASSERT_EQ(protect(), Acad::eOk);

    EXPECT_THAT(classNames(modelSpace()), ElementsAre(L"AcDbWatermark", L"AcDbLineEx"));
    const AcDbObjectIdArray ids = entityIds(modelSpace());

    AcDbObjectPointer<AcDbWatermark> watermark(ids[0], AcDb::kForRead);
    ASSERT_EQ(watermark.openStatus(), Acad::eOk);
    EXPECT_TRUE(watermark->extents.valid);
    EXPECT_EQ(watermark->extents.minPoint(), AcGePoint3d(-5, -2.5, 0));
    EXPECT_EQ(watermark->extents.maxPoint(), AcGePoint3d(15, 7.5, 0));
    EXPECT_EQ(watermark->layerId(), ProtectLayerId);
    watermark.close();

    AcDbObjectPointer<AcDbLineEx> wrapper(ids[1], AcDb::kForRead);
    ASSERT_EQ(wrapper.openStatus(), Acad::eOk);
    EXPECT_EQ(wrapper->inner()->startPoint(), AcGePoint3d(0, 0, 0));
    EXPECT_EQ(wrapper->inner()->endPoint(), AcGePoint3d(10, 5, 0));
    wrapper.close();
    EXPECT_THAT(xdataStrings(ids[1], L"KelvoLockEntity"), ElementsAre(L"1001:KelvoLockEntity", L"1000:Tessaril"));

    AcDbObjectPointer<AcDbBlockTableRecord> block(modelSpace(), AcDb::kForRead);
    AcDbSortentsTable* sortents = nullptr;
    ASSERT_EQ(block->getSortentsTable(sortents, AcDb::kForRead), Acad::eOk);
    AcDbObjectIdArray order;
    sortents->getFullDrawOrder(order);
    sortents->close();
    ASSERT_EQ(order.length(), 2);
    EXPECT_EQ(order[0], ids[0]);
}

// The first gradient colour of a one-colour gradient hatch, which the drawn fill shows.
Adesk::UInt16 firstGradientColor(const AcDbHatch& hatch)
{
    unsigned int count = 0;
    AcCmColor* colors = nullptr;
    float* values = nullptr;
    hatch.getGradientColors(count, colors, values);
    const std::unique_ptr<AcCmColor[]> ownedColors(colors);
    const std::unique_ptr<float[]> ownedValues(values);
    return count == 0 ? Adesk::UInt16{0} : colors[0].colorIndex();
}

TEST_F(ProtectDatabaseTest, OneColorGradientKeepsItsColourInMemoryAndAfterSaveAndOpen)
{
    auto* gradient = new AcDbHatch();
    gradient->setHatchObjectType(AcDbHatch::kGradientObject);
    gradient->setGradient(AcDbHatch::kPreDefinedGradient, L"LINEAR");
    gradient->setGradientOneColorMode(Adesk::kTrue);
    AcCmColor colors[2];
    colors[0].setColorIndex(5);
    colors[1].setRGB(255, 255, 255);
    const float values[2] = {0.0F, 1.0F};
    gradient->setGradientColors(2, colors, values);
    gradient->setShadeTintValue(0.5F);
    AcGePoint2dArray triangle;
    triangle.append(AcGePoint2d(0, 0));
    triangle.append(AcGePoint2d(20, 0));
    triangle.append(AcGePoint2d(10, 15));
    gradient->appendLoop(AcDbHatch::kExternal, triangle, AcGeDoubleArray());
    appendTo(modelSpace(), gradient);
    m_options.kindFlags.hatches = true;
    ASSERT_EQ(protect(), Acad::eOk);
    const AcDbObjectIdArray ids = entityIds(modelSpace());
    ASSERT_THAT(classNames(modelSpace()), ElementsAre(L"AcDbWatermark", L"AcDbHatchEx"));
    {
        AcDbObjectPointer<AcDbHatchEx> wrapper(ids[1], AcDb::kForRead);
        ASSERT_EQ(wrapper.openStatus(), Acad::eOk);
        EXPECT_EQ(firstGradientColor(*wrapper->inner()), 5);
    }

    ScopedTempFolder folder;
    const std::filesystem::path path = folder / "gradient.dwg";
    ASSERT_EQ(db().saveAs(path.wstring().c_str()), Acad::eOk);
    AcDbDatabase reread(false, true);
    ASSERT_EQ(reread.readDwgFile(path.wstring().c_str()), Acad::eOk);
    const AcDbObjectIdArray reopened = entityIds(reread.modelSpaceId());
    ASSERT_EQ(reopened.length(), 2);
    AcDbObjectPointer<AcDbHatchEx> wrapper(reopened[1], AcDb::kForRead);
    ASSERT_EQ(wrapper.openStatus(), Acad::eOk);
    EXPECT_EQ(firstGradientColor(*wrapper->inner()), 5);
}

TEST_F(ProtectDatabaseTest, TooSmallFileIsRefusedBeforeAnyChange)
{
    cadhost::clearCommandLine();
    m_options.kindFlags.applyMask(0xFF);
    EXPECT_EQ(protect(4095), Acad::eInvalidInput);
    EXPECT_EQ(cadhost::commandLineText(), L"\n文件大小校验异常\n");
    AcDbLayerTablePointer layers(&db(), AcDb::kForRead);
    EXPECT_FALSE(layers->has(kProtectLayerName));
}

TEST_F(ProtectDatabaseTest, EmptyModelSpaceHasNoExtents)
{
    appendTo(modelSpace(), new AcDbText(AcGePoint3d(1, 1, 0), L""));
    // One entity: the smallest plausible file is 0.4 * (60 + 10240) = 4120 bytes.
    EXPECT_EQ(protect(4119), Acad::eInvalidInput);
    cadhost::clearCommandLine();
    EXPECT_EQ(protect(4120), Acad::eInvalidExtents);
    EXPECT_EQ(cadhost::commandLineText(), L"\n计算模型空间范围出错\n");
    EXPECT_THAT(classNames(modelSpace()), ElementsAre(L"AcDbText"));
}

TEST_F(ProtectDatabaseTest, LockedAndFrozenLayersComeBack)
{
    const AcDbObjectId layerId = addLayer(L"walls", true, true);
    auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0));
    line->setDatabaseDefaults(&db());
    line->setLayer(layerId);
    AcDbObjectPointer<AcDbBlockTableRecord> block(modelSpace(), AcDb::kForWrite);
    block->appendAcDbEntity(line);
    line->close();
    block.close();
    m_options.kindFlags.curves = true;
    ASSERT_EQ(protect(), Acad::eOk);

    AcDbObjectPointer<AcDbLayerTableRecord> layer(layerId, AcDb::kForRead);
    EXPECT_TRUE(layer->isLocked());
    EXPECT_TRUE(layer->isFrozen());
    const AcDbObjectIdArray ids = entityIds(modelSpace());
    AcDbEntityPointer wrapper(ids[1], AcDb::kForRead);
    EXPECT_EQ(wrapper->layerId(), layerId);
}

TEST_F(ProtectDatabaseTest, FrozenProtectLayerIsRepairedForGood)
{
    const AcDbObjectId layerId = addLayer(kProtectLayerName, true, true);
    {
        AcDbObjectPointer<AcDbLayerTableRecord> layer(layerId, AcDb::kForWrite);
        layer->setIsOff(true);
        layer->setIsPlottable(false);
    }
    appendTo(modelSpace(), new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)));
    ASSERT_EQ(protect(), Acad::eOk);
    EXPECT_EQ(ProtectLayerId, layerId);
    AcDbObjectPointer<AcDbLayerTableRecord> layer(layerId, AcDb::kForRead);
    EXPECT_FALSE(layer->isLocked());
    EXPECT_FALSE(layer->isFrozen());
    EXPECT_FALSE(layer->isOff());
    EXPECT_TRUE(layer->isPlottable());
    EXPECT_EQ(layer->linetypeObjectId(), db().continuousLinetype());
}

TEST_F(ProtectDatabaseTest, InvisibleEntitiesAndSubclassesStayUntouched)
{
    auto* hidden = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
    hidden->setVisibility(AcDb::kInvisible);
    appendTo(modelSpace(), hidden);
    appendTo(modelSpace(), new AcDbAttributeDefinition(AcGePoint3d(0, 1, 0), L"v", L"TAG", L"?"));
    appendTo(modelSpace(), new AcDbText(AcGePoint3d(0, 2, 0), L"note"));
    appendTo(modelSpace(), new AcDbLine(AcGePoint3d(0, 3, 0), AcGePoint3d(1, 3, 0)));
    m_options.kindFlags.applyMask(0xFF);
    ASSERT_EQ(protect(), Acad::eOk);
    EXPECT_THAT(classNames(modelSpace()),
                ElementsAre(L"AcDbLine", L"AcDbAttributeDefinition", L"AcDbWatermark", L"AcDbTextEx", L"AcDbLineEx"));
}

TEST_F(ProtectDatabaseTest, UnselectedKindsAreKeptAndMultilinesOnlyMarked)
{
    appendTo(modelSpace(), new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
    auto* mline = new AcDbMline();
    mline->appendSeg(AcGePoint3d(0, 5, 0));
    mline->appendSeg(AcGePoint3d(5, 5, 0));
    const AcDbObjectId mlineId = appendTo(modelSpace(), mline);
    m_options.kindFlags.others = true;
    ASSERT_EQ(protect(), Acad::eOk);
    EXPECT_THAT(classNames(modelSpace()), ElementsAre(L"AcDbLine", L"AcDbMline", L"AcDbWatermark"));
    EXPECT_THAT(xdataStrings(mlineId, L"KelvoLockEntity"), ElementsAre(L"1001:KelvoLockEntity", L"1000:Tessaril"));
}

class BlockConversionTest : public ProtectDatabaseTest {
protected:
    AcDbObjectId addBlock(const wchar_t* name)
    {
        AcDbBlockTablePointer table(&db(), AcDb::kForWrite);
        auto* block = new AcDbBlockTableRecord();
        block->setName(name);
        AcDbObjectId id;
        EXPECT_EQ(table->add(id, block), Acad::eOk);
        block->close();
        appendTo(id, new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 2, 0)));
        return id;
    }

    AcDbObjectId insert(AcDbObjectId blockId, std::initializer_list<std::pair<const wchar_t*, bool>> attributes = {})
    {
        auto* reference = new AcDbBlockReference(AcGePoint3d(10, 10, 0), blockId);
        reference->setDatabaseDefaults(&db());
        AcDbObjectPointer<AcDbBlockTableRecord> space(modelSpace(), AcDb::kForWrite);
        AcDbObjectId id;
        EXPECT_EQ(space->appendAcDbEntity(id, reference), Acad::eOk);
        for (const auto& [text, invisible] : attributes) {
            auto* attribute = new AcDbAttribute(AcGePoint3d(10, 12, 0), text, L"TAG");
            attribute->setInvisible(invisible);
            reference->appendAttribute(attribute);
            attribute->close();
        }
        reference->close();
        return id;
    }
};

TEST_F(BlockConversionTest, VisibleAttributesBecomeConvertedTextsEvenWithTextsOff)
{
    const AcDbObjectId block = addBlock(L"door");
    insert(block, {{L"D1", false}, {L"secret", true}});
    m_options.kindFlags.blockReferences = true;
    ASSERT_EQ(protect(), Acad::eOk);
    EXPECT_THAT(classNames(modelSpace()), ElementsAre(L"AcDbWatermark", L"AcDbTextEx", L"AcDbBlockReferenceEx"));
    AcDbObjectPointer<AcDbTextEx> text(entityIds(modelSpace())[1], AcDb::kForRead);
    EXPECT_STREQ(text->inner()->textStringConst(), L"D1");
    EXPECT_THAT(classNames(block), ElementsAre(L"AcDbLine"));
}

struct DefinitionCase {
    bool definitions;
    bool unused;
    const wchar_t* usedBlock;
    const wchar_t* unusedBlock;
};

class BlockDefinitionTest : public BlockConversionTest, public ::testing::WithParamInterface<DefinitionCase> {};

TEST_P(BlockDefinitionTest, DefinitionsConvertAsTheSwitchesSay)
{
    const AcDbObjectId used = addBlock(L"used");
    const AcDbObjectId unused = addBlock(L"unused");
    const AcDbObjectId anonymous = addBlock(L"*U1");
    insert(used);
    insert(anonymous);
    m_options.kindFlags.curves = true;
    m_options.kindFlags.blockDefinitions = GetParam().definitions;
    m_options.kindFlags.unusedBlockDefinitions = GetParam().unused;
    ASSERT_EQ(protect(), Acad::eOk);
    EXPECT_THAT(classNames(used), ElementsAre(GetParam().usedBlock));
    EXPECT_THAT(classNames(unused), ElementsAre(GetParam().unusedBlock));
    EXPECT_THAT(classNames(anonymous), ElementsAre(L"AcDbLine"));
}

INSTANTIATE_TEST_SUITE_P(Switches, BlockDefinitionTest,
                         ::testing::Values(DefinitionCase{false, false, L"AcDbLine", L"AcDbLine"},
                                           DefinitionCase{true, false, L"AcDbLineEx", L"AcDbLine"},
                                           DefinitionCase{true, true, L"AcDbLineEx", L"AcDbLineEx"}));

} // namespace
