// 3D solids: cadhost has no solid modeller, so the body is kept as the opaque bytes it was filed with.
// It is neither drawn nor measured.
#pragma once

#include "dbmain.h"

#include <vector>

namespace cadhost {
struct FieldAccess;
}

class CADHOST_EXPORT AcDb3dSolid : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDb3dSolid);
    AcDb3dSolid() = default;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override;
    void subList() const override;
    // A body without geometry has no extents: eInvalidExtents.
    Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& transform) override;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    std::vector<Adesk::UInt8> m_body;
    AcGeMatrix3d m_transform;
};
