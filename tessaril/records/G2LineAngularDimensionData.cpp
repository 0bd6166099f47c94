#include "G2LineAngularDimensionData.h"

namespace {
using E = AcDb2LineAngularDimension;
using R = G2LineAngularDimensionData;
using F = records::Fields<E, R>;
constexpr R::Spec kFields[] = {
    F::field<records::Pt3, &R::arcPoint, &E::arcPoint, &E::setArcPoint>(),
    F::field<records::Pt3, &R::xLine1Start, &E::xLine1Start, &E::setXLine1Start>(),
    F::field<records::Pt3, &R::xLine1End, &E::xLine1End, &E::setXLine1End>(),
    F::field<records::Pt3, &R::xLine2Start, &E::xLine2Start, &E::setXLine2Start>(),
    F::field<records::Pt3, &R::xLine2End, &E::xLine2End, &E::setXLine2End>(),
};
} // namespace

std::span<const R::Spec> G2LineAngularDimensionData::fields()
{
    return kFields;
}
