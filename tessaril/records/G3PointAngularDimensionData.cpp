#include "G3PointAngularDimensionData.h"

namespace {
using E = AcDb3PointAngularDimension;
using R = G3PointAngularDimensionData;
using F = records::Fields<E, R>;
constexpr R::Spec kFields[] = {
    F::field<records::Pt3, &R::arcPoint, &E::arcPoint, &E::setArcPoint>(),
    F::field<records::Pt3, &R::xLine1Point, &E::xLine1Point, &E::setXLine1Point>(),
    F::field<records::Pt3, &R::xLine2Point, &E::xLine2Point, &E::setXLine2Point>(),
    F::field<records::Pt3, &R::centerPoint, &E::centerPoint, &E::setCenterPoint>(),
};
} // namespace

std::span<const R::Spec> G3PointAngularDimensionData::fields()
{
    return kFields;
}
