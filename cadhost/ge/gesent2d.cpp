#include "gesent2d.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// A control point in homogeneous form (x*w, y*w, w).
struct Homogeneous {
    double x = 0.0;
    double y = 0.0;
    double w = 0.0;

    Homogeneous operator+(const Homogeneous& other) const { return {x + other.x, y + other.y, w + other.w}; }
    Homogeneous operator-(const Homogeneous& other) const { return {x - other.x, y - other.y, w - other.w}; }
    Homogeneous operator*(double factor) const { return {x * factor, y * factor, w * factor}; }
};

// The B-spline of the given degree over knots[0 .. count+degree] and count control points.
struct SplineView {
    int degree;
    const double* knots;
    const std::vector<Homogeneous>& points;
};

// Index s of the knot span [knots[s], knots[s+1]) holding param, kept within the non-empty spans of the
// domain so that parameters outside it extrapolate the first or last piece.
int findSpan(const SplineView& spline, double param)
{
    const int last = static_cast<int>(spline.points.size()) - 1;
    const double* u = spline.knots;
    int low = spline.degree;
    int high = last + 1;
    if (param >= u[high]) {
        int span = last;
        while (span > spline.degree && u[span] >= u[span + 1])
            --span;
        return span;
    }
    if (param <= u[low]) {
        int span = low;
        while (span < last && u[span] >= u[span + 1])
            ++span;
        return span;
    }
    while (high - low > 1) {
        const int mid = (low + high) / 2;
        (param < u[mid] ? high : low) = mid;
    }
    return low;
}

// de Boor's algorithm.
Homogeneous deBoor(const SplineView& spline, double param)
{
    const int p = spline.degree;
    const int span = findSpan(spline, param);
    const double* u = spline.knots;
    std::vector<Homogeneous> d(spline.points.begin() + (span - p), spline.points.begin() + (span + 1));
    for (int r = 1; r <= p; ++r)
        for (int j = p; j >= r; --j) {
            const int i = j + span - p;
            const double denom = u[i + p - r + 1] - u[i];
            const double alpha = denom == 0.0 ? 0.0 : (param - u[i]) / denom;
            d[j] = d[j - 1] * (1.0 - alpha) + d[j] * alpha;
        }
    return d[p];
}

// Control points of the derivative curve, of one degree less over the knots without their ends.
std::vector<Homogeneous> derivativePoints(const SplineView& spline)
{
    const int p = spline.degree;
    const double* u = spline.knots;
    std::vector<Homogeneous> q;
    for (std::size_t i = 0; i + 1 < spline.points.size(); ++i) {
        const double denom = u[i + p + 1] - u[i + 1];
        q.push_back(denom == 0.0 ? Homogeneous{} : (spline.points[i + 1] - spline.points[i]) * (p / denom));
    }
    return q;
}

double binomial(int n, int k)
{
    double result = 1.0;
    for (int i = 1; i <= k; ++i)
        result = result * (n - k + i) / i;
    return result;
}

} // namespace

bool AcGeSplineEnt2d::isRational() const
{
    return std::any_of(m_weights.begin(), m_weights.end(), [this](double w) { return w != m_weights.first(); });
}

AcGeSplineEnt2d& AcGeSplineEnt2d::setKnotAt(int idx, double val)
{
    m_knots[idx] = val;
    return *this;
}

AcGeSplineEnt2d& AcGeSplineEnt2d::setControlPointAt(int idx, const AcGePoint2d& pnt)
{
    m_controlPoints.setAt(idx, pnt);
    return *this;
}

bool AcGeSplineEnt2d::isValidDefinition() const
{
    const int count = m_controlPoints.length();
    if (m_degree < 1 || count < m_degree + 1 || m_knots.length() != count + m_degree + 1)
        return false;
    if (!m_weights.isEmpty() && (m_weights.length() != count ||
                                 std::any_of(m_weights.begin(), m_weights.end(), [](double w) { return !(w > 0.0); })))
        return false;
    for (int i = 0; i < m_knots.length(); ++i)
        if (!std::isfinite(m_knots[i]) || (i > 0 && m_knots[i] < m_knots[i - 1]))
            return false;
    return m_knots[m_degree] < m_knots[count];
}

