#include "GArcDimensionData.h"

namespace {
using E = AcDbArcDimension;
using R = GArcDimensionData;
using F = records::Fields<E, R>;
constexpr R::Spec kFields[] = {
    F::field<records::Pt3, &R::arcPoint, &E::arcPoint, &E::setArcPoint>(),
    F::field<records::Pt3, &R::xLine1Point, &E::xLine1Point, &E::setXLine1Point>(),
    F::field<records::Pt3, &R::xLine2Point, &E::xLine2Point, &E::setXLine2Point>(),
    F::field<records::Pt3, &R::centerPoint, &E::centerPoint, &E::setCenterPoint>(),
    F::field<records::Bool, &R::isPartial, &E::isPartial, &E::setIsPartial>(),
    F::field<records::Dbl, &R::arcStartParam, &E::arcStartParam, &E::setArcStartParam>(),
    F::field<records::Dbl, &R::arcEndParam, &E::arcEndParam, &E::setArcEndParam>(),
    F::field<records::Bool, &R::hasLeader, &E::hasLeader, &E::setHasLeader>(),
    F::field<records::Pt3, &R::leader1Point, &E::leader1Point, &E::setLeader1Point>(),
    F::field<records::Pt3, &R::leader2Point, &E::leader2Point, &E::setLeader2Point>(),
    F::field<records::Int32, &R::arcSymbolType, &E::arcSymbolType, &E::setArcSymbolType>(),
};
} // namespace

std::span<const R::Spec> GArcDimensionData::fields()
{
    return kFields;
}
