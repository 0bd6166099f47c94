// The record of a raster image: recorded and applied, never streamed. Besides its definition and
// placement it carries whether the image is shown, whether it is transparent and whether it is shown
// clipped. A hidden image is recorded as such but applying the record never hides an image.
#pragma once

#include "GEntityData.h"
#include "imgent.h"

class GRasterImageData : public GEntityData {
public:
    virtual Acad::ErrorStatus record(AcDbRasterImage* image);
    virtual Acad::ErrorStatus apply(AcDbRasterImage* image);

    AcDbObjectId imageDefId;
    AcGePoint3d origin;
    AcGeVector3d uVector;
    AcGeVector3d vVector;
    bool shown = false;
    bool transparent = false;
    bool shownClipped = false;
};
