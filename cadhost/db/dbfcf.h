// A feature control frame: a geometric tolerance written as text in a row of boxes. Its text holds the
// boxes' contents separated by "%%v", with the format codes of multi-line text.
#pragma once

#include "dbmain.h"

#include <string>
#include <vector>

namespace cadhost {
struct FieldAccess;
}

class CADHOST_EXPORT AcDbFcf : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbFcf);
    AcDbFcf() = default;
    AcDbFcf(const ACHAR* text, const AcGePoint3d& location, const AcGeVector3d& normal, const AcGeVector3d& direction);

    void setText(const ACHAR* text);
    // A copy made with acutNewString; release it with acutDelString.
    ACHAR* text() const;
    void setLocation(const AcGePoint3d& location);
    AcGePoint3d location() const;
    // Refuses a zero normal or a direction along it.
    Acad::ErrorStatus setOrientation(const AcGeVector3d& normal, const AcGeVector3d& direction);
    AcGeVector3d normal() const;
    AcGeVector3d direction() const;
    void setDimensionStyle(AcDbObjectId styleId);
    AcDbObjectId dimensionStyle() const;
    double dimtxt() const;
    Acad::ErrorStatus setDimtxt(double height);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    // Each box's contents, format codes removed, in a frame of its own.
    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override;
    void subList() const override;
    Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& transform) override;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);
    // The contents of each box, format codes removed.
    std::vector<std::wstring> boxes() const;
    double frameWidth() const;

    std::wstring m_text;
    AcGePoint3d m_location;
    AcGeVector3d m_normal = AcGeVector3d::kZAxis;
    AcGeVector3d m_direction = AcGeVector3d::kXAxis;
    AcDbObjectId m_dimStyle;
    double m_textHeight = 0.18;
};
