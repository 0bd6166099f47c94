// Database objects, entities and the database itself.
#pragma once

#include "acdb.h"
#include "acutads.h"
#include "dbcolor.h"
#include "dbextents.h"
#include "dbfiler.h"
#include "dbid.h"
#include "dbidmap.h"
#include "drawable.h"
#include "gemat3d.h"
#include "gepnt3d.h"
#include "gevec3d.h"

#include <memory>

class AcDbDatabase;
class AcDbDxfFiler;
class AcDbDictionary;
class AcDbBlockTable;
class AcDbLayerTable;
class AcDbLinetypeTable;
class AcDbTextStyleTable;
class AcDbDimStyleTable;
class AcDbRegAppTable;
class AcDbSymbolTable;
class AcDbImpObject;
struct SecurityParams;
namespace cadhost {
class FieldIo;
}

using AcGePoint3dArray = AcArray<AcGePoint3d>;

// Every object of a database. Once an object is in a database it is opened and closed, never
// deleted by its users; before that, its creator owns it.
class CADHOST_EXPORT AcDbObject : public AcGiDrawable {
public:
    ACRX_DECLARE_MEMBERS(AcDbObject);
    AcDbObject();
    ~AcDbObject() override;
    AcDbObject(const AcDbObject&) = delete;
    AcDbObject& operator=(const AcDbObject&) = delete;

    AcDbObjectId objectId() const;
    AcDbObjectId ownerId() const;
    virtual Acad::ErrorStatus setOwnerId(AcDbObjectId ownerId);
    AcDbHandle getAcDbHandle() const;
    void getAcDbHandle(AcDbHandle& handle) const { handle = getAcDbHandle(); }
    AcDbDatabase* database() const;

    // Open state.
    Acad::ErrorStatus close();
    Acad::ErrorStatus upgradeOpen();
    Acad::ErrorStatus downgradeOpen();
    Acad::ErrorStatus cancel();
    bool isReadEnabled() const;
    bool isWriteEnabled() const;
    bool isNotifyEnabled() const { return false; }
    bool isNewObject() const;
    // Where the host would stop, cadhost records the fault (acdbAssertFaults) and goes on.
    void assertReadEnabled() const;
    void assertWriteEnabled(bool autoUndo = true, bool recordModified = true);

    Acad::ErrorStatus erase(Adesk::Boolean erasing = true);
    bool isErased() const;

    // Extended data: all applications for a null name, else the named application's items.
    // The caller releases the returned chain with acutRelRb.
    virtual resbuf* xData(const ACHAR* regappName = nullptr) const;
    virtual Acad::ErrorStatus setXData(const resbuf* xdata);

    AcDbObjectId extensionDictionary() const;
    Acad::ErrorStatus createExtensionDictionary();

    // Filing. The base writes and reads nothing of its own: the drawing file keeps handle,
    // owner, extended data and extension dictionary beside each object's own fields.
    virtual Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer);
    virtual Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const;
    virtual Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer);
    virtual Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const;

    Acad::ErrorStatus deepClone(AcDbObject* owner, AcDbObject*& clone, AcDbIdMapping& mapping,
                                Adesk::Boolean isPrimary = true) const
    {
        return subDeepClone(owner, clone, mapping, isPrimary);
    }
    Acad::ErrorStatus wblockClone(AcRxObject* owner, AcDbObject*& clone, AcDbIdMapping& mapping,
                                  Adesk::Boolean isPrimary = true) const
    {
        return subWblockClone(owner, clone, mapping, isPrimary);
    }

    // Internal state of the database layer; not part of the host API.
    AcDbImpObject* imp() const { return m_imp.get(); }

protected:
    // Default cloning files the object out and into a new object of the same class.
    virtual Acad::ErrorStatus subDeepClone(AcDbObject* owner, AcDbObject*& clone, AcDbIdMapping& mapping,
                                           Adesk::Boolean isPrimary) const;
    virtual Acad::ErrorStatus subWblockClone(AcRxObject* owner, AcDbObject*& clone, AcDbIdMapping& mapping,
                                             Adesk::Boolean isPrimary) const;
    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override;
    void subViewportDraw(AcGiViewportDraw* viewportDraw) override;
    Adesk::UInt32 subSetAttributes(AcGiDrawableTraits* traits) override;

private:
    std::unique_ptr<AcDbImpObject> m_imp;
};

