// The 26 wrapper entity classes: the wrapped host class, the class name and the DXF name of each.
#pragma once

#include "GEntityWrapper.h"

#include "dbblkref.h"
#include "dbdim.h"
#include "dbelipse.h"
#include "dbents.h"
#include "dbhatch.h"
#include "dblead.h"
#include "dbmline.h"
#include "dbmtext.h"
#include "dbpl.h"
#include "dbray.h"
#include "dbspline.h"
#include "dbtext.h"
#include "dbxline.h"

using AcDbPointEx = GEntityWrapper<AcDbPoint, L"AcDbPointEx", L"GPOINTEXA">;
using AcDbLineEx = GEntityWrapper<AcDbLine, L"AcDbLineEx", L"GLINEEXA">;
using AcDbTextEx = GEntityWrapper<AcDbText, L"AcDbTextEx", L"GTEXTEXA">;
using AcDbMTextEx = GEntityWrapper<AcDbMText, L"AcDbMTextEx", L"GMTEXTEXA">;
using AcDbHatchEx = GEntityWrapper<AcDbHatch, L"AcDbHatchEx", L"GHATCHEXA">;
using AcDbBlockReferenceEx = GEntityWrapper<AcDbBlockReference, L"AcDbBlockReferenceEx", L"GBLOCKREFERENCEEXA">;
using AcDbMlineEx = GEntityWrapper<AcDbMline, L"AcDbMlineEx", L"GMLINEEXA">;
using AcDbArcEx = GEntityWrapper<AcDbArc, L"AcDbArcEx", L"GARCEXA">;
using AcDbCircleEx = GEntityWrapper<AcDbCircle, L"AcDbCircleEx", L"GCIRCLEEXA">;
using AcDbEllipseEx = GEntityWrapper<AcDbEllipse, L"AcDbEllipseEx", L"GELLIPSEEXA">;
using AcDbLeaderEx = GEntityWrapper<AcDbLeader, L"AcDbLeaderEx", L"GLEADEREXA">;
using AcDbPolylineEx = GEntityWrapper<AcDbPolyline, L"AcDbPolylineEx", L"GPOLYLINEEXA">;
using AcDbRayEx = GEntityWrapper<AcDbRay, L"AcDbRayEx", L"GRAYEXA">;
using AcDbSplineEx = GEntityWrapper<AcDbSpline, L"AcDbSplineEx", L"GSPLINEEXA">;
using AcDbXlineEx = GEntityWrapper<AcDbXline, L"AcDbXlineEx", L"GXLINEEXA">;
using AcDbOrdinateDimensionEx =
    GEntityWrapper<AcDbOrdinateDimension, L"AcDbOrdinateDimensionEx", L"GORDINATEDIMENSIONA">;
using AcDb2LineAngularDimensionEx =
    GEntityWrapper<AcDb2LineAngularDimension, L"AcDb2LineAngularDimensionEx", L"G2LINEANGULARDIMENSIONA">;
using AcDb3PointAngularDimensionEx =
    GEntityWrapper<AcDb3PointAngularDimension, L"AcDb3PointAngularDimensionEx", L"G3POINTANGULARDIMENSIONA">;
using AcDbAlignedDimensionEx = GEntityWrapper<AcDbAlignedDimension, L"AcDbAlignedDimensionEx", L"GALIGNEDDIMENSIONA">;
using AcDbDiametricDimensionEx =
    GEntityWrapper<AcDbDiametricDimension, L"AcDbDiametricDimensionEx", L"GDIAMETRICDIMENSIONA">;
using AcDbRadialDimensionEx = GEntityWrapper<AcDbRadialDimension, L"AcDbRadialDimensionEx", L"GRADIALDIMENSIONA">;
using AcDbRotatedDimensionEx = GEntityWrapper<AcDbRotatedDimension, L"AcDbRotatedDimensionEx", L"GROTATEDDIMENSIONA">;
using AcDbTraceEx = GEntityWrapper<AcDbTrace, L"AcDbTraceEx", L"GTRACEA">;
using AcDbSolidEx = GEntityWrapper<AcDbSolid, L"AcDbSolidEx", L"GSOLIDA">;
using AcDb2dPolylineEx = GEntityWrapper<AcDb2dPolyline, L"AcDb2dPolylineEx", L"G2DPOLYLINEA">;
using AcDb3dPolylineEx = GEntityWrapper<AcDb3dPolyline, L"AcDb3dPolylineEx", L"G3DPOLYLINEA">;
