// A drawing with a watermark, saved and opened as a document: the watermark comes back live, and
// plotting draws its grid over what is plotted (the model-space view, or a layout's first floating
// viewport) while the frame stays on the stored rectangle.
#include "RegisteredWatermarkClass.h"
#include "ScopedTempFolder.h"

#include "DrawingRender.h"
#include "acdocman.h"
#include "dbapserv.h"
#include "dbdict.h"
#include "dblayout.h"
#include "dbobjptr.h"
#include "dbviewport.h"
#include "gisvg.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const ::testing::Environment* const gClass = ::testing::AddGlobalTestEnvironment(new RegisteredWatermarkClass);

void append(AcDbObjectId blockId, AcDbEntity* entity)
{
    AcDbObjectPointer<AcDbBlockTableRecord> block(blockId, AcDb::kForWrite);
    ASSERT_EQ(block.openStatus(), Acad::eOk);
    ASSERT_EQ(block->appendAcDbEntity(entity), Acad::eOk);
    entity->close();
}

AcDbViewport* viewport(const AcGePoint3d& centre, double width, double height)
{
    auto* viewport = new AcDbViewport();
    viewport->setCenterPoint(centre);
    viewport->setWidth(width);
    viewport->setHeight(height);
    viewport->setViewCenter(AcGePoint2d(centre.x, centre.y));
    viewport->setViewHeight(height);
    viewport->setOn();
    return viewport;
}

AcDbObjectId layoutBlock(AcDbDatabase& database, const ACHAR* name)
{
    AcDbDictionary* layouts = nullptr;
    EXPECT_EQ(database.getLayoutDictionary(layouts, AcDb::kForRead), Acad::eOk);
    AcDbObjectId layoutId;
    layouts->getAt(name, layoutId);
    layouts->close();
    AcDbObjectPointer<AcDbLayout> layout(layoutId, AcDb::kForRead);
    return layout.openStatus() == Acad::eOk ? layout->getBlockTableRecordId() : AcDbObjectId::kNull;
}

class WatermarkDocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_drawing = m_folder / "plan.dwg";
        AcDbDatabase database;
        AcDbDatabase* previous = acdbHostApplicationServices()->workingDatabase();
        acdbHostApplicationServices()->setWorkingDatabase(&database);
        auto* watermark = new AcDbWatermark();
        watermark->setDatabaseDefaults(&database);
        watermark->extents.setExtents(AcGePoint3d(0, 0, 0), AcGePoint3d(1000, 500, 0));
        watermark->option.owner = GCopyrightItem(L"版权", true, true);
        watermark->option.user.plot = false;
        watermark->option.user.stamp = false;
        watermark->option.date.plot = false;
        watermark->option.date.stamp = false;
        append(database.modelSpaceId(), watermark);
        // The sheet's own viewport, then one floating viewport with a one-to-one view.
        const AcDbObjectId sheet = layoutBlock(database, L"Layout1");
        append(sheet, viewport(AcGePoint3d(150, 100, 0), 300, 200));
        append(sheet, viewport(AcGePoint3d(50, 40, 0), 60, 40));
        EXPECT_EQ(database.saveAs(m_drawing.wstring().c_str()), Acad::eOk);
        acdbHostApplicationServices()->setWorkingDatabase(previous);
    }

    void TearDown() override
    {
        if (m_document != nullptr)
            acDocManager->closeDocument(m_document);
    }

    AcApDocument* open()
    {
        EXPECT_EQ(acDocManager->appContextOpenDocument(m_drawing.wstring().c_str()), Acad::eOk);
        m_document = acDocManager->curDocument();
        return m_document;
    }

    AcGiRecording render(const std::wstring& layout, bool plot)
    {
        AcGiRecording recording;
        cadhost::RenderOptions options;
        options.plot = plot;
        options.layout = layout;
        EXPECT_EQ(cadhost::renderDocument(m_document, options, recording), Acad::eOk);
        return recording;
    }

    static const AcGiPrimitive* first(const AcGiRecording& recording, AcGiPrimitiveKind kind)
    {
        for (const AcGiPrimitive& primitive : recording.primitives) {
            if (primitive.kind == kind)
                return &primitive;
        }
        return nullptr;
    }

    static std::size_t count(const AcGiRecording& recording, AcGiPrimitiveKind kind)
    {
        std::size_t found = 0;
        for (const AcGiPrimitive& primitive : recording.primitives)
            found += primitive.kind == kind ? 1 : 0;
        return found;
    }

    // The centre of a one-line text primitive's box.
    static AcGePoint3d centreOf(const AcGiPrimitive& text)
    {
        const AcGeVector3d along = text.direction * text.textWidth();
        const AcGeVector3d up = AcGeVector3d(-text.direction.y, text.direction.x, 0) * text.height;
        return text.position + (along + up) / 2.0;
    }

    ScopedTempFolder m_folder;
    std::filesystem::path m_drawing;
    AcApDocument* m_document = nullptr;
};

