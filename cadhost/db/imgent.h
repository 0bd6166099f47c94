// Raster images: a placed picture of an image definition, drawn as its frame.
#pragma once

#include "dbmain.h"

namespace cadhost {
struct FieldAccess;
}

class CADHOST_EXPORT AcDbRasterImage : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbRasterImage);
    AcDbRasterImage() = default;

    enum ImageDisplayOpt { kShow = 1, kShowUnAligned = 2, kClip = 4, kTransparent = 8 };

    AcDbObjectId imageDefId() const;
    Acad::ErrorStatus setImageDefId(AcDbObjectId imageDefId);
    // The lower left corner and the bottom and left edges of the picture.
    void getOrientation(AcGePoint3d& origin, AcGeVector3d& u, AcGeVector3d& v) const;
    // Refuses edges of zero length or parallel edges.
    Adesk::Boolean setOrientation(const AcGePoint3d& origin, const AcGeVector3d& u, const AcGeVector3d& v);
    Adesk::Boolean isSetDisplayOpt(ImageDisplayOpt option) const;
    void setDisplayOpt(ImageDisplayOpt option, Adesk::Boolean enable);
    // The transparency and clipping display options as on/off properties.
    bool isImageTransparent() const;
    Acad::ErrorStatus setImageTransparency(bool transparent);
    bool isShownClipped() const;
    Acad::ErrorStatus setShowClipped(bool clipped);
    // Brightness, contrast and fade run from 0 to 100.
    Adesk::Int8 brightness() const;
    Acad::ErrorStatus setBrightness(Adesk::Int8 value);
    Adesk::Int8 contrast() const;
    Acad::ErrorStatus setContrast(Adesk::Int8 value);
    Adesk::Int8 fade() const;
    Acad::ErrorStatus setFade(Adesk::Int8 value);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override;
    void subList() const override;
    Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& transform) override;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    AcDbObjectId m_imageDefId;
    AcGePoint3d m_origin;
    AcGeVector3d m_u = AcGeVector3d::kXAxis;
    AcGeVector3d m_v = AcGeVector3d::kYAxis;
    Adesk::UInt8 m_displayOptions = kShow;
    Adesk::Int8 m_brightness = 50;
    Adesk::Int8 m_contrast = 50;
    Adesk::Int8 m_fade = 0;
};
