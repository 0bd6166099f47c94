#include "WatermarkText.h"

#include "dbtext.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

namespace {
constexpr double kLowestCover = 0.55;
constexpr double kHighestCover = 0.6;
constexpr double kAimedCover = 0.575;
constexpr int kMostCorrections = 21;
} // namespace

CString watermarkContents(const CString& lines)
{
    CString contents;
    contents.Format(L"{\\fSimSun|b0|i0|c134|p2;%s}", lines.GetString());
    return contents;
}

void shapeWatermarkText(AcDbMText& text, const ACHAR* contents, double width)
{
    text.setAttachment(AcDbMText::kMiddleLeft);
    text.setRotation(std::numbers::pi / 4.0);
    text.setContents(contents);
    text.setWidth(width);
}

AcDbExtents measureTextExtents(const AcDbMText& text)
{
    AcDbExtents extents;
    AcDbVoidPtrArray pieces;
    if (text.explode(pieces) != Acad::eOk) {
        for (int i = 0; i < pieces.length(); ++i)
            delete static_cast<AcDbEntity*>(pieces[i]);
        text.getGeomExtents(extents);
        return extents;
    }
    for (int i = 0; i < pieces.length(); ++i) {
        const std::unique_ptr<AcDbEntity> piece(static_cast<AcDbEntity*>(pieces[i]));
        if (const AcDbMText* nested = AcDbMText::cast(piece.get())) {
            extents.addExt(measureTextExtents(*nested));
        } else if (AcDbText::cast(piece.get()) != nullptr) {
            AcDbExtents pieceExtents;
            if (piece->getGeomExtents(pieceExtents) == Acad::eOk)
                extents.addExt(pieceExtents);
        }
    }
    return extents;
}

double fitWatermarkHeight(const ACHAR* contents, double cellW, double cellH)
{
    AcDbMText text;
    shapeWatermarkText(text, contents, cellW);
    text.setLocation(AcGePoint3d::kOrigin);
    double height = 1.0;
    for (int corrections = 0;; ++corrections) {
        text.setTextHeight(height);
        const AcDbExtents extents = measureTextExtents(text);
        const AcGeVector3d size = extents.maxPoint() - extents.minPoint();
        const double cover = std::max(size.y / cellH, size.x / cellW);
        // Nothing measurable (an empty text) cannot be corrected towards the aimed cover.
        if ((cover > kLowestCover && cover < kHighestCover) || corrections == kMostCorrections || !(cover > 0.0) ||
            !std::isfinite(cover))
            return height;
        height = height * kAimedCover / cover;
    }
}
