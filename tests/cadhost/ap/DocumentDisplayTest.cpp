#include "DocumentTestSupport.h"
#include "DrawingRender.h"
#include "acedads.h"
#include "actrans.h"
#include "gisvg.h"

#include <gmock/gmock.h>

namespace {
// Draws per viewport: when plotting, a frame on the model-space view from vsmin to vsmax; on screen,
// a frame on the unit square.
class ViewFrameEntity : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(ViewFrameEntity);

protected:
    Adesk::Boolean subWorldDraw(AcGiWorldDraw*) override { return Adesk::kFalse; }
    void subViewportDraw(AcGiViewportDraw* draw) override
    {
        AcGePoint3d low(0, 0, 0);
        AcGePoint3d high(1, 1, 0);
        if (draw->context()->isPlotGeneration()) {
            resbuf value{};
            if (acedGetVar(L"VSMIN", &value) == RTNORM)
                low.set(value.resval.rpoint[0], value.resval.rpoint[1], 0);
            if (acedGetVar(L"VSMAX", &value) == RTNORM)
                high.set(value.resval.rpoint[0], value.resval.rpoint[1], 0);
        }
        const AcGePoint3d corners[] = {low, {high.x, low.y, 0}, high, {low.x, high.y, 0}};
        draw->geometry().polygon(4, corners);
    }
};

ACRX_HOST_DEFINE_MEMBERS(ViewFrameEntity, AcDbEntity, ACRX_T("VIEWFRAME"), ACRX_CONCRETE(ViewFrameEntity))
[[maybe_unused]] const bool gViewFrameRegistered = (ViewFrameEntity::rxInit(), true);

class DocumentDisplayTest : public DocumentFixture {
protected:
    void SetUp() override
    {
        source = folder / "plan.dwg";
        saveLines(source, 2);
    }

    AcApDocument* openWithFrame()
    {
        AcApDocument* document = open(source);
        appendToModelSpace(*document->database(), new ViewFrameEntity());
        return document;
    }

    static const AcGiPrimitive* frame(const AcGiRecording& recording)
    {
        for (const AcGiPrimitive& primitive : recording.primitives) {
            if (primitive.kind == AcGiPrimitiveKind::kPolygon)
                return &primitive;
        }
        return nullptr;
    }

    std::filesystem::path source;
};

TEST_F(DocumentDisplayTest, PlottingModelSpaceFollowsTheView)
{
    AcApDocument* document = openWithFrame();
    document->setModelView(AcGePoint3d(2, 3, 0), AcGePoint3d(12, 8, 0));
    AcGiRecording recording;
    cadhost::RenderOptions options;
    options.plot = true;

    ASSERT_EQ(cadhost::renderDocument(document, options, recording), Acad::eOk);

    const AcGiPrimitive* drawn = frame(recording);
    ASSERT_NE(drawn, nullptr);
    ASSERT_EQ(drawn->points.size(), 4u);
    EXPECT_TRUE(drawn->points[0].isEqualTo(AcGePoint3d(2, 3, 0)));
    EXPECT_TRUE(drawn->points[2].isEqualTo(AcGePoint3d(12, 8, 0)));
    EXPECT_THAT(acgiSvgDocument(recording), ::testing::HasSubstr("viewBox=\"2 -8 10 5\""));
    EXPECT_EQ(document->lockMode(), AcAp::kNotLocked);
}

TEST_F(DocumentDisplayTest, PlottingWithoutAViewFollowsTheModelSpaceExtents)
{
    AcApDocument* document = openWithFrame();
    AcGiRecording recording;
    cadhost::RenderOptions options;
    options.plot = true;

    ASSERT_EQ(cadhost::renderDocument(document, options, recording), Acad::eOk);

    const AcGiPrimitive* drawn = frame(recording);
    ASSERT_NE(drawn, nullptr);
    EXPECT_TRUE(drawn->points[0].isEqualTo(AcGePoint3d(0, 0, 0)));
    EXPECT_TRUE(drawn->points[2].isEqualTo(AcGePoint3d(10, 1, 0)));
}

TEST_F(DocumentDisplayTest, ScreenRenderingDoesNotPlot)
{
    AcApDocument* document = openWithFrame();
    document->setModelView(AcGePoint3d(2, 3, 0), AcGePoint3d(12, 8, 0));
    AcGiRecording recording;

    ASSERT_EQ(cadhost::renderDocument(document, {}, recording), Acad::eOk);

    const AcGiPrimitive* drawn = frame(recording);
    ASSERT_NE(drawn, nullptr);
    EXPECT_TRUE(drawn->points[2].isEqualTo(AcGePoint3d(1, 1, 0)));
    EXPECT_FALSE(recording.hasWindow);
}

TEST_F(DocumentDisplayTest, UnknownLayoutIsRefused)
{
    AcApDocument* document = open(source);
    AcGiRecording recording;
    cadhost::RenderOptions options;
    options.layout = L"NoSuchLayout";

    EXPECT_EQ(cadhost::renderDocument(document, options, recording), Acad::eKeyNotFound);
    EXPECT_EQ(document->lockMode(), AcAp::kNotLocked);
}

TEST_F(DocumentDisplayTest, QueuedGraphicsAreRegeneratedOnFlush)
{
    AcApDocument* document = open(source);
    AcTransactionManager* transactions = document->transactionManager();
    ASSERT_EQ(actrTransactionManager, transactions);

    transactions->flushGraphics();
    EXPECT_EQ(document->displayed(), nullptr);

    transactions->queueForGraphicsFlush();
    transactions->flushGraphics();
    ASSERT_NE(document->displayed(), nullptr);
    EXPECT_EQ(document->displayed()->primitives.size(), 2u);
    EXPECT_FALSE(transactions->isGraphicsFlushQueued());
}

TEST_F(DocumentDisplayTest, DisabledFlushKeepsTheQueue)
{
    AcApDocument* document = open(source);
    AcTransactionManager* transactions = document->transactionManager();
    transactions->enableGraphicsFlush(false);
    transactions->queueForGraphicsFlush();
    transactions->flushGraphics();

    EXPECT_EQ(document->displayed(), nullptr);
    EXPECT_TRUE(transactions->isGraphicsFlushQueued());
}

TEST_F(DocumentDisplayTest, UpdateDisplayRegeneratesTheCurrentDocument)
{
    AcApDocument* document = open(source);
    acedUpdateDisplay();

    ASSERT_NE(document->displayed(), nullptr);
    EXPECT_EQ(document->displayed()->primitives.size(), 2u);
}

TEST_F(DocumentDisplayTest, DrawingFileRendersToAPictureAndIsClosedAgain)
{
    const std::filesystem::path picture = folder / "plan.svg";
    cadhost::RenderOptions options;
    options.plot = true;

    ASSERT_EQ(cadhost::renderDrawingFile(source.wstring(), picture.wstring(), options), Acad::eOk);

    EXPECT_EQ(acDocManager->documentCount(), 0);
    ASSERT_TRUE(std::filesystem::exists(picture));
    EXPECT_EQ(cadhost::renderDrawingFile((folder / "missing.dwg").wstring(), picture.wstring(), options),
              Acad::eFileNotFound);
}
} // namespace
