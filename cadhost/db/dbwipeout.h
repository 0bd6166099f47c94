// A wipeout: an image without a picture whose boundary masks what is drawn before it, in the colour
// of the sheet.
#pragma once

#include "imgent.h"

#include "gepnt2d.h"

#include <vector>

class CADHOST_EXPORT AcDbWipeout : public AcDbRasterImage {
public:
    ACRX_DECLARE_MEMBERS(AcDbWipeout);
    AcDbWipeout() = default;

    // The boundary in the image's own coordinates: (0, 0) is its lower left corner and (1, 1) its upper
    // right one. Fewer than three points leave the whole image as the boundary.
    std::vector<AcGePoint2d> boundary() const;
    Acad::ErrorStatus setBoundary(const std::vector<AcGePoint2d>& points);
    // The boundary in world coordinates.
    void getVertices(AcGePoint3dArray& vertices) const;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    std::vector<AcGePoint2d> m_boundary;
};
