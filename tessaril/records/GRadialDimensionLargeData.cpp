#include "GRadialDimensionLargeData.h"

namespace {
using E = AcDbRadialDimensionLarge;
using R = GRadialDimensionLargeData;
using F = records::Fields<E, R>;
constexpr R::Spec kFields[] = {
    F::field<records::Pt3, &R::center, &E::center, &E::setCenter>(),
    F::field<records::Pt3, &R::chordPoint, &E::chordPoint, &E::setChordPoint>(),
    F::field<records::Pt3, &R::overrideCenter, &E::overrideCenter, &E::setOverrideCenter>(),
    F::field<records::Pt3, &R::jogPoint, &E::jogPoint, &E::setJogPoint>(),
    F::field<records::Dbl, &R::jogAngle, &E::jogAngle, &E::setJogAngle>(),
};
} // namespace

std::span<const R::Spec> GRadialDimensionLargeData::fields()
{
    return kFields;
}
