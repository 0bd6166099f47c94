// The run-time classes of the host, registered when libcadhost is loaded.
//
// One line per class, parents before children: HOST_CLASS defines the class's desc(), isA() and
// rxInit() and registers the class at once, and within this file registrations run in line order.
// Add the header of a new class to the includes and its line to the list below its parent.
#include "dbblkref.h"
#include "dbcurve.h"
#include "dbdict.h"
#include "dbdim.h"
#include "dbdimstyle.h"
#include "dbdxfentity.h"
#include "dbelipse.h"
#include "dbents.h"
#include "dbface.h"
#include "dbfcf.h"
#include "dbhatch.h"
#include "dblayout.h"
#include "dblead.h"
#include "dbmleader.h"
#include "dbmline.h"
#include "dbmtext.h"
#include "dbobjit.h"
#include "dbpl.h"
#include "dbproxy.h"
#include "dbray.h"
#include "dbregion.h"
#include "dbsol3d.h"
#include "dbspline.h"
#include "dbsymtb.h"
#include "dbtable.h"
#include "dbtext.h"
#include "dbviewport.h"
#include "dbwipeout.h"
#include "dbxline.h"
#include "drawable.h"
#include "imgdef.h"
#include "imgent.h"
#include "sorttab.h"

#define HOST_CLASS(CLASS_NAME, PARENT_NAME, DXF_NAME, CONSTRUCTOR)                                                     \
    ACRX_HOST_DEFINE_MEMBERS(CLASS_NAME, PARENT_NAME, DXF_NAME, CONSTRUCTOR)                                           \
    [[maybe_unused]] static const bool CLASS_NAME##Registered = (CLASS_NAME::rxInit(), true);

// clang-format off

// ---- Graphics, filers, the database ----
HOST_CLASS(AcGiDrawable, AcRxObject, nullptr, ACRX_ABSTRACT)
HOST_CLASS(AcDbDwgFiler, AcRxObject, nullptr, ACRX_ABSTRACT)
HOST_CLASS(AcDbDatabase, AcRxObject, nullptr, ACRX_ABSTRACT)

// ---- Objects ----
HOST_CLASS(AcDbObject, AcGiDrawable, nullptr, ACRX_ABSTRACT)
HOST_CLASS(AcDbDictionary, AcDbObject, ACRX_T("DICTIONARY"), ACRX_CONCRETE(AcDbDictionary))
HOST_CLASS(AcDbLayout, AcDbObject, ACRX_T("LAYOUT"), ACRX_CONCRETE(AcDbLayout))
HOST_CLASS(AcDbSortentsTable, AcDbObject, ACRX_T("SORTENTSTABLE"), ACRX_CONCRETE(AcDbSortentsTable))
HOST_CLASS(AcDbProxyObject, AcDbObject, ACRX_T("ACAD_PROXY_OBJECT"), ACRX_CONCRETE(AcDbProxyObject))

// ---- Symbol tables and records ----
HOST_CLASS(AcDbSymbolTable, AcDbObject, nullptr, ACRX_ABSTRACT)
HOST_CLASS(AcDbBlockTable, AcDbSymbolTable, ACRX_T("BLOCK_TABLE"), ACRX_CONCRETE(AcDbBlockTable))
HOST_CLASS(AcDbLayerTable, AcDbSymbolTable, ACRX_T("LAYER_TABLE"), ACRX_CONCRETE(AcDbLayerTable))
HOST_CLASS(AcDbLinetypeTable, AcDbSymbolTable, ACRX_T("LTYPE_TABLE"), ACRX_CONCRETE(AcDbLinetypeTable))
HOST_CLASS(AcDbTextStyleTable, AcDbSymbolTable, ACRX_T("STYLE_TABLE"), ACRX_CONCRETE(AcDbTextStyleTable))
HOST_CLASS(AcDbDimStyleTable, AcDbSymbolTable, ACRX_T("DIMSTYLE_TABLE"), ACRX_CONCRETE(AcDbDimStyleTable))
HOST_CLASS(AcDbRegAppTable, AcDbSymbolTable, ACRX_T("APPID_TABLE"), ACRX_CONCRETE(AcDbRegAppTable))
HOST_CLASS(AcDbSymbolTableRecord, AcDbObject, nullptr, ACRX_ABSTRACT)
HOST_CLASS(AcDbBlockTableRecord, AcDbSymbolTableRecord, ACRX_T("BLOCK_RECORD"), ACRX_CONCRETE(AcDbBlockTableRecord))
HOST_CLASS(AcDbLayerTableRecord, AcDbSymbolTableRecord, ACRX_T("LAYER"), ACRX_CONCRETE(AcDbLayerTableRecord))
HOST_CLASS(AcDbLinetypeTableRecord, AcDbSymbolTableRecord, ACRX_T("LTYPE"), ACRX_CONCRETE(AcDbLinetypeTableRecord))
HOST_CLASS(AcDbTextStyleTableRecord, AcDbSymbolTableRecord, ACRX_T("STYLE"), ACRX_CONCRETE(AcDbTextStyleTableRecord))
HOST_CLASS(AcDbRegAppTableRecord, AcDbSymbolTableRecord, ACRX_T("APPID"), ACRX_CONCRETE(AcDbRegAppTableRecord))

