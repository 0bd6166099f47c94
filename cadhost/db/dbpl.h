// Lightweight polylines: 2D vertices with bulges and widths in the plane of the normal, at an elevation.
#pragma once

#include "dbcurve.h"
#include "gepnt2d.h"

#include <vector>

namespace cadhost {
struct FieldAccess;
class BulgePath;
} // namespace cadhost

class CADHOST_EXPORT AcDbPolyline : public AcDbCurve {
public:
    ACRX_DECLARE_MEMBERS(AcDbPolyline);
    AcDbPolyline() = default;
    // Room for the given number of vertices; the polyline is still empty.
    explicit AcDbPolyline(unsigned int numVerts);

    unsigned int numVerts() const;
    // Points in the entity coordinate system; the 3D form gives the world position.
    Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint2d& point) const;
    Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint3d& point) const;
    Acad::ErrorStatus setPointAt(unsigned int index, const AcGePoint2d& point);
    Acad::ErrorStatus getBulgeAt(unsigned int index, double& bulge) const;
    Acad::ErrorStatus setBulgeAt(unsigned int index, double bulge);
    Acad::ErrorStatus getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const;
    Acad::ErrorStatus setWidthsAt(unsigned int index, double startWidth, double endWidth);
    Adesk::Int32 getVertexIdentifierAt(unsigned int index) const;
    // Inserts before the vertex at index (index numVerts appends). A negative width means the
    // constant width of the polyline, or 0 when its widths differ.
    Acad::ErrorStatus addVertexAt(unsigned int index, const AcGePoint2d& point, double bulge = 0.0,
                                  double startWidth = -1.0, double endWidth = -1.0, Adesk::Int32 vertexIdentifier = 0);
    Acad::ErrorStatus removeVertexAt(unsigned int index);
    // With reuse, keeps the first numVerts vertices; without, removes all of them.
    void reset(Adesk::Boolean reuse, unsigned int numVerts);

    // eNotApplicable when the widths are not all equal.
    Acad::ErrorStatus getConstantWidth(double& width) const;
    Acad::ErrorStatus setConstantWidth(double width);
    Adesk::Boolean hasBulges() const;
    Adesk::Boolean hasWidth() const;
    Adesk::Boolean isOnlyLines() const;
    Adesk::Boolean hasPlinegen() const;
    void setPlinegen(Adesk::Boolean plinegen);
    void setClosed(Adesk::Boolean closed);
    double elevation() const;
    void setElevation(double elevation);
    double thickness() const;
    Acad::ErrorStatus setThickness(double thickness);
    AcGeVector3d normal() const;
    Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
    double length() const;

    Adesk::Boolean isClosed() const override;
    // Parameter i is vertex i; a segment's parameters run between its vertices.
    Acad::ErrorStatus getStartParam(double& param) const override;
    Acad::ErrorStatus getEndParam(double& param) const override;
    Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
    Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
    Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
    // The area enclosed, bulges included; an open polyline is closed by a straight chord.
    Acad::ErrorStatus getArea(double& area) const override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override;
    void subList() const override;
    Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
    // A mirror negates the bulges; widths scale with the transformation.
    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& transform) override;
    // Lines for straight segments and arcs for bulged ones, with the polyline's properties.
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
    cadhost::BulgePath path() const;

    struct Vertex {
        AcGePoint2d point;
        double bulge = 0.0;
        double startWidth = 0.0;
        double endWidth = 0.0;
        Adesk::Int32 identifier = 0;
    };

    // Called by every change of a vertex width or of the vertex count.
    void forgetConstantWidth() { m_constantWidthKnown = false; }

    std::vector<Vertex> m_vertices;
    // What getConstantWidth last found, so that appending vertices of the polyline's width stays constant
    // time rather than comparing every vertex again.
    mutable bool m_constantWidthKnown = false;
    mutable bool m_hasConstantWidth = false;
    mutable double m_constantWidth = 0.0;
    bool m_closed = false;
    bool m_plinegen = false;
    double m_elevation = 0.0;
    double m_thickness = 0.0;
    AcGeVector3d m_normal = AcGeVector3d::kZAxis;
};
