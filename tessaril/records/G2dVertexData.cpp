#include "G2dVertexData.h"

namespace {
using V = AcDb2dVertex;
using R = G2dVertexData;
using F = records::Fields<V, R>;
constexpr R::Spec kFields[] = {
    F::field<records::Pt3, &R::position, &V::position, &V::setPosition>(),
    F::field<records::Dbl, &R::bulge, &V::bulge, &V::setBulge>(),
    F::field<records::Dbl, &R::startWidth, &V::startWidth, &V::setStartWidth>(),
    F::field<records::Dbl, &R::endWidth, &V::endWidth, &V::setEndWidth>(),
    F::carried<records::Dbl, &R::tangent, &V::tangent>(),
};
} // namespace

std::span<const G2dVertexData::Spec> G2dVertexData::fields()
{
    return kFields;
}
