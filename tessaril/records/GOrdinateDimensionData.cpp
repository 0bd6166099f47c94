#include "GOrdinateDimensionData.h"

namespace {
using E = AcDbOrdinateDimension;
using R = GOrdinateDimensionData;
using F = records::Fields<E, R>;
constexpr R::Spec kFields[] = {
    F::carried<records::Boolean, &R::usesXAxis, &E::isUsingXAxis>(),
    F::carried<records::Boolean, &R::usesYAxis, &E::isUsingYAxis>(),
    F::field<records::Pt3, &R::origin, &E::origin, &E::setOrigin>(),
    F::field<records::Pt3, &R::definingPoint, &E::definingPoint, &E::setDefiningPoint>(),
    F::field<records::Pt3, &R::leaderEndPoint, &E::leaderEndPoint, &E::setLeaderEndPoint>(),
};
} // namespace

std::span<const R::Spec> GOrdinateDimensionData::fields()
{
    return kFields;
}

void GOrdinateDimensionData::applyAfterFields(AcDbOrdinateDimension& dimension) const
{
    if (usesXAxis != Adesk::kFalse)
        dimension.useXAxis();
    if (usesYAxis != Adesk::kFalse)
        dimension.useYAxis();
}
