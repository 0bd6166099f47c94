// Before a custom class is deleted (its module is about to be unloaded), every object of the
// class in a live database becomes a proxy made from its own filed-out fields, so that nothing
// in a database points at code that is going away.
#include "DwgBufferFiler.h"
#include "ProxyRecord.h"
#include "dbimpdatabase.h"
#include "dbimpobject.h"
#include "dbproxy.h"

namespace cadhost {
namespace {
// Ids of one database as its handles, as the drawing file stores them.
class DatabaseHandles : public IdCodec {
public:
    explicit DatabaseHandles(const AcDbImpDatabase& database) : m_database(database) {}
    Adesk::UInt64 encode(const AcDbObjectId& id) const override
    {
        return id.database() == m_database.database() ? id.handle().value() : 0;
    }
    AcDbObjectId decode(Adesk::UInt64 value, IdKind) const override
    {
        AcDbStub* stub = m_database.findStub(AcDbHandle(value));
        return stub != nullptr ? AcDbObjectId(stub) : AcDbObjectId::kNull;
    }

private:
    const AcDbImpDatabase& m_database;
};

AcDbObject* makeProxy(AcDbObject* object, const DatabaseHandles& handles)
{
    DwgBufferFiler out(AcDb::kFileFiler, &handles);
    object->dwgOutFields(&out);
    ClassEntry entry = classEntryOf(object);
    auto* entity = AcDbEntity::cast(object);
    const ProxyGraphicsHooks& hooks = proxyGraphicsHooks();
    auto fill = [&](ProxyRecord& record) {
        record.classEntry = entry;
        record.fields = out.bytes();
        record.slots = out.slots();
        if (entity != nullptr && hooks.record != nullptr)
            record.graphics = hooks.record(entity);
    };
    DwgBufferFiler in(AcDb::kFileFiler, &handles);
    if (entity != nullptr) {
        auto* proxy = new AcDbProxyEntity();
        fill(proxy->record());
        in.startReading(proxy->record().fields.data(), proxy->record().fields.size());
        if (proxy->dwgInFields(&in) == Acad::eOk)
            return proxy;
        delete proxy;
    }
    // Fields that do not begin with common entity data are kept whole.
    auto* proxy = new AcDbProxyObject();
    fill(proxy->record());
    in.startReading(proxy->record().fields.data(), proxy->record().fields.size());
    proxy->dwgInFields(&in);
    return proxy;
}

void convertObjectsOfClass(AcRxClass* rxClass)
{
    for (AcDbDatabase* database : liveDatabases()) {
        AcDbImpDatabase* imp = database->imp();
        DatabaseHandles handles(*imp);
        for (const AcDbStub& stub : imp->stubs()) {
            AcDbObject* object = stub.object();
            if (object == nullptr || object->isA() != rxClass)
                continue;
            AcDbObject* proxy = makeProxy(object, handles);
            AcDbImpObject* state = object->imp();
            AcDbImpObject* proxyState = proxy->imp();
            proxyState->readers = state->readers;
            proxyState->writeOpen = state->writeOpen;
            proxyState->isNew = state->isNew;
            proxyState->modified = false;
            imp->replaceObject(imp->findStub(stub.handle()), proxy);
        }
    }
}

[[maybe_unused]] const bool kListening = (acrxAddClassDeletionListener(&convertObjectsOfClass), true);
} // namespace
} // namespace cadhost
