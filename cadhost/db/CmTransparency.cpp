#include "dbcolor.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr Adesk::UInt32 kMethodShift = 24;
} // namespace

void AcCmTransparency::setAlpha(Adesk::UInt8 alpha)
{
    m_value = (static_cast<Adesk::UInt32>(kByAlpha) << kMethodShift) | alpha;
}

Adesk::UInt8 AcCmTransparency::alpha() const
{
    return isByAlpha() ? static_cast<Adesk::UInt8>(m_value & 0xFF) : 255;
}

void AcCmTransparency::setAlphaPercent(double percent)
{
    double clamped = std::clamp(percent, 0.0, 1.0);
    setAlpha(static_cast<Adesk::UInt8>(std::lround(clamped * 255.0)));
}

double AcCmTransparency::alphaPercent() const
{
    return alpha() / 255.0;
}

void AcCmTransparency::setMethod(transparencyMethod method)
{
    if (method == kByAlpha)
        setAlpha(alpha());
    else if (method == kByLayer || method == kByBlock)
        m_value = static_cast<Adesk::UInt32>(method) << kMethodShift;
}

bool AcCmTransparency::isByAlpha() const
{
    return (m_value >> kMethodShift) == kByAlpha;
}

bool AcCmTransparency::isByLayer() const
{
    return (m_value >> kMethodShift) == kByLayer;
}

bool AcCmTransparency::isByBlock() const
{
    return (m_value >> kMethodShift) == kByBlock;
}

bool AcCmTransparency::isClear() const
{
    return isByAlpha() && alpha() == 0;
}

bool AcCmTransparency::isSolid() const
{
    return isByAlpha() && alpha() == 255;
}