// An object that a block table record owns and that can be drawn.
class CADHOST_EXPORT AcDbEntity : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbEntity);
    AcDbEntity() = default;

    AcDbObjectId blockId() const { return ownerId(); }

    AcCmColor color() const;
    virtual Acad::ErrorStatus setColor(const AcCmColor& color, Adesk::Boolean doSubents = true,
                                       AcDbDatabase* database = nullptr);
    Adesk::UInt16 colorIndex() const;
    virtual Acad::ErrorStatus setColorIndex(Adesk::UInt16 colorIndex, Adesk::Boolean doSubents = true);

    // Name getters return a copy made with acutNewString; release it with acutDelString.
    ACHAR* layer() const;
    AcDbObjectId layerId() const;
    virtual Acad::ErrorStatus setLayer(const ACHAR* layerName, Adesk::Boolean doSubents = true,
                                       bool allowHiddenLayer = false);
    virtual Acad::ErrorStatus setLayer(AcDbObjectId layerId, Adesk::Boolean doSubents = true,
                                       bool allowHiddenLayer = false);

    ACHAR* linetype() const;
    AcDbObjectId linetypeId() const;
    virtual Acad::ErrorStatus setLinetype(const ACHAR* linetypeName, Adesk::Boolean doSubents = true);
    virtual Acad::ErrorStatus setLinetype(AcDbObjectId linetypeId, Adesk::Boolean doSubents = true);

    double linetypeScale() const;
    virtual Acad::ErrorStatus setLinetypeScale(double scale, Adesk::Boolean doSubents = true);

    AcDb::LineWeight lineWeight() const;
    virtual Acad::ErrorStatus setLineWeight(AcDb::LineWeight lineWeight, Adesk::Boolean doSubents = true);

    AcDb::Visibility visibility() const;
    virtual Acad::ErrorStatus setVisibility(AcDb::Visibility visibility, Adesk::Boolean doSubents = true);

    AcDbObjectId materialId() const;
    virtual Acad::ErrorStatus setMaterial(AcDbObjectId materialId, Adesk::Boolean doSubents = true);
    virtual Acad::ErrorStatus setMaterial(const ACHAR* materialName, Adesk::Boolean doSubents = true);

    AcCmTransparency transparency() const;
    virtual Acad::ErrorStatus setTransparency(const AcCmTransparency& transparency, Adesk::Boolean doSubents = true);

    bool castShadows() const;
    void setCastShadows(bool castShadows);
    bool receiveShadows() const;
    void setReceiveShadows(bool receiveShadows);

    Acad::ErrorStatus setPropertiesFrom(const AcDbEntity* other, Adesk::Boolean doSubents = true);
    // Colour, layer, linetype, linetype scale and lineweight from the database's current settings.
    void setDatabaseDefaults();
    void setDatabaseDefaults(AcDbDatabase* database);

    // Geometry, through the protected sub-operations that subclasses override.
    void list() const { subList(); }
    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const { return subGetGeomExtents(extents); }
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& transform) { return subTransformBy(transform); }
    Acad::ErrorStatus getTransformedCopy(const AcGeMatrix3d& transform, AcDbEntity*& copy) const
    {
        return subGetTransformedCopy(transform, copy);
    }
    // The pieces are new entities, not in any database, owned by the caller.
    Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const { return subExplode(entitySet); }
    Acad::ErrorStatus getGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray& osnapModes, AcDbIntArray& geomIds) const
    {
        return subGetGripPoints(gripPoints, osnapModes, geomIds);
    }
    Acad::ErrorStatus moveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset)
    {
        return subMoveGripPointsAt(indices, offset);
    }
    Acad::ErrorStatus getStretchPoints(AcGePoint3dArray& stretchPoints) const
    {
        return subGetStretchPoints(stretchPoints);
    }
    Acad::ErrorStatus moveStretchPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset)
    {
        return subMoveStretchPointsAt(indices, offset);
    }
    Acad::ErrorStatus getOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker gsSelectionMark,
                                     const AcGePoint3d& pickPoint, const AcGePoint3d& lastPoint,
                                     const AcGeMatrix3d& viewTransform, AcGePoint3dArray& snapPoints,
                                     AcDbIntArray& geomIds) const
    {
        return subGetOsnapPoints(osnapMode, gsSelectionMark, pickPoint, lastPoint, viewTransform, snapPoints, geomIds);
    }

    // Common entity data: colour, layer, linetype, linetype scale, lineweight, visibility,
    // material, transparency and the shadow flags.
    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    virtual void subList() const;
    virtual Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const;
    virtual Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& transform);
    virtual Acad::ErrorStatus subGetTransformedCopy(const AcGeMatrix3d& transform, AcDbEntity*& copy) const;
    virtual Acad::ErrorStatus subExplode(AcDbVoidPtrArray& entitySet) const;
    virtual Acad::ErrorStatus subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray& osnapModes,
                                               AcDbIntArray& geomIds) const;
    virtual Acad::ErrorStatus subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset);
    virtual Acad::ErrorStatus subGetStretchPoints(AcGePoint3dArray& stretchPoints) const;
    virtual Acad::ErrorStatus subMoveStretchPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset);
    virtual Acad::ErrorStatus subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker gsSelectionMark,
                                                const AcGePoint3d& pickPoint, const AcGePoint3d& lastPoint,
                                                const AcGeMatrix3d& viewTransform, AcGePoint3dArray& snapPoints,
                                                AcDbIntArray& geomIds) const;
    Adesk::UInt32 subSetAttributes(AcGiDrawableTraits* traits) override;

