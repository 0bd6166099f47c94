#include "FieldIo.h"
#include "acgi.h"
#include "dbapserv.h"
#include "dbimpdatabase.h"
#include "dbimpobject.h"
#include "dbsymtb.h"

namespace {
constexpr AcDb::LineWeight kLineWeights[] = {
    AcDb::kLnWt000,     AcDb::kLnWt005,     AcDb::kLnWt009,        AcDb::kLnWt013, AcDb::kLnWt015, AcDb::kLnWt018,
    AcDb::kLnWt020,     AcDb::kLnWt025,     AcDb::kLnWt030,        AcDb::kLnWt035, AcDb::kLnWt040, AcDb::kLnWt050,
    AcDb::kLnWt053,     AcDb::kLnWt060,     AcDb::kLnWt070,        AcDb::kLnWt080, AcDb::kLnWt090, AcDb::kLnWt100,
    AcDb::kLnWt106,     AcDb::kLnWt120,     AcDb::kLnWt140,        AcDb::kLnWt158, AcDb::kLnWt200, AcDb::kLnWt211,
    AcDb::kLnWtByLayer, AcDb::kLnWtByBlock, AcDb::kLnWtByLwDefault};

bool isLineWeight(Adesk::Int32 value)
{
    for (AcDb::LineWeight weight : kLineWeights) {
        if (weight == value)
            return true;
    }
    return false;
}

constexpr Adesk::UInt8 kCastShadows = 0x1;
constexpr Adesk::UInt8 kReceiveShadows = 0x2;

AcDbDatabase* databaseFor(const AcDbEntity* entity)
{
    AcDbDatabase* database = entity->database();
    return database != nullptr ? database : acdbHostApplicationServices()->workingDatabase();
}

// The record of a table of the entity's database, found by name or checked by id.
template <class TRecord> Acad::ErrorStatus findRecord(AcDbObjectId tableId, const ACHAR* name, AcDbObjectId& id)
{
    const AcDbSymbolTable* table = peekObject<AcDbSymbolTable>(tableId);
    if (table == nullptr || name == nullptr)
        return Acad::eKeyNotFound;
    return table->getAt(name, id);
}

template <class TRecord> Acad::ErrorStatus checkRecord(const AcDbEntity* entity, AcDbObjectId id)
{
    if (id.isNull())
        return Acad::eNullObjectId;
    if (peekObject<TRecord>(id) == nullptr || id.isErased())
        return Acad::eKeyNotFound;
    if (entity->database() != nullptr && id.database() != entity->database())
        return Acad::eWrongDatabase;
    return Acad::eOk;
}
} // namespace

AcCmColor AcDbEntity::color() const
{
    assertReadEnabled();
    return m_color;
}

Acad::ErrorStatus AcDbEntity::setColor(const AcCmColor& color, Adesk::Boolean, AcDbDatabase*)
{
    assertWriteEnabled();
    m_color = color;
    return Acad::eOk;
}

Adesk::UInt16 AcDbEntity::colorIndex() const
{
    assertReadEnabled();
    return m_color.colorIndex();
}

Acad::ErrorStatus AcDbEntity::setColorIndex(Adesk::UInt16 colorIndex, Adesk::Boolean)
{
    AcCmColor color;
    if (Acad::ErrorStatus status = color.setColorIndex(colorIndex); status != Acad::eOk)
        return status;
    assertWriteEnabled();
    m_color = color;
    return Acad::eOk;
}

ACHAR* AcDbEntity::layer() const
{
    assertReadEnabled();
    ACHAR* name = nullptr;
    if (const AcDbLayerTableRecord* record = peekObject<AcDbLayerTableRecord>(m_layerId))
        record->getName(name);
    else
        acutNewString(L"", name);
    return name;
}

AcDbObjectId AcDbEntity::layerId() const
{
    return m_layerId;
}

Acad::ErrorStatus AcDbEntity::setLayer(const ACHAR* layerName, Adesk::Boolean doSubents, bool allowHiddenLayer)
{
    AcDbDatabase* database = databaseFor(this);
    if (database == nullptr)
        return Acad::eNoDatabase;
    AcDbObjectId id;
    Acad::ErrorStatus status = findRecord<AcDbLayerTableRecord>(database->layerTableId(), layerName, id);
    if (status != Acad::eOk)
        return status;
    return setLayer(id, doSubents, allowHiddenLayer);
}

