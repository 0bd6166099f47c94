// Views of points and vectors as the plain double arrays of result buffers, and back.
#pragma once

#include "gepnt2d.h"
#include "gepnt3d.h"
#include "gevec2d.h"
#include "gevec3d.h"

// The geometry classes are standard-layout sequences of doubles, as the C interfaces expect.
static_assert(sizeof(AcGePoint2d) == 2 * sizeof(double) && sizeof(AcGePoint3d) == 3 * sizeof(double));
static_assert(sizeof(AcGeVector2d) == 2 * sizeof(double) && sizeof(AcGeVector3d) == 3 * sizeof(double));

inline AcGePoint2d& asPnt2d(const double* pnt)
{
    return *reinterpret_cast<AcGePoint2d*>(const_cast<double*>(pnt));
}
inline AcGePoint3d& asPnt3d(const double* pnt)
{
    return *reinterpret_cast<AcGePoint3d*>(const_cast<double*>(pnt));
}
inline AcGeVector2d& asVec2d(const double* vec)
{
    return *reinterpret_cast<AcGeVector2d*>(const_cast<double*>(vec));
}
inline AcGeVector3d& asVec3d(const double* vec)
{
    return *reinterpret_cast<AcGeVector3d*>(const_cast<double*>(vec));
}

inline double* asDblArray(const AcGePoint2d& pnt)
{
    return const_cast<double*>(&pnt.x);
}
inline double* asDblArray(const AcGePoint3d& pnt)
{
    return const_cast<double*>(&pnt.x);
}
inline double* asDblArray(const AcGeVector2d& vec)
{
    return const_cast<double*>(&vec.x);
}
inline double* asDblArray(const AcGeVector3d& vec)
{
    return const_cast<double*>(&vec.x);
}
