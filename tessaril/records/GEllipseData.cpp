#include "GEllipseData.h"

namespace {
using F = records::Fields<AcDbEllipse, GEllipseData>;
constexpr GEllipseData::Spec kFields[] = {
    F::stored<records::Pt3, &GEllipseData::center>(),
    F::stored<records::Vec, &GEllipseData::unitNormal>(),
    F::stored<records::Vec, &GEllipseData::majorAxis>(),
    F::stored<records::Dbl, &GEllipseData::radiusRatio>(),
    F::stored<records::Dbl, &GEllipseData::startAngle>(),
    F::stored<records::Dbl, &GEllipseData::endAngle>(),
    F::field<records::Bool, &GEllipseData::castShadows, &AcDbEllipse::castShadows, &AcDbEllipse::setCastShadows>(),
    F::field<records::Bool, &GEllipseData::receiveShadows, &AcDbEllipse::receiveShadows,
             &AcDbEllipse::setReceiveShadows>(),
};
} // namespace

std::span<const GEllipseData::Spec> GEllipseData::fields()
{
    return kFields;
}

void GEllipseData::getCombined(const AcDbEllipse& ellipse)
{
    ellipse.get(center, unitNormal, majorAxis, radiusRatio, startAngle, endAngle);
}

void GEllipseData::setCombined(AcDbEllipse& ellipse) const
{
    ellipse.set(center, unitNormal, majorAxis, radiusRatio, startAngle, endAngle);
}