Acad::ErrorStatus AcDbEntity::setLayer(AcDbObjectId layerId, Adesk::Boolean, bool)
{
    if (Acad::ErrorStatus status = checkRecord<AcDbLayerTableRecord>(this, layerId); status != Acad::eOk)
        return status;
    assertWriteEnabled();
    m_layerId = layerId;
    return Acad::eOk;
}

ACHAR* AcDbEntity::linetype() const
{
    assertReadEnabled();
    ACHAR* name = nullptr;
    if (const AcDbLinetypeTableRecord* record = peekObject<AcDbLinetypeTableRecord>(m_linetypeId))
        record->getName(name);
    else
        acutNewString(L"", name);
    return name;
}

AcDbObjectId AcDbEntity::linetypeId() const
{
    return m_linetypeId;
}

Acad::ErrorStatus AcDbEntity::setLinetype(const ACHAR* linetypeName, Adesk::Boolean doSubents)
{
    AcDbDatabase* database = databaseFor(this);
    if (database == nullptr)
        return Acad::eNoDatabase;
    AcDbObjectId id;
    Acad::ErrorStatus status = findRecord<AcDbLinetypeTableRecord>(database->linetypeTableId(), linetypeName, id);
    if (status != Acad::eOk)
        return status;
    return setLinetype(id, doSubents);
}

Acad::ErrorStatus AcDbEntity::setLinetype(AcDbObjectId linetypeId, Adesk::Boolean)
{
    if (Acad::ErrorStatus status = checkRecord<AcDbLinetypeTableRecord>(this, linetypeId); status != Acad::eOk)
        return status;
    assertWriteEnabled();
    m_linetypeId = linetypeId;
    return Acad::eOk;
}

double AcDbEntity::linetypeScale() const
{
    assertReadEnabled();
    return m_linetypeScale;
}

Acad::ErrorStatus AcDbEntity::setLinetypeScale(double scale, Adesk::Boolean)
{
    if (!(scale > 0.0))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_linetypeScale = scale;
    return Acad::eOk;
}

AcDb::LineWeight AcDbEntity::lineWeight() const
{
    assertReadEnabled();
    return m_lineWeight;
}

Acad::ErrorStatus AcDbEntity::setLineWeight(AcDb::LineWeight lineWeight, Adesk::Boolean)
{
    if (!isLineWeight(lineWeight))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_lineWeight = lineWeight;
    return Acad::eOk;
}

AcDb::Visibility AcDbEntity::visibility() const
{
    assertReadEnabled();
    return m_visibility;
}

Acad::ErrorStatus AcDbEntity::setVisibility(AcDb::Visibility visibility, Adesk::Boolean)
{
    if (visibility != AcDb::kVisible && visibility != AcDb::kInvisible)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_visibility = visibility;
    return Acad::eOk;
}

AcDbObjectId AcDbEntity::materialId() const
{
    assertReadEnabled();
    return m_materialId;
}

