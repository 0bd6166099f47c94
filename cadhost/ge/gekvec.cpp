#include "gekvec.h"

#include <cmath>

AcGeKnotVector::AcGeKnotVector(int size, int growSize) : m_knots(size, growSize)
{
}

AcGeKnotVector::AcGeKnotVector(int size, const double source[], double tol)
{
    set(size, source, tol);
}

AcGeKnotVector::AcGeKnotVector(const AcGeDoubleArray& dblArray, double tol) : m_knots(dblArray), m_tolerance(tol)
{
}

bool AcGeKnotVector::isEqualTo(const AcGeKnotVector& other) const
{
    if (length() != other.length())
        return false;
    for (int i = 0; i < length(); ++i)
        if (std::fabs(m_knots[i] - other.m_knots[i]) > m_tolerance)
            return false;
    return true;
}

int AcGeKnotVector::multiplicityAt(int i) const
{
    int count = 0;
    for (double knot : m_knots)
        if (std::fabs(knot - m_knots[i]) <= m_tolerance)
            ++count;
    return count;
}

int AcGeKnotVector::numIntervals() const
{
    AcGeDoubleArray distinct;
    getDistinctKnots(distinct);
    return distinct.isEmpty() ? 0 : distinct.length() - 1;
}

void AcGeKnotVector::getDistinctKnots(AcGeDoubleArray& knots) const
{
    knots.removeAll();
    for (double knot : m_knots)
        if (knots.isEmpty() || std::fabs(knot - knots.last()) > m_tolerance)
            knots.append(knot);
}

bool AcGeKnotVector::contains(double param) const
{
    return !isEmpty() && param >= startParam() - m_tolerance && param <= endParam() + m_tolerance;
}

bool AcGeKnotVector::isOn(double knot) const
{
    for (double k : m_knots)
        if (std::fabs(k - knot) <= m_tolerance)
            return true;
    return false;
}

AcGeKnotVector& AcGeKnotVector::removeAt(int i)
{
    m_knots.removeAt(i);
    return *this;
}

AcGeKnotVector& AcGeKnotVector::insertAt(int indx, double u, int multiplicity)
{
    for (int n = 0; n < multiplicity; ++n)
        m_knots.insertAt(indx, u);
    return *this;
}

AcGeKnotVector& AcGeKnotVector::set(int size, const double source[], double tol)
{
    m_knots.removeAll();
    for (int i = 0; i < size; ++i)
        m_knots.append(source[i]);
    m_tolerance = tol;
    return *this;
}
