#include "G3dPolylineData.h"

#include "OwnedEntityWalk.h"
#include "RecordFields.h"

#include <memory>

namespace {

Acad::ErrorStatus appendAt(AcDb3dPolyline& polyline, const AcGePoint3d& position)
{
    std::unique_ptr<AcDb3dPolylineVertex> vertex(new AcDb3dPolylineVertex(position));
    const Acad::ErrorStatus es = polyline.appendVertex(vertex.get());
    if (es != Acad::eOk)
        return es;
    vertex.release()->close();
    return Acad::eOk;
}

void makeClosedOrOpen(AcDb3dPolyline& polyline, Adesk::Boolean closed)
{
    if (closed != Adesk::kFalse)
        polyline.makeClosed();
    else
        polyline.makeOpen();
}

using TypeCodec = records::UInt8As<AcDb::Vertex3dType, AcDb::k3dFitVertex>;
using PolyTypeCodec = records::UInt8As<AcDb::Poly3dType, AcDb::k3dCubicSplinePoly>;

} // namespace

void G3dPolylineData::recordValues(const AcDb3dPolyline& polyline)
{
    polyType = polyline.polyType();
    closed = polyline.isClosed();
    positions.clear();
    vertexTypes.clear();
    forEachOwned<AcDb3dPolylineVertex>(polyline.vertexIterator(), [this](AcDb3dPolylineVertex& vertex) {
        positions.push_back(vertex.position());
        vertexTypes.push_back(vertex.vertexType());
        return Acad::eOk;
    });
}

Acad::ErrorStatus G3dPolylineData::record(AcDb3dPolyline* polyline)
{
    recordCurve(polyline);
    if (polyline->polyType() != AcDb::k3dSimplePoly)
        polyline->convertToPolyType(AcDb::k3dSimplePoly);
    recordValues(*polyline);
    return Acad::eOk;
}

Acad::ErrorStatus G3dPolylineData::apply(AcDb3dPolyline* polyline)
{
    applyCurve(polyline);
    polyline->setPolyType(polyType);
    for (const AcGePoint3d& position : positions)
        appendAt(*polyline, position);
    makeClosedOrOpen(*polyline, closed);
    return Acad::eOk;
}

Acad::ErrorStatus G3dPolylineData::write(AcDb3dPolyline* polyline, AcDbDwgFiler* filer)
{
    recordValues(*polyline);
    Acad::ErrorStatus es = writeCurveVersion(filer);
    if (es == Acad::eOk)
        es = filer->writeUInt32(version);
    if (es == Acad::eOk)
        es = PolyTypeCodec::write(filer, polyType);
    if (es == Acad::eOk)
        es = filer->writeBoolean(closed);
    if (es == Acad::eOk)
        es = filer->writeUInt32(static_cast<Adesk::UInt32>(positions.size()));
    for (std::size_t index = 0; es == Acad::eOk && index < positions.size(); ++index) {
        es = filer->writePoint3d(positions[index]);
        if (es == Acad::eOk)
            es = TypeCodec::write(filer, vertexTypes[index]);
    }
    return es;
}

Acad::ErrorStatus G3dPolylineData::read(AcDb3dPolyline* polyline, AcDbDwgFiler* filer)
{
    release();
    if (const Acad::ErrorStatus es = readCurveVersion(filer); es != Acad::eOk)
        return es;
    if (const Acad::ErrorStatus es = records::readVersion(filer, version, kVersion); es != Acad::eOk)
        return es;
    Acad::ErrorStatus es = PolyTypeCodec::read(filer, polyType);
    if (es == Acad::eOk)
        es = filer->readBoolean(&closed);
    if (es != Acad::eOk)
        return es;
    polyline->setPolyType(polyType);
    Adesk::UInt32 count = 0;
    if (es = filer->readUInt32(&count); es != Acad::eOk)
        return es;
    positions.clear();
    vertexTypes.clear();
    for (Adesk::UInt32 index = 0; index < count; ++index) {
        AcGePoint3d position;
        AcDb::Vertex3dType type = AcDb::k3dSimpleVertex;
        if (es = filer->readPoint3d(&position); es != Acad::eOk)
            return es;
        if (es = TypeCodec::read(filer, type); es != Acad::eOk)
            return es;
        positions.push_back(position);
        vertexTypes.push_back(type);
        if (es = appendAt(*polyline, position); es != Acad::eOk)
            return es;
    }
    makeClosedOrOpen(*polyline, closed);
    return Acad::eOk;
}
