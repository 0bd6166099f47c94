#include "GRadialDimensionData.h"

namespace {
using E = AcDbRadialDimension;
using R = GRadialDimensionData;
using F = records::Fields<E, R>;
constexpr R::Spec kFields[] = {
    F::field<records::Dbl, &R::leaderLength, &E::leaderLength, &E::setLeaderLength>(),
    F::field<records::Pt3, &R::center, &E::center, &E::setCenter>(),
    F::field<records::Pt3, &R::chordPoint, &E::chordPoint, &E::setChordPoint>(),
};
} // namespace

std::span<const R::Spec> GRadialDimensionData::fields()
{
    return kFields;
}
