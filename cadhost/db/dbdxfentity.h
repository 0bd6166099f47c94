// An entity of a DXF drawing of a kind cadhost has no class for (a shape, a mesh, a light, an underlay,
// a DXF proxy ...). It keeps the kind's DXF name and the groups that describe it, through a save and an
// open, is listed under that name, and draws the points its groups give.
#pragma once

#include "dbmain.h"

#include <string>
#include <vector>

namespace cadhost {
struct FieldAccess;
}

class CADHOST_EXPORT AcDbDxfEntity : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbDxfEntity);
    struct Group {
        Adesk::Int32 code = 0;
        std::wstring value;
        bool operator==(const Group&) const = default;
    };

    AcDbDxfEntity() = default;
    AcDbDxfEntity(std::wstring dxfName, std::vector<Group> groups);

    const std::wstring& dxfName() const;
    const std::vector<Group>& groups() const;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override;
    void subList() const override;
    Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);
    // The points of the groups with codes 10 to 18 (their y and z ten and twenty codes on), in order.
    std::vector<AcGePoint3d> points() const;

    std::wstring m_dxfName;
    std::vector<Group> m_groups;
};