// ---- Entities ----
HOST_CLASS(AcDbEntity, AcDbObject, nullptr, ACRX_ABSTRACT)
HOST_CLASS(AcDbProxyEntity, AcDbEntity, ACRX_T("ACAD_PROXY_ENTITY"), ACRX_CONCRETE(AcDbProxyEntity))
HOST_CLASS(AcDbDxfEntity, AcDbEntity, ACRX_T("CADHOST_DXF_ENTITY"), ACRX_CONCRETE(AcDbDxfEntity))
HOST_CLASS(AcDbCurve, AcDbEntity, nullptr, ACRX_ABSTRACT)
HOST_CLASS(AcDbObjectIterator, AcRxObject, nullptr, ACRX_ABSTRACT)
HOST_CLASS(AcDbPoint, AcDbEntity, ACRX_T("POINT"), ACRX_CONCRETE(AcDbPoint))
HOST_CLASS(AcDbSolid, AcDbEntity, ACRX_T("SOLID"), ACRX_CONCRETE(AcDbSolid))
HOST_CLASS(AcDbTrace, AcDbEntity, ACRX_T("TRACE"), ACRX_CONCRETE(AcDbTrace))
HOST_CLASS(AcDbFace, AcDbEntity, ACRX_T("3DFACE"), ACRX_CONCRETE(AcDbFace))
HOST_CLASS(AcDbMLeader, AcDbEntity, ACRX_T("MULTILEADER"), ACRX_CONCRETE(AcDbMLeader))
HOST_CLASS(AcDbFcf, AcDbEntity, ACRX_T("TOLERANCE"), ACRX_CONCRETE(AcDbFcf))
HOST_CLASS(AcDbVertex, AcDbEntity, ACRX_T("VERTEX"), ACRX_ABSTRACT)
HOST_CLASS(AcDb2dVertex, AcDbVertex, ACRX_T("VERTEX"), ACRX_CONCRETE(AcDb2dVertex))
HOST_CLASS(AcDb3dPolylineVertex, AcDbVertex, ACRX_T("VERTEX"), ACRX_CONCRETE(AcDb3dPolylineVertex))
HOST_CLASS(AcDbLine, AcDbCurve, ACRX_T("LINE"), ACRX_CONCRETE(AcDbLine))
HOST_CLASS(AcDbArc, AcDbCurve, ACRX_T("ARC"), ACRX_CONCRETE(AcDbArc))
HOST_CLASS(AcDbCircle, AcDbCurve, ACRX_T("CIRCLE"), ACRX_CONCRETE(AcDbCircle))
HOST_CLASS(AcDbEllipse, AcDbCurve, ACRX_T("ELLIPSE"), ACRX_CONCRETE(AcDbEllipse))
HOST_CLASS(AcDbSpline, AcDbCurve, ACRX_T("SPLINE"), ACRX_CONCRETE(AcDbSpline))
HOST_CLASS(AcDbRay, AcDbCurve, ACRX_T("RAY"), ACRX_CONCRETE(AcDbRay))
HOST_CLASS(AcDbXline, AcDbCurve, ACRX_T("XLINE"), ACRX_CONCRETE(AcDbXline))
HOST_CLASS(AcDbPolyline, AcDbCurve, ACRX_T("LWPOLYLINE"), ACRX_CONCRETE(AcDbPolyline))
HOST_CLASS(AcDb2dPolyline, AcDbCurve, ACRX_T("POLYLINE"), ACRX_CONCRETE(AcDb2dPolyline))
HOST_CLASS(AcDb3dPolyline, AcDbCurve, ACRX_T("POLYLINE"), ACRX_CONCRETE(AcDb3dPolyline))
HOST_CLASS(AcDbLeader, AcDbCurve, ACRX_T("LEADER"), ACRX_CONCRETE(AcDbLeader))

