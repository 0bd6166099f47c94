#include "nurbscurve.h"

#include <algorithm>
#include <cmath>

namespace cadhost {

namespace {

struct Homogeneous {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double w = 0.0;
};

// The knot span [knots[k], knots[k+1]) of the domain that holds the parameter; the last non-empty span
// for the end of the domain.
std::size_t findSpan(const NurbsCurve& curve, double param)
{
    const std::size_t p = static_cast<std::size_t>(curve.degree);
    const std::size_t n = curve.controlPoints.size();
    if (param >= curve.knots[n]) {
        std::size_t span = n - 1;
        while (span > p && curve.knots[span] >= curve.knots[span + 1])
            --span;
        return span;
    }
    // The last index k in [p, n - 1] with knots[k] <= param.
    const auto first = curve.knots.begin() + static_cast<std::ptrdiff_t>(p);
    const auto last = curve.knots.begin() + static_cast<std::ptrdiff_t>(n);
    const auto above = std::upper_bound(first, last, param);
    return std::max(p, static_cast<std::size_t>(above - curve.knots.begin()) - 1);
}

// The degree + 1 basis functions that are not zero at the parameter, for span - degree .. span.
std::vector<double> basisFunctions(const std::vector<double>& knots, std::size_t span, double param, int degree)
{
    const auto p = static_cast<std::size_t>(degree);
    std::vector<double> values(p + 1, 0.0);
    std::vector<double> left(p + 1, 0.0);
    std::vector<double> right(p + 1, 0.0);
    values[0] = 1.0;
    for (std::size_t j = 1; j <= p; ++j) {
        left[j] = param - knots[span + 1 - j];
        right[j] = knots[span + j] - param;
        double saved = 0.0;
        for (std::size_t r = 0; r < j; ++r) {
            const double denominator = right[r + 1] + left[j - r];
            const double term = denominator != 0.0 ? values[r] / denominator : 0.0;
            values[r] = saved + right[r + 1] * term;
            saved = left[j - r] * term;
        }
        values[j] = saved;
    }
    return values;
}

// A square system whose rows have their non-zero entries near the diagonal, solved by elimination with
// partial pivoting in band storage, so that long point lists cost linear time and memory.
class BandSystem {
public:
    struct Row {
        std::size_t firstColumn = 0;
        std::vector<double> values;
        AcGeVector3d rhs;
    };

    explicit BandSystem(std::vector<Row> rows) : m_size(rows.size())
    {
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const Row& row = rows[r];
            m_lower = std::max(m_lower, r > row.firstColumn ? r - row.firstColumn : 0);
            const std::size_t lastColumn = row.firstColumn + row.values.size() - 1;
            m_upper = std::max(m_upper, lastColumn > r ? lastColumn - r : 0);
        }
        // Pivoting can move entries up to lower + upper right of the diagonal.
        m_width = 2 * m_lower + m_upper + 1;
        m_entries.assign(m_size * m_width, 0.0);
        m_rhs.reserve(m_size);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            for (std::size_t i = 0; i < rows[r].values.size(); ++i)
                at(r, rows[r].firstColumn + i) = rows[r].values[i];
            m_rhs.push_back(rows[r].rhs);
        }
    }

    bool solve(std::vector<AcGeVector3d>& solution)
    {
        const std::size_t reach = m_lower + m_upper;
        for (std::size_t c = 0; c < m_size; ++c) {
            const std::size_t lastRow = std::min(m_size - 1, c + m_lower);
            const std::size_t lastColumn = std::min(m_size - 1, c + reach);
            std::size_t pivot = c;
            for (std::size_t r = c + 1; r <= lastRow; ++r)
                if (std::fabs(at(r, c)) > std::fabs(at(pivot, c)))
                    pivot = r;
            if (!(std::fabs(at(pivot, c)) > 1.0e-14))
                return false;
            if (pivot != c) {
                for (std::size_t k = c; k <= lastColumn; ++k)
                    std::swap(at(pivot, k), at(c, k));
                std::swap(m_rhs[pivot], m_rhs[c]);
            }
            for (std::size_t r = c + 1; r <= lastRow; ++r) {
                const double factor = at(r, c) / at(c, c);
                if (factor == 0.0)
                    continue;
                for (std::size_t k = c; k <= lastColumn; ++k)
                    at(r, k) -= factor * at(c, k);
                m_rhs[r] -= m_rhs[c] * factor;
            }
        }
        solution.assign(m_size, AcGeVector3d());
        for (std::size_t r = m_size; r-- > 0;) {
            AcGeVector3d sum = m_rhs[r];
            const std::size_t lastColumn = std::min(m_size - 1, r + reach);
            for (std::size_t k = r + 1; k <= lastColumn; ++k)
                sum -= solution[k] * at(r, k);
            solution[r] = sum / at(r, r);
        }
        return true;
    }

private:
    double& at(std::size_t row, std::size_t column) { return m_entries[row * m_width + (column + m_lower - row)]; }

