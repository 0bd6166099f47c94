#include "GArcData.h"

namespace {
using F = records::Fields<AcDbArc, GArcData>;
constexpr GArcData::Spec kFields[] = {
    F::field<records::Pt3, &GArcData::center, &AcDbArc::center, &AcDbArc::setCenter>(),
    F::field<records::Dbl, &GArcData::radius, &AcDbArc::radius, &AcDbArc::setRadius>(),
    F::field<records::Dbl, &GArcData::startAngle, &AcDbArc::startAngle, &AcDbArc::setStartAngle>(),
    F::field<records::Dbl, &GArcData::endAngle, &AcDbArc::endAngle, &AcDbArc::setEndAngle>(),
    F::field<records::Dbl, &GArcData::thickness, &AcDbArc::thickness, &AcDbArc::setThickness>(),
    F::field<records::Vec, &GArcData::normal, &AcDbArc::normal, &AcDbArc::setNormal>(),
};
} // namespace

std::span<const GArcData::Spec> GArcData::fields()
{
    return kFields;
}
