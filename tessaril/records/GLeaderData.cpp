#include "GLeaderData.h"

namespace {

using L = AcDbLeader;
using R = GLeaderData;
using F = records::Fields<L, R>;

void setArrowBlock(L& leader, const AcDbObjectId& id)
{
    if (id.isValid())
        leader.setDimldrblk(id);
}

void setTextStyle(L& leader, const AcDbObjectId& id)
{
    if (id.isValid())
        leader.setDimtxsty(id);
}

AcDbObjectId dimensionStyleOf(const L& leader)
{
    return leader.dimensionStyle();
}

void setDimensionStyle(L& leader, const AcDbObjectId& id)
{
    if (id.isValid())
        leader.setDimensionStyle(AcDbHardPointerId(id));
}

constexpr R::Spec kOverrides[] = {
    F::field<records::Dbl, &R::arrowSize, &L::dimasz, &L::setDimasz>(),
    F::field<records::ColorIndex, &R::dimensionLineColor, &L::dimclrd, &L::setDimclrd>(),
    F::field<records::Dbl, &R::gap, &L::dimgap, &L::setDimgap>(),
    F::field<records::Int32As<AcDb::LineWeight>, &R::dimensionLineWeight, &L::dimlwd, &L::setDimlwd>(),
    F::field<records::Hard, &R::arrowBlock, &L::dimldrblk, &setArrowBlock>(),
    F::field<records::Bool, &R::separateArrowBlocks, &L::dimsah, &L::setDimsah>(),
    F::field<records::Dbl, &R::overallScale, &L::dimscale, &L::setDimscale>(),
    F::field<records::Int32, &R::verticalTextPlacement, &L::dimtad, &L::setDimtad>(),
    F::field<records::Hard, &R::textStyle, &L::dimtxsty, &setTextStyle>(),
    F::field<records::Dbl, &R::textHeight, &L::dimtxt, &L::setDimtxt>(),
    F::field<records::Hard, &R::dimensionStyle, &dimensionStyleOf, &setDimensionStyle>(),
};

} // namespace

std::span<const R::Spec> GLeaderData::overrideFields()
{
    return kOverrides;
}

void GLeaderData::recordShape(const AcDbLeader& leader)
{
    vertices.clear();
    for (int index = 0; index < leader.numVertices(); ++index)
        vertices.push_back(leader.vertexAt(index));
    hasArrowHead = leader.hasArrowHead() ? Adesk::kTrue : Adesk::kFalse;
}

void GLeaderData::applyShape(AcDbLeader& leader) const
{
    for (const AcGePoint3d& vertex : vertices)
        leader.appendVertex(vertex);
    if (hasArrowHead != Adesk::kFalse)
        leader.enableArrowHead();
    else
        leader.disableArrowHead();
}

Acad::ErrorStatus GLeaderData::record(AcDbLeader* leader)
{
    recordCurve(leader);
    recordShape(*leader);
    records::recordFields<L, R>(overrideFields(), *this, *leader);
    return Acad::eOk;
}

Acad::ErrorStatus GLeaderData::apply(AcDbLeader* leader)
{
    applyShape(*leader);
    records::applyFields<L, R>(overrideFields(), *this, *leader);
    return Acad::eOk;
}

Acad::ErrorStatus GLeaderData::write(AcDbLeader* leader, AcDbDwgFiler* filer)
{
    recordShape(*leader);
    Acad::ErrorStatus es = writeCurveVersion(filer);
    if (es == Acad::eOk)
        es = filer->writeUInt32(version);
    if (es == Acad::eOk)
        es = filer->writeInt32(static_cast<Adesk::Int32>(vertices.size()));
    for (std::size_t index = 0; es == Acad::eOk && index < vertices.size(); ++index)
        es = filer->writePoint3d(vertices[index]);
    if (es == Acad::eOk)
        es = filer->writeBoolean(hasArrowHead);
    if (es == Acad::eOk)
        es = records::writeFields<L, R>(overrideFields(), *this, *leader, filer);
    return es;
}

Acad::ErrorStatus GLeaderData::read(AcDbLeader* leader, AcDbDwgFiler* filer)
{
    if (const Acad::ErrorStatus es = readCurveVersion(filer); es != Acad::eOk)
        return es;
    if (const Acad::ErrorStatus es = records::readVersion(filer, version, kVersion); es != Acad::eOk)
        return es;
    Adesk::Int32 count = 0;
    if (const Acad::ErrorStatus es = filer->readInt32(&count); es != Acad::eOk)
        return es;
    vertices.clear();
    for (Adesk::Int32 index = 0; index < count; ++index) {
        AcGePoint3d vertex;
        if (const Acad::ErrorStatus es = filer->readPoint3d(&vertex); es != Acad::eOk)
            return es;
        vertices.push_back(vertex);
    }
    if (const Acad::ErrorStatus es = filer->readBoolean(&hasArrowHead); es != Acad::eOk)
        return es;
    applyShape(*leader);
    return records::readFields<L, R>(overrideFields(), *this, *leader, filer, records::ReadApply::AfterStream);
}
