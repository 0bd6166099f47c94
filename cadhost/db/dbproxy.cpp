#include "dbproxy.h"

#include "ProxyRecord.h"
#include "listformat.h"

namespace {
Acad::ErrorStatus references(const AcDbObject* object, AcDbObjectIdArray& ids, AcDbIntArray& types)
{
    ids.removeAll();
    types.removeAll();
    for (const cadhost::ObjectReference& reference : cadhost::collectReferences(object)) {
        ids.append(reference.id);
        types.append(static_cast<int>(reference.kind));
    }
    return Acad::eOk;
}
} // namespace

// ---- Proxy objects ----

AcDbProxyObject::AcDbProxyObject() : m_record(std::make_unique<cadhost::ProxyRecord>())
{
}

AcDbProxyObject::~AcDbProxyObject() = default;

int AcDbProxyObject::proxyFlags() const
{
    return m_record->classEntry.proxyFlags;
}

const ACHAR* AcDbProxyObject::originalClassName() const
{
    return m_record->classEntry.name.c_str();
}

const ACHAR* AcDbProxyObject::originalDxfName() const
{
    return m_record->classEntry.dxfName.c_str();
}

const ACHAR* AcDbProxyObject::applicationDescription() const
{
    return m_record->classEntry.appName.c_str();
}

Acad::ErrorStatus AcDbProxyObject::getReferences(AcDbObjectIdArray& ids, AcDbIntArray& types) const
{
    return references(this, ids, types);
}

Acad::ErrorStatus AcDbProxyObject::dwgInFields(AcDbDwgFiler* filer)
{
    if (Acad::ErrorStatus status = AcDbObject::dwgInFields(filer); status != Acad::eOk)
        return status;
    return cadhost::readProxyFields(filer, *m_record, 0);
}

Acad::ErrorStatus AcDbProxyObject::dwgOutFields(AcDbDwgFiler* filer) const
{
    if (Acad::ErrorStatus status = AcDbObject::dwgOutFields(filer); status != Acad::eOk)
        return status;
    return cadhost::writeProxyFields(filer, *m_record);
}

Acad::ErrorStatus AcDbProxyObject::subDeepClone(AcDbObject* owner, AcDbObject*& clone, AcDbIdMapping& mapping,
                                                Adesk::Boolean isPrimary) const
{
    if ((proxyFlags() & AcDbProxyFlags::kCloningAllowed) == 0)
        return Acad::eNotAllowedForThisProxy;
    return AcDbObject::subDeepClone(owner, clone, mapping, isPrimary);
}

Acad::ErrorStatus AcDbProxyObject::subWblockClone(AcRxObject* owner, AcDbObject*& clone, AcDbIdMapping& mapping,
                                                  Adesk::Boolean isPrimary) const
{
    if ((proxyFlags() & AcDbProxyFlags::kCloningAllowed) == 0)
        return Acad::eNotAllowedForThisProxy;
    return AcDbObject::subWblockClone(owner, clone, mapping, isPrimary);
}

// ---- Proxy entities ----

AcDbProxyEntity::AcDbProxyEntity() : m_record(std::make_unique<cadhost::ProxyRecord>())
{
}

AcDbProxyEntity::~AcDbProxyEntity() = default;

int AcDbProxyEntity::proxyFlags() const
{
    return m_record->classEntry.proxyFlags;
}

const ACHAR* AcDbProxyEntity::originalClassName() const
{
    return m_record->classEntry.name.c_str();
}

void AcDbProxyEntity::subList() const
{
    assertReadEnabled();
    cadhost::listHeader(*this);
    const ACHAR* className = originalClassName();
    cadhost::listText(L"Proxy class =", className != nullptr ? className : L"");
}

const ACHAR* AcDbProxyEntity::originalDxfName() const
{
    return m_record->classEntry.dxfName.c_str();
}

const ACHAR* AcDbProxyEntity::applicationDescription() const
{
    return m_record->classEntry.appName.c_str();
}

Acad::ErrorStatus AcDbProxyEntity::getReferences(AcDbObjectIdArray& ids, AcDbIntArray& types) const
{
    return references(this, ids, types);
}

AcDbProxyEntity::GraphicsMetafileType AcDbProxyEntity::graphicsMetafileType() const
{
    return m_record->graphics.empty() ? kNoMetafile : kFullGraphics;
}

bool AcDbProxyEntity::allows(int flag) const
{
    return (proxyFlags() & flag) != 0;
}

Acad::ErrorStatus AcDbProxyEntity::setColor(const AcCmColor& color, Adesk::Boolean doSubents, AcDbDatabase* database)
{
    if (!allows(AcDbProxyFlags::kColorChangeAllowed))
        return Acad::eNotAllowedForThisProxy;
    return AcDbEntity::setColor(color, doSubents, database);
}

Acad::ErrorStatus AcDbProxyEntity::setColorIndex(Adesk::UInt16 colorIndex, Adesk::Boolean doSubents)
{
    if (!allows(AcDbProxyFlags::kColorChangeAllowed))
        return Acad::eNotAllowedForThisProxy;
    return AcDbEntity::setColorIndex(colorIndex, doSubents);
}

