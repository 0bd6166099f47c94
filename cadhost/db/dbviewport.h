// Viewports: windows of a paper-space layout onto model space, drawn as their frame.
#pragma once

#include "dbmain.h"
#include "gepnt2d.h"

namespace cadhost {
struct FieldAccess;
}

class CADHOST_EXPORT AcDbViewport : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbViewport);
    AcDbViewport() = default;

    // The frame on the sheet: its center, width and height in paper space.
    AcGePoint3d centerPoint() const;
    Acad::ErrorStatus setCenterPoint(const AcGePoint3d& center);
    double width() const;
    Acad::ErrorStatus setWidth(double width);
    double height() const;
    Acad::ErrorStatus setHeight(double height);
    // The view: the model-space point at the frame's center and the model-space height it shows.
    AcGePoint2d viewCenter() const;
    Acad::ErrorStatus setViewCenter(const AcGePoint2d& center);
    double viewHeight() const;
    Acad::ErrorStatus setViewHeight(double height);
    bool isOn() const;
    Acad::ErrorStatus setOn();
    Acad::ErrorStatus setOff();
    // The position of an active viewport among the viewports of its layout, from 1; -1 when the
    // viewport is off or not in a layout.
    Adesk::Int16 number() const;

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
    void corners(AcGePoint3d (&points)[5]) const;

    AcGePoint3d m_center;
    double m_width = 0.0;
    double m_height = 0.0;
    AcGePoint2d m_viewCenter;
    double m_viewHeight = 1.0;
    bool m_on = true;
};