// ---- Annotation and composite entities, their styles and definitions ----
HOST_CLASS(AcDbDimStyleTableRecord, AcDbSymbolTableRecord, ACRX_T("DIMSTYLE"), ACRX_CONCRETE(AcDbDimStyleTableRecord))
HOST_CLASS(AcDbMlineStyle, AcDbObject, ACRX_T("MLINESTYLE"), ACRX_CONCRETE(AcDbMlineStyle))
HOST_CLASS(AcDbRasterImageDef, AcDbObject, ACRX_T("IMAGEDEF"), ACRX_CONCRETE(AcDbRasterImageDef))
HOST_CLASS(AcDbText, AcDbEntity, ACRX_T("TEXT"), ACRX_CONCRETE(AcDbText))
HOST_CLASS(AcDbAttributeDefinition, AcDbText, ACRX_T("ATTDEF"), ACRX_CONCRETE(AcDbAttributeDefinition))
HOST_CLASS(AcDbAttribute, AcDbText, ACRX_T("ATTRIB"), ACRX_CONCRETE(AcDbAttribute))
HOST_CLASS(AcDbMText, AcDbEntity, ACRX_T("MTEXT"), ACRX_CONCRETE(AcDbMText))
HOST_CLASS(AcDbHatch, AcDbEntity, ACRX_T("HATCH"), ACRX_CONCRETE(AcDbHatch))
HOST_CLASS(AcDbBlockReference, AcDbEntity, ACRX_T("INSERT"), ACRX_CONCRETE(AcDbBlockReference))
HOST_CLASS(AcDbMInsertBlock, AcDbBlockReference, ACRX_T("INSERT"), ACRX_CONCRETE(AcDbMInsertBlock))
HOST_CLASS(AcDbTable, AcDbBlockReference, ACRX_T("ACAD_TABLE"), ACRX_CONCRETE(AcDbTable))
HOST_CLASS(AcDbDimension, AcDbEntity, ACRX_T("DIMENSION"), ACRX_ABSTRACT)
HOST_CLASS(AcDbRotatedDimension, AcDbDimension, ACRX_T("DIMENSION"), ACRX_CONCRETE(AcDbRotatedDimension))
HOST_CLASS(AcDbAlignedDimension, AcDbDimension, ACRX_T("DIMENSION"), ACRX_CONCRETE(AcDbAlignedDimension))
HOST_CLASS(AcDb3PointAngularDimension, AcDbDimension, ACRX_T("DIMENSION"), ACRX_CONCRETE(AcDb3PointAngularDimension))
HOST_CLASS(AcDb2LineAngularDimension, AcDbDimension, ACRX_T("DIMENSION"), ACRX_CONCRETE(AcDb2LineAngularDimension))
HOST_CLASS(AcDbRadialDimension, AcDbDimension, ACRX_T("DIMENSION"), ACRX_CONCRETE(AcDbRadialDimension))
HOST_CLASS(AcDbDiametricDimension, AcDbDimension, ACRX_T("DIMENSION"), ACRX_CONCRETE(AcDbDiametricDimension))
HOST_CLASS(AcDbOrdinateDimension, AcDbDimension, ACRX_T("DIMENSION"), ACRX_CONCRETE(AcDbOrdinateDimension))
HOST_CLASS(AcDbArcDimension, AcDbDimension, ACRX_T("ARC_DIMENSION"), ACRX_CONCRETE(AcDbArcDimension))
HOST_CLASS(AcDbRadialDimensionLarge, AcDbDimension, ACRX_T("LARGE_RADIAL_DIMENSION"), ACRX_CONCRETE(AcDbRadialDimensionLarge))
HOST_CLASS(AcDbMline, AcDbEntity, ACRX_T("MLINE"), ACRX_CONCRETE(AcDbMline))
HOST_CLASS(AcDbRasterImage, AcDbEntity, ACRX_T("IMAGE"), ACRX_CONCRETE(AcDbRasterImage))
HOST_CLASS(AcDbWipeout, AcDbRasterImage, ACRX_T("WIPEOUT"), ACRX_CONCRETE(AcDbWipeout))
HOST_CLASS(AcDbViewport, AcDbEntity, ACRX_T("VIEWPORT"), ACRX_CONCRETE(AcDbViewport))
HOST_CLASS(AcDb3dSolid, AcDbEntity, ACRX_T("3DSOLID"), ACRX_CONCRETE(AcDb3dSolid))
HOST_CLASS(AcDbRegion, AcDbEntity, ACRX_T("REGION"), ACRX_CONCRETE(AcDbRegion))

// clang-format on
