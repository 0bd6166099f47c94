#include "dbdict.h"
#include "dbimpdatabase.h"
#include "dbimpobject.h"
#include "dbmain.h"
#include "dbproxy.h"
#include "dbsymtb.h"

namespace {
// The host allows this many readers of one object at a time.
constexpr int kMaxReaders = 256;

AcDbAssertFaults& assertFaults()
{
    static AcDbAssertFaults faults;
    return faults;
}

void recordFault(Acad::ErrorStatus status)
{
    ++assertFaults().count;
    assertFaults().lastStatus = status;
}

bool isOnLockedLayer(const AcDbObject* object)
{
    const AcDbEntity* entity = AcDbEntity::cast(object);
    if (entity == nullptr)
        return false;
    const AcDbLayerTableRecord* layer = peekObject<AcDbLayerTableRecord>(entity->layerId());
    return layer != nullptr && layer->isLocked();
}

int proxyFlagsOf(const AcDbObject* object)
{
    if (const AcDbProxyObject* proxy = AcDbProxyObject::cast(object))
        return proxy->proxyFlags();
    if (const AcDbProxyEntity* proxy = AcDbProxyEntity::cast(object))
        return proxy->proxyFlags();
    return AcDbProxyFlags::kAllAllowedBits;
}

void markDatabaseModified(const AcDbObject* object)
{
    if (AcDbDatabase* database = object->database())
        database->imp()->modified = true;
}
} // namespace

AcDbAssertFaults acdbAssertFaults()
{
    return assertFaults();
}

void acdbResetAssertFaults()
{
    assertFaults() = AcDbAssertFaults();
}

AcDbObject::AcDbObject() : m_imp(std::make_unique<AcDbImpObject>())
{
}

AcDbObject::~AcDbObject() = default;

AcDbObjectId AcDbObject::objectId() const
{
    return AcDbObjectId(m_imp->stub);
}

AcDbObjectId AcDbObject::ownerId() const
{
    return m_imp->ownerId;
}

Acad::ErrorStatus AcDbObject::setOwnerId(AcDbObjectId ownerId)
{
    m_imp->ownerId = ownerId;
    return Acad::eOk;
}

AcDbHandle AcDbObject::getAcDbHandle() const
{
    return m_imp->stub != nullptr ? m_imp->stub->handle() : AcDbHandle();
}

AcDbDatabase* AcDbObject::database() const
{
    return m_imp->stub != nullptr ? m_imp->stub->database() : nullptr;
}

Acad::ErrorStatus acdbOpenObject(AcDbObject*& object, AcDbObjectId id, AcDb::OpenMode mode, bool openErased)
{
    object = nullptr;
    if (id.isNull())
        return Acad::eNullObjectId;
    AcDbObject* target = id.stub()->object();
    if (target == nullptr)
        return Acad::ePermanentlyErased;
    AcDbImpObject* imp = target->imp();
    if (imp->erased && !openErased)
        return Acad::eWasErased;
    if (imp->writeOpen)
        return Acad::eWasOpenForWrite;
    if (mode == AcDb::kForWrite) {
        if (imp->readers > 0)
            return Acad::eWasOpenForRead;
        if (isOnLockedLayer(target))
            return Acad::eOnLockedLayer;
        imp->writeOpen = true;
    } else {
        if (imp->readers >= kMaxReaders)
            return Acad::eAtMaxReaders;
        ++imp->readers;
    }
    object = target;
    return Acad::eOk;
}

Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& object, AcDbObjectId id, AcDb::OpenMode mode, bool openErased)
{
    return acdbOpenObject(object, id, mode, openErased);
}

Acad::ErrorStatus acdbOpenAcDbEntity(AcDbEntity*& entity, AcDbObjectId id, AcDb::OpenMode mode, bool openErased)
{
    return acdbOpenObject(entity, id, mode, openErased);
}

Acad::ErrorStatus AcDbObject::close()
{
    if (m_imp->stub == nullptr)
        return Acad::eOk;
    if (m_imp->writeOpen) {
        m_imp->writeOpen = false;
        m_imp->isNew = false;
        if (m_imp->modified)
            markDatabaseModified(this);
        m_imp->modified = false;
        return Acad::eOk;
    }
    if (m_imp->readers > 0) {
        --m_imp->readers;
        return Acad::eOk;
    }
    return Acad::eNotOpenForRead;
}