    std::size_t m_size;
    std::size_t m_lower = 0;
    std::size_t m_upper = 0;
    std::size_t m_width = 1;
    std::vector<double> m_entries;
    std::vector<AcGeVector3d> m_rhs;
};

BandSystem::Row collocationRow(const NurbsCurve& curve, double param, const AcGePoint3d& point)
{
    const std::size_t span = findSpan(curve, param);
    BandSystem::Row row;
    row.firstColumn = span - static_cast<std::size_t>(curve.degree);
    row.values = basisFunctions(curve.knots, span, param, curve.degree);
    row.rhs = point.asVector();
    return row;
}

BandSystem::Row fixedRow(std::size_t column, const AcGePoint3d& point)
{
    return {column, {1.0}, point.asVector()};
}

// -P[column] + P[column + 1] = rhs.
BandSystem::Row differenceRow(std::size_t column, const AcGeVector3d& rhs)
{
    return {column, {-1.0, 1.0}, rhs};
}

std::vector<double> clampedKnots(int degree, const std::vector<double>& interior)
{
    std::vector<double> knots(static_cast<std::size_t>(degree) + 1, 0.0);
    knots.insert(knots.end(), interior.begin(), interior.end());
    knots.insert(knots.end(), static_cast<std::size_t>(degree) + 1, 1.0);
    return knots;
}

} // namespace

bool NurbsCurve::isValid() const
{
    if (degree < 1 || degree > kMaxSplineDegree)
        return false;
    const std::size_t n = controlPoints.size();
    if (n < static_cast<std::size_t>(degree) + 1 || knots.size() != n + static_cast<std::size_t>(degree) + 1)
        return false;
    for (std::size_t i = 0; i < knots.size(); ++i)
        if (!std::isfinite(knots[i]) || (i > 0 && knots[i] < knots[i - 1]))
            return false;
    if (!(startParam() < endParam()))
        return false;
    for (const AcGePoint3d& point : controlPoints)
        if (!std::isfinite(point.x) || !std::isfinite(point.y) || !std::isfinite(point.z))
            return false;
    if (!weights.empty() && weights.size() != n)
        return false;
    return std::all_of(weights.begin(), weights.end(), [](double w) { return std::isfinite(w) && w > 0.0; });
}

AcGePoint3d NurbsCurve::evaluate(double param) const
{
    param = std::clamp(param, startParam(), endParam());
    const std::size_t span = findSpan(*this, param);
    const auto p = static_cast<std::size_t>(degree);
    std::vector<Homogeneous> points(p + 1);
    for (std::size_t j = 0; j <= p; ++j) {
        const std::size_t i = span - p + j;
        const double w = weights.empty() ? 1.0 : weights[i];
        points[j] = {controlPoints[i].x * w, controlPoints[i].y * w, controlPoints[i].z * w, w};
    }
    for (std::size_t r = 1; r <= p; ++r)
        for (std::size_t j = p; j >= r; --j) {
            const std::size_t i = span - p + j;
            const double denominator = knots[i + p - r + 1] - knots[i];
            const double alpha = denominator > 0.0 ? (param - knots[i]) / denominator : 0.0;
            const Homogeneous& a = points[j - 1];
            Homogeneous& b = points[j];
            b = {(1.0 - alpha) * a.x + alpha * b.x, (1.0 - alpha) * a.y + alpha * b.y,
                 (1.0 - alpha) * a.z + alpha * b.z, (1.0 - alpha) * a.w + alpha * b.w};
        }
    const Homogeneous& result = points[p];
    return {result.x / result.w, result.y / result.w, result.z / result.w};
}

