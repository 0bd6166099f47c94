#include "gepoly2d.h"

#include <algorithm>

AcGePolyline2d::AcGePolyline2d(const AcGePoint2dArray& points)
{
    m_degree = 1;
    m_controlPoints = points;
    // Clamped degree 1 knots: vertex i sits at parameter i.
    m_knots.append(0.0);
    for (int i = 0; i < points.length(); ++i)
        m_knots.append(i);
    m_knots.append(std::max(points.length() - 1, 0));
}

AcGePolyline2d& AcGePolyline2d::setFitPointAt(int idx, const AcGePoint2d& point)
{
    setControlPointAt(idx, point);
    return *this;
}

double AcGePolyline2d::arcLength(double fromParam, double toParam, double) const
{
    if (!isValidDefinition())
        return 0.0;
    // Segment i joins points i and i+1 over the knots i+1 to i+2; only the first and last extend.
    const int segments = m_controlPoints.length() - 1;
    double total = 0.0;
    for (int i = 0; i < segments; ++i) {
        const double lower = i == 0 ? std::min(m_knots[1], fromParam) : m_knots[i + 1];
        const double upper = i == segments - 1 ? std::max(m_knots[i + 2], toParam) : m_knots[i + 2];
        const double from = std::max(lower, fromParam);
        const double to = std::min(upper, toParam);
        if (to > from && m_knots[i + 2] > m_knots[i + 1])
            total +=
                (to - from) / (m_knots[i + 2] - m_knots[i + 1]) * m_controlPoints[i].distanceTo(m_controlPoints[i + 1]);
    }
    return total;
}
