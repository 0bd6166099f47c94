#include "GLineData.h"

namespace {
using F = records::Fields<AcDbLine, GLineData>;
constexpr GLineData::Spec kFields[] = {
    F::field<records::Pt3, &GLineData::startPoint, &AcDbLine::startPoint, &AcDbLine::setStartPoint>(),
    F::field<records::Pt3, &GLineData::endPoint, &AcDbLine::endPoint, &AcDbLine::setEndPoint>(),
    F::field<records::Dbl, &GLineData::thickness, &AcDbLine::thickness, &AcDbLine::setThickness>(),
    F::field<records::Vec, &GLineData::normal, &AcDbLine::normal, &AcDbLine::setNormal>(),
};
} // namespace

std::span<const GLineData::Spec> GLineData::fields()
{
    return kFields;
}
