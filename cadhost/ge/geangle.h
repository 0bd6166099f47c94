// Angle conventions shared by the arcs of the plane (not part of the host API).
#pragma once

#include <cmath>
#include <numbers>

namespace cadhost::ge {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// The end angle raised by whole turns until it is not below the start angle.
inline double endAngleAfter(double startAng, double endAng)
{
    if (endAng < startAng && std::isfinite(startAng) && std::isfinite(endAng))
        endAng += std::ceil((startAng - endAng) / kTwoPi) * kTwoPi;
    return endAng;
}

// The angle in [0, 2*pi) with the same direction.
inline double normalizedAngle(double ang)
{
    const double a = std::fmod(ang, kTwoPi);
    return a < 0.0 ? a + kTwoPi : a;
}

} // namespace cadhost::ge