std::vector<AcGePoint3d> NurbsCurve::sample(int pointsPerSpan) const
{
    std::vector<AcGePoint3d> points;
    const int steps = std::max(pointsPerSpan, 1);
    for (std::size_t k = static_cast<std::size_t>(degree); k < controlPoints.size(); ++k) {
        const double from = knots[k];
        const double to = knots[k + 1];
        if (!(from < to))
            continue;
        for (int s = 0; s < steps; ++s)
            points.push_back(evaluate(from + (to - from) * s / steps));
    }
    points.push_back(evaluate(endParam()));
    return points;
}

NurbsCurve interpolateNurbs(const std::vector<AcGePoint3d>& input, int degree, const AcGeVector3d& startTangent,
                            const AcGeVector3d& endTangent)
{
    std::vector<AcGePoint3d> points;
    for (const AcGePoint3d& point : input)
        if (points.empty() || points.back().distanceTo(point) > 0.0)
            points.push_back(point);
    NurbsCurve curve;
    if (points.size() < 2 || degree < 1)
        return curve;

    const std::size_t m = points.size() - 1;
    std::vector<double> params(m + 1, 0.0);
    double total = 0.0;
    for (std::size_t k = 1; k <= m; ++k) {
        total += points[k].distanceTo(points[k - 1]);
        params[k] = total;
    }
    for (double& param : params)
        param /= total;
    params[m] = 1.0;

    // End tangents mean nothing to straight segments.
    const bool withTangents = degree >= 2 && !startTangent.isZeroLength() && !endTangent.isZeroLength();
    const std::size_t maxDegree = withTangents ? m + 2 : m;
    const std::size_t p = std::min(static_cast<std::size_t>(std::min(degree, kMaxSplineDegree)), maxDegree);
    curve.degree = static_cast<int>(p);

    // Interior knots average degree consecutive parameters (a shift of one with end tangents).
    std::vector<double> interior;
    const std::size_t firstAverage = withTangents ? 0 : 1;
    const std::size_t count = withTangents ? m + 2 - p : m - p;
    for (std::size_t j = 0; j < count; ++j) {
        double sum = 0.0;
        for (std::size_t i = j + firstAverage; i < j + firstAverage + p; ++i)
            sum += params[i];
        interior.push_back(sum / static_cast<double>(p));
    }
    curve.knots = clampedKnots(curve.degree, interior);
    const std::size_t unknowns = withTangents ? m + 3 : m + 1;
    curve.controlPoints.assign(unknowns, AcGePoint3d::kOrigin);

    std::vector<BandSystem::Row> rows;
    rows.push_back(fixedRow(0, points[0]));
    if (withTangents) {
        // C'(0) = p / knots[p + 1] (P1 - P0) and C'(1) = p / (1 - knots[n]) (Pn - Pn-1), with n the last index.
        const double startSpan = curve.knots[p + 1];
        rows.push_back(differenceRow(0, startTangent.normal() * (total * startSpan / static_cast<double>(p))));
        for (std::size_t k = 1; k < m; ++k)
            rows.push_back(collocationRow(curve, params[k], points[k]));
        const std::size_t last = unknowns - 1;
        const double endSpan = 1.0 - curve.knots[last];
        rows.push_back(differenceRow(last - 1, endTangent.normal() * (total * endSpan / static_cast<double>(p))));
        rows.push_back(fixedRow(last, points[m]));
    } else {
        for (std::size_t k = 1; k < m; ++k)
            rows.push_back(collocationRow(curve, params[k], points[k]));
        rows.push_back(fixedRow(m, points[m]));
    }

    std::vector<AcGeVector3d> solution;
    BandSystem system(std::move(rows));
    if (!system.solve(solution))
        return NurbsCurve{};
    for (std::size_t i = 0; i < unknowns; ++i)
        curve.controlPoints[i] = AcGePoint3d::kOrigin + solution[i];
    return curve;
}

NurbsCurve uniformClampedNurbs(const std::vector<AcGePoint3d>& controlPoints, int degree)
{
    NurbsCurve curve;
    if (controlPoints.size() < 2 || degree < 1)
        return curve;
    const std::size_t n = controlPoints.size();
    const std::size_t p = std::min(static_cast<std::size_t>(degree), n - 1);
    std::vector<double> interior;
    for (std::size_t j = 1; j < n - p; ++j)
        interior.push_back(static_cast<double>(j) / static_cast<double>(n - p));
    curve.degree = static_cast<int>(p);
    curve.knots = clampedKnots(curve.degree, interior);
    curve.controlPoints = controlPoints;
    return curve;
}

} // namespace cadhost