Acad::ErrorStatus AcDbObject::upgradeOpen()
{
    if (m_imp->stub == nullptr)
        return Acad::eOk;
    if (m_imp->writeOpen)
        return Acad::eWasOpenForWrite;
    if (m_imp->readers == 0)
        return Acad::eNotOpenForRead;
    if (m_imp->readers > 1)
        return Acad::eHadMultipleReaders;
    if (isOnLockedLayer(this))
        return Acad::eOnLockedLayer;
    m_imp->readers = 0;
    m_imp->writeOpen = true;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::downgradeOpen()
{
    if (m_imp->stub == nullptr)
        return Acad::eOk;
    if (!m_imp->writeOpen)
        return Acad::eNotOpenForWrite;
    if (m_imp->modified)
        markDatabaseModified(this);
    m_imp->modified = false;
    m_imp->writeOpen = false;
    m_imp->isNew = false;
    m_imp->readers = 1;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::cancel()
{
    return close();
}

bool AcDbObject::isReadEnabled() const
{
    return m_imp->writeOpen || m_imp->readers > 0;
}

bool AcDbObject::isWriteEnabled() const
{
    return m_imp->writeOpen;
}

bool AcDbObject::isNewObject() const
{
    return m_imp->isNew;
}

void AcDbObject::assertReadEnabled() const
{
    if (!isReadEnabled())
        recordFault(Acad::eNotOpenForRead);
}

void AcDbObject::assertWriteEnabled(bool, bool recordModified)
{
    if (!isWriteEnabled()) {
        recordFault(Acad::eNotOpenForWrite);
        return;
    }
    if (recordModified)
        m_imp->modified = true;
}

Acad::ErrorStatus AcDbObject::erase(Adesk::Boolean erasing)
{
    if (m_imp->stub == nullptr)
        return Acad::eNotInDatabase;
    if (!m_imp->writeOpen)
        return Acad::eNotOpenForWrite;
    if ((proxyFlagsOf(this) & AcDbProxyFlags::kEraseAllowed) == 0)
        return Acad::eNotAllowedForThisProxy;
    if (database()->imp()->isPermanent(objectId()))
        return Acad::eCannotBeErasedByCaller;
    if (erasing && m_imp->erased)
        return Acad::eWasErased;
    if (!erasing && !m_imp->erased)
        return Acad::eWasNotErased;
    m_imp->erased = erasing != 0;
    m_imp->modified = true;
    return Acad::eOk;
}

bool AcDbObject::isErased() const
{
    return m_imp->erased;
}

resbuf* AcDbObject::xData(const ACHAR* regappName) const
{
    assertReadEnabled();
    return m_imp->xdata.get(regappName);
}

Acad::ErrorStatus AcDbObject::setXData(const resbuf* xdata)
{
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    AcDbDatabase* owner = database();
    AcDbRegAppTable* table = owner != nullptr ? peekObject<AcDbRegAppTable>(owner->regAppTableId()) : nullptr;
    Acad::ErrorStatus status = m_imp->xdata.set(xdata, [&](const ACHAR* name) {
        if (owner == nullptr)
            return true;
        AcDbObjectId id;
        return table != nullptr && table->getAt(name, id) == Acad::eOk;
    });
    if (status == Acad::eOk)
        m_imp->modified = true;
    return status;
}

AcDbObjectId AcDbObject::extensionDictionary() const
{
    return m_imp->extensionDictionary;
}

Acad::ErrorStatus AcDbObject::createExtensionDictionary()
{
    if (m_imp->stub == nullptr)
        return Acad::eNotInDatabase;
    if (!m_imp->writeOpen)
        return Acad::eNotOpenForWrite;
    if (!m_imp->extensionDictionary.isNull() && m_imp->extensionDictionary.isValid())
        return Acad::eAlreadyInDb;
    auto* dictionary = new AcDbDictionary();
    AcDbObjectId id;
    Acad::ErrorStatus status = database()->addAcDbObject(id, dictionary);
    if (status != Acad::eOk) {
        delete dictionary;
        return status;
    }
    dictionary->setOwnerId(objectId());
    dictionary->close();
    m_imp->extensionDictionary = id;
    m_imp->modified = true;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::dwgInFields(AcDbDwgFiler* filer)
{
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbObject::dwgOutFields(AcDbDwgFiler* filer) const
{
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbObject::dxfInFields(AcDbDxfFiler*)
{
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::dxfOutFields(AcDbDxfFiler*) const
{
    return Acad::eOk;
}

Adesk::Boolean AcDbObject::subWorldDraw(AcGiWorldDraw*)
{
    return Adesk::kTrue;
}

void AcDbObject::subViewportDraw(AcGiViewportDraw*)
{
}

Adesk::UInt32 AcDbObject::subSetAttributes(AcGiDrawableTraits*)
{
    return 0;
}
