// The record of a spline: its NURBS definition and, when it has them, its fit data. The tangents-exist
// flag of the fit data is carried but not passed back to the spline.
#pragma once

#include "GCurveData.h"
#include "RecordFields.h"
#include "dbspline.h"

class GSplineData : public GCurveData {
public:
    using Spec = records::FieldSpec<AcDbSpline, GSplineData>;
    static constexpr Adesk::UInt32 kVersion = 1;

    virtual Acad::ErrorStatus record(AcDbSpline* spline);
    virtual Acad::ErrorStatus apply(AcDbSpline* spline);
    virtual Acad::ErrorStatus write(AcDbSpline* spline, AcDbDwgFiler* filer);
    virtual Acad::ErrorStatus read(AcDbSpline* spline, AcDbDwgFiler* filer);

    Adesk::Int32 degree = 0;
    Adesk::Boolean rational = Adesk::kFalse;
    Adesk::Boolean closed = Adesk::kFalse;
    Adesk::Boolean periodic = Adesk::kFalse;
    AcGePoint3dArray controlPoints;
    AcGeDoubleArray knots;
    AcGeDoubleArray weights;
    double controlPointTolerance = 0.0;
    double knotTolerance = 0.0;
    bool hasFitData = false;
    AcGePoint3dArray fitPoints;
    Adesk::Int32 fitDegree = 0;
    double fitTolerance = 0.0;
    Adesk::Boolean tangentsExist = Adesk::kFalse;
    AcGeVector3d startTangent;
    AcGeVector3d endTangent;
    Adesk::UInt32 version = 1;

private:
    static std::span<const Spec> nurbsFields();
    static std::span<const Spec> fitFields();
    void recordAll(const AcDbSpline& spline);
    void applyAll(AcDbSpline& spline) const;
};
