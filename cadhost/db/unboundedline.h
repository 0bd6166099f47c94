// What rays and construction lines share: a base point and a unit direction, no end. The host's
// classes derive from AcDbCurve each; this C++ base is no run-time class of its own.
#pragma once

#include "dbcurve.h"

namespace cadhost {

struct FieldAccess;

class CADHOST_EXPORT UnboundedLine : public AcDbCurve {
public:
    AcGePoint3d basePoint() const;
    void setBasePoint(const AcGePoint3d& point);
    AcGeVector3d unitDir() const;
    // A zero vector leaves the direction unchanged.
    void setUnitDir(const AcGeVector3d& direction);
    // The base point plus the unit direction.
    AcGePoint3d secondPoint() const;
    void setSecondPoint(const AcGePoint3d& point);

    // Parameters measure the distance from the base point along the direction.
    Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
    Acad::ErrorStatus getArea(double& area) const override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    UnboundedLine() = default;

    // The listing's header, base point and direction.
    void listLine() const;
    // No finite box holds an unbounded line.
    Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& transform) override;
    Acad::ErrorStatus subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray& osnapModes,
                                       AcDbIntArray& geomIds) const override;
    Acad::ErrorStatus subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) override;
    Acad::ErrorStatus subGetStretchPoints(AcGePoint3dArray& stretchPoints) const override;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    AcGePoint3d m_basePoint;
    AcGeVector3d m_unitDir = AcGeVector3d::kXAxis;
};

} // namespace cadhost
