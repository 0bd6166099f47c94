#include "CustomClasses.h"

#include "AcDbWatermark.h"
#include "WrapperEntities.h"

namespace {
struct CustomClass {
    void (*rxInit)();
    void (*rxUninit)();
};

template <class Class> constexpr CustomClass customClass()
{
    return {&Class::rxInit, &Class::rxUninit};
}

// Registration order; the watermark class comes last.
constexpr CustomClass kCustomClasses[] = {
    customClass<AcDbPointEx>(),
    customClass<AcDbLineEx>(),
    customClass<AcDbTextEx>(),
    customClass<AcDbMTextEx>(),
    customClass<AcDbHatchEx>(),
    customClass<AcDbBlockReferenceEx>(),
    customClass<AcDbMlineEx>(),
    customClass<AcDbArcEx>(),
    customClass<AcDbCircleEx>(),
    customClass<AcDbEllipseEx>(),
    customClass<AcDbLeaderEx>(),
    customClass<AcDbPolylineEx>(),
    customClass<AcDbRayEx>(),
    customClass<AcDbSplineEx>(),
    customClass<AcDbXlineEx>(),
    customClass<AcDbOrdinateDimensionEx>(),
    customClass<AcDb2LineAngularDimensionEx>(),
    customClass<AcDb3PointAngularDimensionEx>(),
    customClass<AcDbAlignedDimensionEx>(),
    customClass<AcDbDiametricDimensionEx>(),
    customClass<AcDbRadialDimensionEx>(),
    customClass<AcDbRotatedDimensionEx>(),
    customClass<AcDbTraceEx>(),
    customClass<AcDbSolidEx>(),
    customClass<AcDb2dPolylineEx>(),
    customClass<AcDb3dPolylineEx>(),
    customClass<AcDbWatermark>(),
};
} // namespace

void registerCustomClasses()
{
    for (const CustomClass& entry : kCustomClasses)
        entry.rxInit();
}

void deleteCustomClasses()
{
    for (const CustomClass& entry : kCustomClasses)
        entry.rxUninit();
}
