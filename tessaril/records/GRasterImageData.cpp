#include "GRasterImageData.h"

namespace {
constexpr AcDbRasterImage::ImageDisplayOpt kRecordedOption = AcDbRasterImage::kShow;
} // namespace

Acad::ErrorStatus GRasterImageData::record(AcDbRasterImage* image)
{
    recordEntity(image);
    imageDefId = image->imageDefId();
    image->getOrientation(origin, uVector, vVector);
    shown = image->isSetDisplayOpt(kRecordedOption) != Adesk::kFalse;
    transparent = image->isImageTransparent();
    shownClipped = image->isShownClipped();
    return Acad::eOk;
}

Acad::ErrorStatus GRasterImageData::apply(AcDbRasterImage* image)
{
    applyEntity(image);
    AcDbObjectId definition;
    if (mapId(definition, imageDefId); definition.isValid())
        image->setImageDefId(definition);
    image->setOrientation(origin, uVector, vVector);
    if (shown)
        image->setDisplayOpt(kRecordedOption, Adesk::kTrue);
    image->setImageTransparency(transparent);
    image->setShowClipped(shownClipped);
    return Acad::eOk;
}
