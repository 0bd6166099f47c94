#include "gelnsg2d.h"

#include <algorithm>

bool AcGeLineSeg2d::isEqualToSameType(const AcGeEntity2d& entity, const AcGeTol& tol) const
{
    const auto& other = static_cast<const AcGeLineSeg2d&>(entity);
    return m_start.isEqualTo(other.m_start, tol) && m_end.isEqualTo(other.m_end, tol);
}

void AcGeLineSeg2d::transformGeometry(const AcGeMatrix2d& xfm)
{
    m_start.transformBy(xfm);
    m_end.transformBy(xfm);
}

AcGePoint2d AcGeLineSeg2d::evaluate(double param, int numDeriv, AcGeVector2d* derivs) const
{
    for (int k = 0; k < numDeriv; ++k)
        derivs[k] = k == 0 ? direction() : AcGeVector2d::kIdentity;
    return m_start + direction() * param;
}

double AcGeLineSeg2d::arcLength(double fromParam, double toParam, double) const
{
    return (toParam - fromParam) * length();
}

double AcGeLineSeg2d::closestParam(const AcGePoint2d& pnt) const
{
    const AcGeVector2d dir = direction();
    const double lengthSqrd = dir.lengthSqrd();
    return lengthSqrd == 0.0 ? 0.0 : std::clamp((pnt - m_start).dotProduct(dir) / lengthSqrd, 0.0, 1.0);
}