private:
    void fileFields(cadhost::FieldIo& io);

    AcCmColor m_color;
    AcDbObjectId m_layerId;
    AcDbObjectId m_linetypeId;
    AcDbObjectId m_materialId;
    double m_linetypeScale = 1.0;
    AcDb::LineWeight m_lineWeight = AcDb::kLnWtByLayer;
    AcDb::Visibility m_visibility = AcDb::kVisible;
    AcCmTransparency m_transparency;
    bool m_castShadows = true;
    bool m_receiveShadows = true;
};

// Opening by id. The typed form answers eNotThatKindOfClass when the object is of another class.
CADHOST_EXPORT Acad::ErrorStatus acdbOpenObject(AcDbObject*& object, AcDbObjectId id, AcDb::OpenMode mode,
                                                bool openErased = false);
CADHOST_EXPORT Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& object, AcDbObjectId id, AcDb::OpenMode mode,
                                                    bool openErased = false);
CADHOST_EXPORT Acad::ErrorStatus acdbOpenAcDbEntity(AcDbEntity*& entity, AcDbObjectId id, AcDb::OpenMode mode,
                                                    bool openErased = false);

template <class T>
Acad::ErrorStatus acdbOpenObject(T*& object, AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false)
{
    object = nullptr;
    AcDbObject* opened = nullptr;
    Acad::ErrorStatus status = acdbOpenObject(opened, id, mode, openErased);
    if (status != Acad::eOk)
        return status;
    object = T::cast(opened);
    if (object == nullptr) {
        opened->close();
        return Acad::eNotThatKindOfClass;
    }
    return Acad::eOk;
}

// Faults of assertReadEnabled (eNotOpenForRead) and assertWriteEnabled (eNotOpenForWrite) since the
// last reset: their number and the last status.
struct AcDbAssertFaults {
    int count = 0;
    Acad::ErrorStatus lastStatus = Acad::eOk;
};
CADHOST_EXPORT AcDbAssertFaults acdbAssertFaults();
CADHOST_EXPORT void acdbResetAssertFaults();

// Sets or clears the modified flag of a database.
CADHOST_EXPORT Acad::ErrorStatus acdbSetDbmod(AcDbDatabase* database, int value);

class AcDbImpDatabase;
class AcDbSortentsTable;

