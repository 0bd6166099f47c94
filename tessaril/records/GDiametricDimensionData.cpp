#include "GDiametricDimensionData.h"

namespace {
using E = AcDbDiametricDimension;
using R = GDiametricDimensionData;
using F = records::Fields<E, R>;
constexpr R::Spec kFields[] = {
    F::field<records::Dbl, &R::leaderLength, &E::leaderLength, &E::setLeaderLength>(),
    F::field<records::Pt3, &R::chordPoint, &E::chordPoint, &E::setChordPoint>(),
    F::field<records::Pt3, &R::farChordPoint, &E::farChordPoint, &E::setFarChordPoint>(),
};
} // namespace

std::span<const R::Spec> GDiametricDimensionData::fields()
{
    return kFields;
}
