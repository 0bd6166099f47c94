#include "DrawingFile.h"
#include "DrawingFixture.h"
#include "dbdict.h"
#include "dblayout.h"

#include <filesystem>

namespace {
using DrawingFileTest = DrawingFixture;

TEST_F(DrawingFileTest, HandlesAndReferencesSurviveSaveAndOpen)
{
    AcDbObjectId first = addMarker(database, 1, L"first");
    AcDbObjectId second = addMarker(database, 2, L"第二");
    {
        AcDbObjectPointer<TestMarker> marker(second, AcDb::kForWrite);
        marker->linked = first;
        marker->setColorIndex(3);
        marker->setLineWeight(AcDb::kLnWtByBlock);
    }
    AcDbHandle firstHandle = first.handle();
    AcDbHandle secondHandle = second.handle();
    auto reopened = reopen(database);

    AcDbObjectId firstId;
    AcDbObjectId secondId;
    ASSERT_EQ(Acad::eOk, reopened->getAcDbObjectId(firstId, false, firstHandle));
    ASSERT_EQ(Acad::eOk, reopened->getAcDbObjectId(secondId, false, secondHandle));
    AcDbObjectPointer<TestMarker> marker(secondId, AcDb::kForRead);
    ASSERT_EQ(Acad::eOk, marker.openStatus());
    EXPECT_EQ(2, marker->number);
    EXPECT_EQ(L"第二", marker->label);
    EXPECT_EQ(firstId, marker->linked);
    EXPECT_EQ(3, marker->colorIndex());
    EXPECT_EQ(AcDb::kLnWtByBlock, marker->lineWeight());
    EXPECT_EQ(reopened->layerZero(), marker->layerId());
    EXPECT_EQ(reopened->modelSpaceId(), marker->ownerId());
    EXPECT_EQ(database.handseed(), reopened->handseed());
    AcDbObjectId missing;
    EXPECT_EQ(Acad::eUnknownHandle, reopened->getAcDbObjectId(missing, false, AcDbHandle(0xFFFFFF)));
}

TEST_F(DrawingFileTest, ErasedObjectsAreNotWritten)
{
    AcDbObjectId erased = addMarker(database, 1);
    addMarker(database, 2);
    {
        AcDbEntityPointer entity(erased, AcDb::kForWrite);
        ASSERT_EQ(Acad::eOk, entity->erase());
    }
    auto reopened = reopen(database);
    AcDbObjectId id;
    EXPECT_EQ(Acad::eUnknownHandle, reopened->getAcDbObjectId(id, false, erased.handle()));
    AcDbBlockTableRecordPointer space(reopened->modelSpaceId(), AcDb::kForRead);
    EXPECT_EQ(1, space->entityIds().length());
}

TEST_F(DrawingFileTest, LayerStatesAndHeaderVariablesSurvive)
{
    AcDbObjectId layerId;
    {
        AcDbLayerTablePointer table(&database, AcDb::kForWrite);
        auto* layer = new AcDbLayerTableRecord();
        layer->setName(L"图纸外发系统_请勿修改");
        layer->setIsLocked(true);
        layer->setIsFrozen(true);
        layer->setIsOff(true);
        layer->setIsPlottable(false);
        layer->setVPDFLT(true);
        AcCmColor color;
        color.setRGB(1, 2, 3);
        layer->setColor(color);
        ASSERT_EQ(Acad::eOk, table->add(layerId, layer));
        layer->close();
    }
    ASSERT_EQ(Acad::eOk, database.setClayer(layerId));
    ASSERT_EQ(Acad::eOk, database.setSaveproxygraphics(0));
    ASSERT_EQ(Acad::eOk, database.setCeltscale(2.5));
    auto reopened = reopen(database);
    AcDbLayerTableRecordPointer layer(L"图纸外发系统_请勿修改", reopened.get(), AcDb::kForRead);
    ASSERT_EQ(Acad::eOk, layer.openStatus());
    EXPECT_TRUE(layer->isLocked());
    EXPECT_TRUE(layer->isFrozen());
    EXPECT_TRUE(layer->isOff());
    EXPECT_FALSE(layer->isPlottable());
    EXPECT_TRUE(layer->VPDFLT());
    EXPECT_EQ(0xC2010203u, layer->color().color());
    EXPECT_EQ(reopened->continuousLinetype(),
              AcDbLayerTableRecordPointer(L"0", reopened.get(), AcDb::kForRead)->linetypeObjectId());
    EXPECT_EQ(layer->objectId(), reopened->clayer());
    EXPECT_EQ(0, reopened->saveproxygraphics());
    EXPECT_EQ(2.5, reopened->celtscale());
}

TEST_F(DrawingFileTest, LayoutsAndDictionariesSurvive)
{
    auto reopened = reopen(database);
    AcDbDictionary* layouts = nullptr;
    ASSERT_EQ(Acad::eOk, reopened->getLayoutDictionary(layouts, AcDb::kForRead));
    EXPECT_EQ(2u, layouts->numEntries());
    AcDbObjectId modelLayoutId;
    ASSERT_EQ(Acad::eOk, layouts->getAt(L"MODEL", modelLayoutId));
    layouts->close();
    AcDbObjectPointer<AcDbLayout> layout(modelLayoutId, AcDb::kForRead);
    EXPECT_EQ(reopened->modelSpaceId(), layout->getBlockTableRecordId());
    EXPECT_EQ(0, layout->getTabOrder());
    AcDbBlockTableRecordPointer space(reopened->modelSpaceId(), AcDb::kForRead);
    EXPECT_EQ(modelLayoutId, space->getLayoutId());
}

class SaveVersionTest : public DrawingFixture, public ::testing::WithParamInterface<AcDb::AcDbDwgVersion> {};

TEST_P(SaveVersionTest, TheVersionSavedIsTheVersionRead)
{
    std::wstring path = save(database, "versioned.dwg", GetParam());
    EXPECT_EQ(GetParam(), database.lastSavedAsVersion());
    auto reopened = open(path);
    EXPECT_EQ(GetParam(), reopened->lastSavedAsVersion());
    EXPECT_EQ(GetParam(), reopened->originalFileVersion());
    const ACHAR* fileName = nullptr;
    reopened->getFilename(fileName);
    EXPECT_EQ(path, fileName);
}

INSTANTIATE_TEST_SUITE_P(Codes, SaveVersionTest, ::testing::Values(AcDb::kDHL_1015, AcDb::kDHL_1800, AcDb::kDHL_1027));

TEST_F(DrawingFileTest, OtherVersionsAreRefused)
{
    std::wstring path = folder.wide("refused.dwg");
    for (AcDb::AcDbDwgVersion version : {AcDb::kDHL_1021, AcDb::kDHL_1024, AcDb::kDHL_1014, AcDb::kDHL_Unknown})
        EXPECT_EQ(Acad::eInvalidDwgVersion, database.saveAs(path.c_str(), false, version));
    EXPECT_FALSE(std::filesystem::exists(folder / "refused.dwg"));
}

TEST_F(DrawingFileTest, SavingLeavesOnlyTheTargetAndTheBackup)
{
    std::wstring path = folder.wide("plan.dwg");
    writeBytes(path, {'o', 'l', 'd'});
    ASSERT_EQ(Acad::eOk, database.saveAs(path.c_str(), true, AcDb::kDHL_1027));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::string>{"plan.bak", "plan.dwg"}), names);
    EXPECT_EQ((std::vector<Adesk::UInt8>{'o', 'l', 'd'}), readBytes(folder.wide("plan.bak")));
    ASSERT_EQ(Acad::eOk, database.saveAs(path.c_str(), false, AcDb::kDHL_1015));
    EXPECT_EQ(2, std::distance(std::filesystem::directory_iterator(folder.path()), {}));
    EXPECT_FALSE(database.isModified());
}

