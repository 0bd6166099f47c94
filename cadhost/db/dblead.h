// Leaders: a line through vertices from an arrowhead at the first vertex, drawn with the dimension
// variables of their dimension style and their own overrides of them.
#pragma once

#include "dbcurve.h"
#include "dbdimvar.h"

#include <optional>
#include <vector>

namespace cadhost {
struct FieldAccess;
}

class CADHOST_EXPORT AcDbLeader : public AcDbCurve {
public:
    ACRX_DECLARE_MEMBERS(AcDbLeader);
    AcDbLeader() = default;

    int numVertices() const;
    // The origin for an index outside the vertices.
    AcGePoint3d vertexAt(int index) const;
    Adesk::Boolean setVertexAt(int index, const AcGePoint3d& point);
    Adesk::Boolean appendVertex(const AcGePoint3d& point);
    void removeLastVertex();
    AcGePoint3d firstVertex() const;
    AcGePoint3d lastVertex() const;
    AcGeVector3d normal() const;
    Acad::ErrorStatus setNormal(const AcGeVector3d& normal);

    bool hasArrowHead() const;
    void enableArrowHead();
    void disableArrowHead();
    bool hasHookLine() const { return false; }
    bool isSplined() const;
    void setToSplineLeader();
    void setToStraightLeader();

    AcDbHardPointerId dimensionStyle() const;
    void setDimensionStyle(const AcDbHardPointerId& styleId);

    // Each getter answers the leader's override when one is set, else the value of its dimension style
    // (the database's current one when it has none, the host's Standard values without a database);
    // each setter sets an override.
    double dimasz() const;
    Acad::ErrorStatus setDimasz(double value);
    AcCmColor dimclrd() const;
    Acad::ErrorStatus setDimclrd(const AcCmColor& value);
    double dimgap() const;
    Acad::ErrorStatus setDimgap(double value);
    AcDb::LineWeight dimlwd() const;
    Acad::ErrorStatus setDimlwd(AcDb::LineWeight value);
    // The arrowhead block; null for the default closed filled arrow.
    AcDbObjectId dimldrblk() const;
    Acad::ErrorStatus setDimldrblk(AcDbObjectId value);
    bool dimsah() const;
    Acad::ErrorStatus setDimsah(bool value);
    double dimscale() const;
    Acad::ErrorStatus setDimscale(double value);
    int dimtad() const;
    Acad::ErrorStatus setDimtad(int value);
    // The text style; without an override the database's current text style.
    AcDbObjectId dimtxsty() const;
    Acad::ErrorStatus setDimtxsty(AcDbObjectId value);
    double dimtxt() const;
    Acad::ErrorStatus setDimtxt(double value);

    Adesk::Boolean isClosed() const override { return Adesk::kFalse; }
    Acad::ErrorStatus getStartParam(double& param) const override;
    Acad::ErrorStatus getEndParam(double& param) const override;
    Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
    Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
    // The area of the leader line closed by its chord.
    Acad::ErrorStatus getArea(double& area) const override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override;
    void subList() const override;
    Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& transform) override;
    // Lines along the leader, and a solid for the arrowhead when it has one.
    Acad::ErrorStatus subExplode(AcDbVoidPtrArray& entitySet) const override;
    Acad::ErrorStatus subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray& osnapModes,
                                       AcDbIntArray& geomIds) const override;
    Acad::ErrorStatus subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) override;
    Acad::ErrorStatus subGetStretchPoints(AcGePoint3dArray& stretchPoints) const override;
    Acad::ErrorStatus subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker gsSelectionMark,
                                        const AcGePoint3d& pickPoint, const AcGePoint3d& lastPoint,
                                        const AcGeMatrix3d& viewTransform, AcGePoint3dArray& snapPoints,
                                        AcDbIntArray& geomIds) const override;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);
    template <class T> T effective(T cadhost::DimVars::*member, cadhost::DimVar variable) const;
    template <class T>
    Acad::ErrorStatus setOverride(T cadhost::DimVars::*member, cadhost::DimVar variable, const T& value);
    cadhost::DimVars styleVars() const;
    // The points the leader line runs through: the vertices, or points along the spline through them.
    std::vector<AcGePoint3d> linePoints() const;
    // The arrowhead triangle at the first vertex; false when the leader draws none.
    bool arrowHead(AcGePoint3d (&corners)[3]) const;

    std::vector<AcGePoint3d> m_vertices;
    AcGeVector3d m_normal = AcGeVector3d::kZAxis;
    bool m_arrowHead = true;
    bool m_splined = false;
    AcDbObjectId m_dimStyle;
    cadhost::DimVars m_overrides;
    cadhost::DimVarFlags m_overridden;
    std::optional<AcDbObjectId> m_dimldrblk;
    std::optional<AcDbObjectId> m_dimtxsty;
};