// A drawing: its objects, symbol tables, named-object dictionary and header variables.
class CADHOST_EXPORT AcDbDatabase : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbDatabase);
    // With buildDefaultDrawing, the standard tables and records exist: model space and one
    // paper-space layout, layer "0", linetypes Continuous, ByLayer and ByBlock, text style
    // Standard, dimension style Standard, registered application ACAD, the layout dictionary.
    explicit AcDbDatabase(bool buildDefaultDrawing = true, bool noDocument = false);
    ~AcDbDatabase() override;
    AcDbDatabase(const AcDbDatabase&) = delete;
    AcDbDatabase& operator=(const AcDbDatabase&) = delete;

    // Adds a non-entity object (entities are appended to block table records instead).
    Acad::ErrorStatus addAcDbObject(AcDbObjectId& id, AcDbObject* object);
    Acad::ErrorStatus addAcDbObject(AcDbObject* object);
    Acad::ErrorStatus getAcDbObjectId(AcDbObjectId& id, bool createIfNotFound, const AcDbHandle& handle,
                                      Adesk::UInt32 xRefId = 0);

    Acad::ErrorStatus getBlockTable(AcDbBlockTable*& table, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getLayerTable(AcDbLayerTable*& table, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getLinetypeTable(AcDbLinetypeTable*& table, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getTextStyleTable(AcDbTextStyleTable*& table, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getDimStyleTable(AcDbDimStyleTable*& table, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getRegAppTable(AcDbRegAppTable*& table, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getSymbolTable(AcDbBlockTable*& table, AcDb::OpenMode mode = AcDb::kForRead)
    {
        return getBlockTable(table, mode);
    }
    Acad::ErrorStatus getSymbolTable(AcDbLayerTable*& table, AcDb::OpenMode mode = AcDb::kForRead)
    {
        return getLayerTable(table, mode);
    }
    Acad::ErrorStatus getSymbolTable(AcDbLinetypeTable*& table, AcDb::OpenMode mode = AcDb::kForRead)
    {
        return getLinetypeTable(table, mode);
    }
    Acad::ErrorStatus getSymbolTable(AcDbTextStyleTable*& table, AcDb::OpenMode mode = AcDb::kForRead)
    {
        return getTextStyleTable(table, mode);
    }
    Acad::ErrorStatus getSymbolTable(AcDbDimStyleTable*& table, AcDb::OpenMode mode = AcDb::kForRead)
    {
        return getDimStyleTable(table, mode);
    }
    Acad::ErrorStatus getSymbolTable(AcDbRegAppTable*& table, AcDb::OpenMode mode = AcDb::kForRead)
    {
        return getRegAppTable(table, mode);
    }
    Acad::ErrorStatus getNamedObjectsDictionary(AcDbDictionary*& dictionary, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getLayoutDictionary(AcDbDictionary*& dictionary, AcDb::OpenMode mode = AcDb::kForRead);

    AcDbObjectId blockTableId() const;
    AcDbObjectId layerTableId() const;
    AcDbObjectId linetypeTableId() const;
    AcDbObjectId textStyleTableId() const;
    AcDbObjectId dimStyleTableId() const;
    AcDbObjectId regAppTableId() const;
    AcDbObjectId namedObjectsDictionaryId() const;
    AcDbObjectId modelSpaceId() const;
    AcDbObjectId paperSpaceId() const;
    AcDbObjectId currentSpaceId() const;
    AcDbObjectId layerZero() const;
    AcDbObjectId continuousLinetype() const;
    AcDbObjectId byLayerLinetype() const;
    AcDbObjectId byBlockLinetype() const;

    // Header variables that new entities take (setDatabaseDefaults) and that drawing code reads.
    AcDbObjectId clayer() const;
    Acad::ErrorStatus setClayer(AcDbObjectId layerId);
    AcDbObjectId celtype() const;
    Acad::ErrorStatus setCeltype(AcDbObjectId linetypeId);
    AcCmColor cecolor() const;
    Acad::ErrorStatus setCecolor(const AcCmColor& color);
    double celtscale() const;
    Acad::ErrorStatus setCeltscale(double scale);
    AcDb::LineWeight celweight() const;
    Acad::ErrorStatus setCelweight(AcDb::LineWeight weight);
    AcDbObjectId textstyle() const;
    Acad::ErrorStatus setTextstyle(AcDbObjectId styleId);
    AcDbObjectId dimstyle() const;
    Acad::ErrorStatus setDimstyle(AcDbObjectId styleId);
    double textsize() const;
    Acad::ErrorStatus setTextsize(double size);
    bool tilemode() const;
    Acad::ErrorStatus setTilemode(bool tilemode);
    Adesk::Int16 saveproxygraphics() const;
    Acad::ErrorStatus setSaveproxygraphics(Adesk::Int16 value);
    AcDbHandle handseed() const;

    // The drawing file. saveAs writes beside the target and renames into place.
    Acad::ErrorStatus readDwgFile(const ACHAR* fileName);
    Acad::ErrorStatus saveAs(const ACHAR* fileName, bool bakAndRename = true,
                             AcDb::AcDbDwgVersion version = AcDb::kDHL_CURRENT,
                             const SecurityParams* security = nullptr);
    Acad::ErrorStatus save();
    AcDb::AcDbDwgVersion lastSavedAsVersion() const;
    AcDb::AcDbDwgVersion originalFileVersion() const;
    Acad::ErrorStatus getFilename(const ACHAR*& fileName) const;
    const ACHAR* originalFileName() const;
    bool isModified() const;

    Acad::ErrorStatus deepCloneObjects(const AcDbObjectIdArray& objectIds, const AcDbObjectId& owner,
                                       AcDbIdMapping& mapping, bool deferXlation = false);
    Acad::ErrorStatus wblockCloneObjects(const AcDbObjectIdArray& objectIds, const AcDbObjectId& owner,
                                         AcDbIdMapping& mapping, AcDb::DuplicateRecordCloning drc,
                                         bool deferXlation = false);

    // Internal state of the database layer; not part of the host API.
    AcDbImpDatabase* imp() const { return m_imp.get(); }

private:
    std::unique_ptr<AcDbImpDatabase> m_imp;
};
