#include "listformat.h"

#include "acutads.h"
#include "dbmain.h"

#include <numbers>

namespace cadhost {

void listHeader(const AcDbEntity& entity)
{
    const ACHAR* dxfName = entity.isA()->dxfName();
    listHeader(entity, dxfName != nullptr && *dxfName != 0 ? dxfName : entity.isA()->name());
}

void listHeader(const AcDbEntity& entity, const ACHAR* kind)
{
    ACHAR* layer = entity.layer();
    ACHAR handle[32] = L"";
    entity.getAcDbHandle().getIntoAsciiBuffer(handle, 32);
    acutPrintf(L"\n%24s  Layer: \"%s\"", kind, layer != nullptr ? layer : L"");
    acutPrintf(L"\n%24s %s", L"Handle =", handle);
    acutDelString(layer);
}

void listPoint(const ACHAR* label, const AcGePoint3d& point)
{
    acutPrintf(L"\n%24s X=%10.4f  Y=%10.4f  Z=%10.4f", label, point.x, point.y, point.z);
}

void listVector(const ACHAR* label, const AcGeVector3d& vector)
{
    acutPrintf(L"\n%24s X=%10.4f  Y=%10.4f  Z=%10.4f", label, vector.x, vector.y, vector.z);
}

void listValue(const ACHAR* label, double value)
{
    acutPrintf(L"\n%24s %10.4f", label, value);
}

void listAngle(const ACHAR* label, double radians)
{
    acutPrintf(L"\n%24s %10.4f", label, radians * 180.0 / std::numbers::pi);
}

void listText(const ACHAR* label, const ACHAR* text)
{
    acutPrintf(L"\n%24s %s", label, text);
}

void listNormal(const AcGeVector3d& normal)
{
    if (!normal.isEqualTo(AcGeVector3d::kZAxis))
        listVector(L"Extrusion direction:", normal);
}

} // namespace cadhost
