#include "GXlineData.h"

namespace {
using F = records::Fields<AcDbXline, GXlineData>;
constexpr GXlineData::Spec kFields[] = {
    F::field<records::Pt3, &GXlineData::basePoint, &AcDbXline::basePoint, &AcDbXline::setBasePoint>(),
    F::field<records::Vec, &GXlineData::unitDir, &AcDbXline::unitDir, &AcDbXline::setUnitDir>(),
};
} // namespace

std::span<const GXlineData::Spec> GXlineData::fields()
{
    return kFields;
}