TEST_F(WatermarkDocumentTest, TheWatermarkComesBackFromTheDrawingFile)
{
    AcApDocument* document = open();
    ASSERT_NE(document, nullptr);
    AcDbObjectPointer<AcDbBlockTableRecord> modelSpace(document->database()->modelSpaceId(), AcDb::kForRead);
    ASSERT_EQ(modelSpace.openStatus(), Acad::eOk);
    const AcDbObjectIdArray ids = modelSpace->entityIds();
    ASSERT_EQ(ids.length(), 1);
    AcDbObjectPointer<AcDbWatermark> watermark(ids[0], AcDb::kForRead);
    ASSERT_EQ(watermark.openStatus(), Acad::eOk);
    EXPECT_EQ(watermark->watermarkVersion(), 2U);
    EXPECT_STREQ(watermark->option.owner.text, L"版权");
    EXPECT_FALSE(watermark->option.user.stamp);
    EXPECT_EQ(watermark->extents.maxPoint(), AcGePoint3d(1000, 500, 0));
}

TEST_F(WatermarkDocumentTest, ThePictureShowsGreyTextsAndARedFrame)
{
    open();
    const std::string picture = acgiSvgDocument(render(L"", false));
    EXPECT_NE(picture.find("fill=\"#b7b7b7\""), std::string::npos);
    EXPECT_NE(picture.find(">版权</text>"), std::string::npos);
    EXPECT_NE(picture.find("stroke=\"#ff0000\""), std::string::npos);
}

TEST_F(WatermarkDocumentTest, PlottingModelSpaceFollowsTheViewWhileTheFrameStays)
{
    open();
    m_document->setModelView(AcGePoint3d(100, 100, 0), AcGePoint3d(300, 200, 0));
    const AcGiRecording recording = render(L"", true);
    EXPECT_EQ(count(recording, AcGiPrimitiveKind::kText), 100U);
    const AcGiPrimitive* text = first(recording, AcGiPrimitiveKind::kText);
    ASSERT_NE(text, nullptr);
    // Cells of 20 x 10 from the view's corner.
    EXPECT_NEAR(centreOf(*text).x, 110.0, 1e-6);
    EXPECT_NEAR(centreOf(*text).y, 105.0 - text->height, 1e-6);
    const AcGiPrimitive* tick = first(recording, AcGiPrimitiveKind::kPolyline);
    ASSERT_NE(tick, nullptr);
    EXPECT_EQ(tick->points[0], AcGePoint3d(40, 500, 0));
    EXPECT_EQ(count(recording, AcGiPrimitiveKind::kPolyline), 40U);
}

TEST_F(WatermarkDocumentTest, AStoredGridBeyondTheLargestDrawsTheFrameOnly)
{
    {
        AcDbDatabase database(false, true);
        ASSERT_EQ(database.readDwgFile(m_drawing.wstring().c_str()), Acad::eOk);
        AcDbObjectPointer<AcDbBlockTableRecord> modelSpace(database.modelSpaceId(), AcDb::kForRead);
        ASSERT_EQ(modelSpace.openStatus(), Acad::eOk);
        AcDbObjectPointer<AcDbWatermark> watermark(modelSpace->entityIds()[0], AcDb::kForWrite);
        ASSERT_EQ(watermark.openStatus(), Acad::eOk);
        watermark->option.rows = 200;
        watermark->option.columns = 200;
        watermark.close();
        modelSpace.close();
        ASSERT_EQ(database.saveAs(m_drawing.wstring().c_str()), Acad::eOk);
    }
    open();
    const AcGiRecording recording = render(L"", false);
    EXPECT_EQ(count(recording, AcGiPrimitiveKind::kText), 0U);
    EXPECT_EQ(count(recording, AcGiPrimitiveKind::kPolyline), 40U);
}

TEST_F(WatermarkDocumentTest, PlottingALayoutUsesItsFirstFloatingViewport)
{
    open();
    const AcGiRecording recording = render(L"Layout1", true);
    const AcGiPrimitive* text = first(recording, AcGiPrimitiveKind::kText);
    ASSERT_NE(text, nullptr);
    // The floating viewport runs from (20, 20) to (80, 60): cells of 6 x 4.
    EXPECT_NEAR(centreOf(*text).x, 23.0, 1e-6);
    EXPECT_NEAR(centreOf(*text).y, 22.0 - text->height, 1e-6);
    EXPECT_EQ(count(recording, AcGiPrimitiveKind::kText), 100U);
}

} // namespace
