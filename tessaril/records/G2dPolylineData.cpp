#include "G2dPolylineData.h"

#include "OwnedEntityWalk.h"
#include "RecordFields.h"

namespace {

// A vertex made here and not yet handed to its polyline.
using NewVertex = std::unique_ptr<AcDb2dVertex>;

Acad::ErrorStatus appendTo(AcDb2dPolyline& polyline, NewVertex vertex)
{
    const Acad::ErrorStatus es = polyline.appendVertex(vertex.get());
    if (es != Acad::eOk)
        return es;
    vertex.release()->close();
    return Acad::eOk;
}

} // namespace

void G2dPolylineData::release()
{
    GCurveData::release();
    vertices.clear();
}

void G2dPolylineData::recordValues(const AcDb2dPolyline& polyline)
{
    polyType = polyline.polyType();
    defaultStartWidth = polyline.defaultStartWidth();
    defaultEndWidth = polyline.defaultEndWidth();
    thickness = polyline.thickness();
    normal = polyline.normal();
    elevation = polyline.elevation();
    linetypeGeneration = polyline.isLinetypeGenerationOn() ? Adesk::kTrue : Adesk::kFalse;
    closed = polyline.isClosed();
}

void G2dPolylineData::applyValues(AcDb2dPolyline& polyline) const
{
    polyline.setPolyType(polyType);
    polyline.setDefaultStartWidth(defaultStartWidth);
    polyline.setDefaultEndWidth(defaultEndWidth);
    polyline.setThickness(thickness);
    polyline.setNormal(normal);
    polyline.setElevation(elevation);
    if (linetypeGeneration != Adesk::kFalse)
        polyline.setLinetypeGenerationOn();
    else
        polyline.setLinetypeGenerationOff();
}

Acad::ErrorStatus G2dPolylineData::record(AcDb2dPolyline* polyline)
{
    recordCurve(polyline);
    recordValues(*polyline);
    release();
    return forEachOwned<AcDb2dVertex>(polyline->vertexIterator(), [this](AcDb2dVertex& vertex) {
        vertices.emplace_back(new G2dVertexData);
        return vertices.back()->record(&vertex);
    });
}

Acad::ErrorStatus G2dPolylineData::apply(AcDb2dPolyline* polyline)
{
    applyCurve(polyline);
    applyValues(*polyline);
    for (const auto& record : vertices) {
        NewVertex vertex(new AcDb2dVertex);
        record->apply(vertex.get());
        appendTo(*polyline, std::move(vertex));
    }
    if (closed != Adesk::kFalse)
        polyline->makeClosed();
    else
        polyline->makeOpen();
    return Acad::eOk;
}

Acad::ErrorStatus G2dPolylineData::write(AcDb2dPolyline* polyline, AcDbDwgFiler* filer)
{
    recordValues(*polyline);
    Acad::ErrorStatus es = writeCurveVersion(filer);
    if (es == Acad::eOk)
        es = filer->writeUInt32(version);
    if (es == Acad::eOk)
        es = records::UInt8As<AcDb::Poly2dType, AcDb::k2dCubicSplinePoly>::write(filer, polyType);
    if (es == Acad::eOk)
        es = filer->writeDouble(defaultStartWidth);
    if (es == Acad::eOk)
        es = filer->writeDouble(defaultEndWidth);
    if (es == Acad::eOk)
        es = filer->writeDouble(thickness);
    if (es == Acad::eOk)
        es = filer->writeVector3d(normal);
    if (es == Acad::eOk)
        es = filer->writeDouble(elevation);
    if (es == Acad::eOk)
        es = filer->writeBoolean(linetypeGeneration);
    if (es == Acad::eOk)
        es = filer->writeBoolean(closed);
    if (es != Acad::eOk)
        return es;
    // The count is that of the vertices that will be written: those that open as 2D vertices.
    if (es = filer->writeUInt32(countOwned<AcDb2dVertex>(polyline->vertexIterator())); es != Acad::eOk)
        return es;
    return forEachOwned<AcDb2dVertex>(polyline->vertexIterator(), [filer](AcDb2dVertex& vertex) {
        G2dVertexData record;
        const ReleaseOnExit releaser(record);
        if (const Acad::ErrorStatus status = record.write(&vertex, filer); status != Acad::eOk)
            return status;
        return record.writeEntityProperties(&vertex, filer);
    });
}

Acad::ErrorStatus G2dPolylineData::read(AcDb2dPolyline* polyline, AcDbDwgFiler* filer)
{
    release();
    if (const Acad::ErrorStatus es = readCurveVersion(filer); es != Acad::eOk)
        return es;
    if (const Acad::ErrorStatus es = records::readVersion(filer, version, kVersion); es != Acad::eOk)
        return es;
    Acad::ErrorStatus es = records::UInt8As<AcDb::Poly2dType, AcDb::k2dCubicSplinePoly>::read(filer, polyType);
    if (es == Acad::eOk)
        es = filer->readDouble(&defaultStartWidth);
    if (es == Acad::eOk)
        es = filer->readDouble(&defaultEndWidth);
    if (es == Acad::eOk)
        es = filer->readDouble(&thickness);
    if (es == Acad::eOk)
        es = filer->readVector3d(&normal);
    if (es == Acad::eOk)
        es = filer->readDouble(&elevation);
    if (es == Acad::eOk)
        es = filer->readBoolean(&linetypeGeneration);
    if (es == Acad::eOk)
        es = filer->readBoolean(&closed);
    if (es != Acad::eOk)
        return es;
    applyValues(*polyline);
    Adesk::UInt32 count = 0;
    if (es = filer->readUInt32(&count); es != Acad::eOk)
        return es;
    for (Adesk::UInt32 index = 0; index < count; ++index) {
        NewVertex vertex(new AcDb2dVertex);
        G2dVertexData record;
        const ReleaseOnExit releaser(record);
        if (es = record.read(vertex.get(), filer); es != Acad::eOk)
            return es;
        if (es = record.readEntityProperties(vertex.get(), filer); es != Acad::eOk)
            return es;
        if (es = appendTo(*polyline, std::move(vertex)); es != Acad::eOk)
            return es;
    }
    if (closed != Adesk::kFalse)
        polyline->makeClosed();
    else
        polyline->makeOpen();
    return Acad::eOk;
}
