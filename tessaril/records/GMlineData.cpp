#include "GMlineData.h"

namespace {

using M = AcDbMline;
using R = GMlineData;
using F = records::Fields<M, R>;

constexpr R::Spec kShape[] = {
    F::field<records::Int32As<Mline::MlineJustification, Mline::kBottom>, &R::justification, &M::justification,
             &M::setJustification>(),
    F::field<records::Dbl, &R::scale, &M::scale, &M::setScale>(),
    F::field<records::Vec, &R::normal, &M::normal, &M::setNormal>(),
};

constexpr R::Spec kFlags[] = {
    F::field<records::Bool, &R::suppressStartCaps, &M::supressStartCaps, &M::setSupressStartCaps>(),
    F::field<records::Bool, &R::suppressEndCaps, &M::supressEndCaps, &M::setSupressEndCaps>(),
    F::field<records::Bool, &R::closed, &M::closedMline, &M::setClosedMline>(),
};

} // namespace

std::span<const R::Spec> GMlineData::shapeFields()
{
    return kShape;
}

std::span<const R::Spec> GMlineData::flagFields()
{
    return kFlags;
}

Acad::ErrorStatus GMlineData::record(AcDbMline* mline)
{
    recordEntity(mline);
    style = mline->style();
    records::recordFields<M, R>(shapeFields(), *this, *mline);
    vertices.clear();
    for (int index = 0; index < mline->numVertices(); ++index)
        vertices.push_back(mline->vertexAt(index));
    records::recordFields<M, R>(flagFields(), *this, *mline);
    return Acad::eOk;
}

Acad::ErrorStatus GMlineData::apply(AcDbMline* mline)
{
    applyEntity(mline);
    AcDbObjectId mapped;
    if (mapId(mapped, style); mapped.isValid())
        mline->setStyle(mapped);
    records::applyFields<M, R>(shapeFields(), *this, *mline);
    for (const AcGePoint3d& vertex : vertices)
        mline->appendSeg(vertex);
    records::applyFields<M, R>(flagFields(), *this, *mline);
    return Acad::eOk;
}
