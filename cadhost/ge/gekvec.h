// The knot vector of a spline: a non-decreasing sequence of parameters.
#pragma once

#include "gedblar.h"
#include "gegbl.h"

class CADHOST_EXPORT AcGeKnotVector {
public:
    // Knots closer than this count as one knot of higher multiplicity.
    static constexpr double globalKnotTolerance = 1.0e-9;

    explicit AcGeKnotVector(int size = 0, int growSize = 8);
    AcGeKnotVector(int size, const double source[], double tol = globalKnotTolerance);
    // NOLINTNEXTLINE(google-explicit-constructor): a double array converts to a knot vector, as in the host.
    AcGeKnotVector(const AcGeDoubleArray& dblArray, double tol = globalKnotTolerance);

    double& operator[](int i) { return m_knots[i]; }
    double operator[](int i) const { return m_knots[i]; }
    bool isEqualTo(const AcGeKnotVector& other) const;
    bool operator==(const AcGeKnotVector& other) const { return isEqualTo(other); }

    double startParam() const { return m_knots.isEmpty() ? 0.0 : m_knots.first(); }
    double endParam() const { return m_knots.isEmpty() ? 0.0 : m_knots.last(); }
    // How often the knot at index i repeats (within the tolerance).
    int multiplicityAt(int i) const;
    // Number of non-empty intervals between distinct knots.
    int numIntervals() const;
    void getDistinctKnots(AcGeDoubleArray& knots) const;
    bool contains(double param) const;
    bool isOn(double knot) const;

    AcGeKnotVector& removeAt(int i);
    AcGeKnotVector& insertAt(int indx, double u, int multiplicity = 1);
    int append(double val) { return m_knots.append(val); }
    AcGeKnotVector& set(int size, const double source[], double tol = globalKnotTolerance);

    int length() const { return m_knots.length(); }
    int logicalLength() const { return m_knots.logicalLength(); }
    AcGeKnotVector& setLogicalLength(int size)
    {
        m_knots.setLogicalLength(size);
        return *this;
    }
    int physicalLength() const { return m_knots.physicalLength(); }
    AcGeKnotVector& setPhysicalLength(int size)
    {
        m_knots.setPhysicalLength(size);
        return *this;
    }
    int growLength() const { return m_knots.growLength(); }
    AcGeKnotVector& setGrowLength(int rowLength)
    {
        m_knots.setGrowLength(rowLength);
        return *this;
    }
    bool isEmpty() const { return m_knots.isEmpty(); }
    const double* getPtr() const { return m_knots.asArrayPtr(); }
    const double* asArrayPtr() const { return m_knots.asArrayPtr(); }
    double* asArrayPtr() { return m_knots.asArrayPtr(); }

    double tolerance() const { return m_tolerance; }
    AcGeKnotVector& setTolerance(double tol)
    {
        m_tolerance = tol;
        return *this;
    }

private:
    AcGeDoubleArray m_knots;
    double m_tolerance = globalKnotTolerance;
};
