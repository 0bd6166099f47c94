#include "gecurv2d.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Ten-point Gauss-Legendre rule on [-1, 1]: nodes and weights of the positive half.
constexpr std::array<double, 5> kGaussNodes{0.1488743389816312, 0.4333953941292472, 0.6794095682990244,
                                            0.8650633666889845, 0.9739065285171717};
constexpr std::array<double, 5> kGaussWeights{0.2955242247147529, 0.2692667193099963, 0.2190863625159820,
                                              0.1494513491505806, 0.0666713443086881};
constexpr int kMaxSubdivision = 24;
constexpr int kSamplesPerPiece = 16;
constexpr int kNewtonSteps = 8;

double speed(const AcGeCurve2d& curve, double param)
{
    AcGeVector2dArray derivs;
    curve.evalPoint(param, 1, derivs);
    return derivs[0].length();
}

double gaussLegendre(const AcGeCurve2d& curve, double from, double to)
{
    const double half = 0.5 * (to - from);
    const double mid = 0.5 * (to + from);
    double sum = 0.0;
    for (std::size_t i = 0; i < kGaussNodes.size(); ++i)
        sum +=
            kGaussWeights[i] * (speed(curve, mid - half * kGaussNodes[i]) + speed(curve, mid + half * kGaussNodes[i]));
    return sum * half;
}

// Halves the interval until the two halves agree with the whole to the relative tolerance.
double integrateSpeed(const AcGeCurve2d& curve, double from, double to, double whole, double tol, int depth)
{
    const double mid = 0.5 * (from + to);
    const double left = gaussLegendre(curve, from, mid);
    const double right = gaussLegendre(curve, mid, to);
    const double halves = left + right;
    if (depth >= kMaxSubdivision || !std::isfinite(halves) || std::fabs(halves - whole) <= tol * std::fabs(halves) ||
        std::fabs(halves - whole) <= 1.0e-15)
        return halves;
    return integrateSpeed(curve, from, mid, left, tol, depth + 1) +
           integrateSpeed(curve, mid, to, right, tol, depth + 1);
}

double distanceSqrd(const AcGeCurve2d& curve, double param, const AcGePoint2d& pnt)
{
    return (curve.evalPoint(param) - pnt).lengthSqrd();
}

// Slope of the squared distance at param, halved: (C(t) - P) . C'(t), and its derivative.
void distanceSlope(const AcGeCurve2d& curve, double param, const AcGePoint2d& pnt, double& slope, double& curvature)
{
    AcGeVector2dArray derivs;
    const AcGeVector2d offset = curve.evalPoint(param, 2, derivs) - pnt;
    slope = offset.dotProduct(derivs[0]);
    curvature = derivs[0].lengthSqrd() + offset.dotProduct(derivs[1]);
}

// Closest parameter within [lower, upper] by golden-section search, polished by Newton steps on the
// slope of the distance while they stay in the bracket and flatten the slope.
double refineClosest(const AcGeCurve2d& curve, const AcGePoint2d& pnt, double lower, double upper)
{
    const double ratio = 0.5 * (std::sqrt(5.0) - 1.0);
    double a = lower;
    double b = upper;
    double c = b - ratio * (b - a);
    double d = a + ratio * (b - a);
    double fc = distanceSqrd(curve, c, pnt);
    double fd = distanceSqrd(curve, d, pnt);
    while (b - a > 1.0e-12 * std::fmax(1.0, std::fabs(a) + std::fabs(b))) {
        if (fc < fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - ratio * (b - a);
            fc = distanceSqrd(curve, c, pnt);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + ratio * (b - a);
            fd = distanceSqrd(curve, d, pnt);
        }
    }
    double best = 0.5 * (a + b);
    double slope = 0.0;
    double curvature = 0.0;
    distanceSlope(curve, best, pnt, slope, curvature);
    for (int step = 0; step < kNewtonSteps && slope != 0.0 && curvature > 0.0; ++step) {
        const double next = std::clamp(best - slope / curvature, lower, upper);
        double nextSlope = 0.0;
        double nextCurvature = 0.0;
        distanceSlope(curve, next, pnt, nextSlope, nextCurvature);
        if (!(std::fabs(nextSlope) < std::fabs(slope)))
            break;
        best = next;
        slope = nextSlope;
        curvature = nextCurvature;
    }
    return best;
}

} // namespace

