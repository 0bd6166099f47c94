#include "GRotatedDimensionData.h"

namespace {
using E = AcDbRotatedDimension;
using R = GRotatedDimensionData;
using F = records::Fields<E, R>;
constexpr R::Spec kFields[] = {
    F::field<records::Pt3, &R::xLine1Point, &E::xLine1Point, &E::setXLine1Point>(),
    F::field<records::Pt3, &R::xLine2Point, &E::xLine2Point, &E::setXLine2Point>(),
    F::field<records::Pt3, &R::dimLinePoint, &E::dimLinePoint, &E::setDimLinePoint>(),
    F::field<records::Dbl, &R::rotation, &E::rotation, &E::setRotation>(),
};
} // namespace

std::span<const R::Spec> GRotatedDimensionData::fields()
{
    return kFields;
}
