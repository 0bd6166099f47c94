#include "dbdxfentity.h"
#include "listformat.h"

#include "acgi.h"
#include "dbextents.h"
#include "dbfieldio.h"

#include <cmath>
#include <cwchar>
#include <utility>

AcDbDxfEntity::AcDbDxfEntity(std::wstring dxfName, std::vector<Group> groups)
    : m_dxfName(std::move(dxfName)), m_groups(std::move(groups))
{
}

const std::wstring& AcDbDxfEntity::dxfName() const
{
    assertReadEnabled();
    return m_dxfName;
}

const std::vector<AcDbDxfEntity::Group>& AcDbDxfEntity::groups() const
{
    assertReadEnabled();
    return m_groups;
}

std::vector<AcGePoint3d> AcDbDxfEntity::points() const
{
    auto number = [](const std::wstring& text, double& value) {
        wchar_t* end = nullptr;
        value = std::wcstod(text.c_str(), &end);
        return end != text.c_str() && std::isfinite(value);
    };
    std::vector<AcGePoint3d> result;
    for (std::size_t index = 0; index < m_groups.size(); ++index) {
        const Adesk::Int32 code = m_groups[index].code;
        AcGePoint3d point;
        if (code < 10 || code > 18 || !number(m_groups[index].value, point.x))
            continue;
        for (int axis = 1; axis <= 2 && index + 1 < m_groups.size() && m_groups[index + 1].code == code + 10 * axis;
             ++axis) {
            ++index;
            if (!number(m_groups[index].value, axis == 1 ? point.y : point.z))
                break;
        }
        result.push_back(point);
    }
    return result;
}

Adesk::Boolean AcDbDxfEntity::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    // What joins the points differs from kind to kind; each is drawn on its own.
    for (const AcGePoint3d& point : points()) {
        const AcGePoint3d dot[2] = {point, point};
        worldDraw->geometry().polyline(2, dot);
    }
    return Adesk::kTrue;
}

void AcDbDxfEntity::subList() const
{
    assertReadEnabled();
    AcDbEntity::subList();
    cadhost::listHeader(*this, m_dxfName.c_str());
    acutPrintf(L"\n%24s %d", L"DXF groups:", static_cast<int>(m_groups.size()));
}

Acad::ErrorStatus AcDbDxfEntity::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    const std::vector<AcGePoint3d> outline = points();
    if (outline.empty())
        return Acad::eInvalidExtents;
    AcDbExtents result;
    for (const AcGePoint3d& point : outline)
        result.addPoint(point);
    extents = result;
    return Acad::eOk;
}

template <class Self, class Io> void AcDbDxfEntity::fileFields(Self& self, Io& io)
{
    io(self.m_dxfName);
    io.array(self.m_groups, [](auto& fields, auto& group) { fields(group.code)(group.value); });
}

Acad::ErrorStatus AcDbDxfEntity::dwgOutFields(AcDbDwgFiler* filer) const
{
    assertReadEnabled();
    return cadhost::FieldAccess::out(*this, filer, AcDbEntity::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbDxfEntity::dwgInFields(AcDbDwgFiler* filer)
{
    assertWriteEnabled();
    return cadhost::FieldAccess::in(*this, filer, AcDbEntity::dwgInFields(filer));
}
