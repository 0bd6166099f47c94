// Construction lines: lines through a base point that run without end in both directions.
#pragma once

#include "unboundedline.h"

class CADHOST_EXPORT AcDbXline : public cadhost::UnboundedLine {
public:
    ACRX_DECLARE_MEMBERS(AcDbXline);
    AcDbXline() = default;

    Adesk::Boolean isClosed() const override { return Adesk::kFalse; }
    // No start and no end: eNotApplicable.
    Acad::ErrorStatus getStartParam(double& param) const override;
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
