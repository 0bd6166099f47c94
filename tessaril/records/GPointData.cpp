#include "GPointData.h"

namespace {
using F = records::Fields<AcDbPoint, GPointData>;
constexpr GPointData::Spec kFields[] = {
    F::field<records::Pt3, &GPointData::position, &AcDbPoint::position, &AcDbPoint::setPosition>(),
    F::field<records::Dbl, &GPointData::thickness, &AcDbPoint::thickness, &AcDbPoint::setThickness>(),
    F::field<records::Vec, &GPointData::normal, &AcDbPoint::normal, &AcDbPoint::setNormal>(),
    F::field<records::Dbl, &GPointData::ecsRotation, &AcDbPoint::ecsRotation, &AcDbPoint::setEcsRotation>(),
};
} // namespace

std::span<const GPointData::Spec> GPointData::fields()
{
    return kFields;
}
