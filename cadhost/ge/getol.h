// Tolerances of the geometry library: how close two points or two vectors must be to count as equal.
#pragma once

#include "adesk.h"

class CADHOST_EXPORT AcGeTol {
public:
    constexpr AcGeTol() = default;

    double equalPoint() const { return m_equalPoint; }
    double equalVector() const { return m_equalVector; }
    void setEqualPoint(double val) { m_equalPoint = val; }
    void setEqualVector(double val) { m_equalVector = val; }

private:
    double m_equalPoint = 1.0e-10;
    double m_equalVector = 1.0e-10;
};
