// Axis-aligned extents of entities.
#pragma once

#include "acadstrc.h"
#include "gemat3d.h"
#include "gepnt3d.h"

class CADHOST_EXPORT AcDbExtents {
public:
    // Empty extents: minimum at +infinity, maximum at -infinity, so the first point added sets both.
    AcDbExtents();
    AcDbExtents(const AcGePoint3d& min, const AcGePoint3d& max);
    virtual ~AcDbExtents() = default;

    AcGePoint3d minPoint() const { return m_min; }
    AcGePoint3d maxPoint() const { return m_max; }
    // eInvalidExtents when min lies beyond max in any coordinate.
    Acad::ErrorStatus set(const AcGePoint3d& min, const AcGePoint3d& max);
    void addPoint(const AcGePoint3d& point);
    void addExt(const AcDbExtents& other);
    Acad::ErrorStatus expandBy(const AcGeVector3d& vector);
    // Transforms the eight corners and keeps their bounding box.
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& matrix);
    bool isEmpty() const;

protected:
    AcGePoint3d m_min;
    AcGePoint3d m_max;
};