Acad::ErrorStatus AcDbProxyEntity::setLayer(const ACHAR* layerName, Adesk::Boolean doSubents, bool allowHiddenLayer)
{
    if (!allows(AcDbProxyFlags::kLayerChangeAllowed))
        return Acad::eNotAllowedForThisProxy;
    return AcDbEntity::setLayer(layerName, doSubents, allowHiddenLayer);
}

Acad::ErrorStatus AcDbProxyEntity::setLayer(AcDbObjectId layerId, Adesk::Boolean doSubents, bool allowHiddenLayer)
{
    if (!allows(AcDbProxyFlags::kLayerChangeAllowed))
        return Acad::eNotAllowedForThisProxy;
    return AcDbEntity::setLayer(layerId, doSubents, allowHiddenLayer);
}

Acad::ErrorStatus AcDbProxyEntity::setLinetype(const ACHAR* linetypeName, Adesk::Boolean doSubents)
{
    if (!allows(AcDbProxyFlags::kLinetypeChangeAllowed))
        return Acad::eNotAllowedForThisProxy;
    return AcDbEntity::setLinetype(linetypeName, doSubents);
}

Acad::ErrorStatus AcDbProxyEntity::setLinetype(AcDbObjectId linetypeId, Adesk::Boolean doSubents)
{
    if (!allows(AcDbProxyFlags::kLinetypeChangeAllowed))
        return Acad::eNotAllowedForThisProxy;
    return AcDbEntity::setLinetype(linetypeId, doSubents);
}

Acad::ErrorStatus AcDbProxyEntity::setLinetypeScale(double scale, Adesk::Boolean doSubents)
{
    if (!allows(AcDbProxyFlags::kLinetypeScaleChangeAllowed))
        return Acad::eNotAllowedForThisProxy;
    return AcDbEntity::setLinetypeScale(scale, doSubents);
}

Acad::ErrorStatus AcDbProxyEntity::setLineWeight(AcDb::LineWeight lineWeight, Adesk::Boolean doSubents)
{
    if (!allows(AcDbProxyFlags::kLineWeightChangeAllowed))
        return Acad::eNotAllowedForThisProxy;
    return AcDbEntity::setLineWeight(lineWeight, doSubents);
}

Acad::ErrorStatus AcDbProxyEntity::setVisibility(AcDb::Visibility visibility, Adesk::Boolean doSubents)
{
    if (!allows(AcDbProxyFlags::kVisibilityChangeAllowed))
        return Acad::eNotAllowedForThisProxy;
    return AcDbEntity::setVisibility(visibility, doSubents);
}

Acad::ErrorStatus AcDbProxyEntity::setMaterial(AcDbObjectId materialId, Adesk::Boolean doSubents)
{
    if (!allows(AcDbProxyFlags::kMaterialChangeAllowed))
        return Acad::eNotAllowedForThisProxy;
    return AcDbEntity::setMaterial(materialId, doSubents);
}

Acad::ErrorStatus AcDbProxyEntity::setMaterial(const ACHAR* materialName, Adesk::Boolean doSubents)
{
    if (!allows(AcDbProxyFlags::kMaterialChangeAllowed))
        return Acad::eNotAllowedForThisProxy;
    return AcDbEntity::setMaterial(materialName, doSubents);
}

Acad::ErrorStatus AcDbProxyEntity::dwgInFields(AcDbDwgFiler* filer)
{
    Adesk::Int64 start = filer->tell();
    if (Acad::ErrorStatus status = AcDbEntity::dwgInFields(filer); status != Acad::eOk)
        return status;
    Adesk::Int64 liveLength = filer->tell() - start;
    if (liveLength < 0)
        return Acad::eDwgObjectImproperlyRead;
    return cadhost::readProxyFields(filer, *m_record, static_cast<std::size_t>(liveLength));
}

Acad::ErrorStatus AcDbProxyEntity::dwgOutFields(AcDbDwgFiler* filer) const
{
    if (Acad::ErrorStatus status = AcDbEntity::dwgOutFields(filer); status != Acad::eOk)
        return status;
    return cadhost::writeProxyFields(filer, *m_record);
}

Adesk::Boolean AcDbProxyEntity::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    const cadhost::ProxyGraphicsHooks& hooks = cadhost::proxyGraphicsHooks();
    if (!m_record->graphics.empty() && hooks.replay != nullptr)
        hooks.replay(m_record->graphics, worldDraw);
    return Adesk::kTrue;
}

Acad::ErrorStatus AcDbProxyEntity::subTransformBy(const AcGeMatrix3d&)
{
    // The stored fields cannot be transformed without their class.
    return Acad::eNotAllowedForThisProxy;
}

Acad::ErrorStatus AcDbProxyEntity::subDeepClone(AcDbObject* owner, AcDbObject*& clone, AcDbIdMapping& mapping,
                                                Adesk::Boolean isPrimary) const
{
    if (!allows(AcDbProxyFlags::kCloningAllowed))
        return Acad::eNotAllowedForThisProxy;
    return AcDbEntity::subDeepClone(owner, clone, mapping, isPrimary);
}

Acad::ErrorStatus AcDbProxyEntity::subWblockClone(AcRxObject* owner, AcDbObject*& clone, AcDbIdMapping& mapping,
                                                  Adesk::Boolean isPrimary) const
{
    if (!allows(AcDbProxyFlags::kCloningAllowed))
        return Acad::eNotAllowedForThisProxy;
    return AcDbEntity::subWblockClone(owner, clone, mapping, isPrimary);
}
