#include "GCircleData.h"

namespace {
using F = records::Fields<AcDbCircle, GCircleData>;
constexpr GCircleData::Spec kFields[] = {
    F::field<records::Pt3, &GCircleData::center, &AcDbCircle::center, &AcDbCircle::setCenter>(),
    F::field<records::Dbl, &GCircleData::radius, &AcDbCircle::radius, &AcDbCircle::setRadius>(),
    F::field<records::Dbl, &GCircleData::thickness, &AcDbCircle::thickness, &AcDbCircle::setThickness>(),
    F::field<records::Vec, &GCircleData::normal, &AcDbCircle::normal, &AcDbCircle::setNormal>(),
};
} // namespace

std::span<const GCircleData::Spec> GCircleData::fields()
{
    return kFields;
}
