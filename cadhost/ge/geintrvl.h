// A bounded parameter interval of a curve.
#pragma once

#include "gegbl.h"

class CADHOST_EXPORT AcGeInterval {
public:
    constexpr explicit AcGeInterval(double tol = 1.0e-12) : m_tolerance(tol) {}
    constexpr AcGeInterval(double lower, double upper, double tol = 1.0e-12)
        : m_lower(lower), m_upper(upper), m_tolerance(tol)
    {
    }

    double lowerBound() const { return m_lower; }
    double upperBound() const { return m_upper; }
    void getBounds(double& lower, double& upper) const
    {
        lower = m_lower;
        upper = m_upper;
    }
    double length() const { return m_upper - m_lower; }
    double tolerance() const { return m_tolerance; }
    bool isBounded() const { return true; }
    bool contains(double val) const { return val >= m_lower - m_tolerance && val <= m_upper + m_tolerance; }

    AcGeInterval& set(double lower, double upper)
    {
        m_lower = lower;
        m_upper = upper;
        return *this;
    }
    AcGeInterval& setTolerance(double tol)
    {
        m_tolerance = tol;
        return *this;
    }

    bool isEqualTo(const AcGeInterval& other) const
    {
        return m_lower - other.m_lower <= m_tolerance && other.m_lower - m_lower <= m_tolerance &&
               m_upper - other.m_upper <= m_tolerance && other.m_upper - m_upper <= m_tolerance;
    }
    bool operator==(const AcGeInterval& other) const { return isEqualTo(other); }

private:
    double m_lower = 0.0;
    double m_upper = 0.0;
    double m_tolerance;
};