TEST_F(DrawingFileTest, SavingIntoAMissingFolderFailsWithoutLeftovers)
{
    std::wstring path = folder.wide("missing/plan.dwg");
    EXPECT_EQ(Acad::eFileAccessErr, database.saveAs(path.c_str(), false, AcDb::kDHL_1027));
    EXPECT_EQ(0, std::distance(std::filesystem::directory_iterator(folder.path()), {}));
}

TEST_F(DrawingFileTest, OpeningAMissingFileOrReadingTwiceIsRefused)
{
    AcDbDatabase fresh(false, true);
    EXPECT_EQ(Acad::eFileNotFound, fresh.readDwgFile(folder.wide("none.dwg").c_str()));
    std::wstring path = save(database);
    ASSERT_EQ(Acad::eOk, fresh.readDwgFile(path.c_str()));
    EXPECT_EQ(Acad::eRepeatedDwgRead, fresh.readDwgFile(path.c_str()));
}

TEST_F(DrawingFileTest, ASecondSaveWritesTheSameBytes)
{
    addMarker(database, 1, L"x");
    std::wstring first = save(database, "first.dwg");
    auto reopened = open(first);
    std::wstring second = save(*reopened, "second.dwg");
    EXPECT_EQ(readBytes(first), readBytes(second));
}
} // namespace