Acad::ErrorStatus AcDbEntity::setMaterial(AcDbObjectId materialId, Adesk::Boolean)
{
    assertWriteEnabled();
    m_materialId = materialId;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setMaterial(const ACHAR*, Adesk::Boolean)
{
    // cadhost keeps no material library, so no name can be found.
    return Acad::eKeyNotFound;
}

AcCmTransparency AcDbEntity::transparency() const
{
    assertReadEnabled();
    return m_transparency;
}

Acad::ErrorStatus AcDbEntity::setTransparency(const AcCmTransparency& transparency, Adesk::Boolean)
{
    assertWriteEnabled();
    m_transparency = transparency;
    return Acad::eOk;
}

bool AcDbEntity::castShadows() const
{
    return m_castShadows;
}

void AcDbEntity::setCastShadows(bool castShadows)
{
    assertWriteEnabled();
    m_castShadows = castShadows;
}

bool AcDbEntity::receiveShadows() const
{
    return m_receiveShadows;
}

void AcDbEntity::setReceiveShadows(bool receiveShadows)
{
    assertWriteEnabled();
    m_receiveShadows = receiveShadows;
}

Acad::ErrorStatus AcDbEntity::setPropertiesFrom(const AcDbEntity* other, Adesk::Boolean)
{
    if (other == nullptr)
        return Acad::eNullEntityPointer;
    assertWriteEnabled();
    m_color = other->m_color;
    m_layerId = other->m_layerId;
    m_linetypeId = other->m_linetypeId;
    m_linetypeScale = other->m_linetypeScale;
    m_lineWeight = other->m_lineWeight;
    m_materialId = other->m_materialId;
    m_transparency = other->m_transparency;
    return Acad::eOk;
}

void AcDbEntity::setDatabaseDefaults()
{
    setDatabaseDefaults(databaseFor(this));
}

void AcDbEntity::setDatabaseDefaults(AcDbDatabase* database)
{
    if (database == nullptr)
        return;
    assertWriteEnabled();
    const DatabaseHeader& header = database->imp()->header;
    m_color = header.cecolor;
    m_layerId = header.clayer;
    m_linetypeId = header.celtype;
    m_linetypeScale = header.celtscale;
    m_lineWeight = header.celweight;
}

void AcDbEntity::subList() const
{
    assertReadEnabled();
}

Acad::ErrorStatus AcDbEntity::subGetGeomExtents(AcDbExtents&) const
{
    return Acad::eInvalidExtents;
}

Acad::ErrorStatus AcDbEntity::subTransformBy(const AcGeMatrix3d&)
{
    return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbEntity::subExplode(AcDbVoidPtrArray&) const
{
    return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbEntity::subGetGripPoints(AcGePoint3dArray&, AcDbIntArray&, AcDbIntArray&) const
{
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbEntity::subMoveGripPointsAt(const AcDbIntArray&, const AcGeVector3d&)
{
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbEntity::subGetStretchPoints(AcGePoint3dArray&) const
{
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbEntity::subMoveStretchPointsAt(const AcDbIntArray&, const AcGeVector3d&)
{
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbEntity::subGetOsnapPoints(AcDb::OsnapMode, Adesk::GsMarker, const AcGePoint3d&,
                                                const AcGePoint3d&, const AcGeMatrix3d&, AcGePoint3dArray&,
                                                AcDbIntArray&) const
{
    return Acad::eNotImplementedYet;
}

Adesk::UInt32 AcDbEntity::subSetAttributes(AcGiDrawableTraits* traits)
{
    if (traits == nullptr)
        return 0;
    traits->setTrueColor(m_color);
    traits->setLayer(m_layerId);
    traits->setLineType(m_linetypeId);
    traits->setLineWeight(m_lineWeight);
    return 0;
}

void AcDbEntity::fileFields(cadhost::FieldIo& io)
{
    io(m_color).hardPointer(m_layerId).hardPointer(m_linetypeId).hardPointer(m_materialId)(m_linetypeScale);
    auto weight = static_cast<Adesk::Int16>(m_lineWeight);
    auto visible = static_cast<Adesk::UInt8>(m_visibility);
    Adesk::UInt8 shadows = (m_castShadows ? kCastShadows : 0) | (m_receiveShadows ? kReceiveShadows : 0);
    io(weight)(visible)(m_transparency)(shadows);
    if (io.writing() || !io.ok())
        return;
    if (!isLineWeight(weight) || visible > AcDb::kInvisible) {
        io.fail(Acad::eDwgObjectImproperlyRead);
        return;
    }
    m_lineWeight = static_cast<AcDb::LineWeight>(weight);
    m_visibility = static_cast<AcDb::Visibility>(visible);
    m_castShadows = (shadows & kCastShadows) != 0;
    m_receiveShadows = (shadows & kReceiveShadows) != 0;
}

Acad::ErrorStatus AcDbEntity::dwgOutFields(AcDbDwgFiler* filer) const
{
    if (Acad::ErrorStatus status = AcDbObject::dwgOutFields(filer); status != Acad::eOk)
        return status;
    cadhost::FieldIo io(filer, cadhost::FieldIo::kOut);
    const_cast<AcDbEntity*>(this)->fileFields(io);
    return io.status();
}

Acad::ErrorStatus AcDbEntity::dwgInFields(AcDbDwgFiler* filer)
{
    if (Acad::ErrorStatus status = AcDbObject::dwgInFields(filer); status != Acad::eOk)
        return status;
    assertWriteEnabled();
    cadhost::FieldIo io(filer, cadhost::FieldIo::kIn);
    fileFields(io);
    return io.status();
}
