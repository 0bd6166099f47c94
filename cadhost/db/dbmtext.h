// Multi-line text: paragraphs with format codes, wrapped at a width, placed at an attachment point.
#pragma once

#include "dbmain.h"

#include <string>
#include <vector>

namespace cadhost {
struct FieldAccess;
}

class CADHOST_EXPORT AcDbMText : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbMText);
    AcDbMText() = default;

    enum AttachmentPoint {
        kTopLeft = 1,
        kTopCenter = 2,
        kTopRight = 3,
        kMiddleLeft = 4,
        kMiddleCenter = 5,
        kMiddleRight = 6,
        kBottomLeft = 7,
        kBottomCenter = 8,
        kBottomRight = 9
    };

    // The attachment point lies at the location.
    AcGePoint3d location() const;
    Acad::ErrorStatus setLocation(const AcGePoint3d& location);
    AcGeVector3d normal() const;
    Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
    // The unit x axis of the text in world coordinates; the rotation is its angle about the normal.
    AcGeVector3d direction() const;
    Acad::ErrorStatus setDirection(const AcGeVector3d& direction);
    double rotation() const;
    Acad::ErrorStatus setRotation(double angle);
    // The wrapping width; 0 means no wrapping.
    double width() const;
    Acad::ErrorStatus setWidth(double width);
    // The defined height of the text box, as stored; actualHeight() is the height the lines take.
    double height() const;
    Acad::ErrorStatus setHeight(double height);
    double textHeight() const;
    Acad::ErrorStatus setTextHeight(double height);
    AttachmentPoint attachment() const;
    Acad::ErrorStatus setAttachment(AttachmentPoint attachment);
    AcDbObjectId textStyle() const;
    Acad::ErrorStatus setTextStyle(AcDbObjectId styleId);

    // Copies made with acutNewString; release them with acutDelString. text() has the format codes
    // removed and paragraphs joined by line feeds.
    ACHAR* contents() const;
    ACHAR* text() const;
    // Answers the number of characters stored.
    int setContents(const ACHAR* contents);

    double actualHeight() const;
    double actualWidth() const;
    // The corners of the text box: top left, top right, bottom left, bottom right.
    Acad::ErrorStatus getBoundingPoints(AcGePoint3dArray& points) const;

    bool backgroundFillOn() const;
    Acad::ErrorStatus setBackgroundFill(bool enable);
    Acad::ErrorStatus getBackgroundFillColor(AcCmColor& color) const;
    Acad::ErrorStatus setBackgroundFillColor(const AcCmColor& color);
    // The fill border as a multiple of the text height, 1 to 5.
    Acad::ErrorStatus getBackgroundScaleFactor(double& scale) const;
    Acad::ErrorStatus setBackgroundScaleFactor(double scale);
    Acad::ErrorStatus getBackgroundTransparency(AcCmTransparency& transparency) const;
    Acad::ErrorStatus setBackgroundTransparency(const AcCmTransparency& transparency);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override;
    void subList() const override;
    Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& transform) override;
    // One AcDbText per non-empty line, with the text's properties.
    Acad::ErrorStatus subExplode(AcDbVoidPtrArray& entitySet) const override;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    struct PlacedLine {
        std::wstring text;
        AcGePoint3d start; // the start of the line's baseline
        double width = 0.0;
    };
    struct Layout {
        std::vector<PlacedLine> lines;
        AcGePoint3d topLeft;
        double boxWidth = 0.0;
        double boxHeight = 0.0;
    };
    Layout layout() const;
    AcGeVector3d upDirection() const;

    AcGePoint3d m_location;
    AcGeVector3d m_normal = AcGeVector3d::kZAxis;
    AcGeVector3d m_direction = AcGeVector3d::kXAxis;
    double m_width = 0.0;
    double m_height = 0.0;
    double m_textHeight = 0.2;
    AttachmentPoint m_attachment = kTopLeft;
    AcDbObjectId m_styleId;
    std::wstring m_contents;
    bool m_backgroundFill = false;
    AcCmColor m_backgroundColor;
    double m_backgroundScale = 1.5;
    AcCmTransparency m_backgroundTransparency;
};
