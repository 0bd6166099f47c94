#include "GPolylineData.h"

#include "RecordFields.h"

void GPolylineData::recordGeometry(const AcDbPolyline& polyline)
{
    points.clear();
    bulges.clear();
    startWidths.clear();
    endWidths.clear();
    for (unsigned int index = 0; index < polyline.numVerts(); ++index) {
        AcGePoint2d point;
        double bulge = 0.0;
        double startWidth = 0.0;
        double endWidth = 0.0;
        polyline.getPointAt(index, point);
        polyline.getBulgeAt(index, bulge);
        polyline.getWidthsAt(index, startWidth, endWidth);
        points.push_back(point);
        bulges.push_back(bulge);
        startWidths.push_back(startWidth);
        endWidths.push_back(endWidth);
    }
    thickness = polyline.thickness();
    closed = polyline.isClosed() != Adesk::kFalse;
    elevation = polyline.elevation();
    normal = polyline.normal();
}

void GPolylineData::applyGeometry(AcDbPolyline& polyline) const
{
    if (polyline.numVerts() > 0)
        polyline.reset(Adesk::kFalse, 0);
    for (std::size_t index = 0; index < points.size(); ++index)
        polyline.addVertexAt(static_cast<unsigned int>(index), points[index], bulges[index], startWidths[index],
                             endWidths[index], 0);
    polyline.setThickness(thickness);
    polyline.setClosed(closed ? Adesk::kTrue : Adesk::kFalse);
    polyline.setElevation(elevation);
    polyline.setNormal(normal);
}

Acad::ErrorStatus GPolylineData::record(AcDbPolyline* polyline)
{
    recordCurve(polyline);
    recordGeometry(*polyline);
    return Acad::eOk;
}

Acad::ErrorStatus GPolylineData::apply(AcDbPolyline* polyline)
{
    applyCurve(polyline);
    applyGeometry(*polyline);
    return Acad::eOk;
}

Acad::ErrorStatus GPolylineData::write(AcDbPolyline* polyline, AcDbDwgFiler* filer)
{
    recordGeometry(*polyline);
    Acad::ErrorStatus es = writeCurveVersion(filer);
    if (es == Acad::eOk)
        es = filer->writeUInt32(version);
    if (es == Acad::eOk)
        es = filer->writeInt32(static_cast<Adesk::Int32>(points.size()));
    for (std::size_t index = 0; es == Acad::eOk && index < points.size(); ++index) {
        es = filer->writePoint2d(points[index]);
        if (es == Acad::eOk)
            es = filer->writeDouble(bulges[index]);
        if (es == Acad::eOk)
            es = filer->writeDouble(startWidths[index]);
        if (es == Acad::eOk)
            es = filer->writeDouble(endWidths[index]);
    }
    if (es == Acad::eOk)
        es = filer->writeDouble(thickness);
    if (es == Acad::eOk)
        es = filer->writeBool(closed);
    if (es == Acad::eOk)
        es = filer->writeDouble(elevation);
    if (es == Acad::eOk)
        es = filer->writeVector3d(normal);
    return es;
}

Acad::ErrorStatus GPolylineData::read(AcDbPolyline* polyline, AcDbDwgFiler* filer)
{
    if (const Acad::ErrorStatus es = readCurveVersion(filer); es != Acad::eOk)
        return es;
    if (const Acad::ErrorStatus es = records::readVersion(filer, version, kVersion); es != Acad::eOk)
        return es;
    Adesk::Int32 count = 0;
    if (const Acad::ErrorStatus es = filer->readInt32(&count); es != Acad::eOk)
        return es;
    if (count < 0)
        return Acad::eInvalidInput;
    points.clear();
    bulges.clear();
    startWidths.clear();
    endWidths.clear();
    Acad::ErrorStatus es = Acad::eOk;
    for (Adesk::Int32 index = 0; es == Acad::eOk && index < count; ++index) {
        AcGePoint2d point;
        double bulge = 0.0;
        double startWidth = 0.0;
        double endWidth = 0.0;
        es = filer->readPoint2d(&point);
        if (es == Acad::eOk)
            es = filer->readDouble(&bulge);
        if (es == Acad::eOk)
            es = filer->readDouble(&startWidth);
        if (es == Acad::eOk)
            es = filer->readDouble(&endWidth);
        if (es == Acad::eOk) {
            points.push_back(point);
            bulges.push_back(bulge);
            startWidths.push_back(startWidth);
            endWidths.push_back(endWidth);
        }
    }
    if (es == Acad::eOk)
        es = filer->readDouble(&thickness);
    if (es == Acad::eOk)
        es = filer->readBool(&closed);
    if (es == Acad::eOk)
        es = filer->readDouble(&elevation);
    if (es == Acad::eOk)
        es = filer->readVector3d(&normal);
    if (es != Acad::eOk)
        return es;
    applyGeometry(*polyline);
    return Acad::eOk;
}
