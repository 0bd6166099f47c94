#include "AcDbExtentsEx.h"

#include "dbfiler.h"

#include <cmath>

namespace {
// The new range of one axis: the same centre, the length times factor.
void scaleAxis(double& min, double& max, double factor)
{
    const double centre = (min + max) / 2.0;
    const double half = std::fabs(max - min) * factor / 2.0;
    min = centre - half;
    max = centre + half;
}
} // namespace

AcDbExtentsEx::AcDbExtentsEx(const AcDbExtents& extents)
{
    setExtents(extents.minPoint(), extents.maxPoint());
}

Acad::ErrorStatus AcDbExtentsEx::dwgOutFields(AcDbDwgFiler* filer) const
{
    if (Acad::ErrorStatus status = filer->writeUInt32(extentsVersion); status != Acad::eOk)
        return status;
    if (Acad::ErrorStatus status = filer->writeBool(valid); status != Acad::eOk || !valid)
        return status;
    if (Acad::ErrorStatus status = filer->writePoint3d(m_min); status != Acad::eOk)
        return status;
    return filer->writePoint3d(m_max);
}

Acad::ErrorStatus AcDbExtentsEx::dwgInFields(AcDbDwgFiler* filer)
{
    Adesk::UInt32 version = 0;
    if (Acad::ErrorStatus status = filer->readUInt32(&version); status != Acad::eOk)
        return status;
    if (version > kVersion)
        return Acad::eMakeMeProxy;
    extentsVersion = version;
    bool stored = false;
    if (Acad::ErrorStatus status = filer->readBool(&stored); status != Acad::eOk)
        return status;
    valid = false;
    if (!stored)
        return Acad::eOk;
    AcGePoint3d min;
    AcGePoint3d max;
    if (Acad::ErrorStatus status = filer->readPoint3d(&min); status != Acad::eOk)
        return status;
    if (Acad::ErrorStatus status = filer->readPoint3d(&max); status != Acad::eOk)
        return status;
    setExtents(min, max);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbExtentsEx::setExtents(const AcGePoint3d& min, const AcGePoint3d& max)
{
    // A damaged drawing may hold coordinates that are no numbers; they make no rectangle.
    for (const AcGePoint3d& point : {min, max}) {
        if (!std::isfinite(point.x) || !std::isfinite(point.y) || !std::isfinite(point.z)) {
            valid = false;
            return Acad::eInvalidExtents;
        }
    }
    const Acad::ErrorStatus status = set(min, max);
    valid = status == Acad::eOk;
    return status;
}

double AcDbExtentsEx::width() const
{
    return std::fabs(m_max.x - m_min.x);
}

double AcDbExtentsEx::height() const
{
    return std::fabs(m_max.y - m_min.y);
}

Acad::ErrorStatus AcDbExtentsEx::scaleX(double factor)
{
    if (valid)
        scaleAxis(m_min.x, m_max.x, factor);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbExtentsEx::scaleY(double factor)
{
    if (valid)
        scaleAxis(m_min.y, m_max.y, factor);
    return Acad::eOk;
}