void AcGeCurve2d::getInterval(AcGeInterval& intrvl, AcGePoint2d& start, AcGePoint2d& end) const
{
    intrvl = interval();
    start = evalPoint(intrvl.lowerBound());
    end = evalPoint(intrvl.upperBound());
}

AcGePoint2d AcGeCurve2d::evalPoint(double param, int numDeriv, AcGeVector2dArray& derivArray) const
{
    derivArray.setLogicalLength(std::max(numDeriv, 0));
    return evaluate(param, std::max(numDeriv, 0), derivArray.isEmpty() ? nullptr : derivArray.asArrayPtr());
}

double AcGeCurve2d::paramOf(const AcGePoint2d& pnt, const AcGeTol&) const
{
    return closestParam(pnt);
}

AcGePoint2d AcGeCurve2d::closestPointTo(const AcGePoint2d& pnt, const AcGeTol&) const
{
    return evalPoint(closestParam(pnt));
}

double AcGeCurve2d::distanceTo(const AcGePoint2d& pnt, const AcGeTol& tol) const
{
    return closestPointTo(pnt, tol).distanceTo(pnt);
}

bool AcGeCurve2d::isClosed(const AcGeTol& tol) const
{
    const AcGeInterval range = interval();
    return evalPoint(range.lowerBound()).isEqualTo(evalPoint(range.upperBound()), tol);
}

double AcGeCurve2d::length(double fromParam, double toParam, double tol) const
{
    return fromParam <= toParam ? arcLength(fromParam, toParam, tol) : arcLength(toParam, fromParam, tol);
}

bool AcGeCurve2d::hasStartPoint(AcGePoint2d& startPoint) const
{
    startPoint = evalPoint(interval().lowerBound());
    return true;
}

bool AcGeCurve2d::hasEndPoint(AcGePoint2d& endPoint) const
{
    endPoint = evalPoint(interval().upperBound());
    return true;
}

void AcGeCurve2d::getSamplePoints(int numSample, AcGePoint2dArray& pointArray) const
{
    pointArray.removeAll();
    const AcGeInterval range = interval();
    for (int i = 0; i < numSample; ++i) {
        const double fraction = numSample == 1 ? 0.0 : static_cast<double>(i) / (numSample - 1);
        pointArray.append(evalPoint(range.lowerBound() + fraction * range.length()));
    }
}

void AcGeCurve2d::getBreakParams(AcGeDoubleArray& params) const
{
    const AcGeInterval range = interval();
    params.removeAll();
    params.append(range.lowerBound());
    params.append(range.upperBound());
}

double AcGeCurve2d::arcLength(double fromParam, double toParam, double tol) const
{
    AcGeDoubleArray breaks;
    getBreakParams(breaks);
    // Integrate piece by piece, so that every integrand is smooth; outside the breaks the
    // first and last pieces extend.
    breaks.first() = std::min(breaks.first(), fromParam);
    breaks.last() = std::max(breaks.last(), toParam);
    double total = 0.0;
    for (int i = 0; i + 1 < breaks.length(); ++i) {
        const double from = std::max(breaks[i], fromParam);
        const double to = std::min(breaks[i + 1], toParam);
        if (to > from)
            total += integrateSpeed(*this, from, to, gaussLegendre(*this, from, to), tol, 0);
    }
    return total;
}

double AcGeCurve2d::closestParam(const AcGePoint2d& pnt) const
{
    AcGeDoubleArray breaks;
    getBreakParams(breaks);
    AcGeDoubleArray samples;
    for (int i = 0; i + 1 < breaks.length(); ++i)
        for (int k = 0; k < kSamplesPerPiece; ++k)
            samples.append(breaks[i] + (breaks[i + 1] - breaks[i]) * k / kSamplesPerPiece);
    samples.append(breaks.last());
    int nearest = 0;
    double nearestDist = distanceSqrd(*this, samples[0], pnt);
    for (int i = 1; i < samples.length(); ++i) {
        const double dist = distanceSqrd(*this, samples[i], pnt);
        if (dist < nearestDist) {
            nearest = i;
            nearestDist = dist;
        }
    }
    const double lower = samples[std::max(nearest - 1, 0)];
    const double upper = samples[std::min(nearest + 1, samples.length() - 1)];
    return upper > lower ? refineClosest(*this, pnt, lower, upper) : samples[nearest];
}
