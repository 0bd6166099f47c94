#include "GRayData.h"

namespace {
using F = records::Fields<AcDbRay, GRayData>;
constexpr GRayData::Spec kFields[] = {
    F::field<records::Pt3, &GRayData::basePoint, &AcDbRay::basePoint, &AcDbRay::setBasePoint>(),
    F::field<records::Vec, &GRayData::unitDir, &AcDbRay::unitDir, &AcDbRay::setUnitDir>(),
};
} // namespace

std::span<const GRayData::Spec> GRayData::fields()
{
    return kFields;
}
