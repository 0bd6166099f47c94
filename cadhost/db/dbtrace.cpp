#include "dbents.h"

AcDbTrace::AcDbTrace(const AcGePoint3d& p0, const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& p3)
    : FourCornerEntity(p0, p1, p2, p3)
{
}
