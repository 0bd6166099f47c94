// Rays: lines that start at a base point and run without end in one direction.
#pragma once

#include "unboundedline.h"

class CADHOST_EXPORT AcDbRay : public cadhost::UnboundedLine {
public:
    ACRX_DECLARE_MEMBERS(AcDbRay);
    AcDbRay() = default;

    Adesk::Boolean isClosed() const override { return Adesk::kFalse; }
    Acad::ErrorStatus getStartParam(double& param) const override;
    // No end: eNotApplicable.
    Acad::ErrorStatus getEndParam(double& param) const override;
    Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
    Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;

protected:
    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override;
    void subList() const override;
    Acad::ErrorStatus subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker gsSelectionMark,
                                        const AcGePoint3d& pickPoint, const AcGePoint3d& lastPoint,
                                        const AcGeMatrix3d& viewTransform, AcGePoint3dArray& snapPoints,
                                        AcDbIntArray& geomIds) const override;
};
