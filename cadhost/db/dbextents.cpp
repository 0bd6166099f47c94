#include "dbextents.h"

#include <algorithm>
#include <limits>

namespace {
constexpr double kInfinity = std::numeric_limits<double>::infinity();
}

AcDbExtents::AcDbExtents() : m_min(kInfinity, kInfinity, kInfinity), m_max(-kInfinity, -kInfinity, -kInfinity)
{
}

AcDbExtents::AcDbExtents(const AcGePoint3d& min, const AcGePoint3d& max) : AcDbExtents()
{
    addPoint(min);
    addPoint(max);
}

Acad::ErrorStatus AcDbExtents::set(const AcGePoint3d& min, const AcGePoint3d& max)
{
    if (min.x > max.x || min.y > max.y || min.z > max.z)
        return Acad::eInvalidExtents;
    m_min = min;
    m_max = max;
    return Acad::eOk;
}

void AcDbExtents::addPoint(const AcGePoint3d& point)
{
    m_min.set(std::min(m_min.x, point.x), std::min(m_min.y, point.y), std::min(m_min.z, point.z));
    m_max.set(std::max(m_max.x, point.x), std::max(m_max.y, point.y), std::max(m_max.z, point.z));
}

void AcDbExtents::addExt(const AcDbExtents& other)
{
    if (other.isEmpty())
        return;
    addPoint(other.m_min);
    addPoint(other.m_max);
}

Acad::ErrorStatus AcDbExtents::expandBy(const AcGeVector3d& vector)
{
    if (isEmpty())
        return Acad::eInvalidExtents;
    addPoint(m_min + vector);
    addPoint(m_max + vector);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbExtents::transformBy(const AcGeMatrix3d& matrix)
{
    if (isEmpty())
        return Acad::eInvalidExtents;
    AcDbExtents transformed;
    for (int corner = 0; corner < 8; ++corner) {
        AcGePoint3d point((corner & 1) != 0 ? m_max.x : m_min.x, (corner & 2) != 0 ? m_max.y : m_min.y,
                          (corner & 4) != 0 ? m_max.z : m_min.z);
        transformed.addPoint(matrix * point);
    }
    m_min = transformed.m_min;
    m_max = transformed.m_max;
    return Acad::eOk;
}

bool AcDbExtents::isEmpty() const
{
    return m_min.x > m_max.x || m_min.y > m_max.y || m_min.z > m_max.z;
}