bool AcGeSplineEnt2d::isEqualToSameType(const AcGeEntity2d& entity, const AcGeTol& tol) const
{
    const auto& other = static_cast<const AcGeSplineEnt2d&>(entity);
    if (m_degree != other.m_degree || !m_knots.isEqualTo(other.m_knots) ||
        m_controlPoints.length() != other.m_controlPoints.length())
        return false;
    for (int i = 0; i < m_controlPoints.length(); ++i) {
        const double w = m_weights.isEmpty() ? 1.0 : m_weights[i];
        const double otherW = other.m_weights.isEmpty() ? 1.0 : other.m_weights[i];
        if (!m_controlPoints[i].isEqualTo(other.m_controlPoints[i], tol) || std::fabs(w - otherW) > tol.equalVector())
            return false;
    }
    return true;
}

void AcGeSplineEnt2d::transformGeometry(const AcGeMatrix2d& xfm)
{
    for (AcGePoint2d& pnt : m_controlPoints)
        pnt.transformBy(xfm);
}

AcGeInterval AcGeSplineEnt2d::interval() const
{
    if (!isValidDefinition())
        return AcGeInterval(0.0, 0.0);
    return AcGeInterval(m_knots[m_degree], m_knots[m_controlPoints.length()]);
}

AcGePoint2d AcGeSplineEnt2d::evaluate(double param, int numDeriv, AcGeVector2d* derivs) const
{
    for (int k = 0; k < numDeriv; ++k)
        derivs[k] = AcGeVector2d::kIdentity;
    if (!isValidDefinition())
        return m_controlPoints.isEmpty() ? AcGePoint2d::kOrigin : m_controlPoints.first();

    std::vector<Homogeneous> points;
    for (int i = 0; i < m_controlPoints.length(); ++i) {
        const double w = m_weights.isEmpty() ? 1.0 : m_weights[i];
        points.push_back({m_controlPoints[i].x * w, m_controlPoints[i].y * w, w});
    }
    // Derivatives of the homogeneous curve: each is the spline of the previous derivative's
    // difference points, one degree lower, over the knots without their first and last.
    std::vector<Homogeneous> homogeneous;
    homogeneous.push_back(deBoor({m_degree, m_knots.asArrayPtr(), points}, param));
    for (int k = 1; k <= numDeriv; ++k) {
        if (k > m_degree) {
            homogeneous.push_back(Homogeneous{});
            continue;
        }
        points = derivativePoints({m_degree - k + 1, m_knots.asArrayPtr() + (k - 1), points});
        homogeneous.push_back(deBoor({m_degree - k, m_knots.asArrayPtr() + k, points}, param));
    }
    // Derivatives of the rational curve C = A / w from those of A and w (Leibniz rule).
    const double w = homogeneous[0].w;
    std::vector<AcGeVector2d> curve;
    curve.emplace_back(homogeneous[0].x / w, homogeneous[0].y / w);
    for (int k = 1; k <= numDeriv; ++k) {
        AcGeVector2d value(homogeneous[k].x, homogeneous[k].y);
        for (int i = 1; i <= k; ++i)
            value -= curve[k - i] * (binomial(k, i) * homogeneous[i].w);
        curve.push_back(value / w);
        derivs[k - 1] = curve.back();
    }
    return AcGePoint2d(curve[0].x, curve[0].y);
}

void AcGeSplineEnt2d::getBreakParams(AcGeDoubleArray& params) const
{
    const AcGeInterval range = interval();
    params.removeAll();
    params.append(range.lowerBound());
    if (isValidDefinition())
        for (int i = m_degree + 1; i < m_controlPoints.length(); ++i)
            if (m_knots[i] > params.last())
                params.append(m_knots[i]);
    params.append(range.upperBound());
}
