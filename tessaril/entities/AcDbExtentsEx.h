// Extents that know whether they hold a real rectangle, and file themselves through a DWG filer. The
// watermark stores the rectangle it covers in one; placement enlarges it with scaleX and scaleY.
#pragma once

#include "dbextents.h"

class AcDbDwgFiler;

class AcDbExtentsEx : public AcDbExtents {
public:
    static constexpr Adesk::UInt32 kVersion = 1;

    // Not valid: the points hold no rectangle yet.
    AcDbExtentsEx() = default;
    // Valid when the host accepts the two corners as extents.
    explicit AcDbExtentsEx(const AcDbExtents& extents);

    // Stored form: version, validity and, only when valid, the minimum and maximum point. A stored
    // version above kVersion answers eMakeMeProxy.
    virtual Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const;
    virtual Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer);

    // Sets both corners and marks the extents valid when the host accepts them.
    Acad::ErrorStatus setExtents(const AcGePoint3d& min, const AcGePoint3d& max);

    double width() const;
    double height() const;
    // Scale the width (height) by factor about the centre; extents that are not valid stay as they are.
    Acad::ErrorStatus scaleX(double factor);
    Acad::ErrorStatus scaleY(double factor);

    bool valid = false;
    Adesk::UInt32 extentsVersion = kVersion;
};
