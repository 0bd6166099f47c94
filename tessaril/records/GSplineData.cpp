#include "GSplineData.h"

namespace {

using R = GSplineData;
using F = records::Fields<AcDbSpline, R>;

// Taken with getNurbsData and set with setNurbsData, all ten together.
constexpr R::Spec kNurbs[] = {
    F::stored<records::Int32, &R::degree>(),
    F::stored<records::Boolean, &R::rational>(),
    F::stored<records::Boolean, &R::closed>(),
    F::stored<records::Boolean, &R::periodic>(),
    F::stored<records::ArrayOf<records::Pt3>, &R::controlPoints>(),
    F::stored<records::ArrayOf<records::Dbl>, &R::knots>(),
    F::stored<records::ArrayOf<records::Dbl>, &R::weights>(),
    F::stored<records::Dbl, &R::controlPointTolerance>(),
    F::stored<records::Dbl, &R::knotTolerance>(),
    F::stored<records::Bool, &R::hasFitData>(),
};

// Taken with getFitData and set with setFitData; present only when the spline has fit data.
constexpr R::Spec kFit[] = {
    F::stored<records::ArrayOf<records::Pt3>, &R::fitPoints>(),
    F::stored<records::Int32, &R::fitDegree>(),
    F::stored<records::Dbl, &R::fitTolerance>(),
    F::stored<records::Boolean, &R::tangentsExist>(),
    F::stored<records::Vec, &R::startTangent>(),
    F::stored<records::Vec, &R::endTangent>(),
};

} // namespace

std::span<const R::Spec> GSplineData::nurbsFields()
{
    return kNurbs;
}

std::span<const R::Spec> GSplineData::fitFields()
{
    return kFit;
}

void GSplineData::recordAll(const AcDbSpline& spline)
{
    int nurbsDegree = 0;
    spline.getNurbsData(nurbsDegree, rational, closed, periodic, controlPoints, knots, weights, controlPointTolerance,
                        knotTolerance);
    degree = nurbsDegree;
    hasFitData = spline.hasFitData() != Adesk::kFalse;
    if (!hasFitData)
        return;
    int degreeOfFit = 0;
    spline.getFitData(fitPoints, degreeOfFit, fitTolerance, tangentsExist, startTangent, endTangent);
    fitDegree = degreeOfFit;
}

void GSplineData::applyAll(AcDbSpline& spline) const
{
    spline.setNurbsData(degree, rational, closed, periodic, controlPoints, knots, weights, controlPointTolerance,
                        knotTolerance);
    if (hasFitData)
        spline.setFitData(fitPoints, fitDegree, fitTolerance, startTangent, endTangent);
}

Acad::ErrorStatus GSplineData::record(AcDbSpline* spline)
{
    recordCurve(spline);
    recordAll(*spline);
    return Acad::eOk;
}

Acad::ErrorStatus GSplineData::apply(AcDbSpline* spline)
{
    applyCurve(spline);
    applyAll(*spline);
    return Acad::eOk;
}

Acad::ErrorStatus GSplineData::write(AcDbSpline* spline, AcDbDwgFiler* filer)
{
    recordAll(*spline);
    Acad::ErrorStatus es = writeCurveVersion(filer);
    if (es == Acad::eOk)
        es = filer->writeUInt32(version);
    if (es == Acad::eOk)
        es = records::writeFields<AcDbSpline, R>(nurbsFields(), *this, *spline, filer);
    if (es == Acad::eOk && hasFitData)
        es = records::writeFields<AcDbSpline, R>(fitFields(), *this, *spline, filer);
    return es;
}

Acad::ErrorStatus GSplineData::read(AcDbSpline* spline, AcDbDwgFiler* filer)
{
    if (const Acad::ErrorStatus es = readCurveVersion(filer); es != Acad::eOk)
        return es;
    if (const Acad::ErrorStatus es = records::readVersion(filer, version, kVersion); es != Acad::eOk)
        return es;
    constexpr records::ReadApply kLater = records::ReadApply::Never;
    Acad::ErrorStatus es = records::readFields<AcDbSpline, R>(nurbsFields(), *this, *spline, filer, kLater);
    if (es == Acad::eOk && hasFitData)
        es = records::readFields<AcDbSpline, R>(fitFields(), *this, *spline, filer, kLater);
    if (es != Acad::eOk)
        return es;
    applyAll(*spline);
    return Acad::eOk;
}
