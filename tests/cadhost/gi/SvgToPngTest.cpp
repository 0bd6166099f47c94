// The SVG of a drawing is a picture that a standard renderer draws: rsvg-convert turns it into a PNG
// with pixels other than the white sheet.
#include "RunProcess.h"
#include "SampleDrawing.h"
#include "ScopedTempFolder.h"
#include "dbapserv.h"
#include "dbents.h"
#include "dbobjptr.h"
#include "giregen.h"
#include "gisvg.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <memory>

namespace {
struct Picture {
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    std::vector<png_byte> rgba;
};

bool readPng(const std::filesystem::path& path, Picture& picture)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0)
        return false;
    image.format = PNG_FORMAT_RGBA;
    picture.width = image.width;
    picture.height = image.height;
    picture.rgba.resize(PNG_IMAGE_SIZE(image));
    // Transparent pixels composite onto white, as on the sheet.
    png_color white{255, 255, 255};
    const bool read = png_image_finish_read(&image, &white, picture.rgba.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return read;
}

std::size_t inkedPixels(const Picture& picture)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i + 3 < picture.rgba.size(); i += 4) {
        const bool transparent = picture.rgba[i + 3] == 0;
        const bool white = picture.rgba[i] == 255 && picture.rgba[i + 1] == 255 && picture.rgba[i + 2] == 255;
        if (!transparent && !white)
            ++count;
    }
    return count;
}

class SvgToPngTest : public ::testing::Test {
protected:
    void SetUp() override { acdbHostApplicationServices()->setWorkingDatabase(&database); }
    void TearDown() override { acdbHostApplicationServices()->setWorkingDatabase(nullptr); }

    void append(AcDbEntity* entity)
    {
        AcDbObjectPointer<AcDbBlockTableRecord> modelSpace(database.modelSpaceId(), AcDb::kForWrite);
        ASSERT_EQ(modelSpace.openStatus(), Acad::eOk);
        entity->setDatabaseDefaults(&database);
        ASSERT_EQ(modelSpace->appendAcDbEntity(entity), Acad::eOk);
        entity->close();
    }

    // Renders a window of model space to SVG and the SVG to PNG.
    Picture render(const AcGePoint3d& min = AcGePoint3d(0, 0, 0), const AcGePoint3d& max = AcGePoint3d(100, 100, 0))
    {
        AcGiRecording recording;
        recording.plotGeneration = true;
        EXPECT_EQ(acgiRegenModelSpace(&database, min, max, recording), Acad::eOk);
        const std::filesystem::path svg = folder / "drawing.svg";
        const std::filesystem::path png = folder / "drawing.png";
        EXPECT_EQ(acgiWriteSvgFile(recording, svg.wstring().c_str()), Acad::eOk);
        const testsupport::ProcessResult converted =
            testsupport::runProcess({"/usr/bin/rsvg-convert", "-o", png.string(), svg.string()});
        EXPECT_EQ(converted.exitCode, 0) << converted.err;
        Picture picture;
        EXPECT_TRUE(readPng(png, picture));
        return picture;
    }

    AcDbDatabase database;
    ScopedTempFolder folder;
};

TEST_F(SvgToPngTest, DrawingRendersWithInk)
{
    append(new AcDbLine(AcGePoint3d(10, 10, 0), AcGePoint3d(90, 90, 0)));
    append(new AcDbCircle(AcGePoint3d(50, 50, 0), AcGeVector3d::kZAxis, 30));

    const Picture picture = render();

    EXPECT_EQ(picture.width, 1024u);
    EXPECT_EQ(picture.height, 1024u);
    EXPECT_GT(inkedPixels(picture), 1000u);
}

TEST_F(SvgToPngTest, EmptyDrawingRendersABlankSheet)
{
    const Picture picture = render();

    EXPECT_EQ(picture.width, 1024u);
    EXPECT_EQ(inkedPixels(picture), 0u);
}
TEST_F(SvgToPngTest, TheSampleDrawingRendersWithInk)
{
    ASSERT_EQ(cadhost::buildSampleDrawing(database), Acad::eOk);

    const Picture picture = render(AcGePoint3d(-30, -60, 0), AcGePoint3d(250, 240, 0));

    EXPECT_GT(inkedPixels(picture), 20000u);
}
} // namespace
