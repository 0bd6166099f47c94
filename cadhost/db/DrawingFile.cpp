#include "DrawingFile.h"

#include "Crc32.h"
#include "DwgBufferFiler.h"
#include "FieldIo.h"
#include "ProxyRecord.h"
#include "codepage.h"
#include "dbdict.h"
#include "dbimpdatabase.h"
#include "dbimpobject.h"
#include "dbimpsymtb.h"
#include "dbproxy.h"
#include "dbsymtb.h"
#include "nativepath.h"
#include "replacementfile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <deque>
#include <fstream>
#include <map>
#include <unordered_set>

namespace cadhost {
namespace {
constexpr std::array<char, 8> kMagic = {'C', 'A', 'D', 'H', 'O', 'S', 'T', 'D'};
enum SectionTag : Adesk::UInt32 { kHeaderSection = 1, kClassSection = 2, kObjectSection = 3 };
constexpr std::array<SectionTag, 3> kSections = {kHeaderSection, kClassSection, kObjectSection};
// Magic, format version and section count.
constexpr std::size_t kPreambleBytes = kMagic.size() + 2 * sizeof(Adesk::UInt32);
// A class entry: four string lengths, the proxy flags and the entity flag.
constexpr std::size_t kMinClassBytes = 4 * sizeof(Adesk::UInt32) + sizeof(Adesk::Int32) + 1;
// A record: its length, handle, owner, class index, extension dictionary and four counts.
constexpr std::size_t kMinRecordBytes = 4 + 8 + 8 + 4 + 8 + 4 + 4 + 4 + 4;
constexpr std::size_t kSlotBytes = sizeof(Adesk::UInt32) + 1;
constexpr const ACHAR* kHostAppName = ACRX_T("cadhost");

bool isSavedVersion(Adesk::UInt32 version)
{
    return version == AcDb::kDHL_1015 || version == AcDb::kDHL_1800 || version == AcDb::kDHL_1027;
}

bool isOwnership(IdKind kind)
{
    return kind == IdKind::kHardOwnership || kind == IdKind::kSoftOwnership;
}

Adesk::UInt64 valueAt(const Adesk::UInt8* data)
{
    Adesk::UInt64 value = 0;
    std::memcpy(&value, data, sizeof(value));
    return value;
}

// Ids of the database being written become their handles; ids of other databases become null.
class HandleWriter : public IdCodec {
public:
    explicit HandleWriter(const AcDbDatabase* database) : m_database(database) {}
    Adesk::UInt64 encode(const AcDbObjectId& id) const override
    {
        return id.database() == m_database ? id.handle().value() : 0;
    }
    AcDbObjectId decode(Adesk::UInt64, IdKind) const override { return AcDbObjectId::kNull; }

private:
    const AcDbDatabase* m_database;
};

// Handles become the ids of the objects the file holds; a handle of no object becomes null.
class HandleReader : public IdCodec {
public:
    explicit HandleReader(const AcDbImpDatabase& database) : m_database(database) {}
    Adesk::UInt64 encode(const AcDbObjectId& id) const override { return id.handle().value(); }
    AcDbObjectId decode(Adesk::UInt64 value, IdKind) const override
    {
        AcDbStub* stub = m_database.findStub(AcDbHandle(value));
        return stub != nullptr ? AcDbObjectId(stub) : AcDbObjectId::kNull;
    }

private:
    const AcDbImpDatabase& m_database;
};

struct Span {
    const Adesk::UInt8* data = nullptr;
    std::size_t size = 0;
};

// ---------------------------------------------------------------------------------------------
// Writing

void writeSpan(DwgBufferFiler& filer, const std::vector<Adesk::UInt8>& bytes)
{
    filer.writeUInt32(static_cast<Adesk::UInt32>(bytes.size()));
    filer.writeBytes(bytes.data(), bytes.size());
}

// Keeps an object readable while it files out, as if the writer had opened it.
class ReadScope {
public:
    explicit ReadScope(AcDbObject* object) : m_imp(object->imp()), m_opened(!object->isReadEnabled())
    {
        if (m_opened)
            ++m_imp->readers;
    }
    ~ReadScope()
    {
        if (m_opened)
            --m_imp->readers;
    }
    ReadScope(const ReadScope&) = delete;
    ReadScope& operator=(const ReadScope&) = delete;

private:
    AcDbImpObject* m_imp;
    bool m_opened;
};

class DrawingWriter {
public:
    DrawingWriter(AcDbImpDatabase& database, AcDb::AcDbDwgVersion version)
        : m_database(database), m_codec(database.database()), m_version(version)
    {
    }

    Acad::ErrorStatus write(std::vector<Adesk::UInt8>& out)
    {
        DwgBufferFiler objects(AcDb::kFileFiler, &m_codec, m_version);
        Acad::ErrorStatus status = writeObjects(objects);
        if (status != Acad::eOk)
            return status;

        DwgBufferFiler header(AcDb::kFileFiler, &m_codec, m_version);
        header.writeUInt32(static_cast<Adesk::UInt32>(m_version));
        header.writeUInt64(m_database.handseed().value());
        FieldIo io(&header, FieldIo::kOut);
        m_database.header.file(io);
        if (!io.ok())
            return io.status();

        DwgBufferFiler classes(AcDb::kFileFiler, &m_codec, m_version);
        classes.writeUInt32(static_cast<Adesk::UInt32>(m_classes.size()));
        for (const ClassEntry& entry : m_classes) {
            classes.writeString(entry.name.c_str());
            classes.writeString(entry.dxfName.c_str());
            classes.writeString(entry.appName.c_str());
            classes.writeString(entry.parentName.c_str());
            classes.writeInt32(entry.proxyFlags);
            classes.writeUInt8(entry.isEntity ? 1 : 0);
        }

        DwgBufferFiler file(AcDb::kFileFiler, &m_codec, m_version);
        file.writeBytes(kMagic.data(), kMagic.size());
        file.writeUInt32(kDrawingFormatVersion);
        file.writeUInt32(static_cast<Adesk::UInt32>(kSections.size()));
        const std::array<const DwgBufferFiler*, kSections.size()> payloads = {&header, &classes, &objects};
        for (std::size_t index = 0; index < payloads.size(); ++index) {
            const std::vector<Adesk::UInt8>& payload = payloads[index]->bytes();
            file.writeUInt32(kSections[index]);
            writeSpan(file, payload);
            file.writeUInt32(crc32(payload.data(), payload.size()));
        }
        out = file.bytes();
        return file.filerStatus();
    }

private:
    Adesk::UInt32 classIndex(const AcDbObject* object)
    {
        ClassEntry entry = classEntryOf(object);
        auto [position, added] = m_classIndex.emplace(entry.name, static_cast<Adesk::UInt32>(m_classes.size()));
        if (added)
            m_classes.push_back(entry);
        return position->second;
    }

    std::vector<Adesk::UInt8> graphicsOf(AcDbObject* object)
    {
        if (const AcDbProxyEntity* proxy = AcDbProxyEntity::cast(object))
            return proxy->record().graphics;
        auto* entity = AcDbEntity::cast(object);
        const ProxyGraphicsHooks& hooks = proxyGraphicsHooks();
        if (entity == nullptr || hooks.record == nullptr || m_database.header.saveproxygraphics == 0 ||
            std::wstring_view(object->isA()->appName()) == kHostAppName)
            return {};
        return hooks.record(entity);
    }

    // Objects reachable from the header through ownership, breadth first; erased ones left out.
    Acad::ErrorStatus writeObjects(DwgBufferFiler& out)
    {
        std::deque<AcDbStub*> pending;
        std::unordered_set<const AcDbStub*> seen;
        auto visit = [&](const AcDbObjectId& id) {
            if (id.isNull() || id.database() != m_database.database())
                return;
            AcDbStub* stub = id.stub();
            if (stub->object() == nullptr || stub->object()->isErased())
                return;
            if (seen.insert(stub).second)
                pending.push_back(stub);
        };
        const DatabaseHeader& header = m_database.header;
        for (const AcDbObjectId& root :
             {header.blockTable, header.layerTable, header.linetypeTable, header.textStyleTable, header.dimStyleTable,
              header.regAppTable, header.namedObjects})
            visit(root);

        std::vector<std::vector<Adesk::UInt8>> records;
        DwgBufferFiler fields(AcDb::kFileFiler, &m_codec, m_version);
        DwgBufferFiler part(AcDb::kFileFiler, &m_codec, m_version);
        DwgBufferFiler record(AcDb::kFileFiler, &m_codec, m_version);
        while (!pending.empty()) {
            AcDbStub* stub = pending.front();
            pending.pop_front();
            AcDbObject* object = stub->object();
            ReadScope scope(object);
            fields.startWriting();
            if (Acad::ErrorStatus status = object->dwgOutFields(&fields); status != Acad::eOk)
                return status;
            for (const IdSlot& slot : fields.slots()) {
                if (isOwnership(slot.kind)) {
                    AcDbStub* child = m_database.findStub(AcDbHandle(valueAt(fields.bytes().data() + slot.offset)));
                    if (child != nullptr)
                        visit(AcDbObjectId(child));
                }
            }
            AcDbImpObject* imp = object->imp();
            visit(imp->extensionDictionary);

            record.startWriting();
            record.writeUInt64(stub->handle().value());
            record.writeUInt64(m_codec.encode(imp->ownerId));
            record.writeUInt32(classIndex(object));
            record.writeUInt64(imp->extensionDictionary.isValid() ? m_codec.encode(imp->extensionDictionary) : 0);
            part.startWriting();
            if (!imp->xdata.empty())
                imp->xdata.dwgOut(&part);
            writeSpan(record, part.bytes());
            writeSpan(record, graphicsOf(object));
            writeSpan(record, fields.bytes());
            record.writeUInt32(static_cast<Adesk::UInt32>(fields.slots().size()));
            for (const IdSlot& slot : fields.slots()) {
                record.writeUInt32(slot.offset);
                record.writeUInt8(static_cast<Adesk::UInt8>(slot.kind));
            }
            if (record.filerStatus() != Acad::eOk)
                return record.filerStatus();
            records.push_back(record.bytes());
        }
        out.writeUInt32(static_cast<Adesk::UInt32>(records.size()));
        for (const std::vector<Adesk::UInt8>& bytes : records)
            writeSpan(out, bytes);
        return out.filerStatus();
    }

    AcDbImpDatabase& m_database;
    HandleWriter m_codec;
    AcDb::AcDbDwgVersion m_version;
    std::vector<ClassEntry> m_classes;
    std::map<std::wstring, Adesk::UInt32> m_classIndex;
};

// ---------------------------------------------------------------------------------------------
// Reading

struct StoredObject {
    Span record;
    Adesk::UInt64 handle = 0;
    Adesk::UInt64 owner = 0;
    Adesk::UInt32 classIndex = 0;
    Adesk::UInt64 extensionDictionary = 0;
    Span xdata;
    Span graphics;
    Span fields;
    std::vector<IdSlot> slots;
};

// Reads a UInt32 length and the bytes it counts, refusing a length beyond the data.
Acad::ErrorStatus readSpan(DwgBufferFiler& filer, Span& span, const Adesk::UInt8* base, Acad::ErrorStatus failure)
{
    Adesk::UInt32 length = 0;
    if (filer.readUInt32(&length) != Acad::eOk || length > filer.remaining())
        return failure;
    span.data = base + filer.tell();
    span.size = length;
    filer.seek(length, 1);
    return Acad::eOk;
}

// The three sections of a file, each checked against its checksum.
Acad::ErrorStatus splitSections(const Adesk::UInt8* data, std::size_t size, std::array<Span, 3>& sections)
{
    if (data == nullptr || size < kPreambleBytes || std::memcmp(data, kMagic.data(), kMagic.size()) != 0)
        return Acad::eBadDwgHeader;
    DwgBufferFiler filer(AcDb::kFileFiler, nullptr);
    filer.startReading(data, size);
    filer.seek(static_cast<Adesk::Int64>(kMagic.size()), 0);
    Adesk::UInt32 format = 0;
    Adesk::UInt32 count = 0;
    filer.readUInt32(&format);
    filer.readUInt32(&count);
    if (format != kDrawingFormatVersion || count != kSections.size())
        return Acad::eBadDwgHeader;
    for (std::size_t index = 0; index < kSections.size(); ++index) {
        Adesk::UInt32 tag = 0;
        if (filer.readUInt32(&tag) != Acad::eOk)
            return Acad::eFileMissingSections;
        if (tag != kSections[index])
            return Acad::eBadDwgHeader;
        if (readSpan(filer, sections[index], data, Acad::eFileMissingSections) != Acad::eOk)
            return Acad::eFileMissingSections;
        Adesk::UInt32 checksum = 0;
        if (filer.readUInt32(&checksum) != Acad::eOk)
            return Acad::eFileMissingSections;
        if (checksum != crc32(sections[index].data, sections[index].size))
            return Acad::eDwgCRCDoesNotMatch;
    }
    return filer.remaining() == 0 ? Acad::eOk : Acad::eBadDwgHeader;
}

Acad::ErrorStatus parseClasses(Span section, std::vector<ClassEntry>& classes)
{
    DwgBufferFiler filer(AcDb::kFileFiler, nullptr);
    filer.startReading(section.data, section.size);
    Adesk::UInt32 count = 0;
    if (filer.readUInt32(&count) != Acad::eOk || count > filer.remaining() / kMinClassBytes)
        return Acad::eDwgObjectImproperlyRead;
    classes.reserve(count);
    for (Adesk::UInt32 index = 0; index < count; ++index) {
        ClassEntry entry;
        AcString texts[4];
        for (AcString& text : texts)
            filer.readString(text);
        Adesk::UInt8 isEntity = 0;
        filer.readInt32(&entry.proxyFlags);
        filer.readUInt8(&isEntity);
        if (filer.filerStatus() != Acad::eOk || texts[0].isEmpty() || isEntity > 1)
            return Acad::eDwgObjectImproperlyRead;
        entry.name = texts[0].str();
        entry.dxfName = texts[1].str();
        entry.appName = texts[2].str();
        entry.parentName = texts[3].str();
        entry.isEntity = isEntity != 0;
        classes.push_back(std::move(entry));
    }
    return filer.remaining() == 0 ? Acad::eOk : Acad::eDwgObjectImproperlyRead;
}

Acad::ErrorStatus parseRecord(Span record, std::size_t classCount, StoredObject& stored)
{
    constexpr Acad::ErrorStatus kBad = Acad::eDwgObjectImproperlyRead;
    DwgBufferFiler filer(AcDb::kFileFiler, nullptr);
    filer.startReading(record.data, record.size);
    stored.record = record;
    filer.readUInt64(&stored.handle);
    filer.readUInt64(&stored.owner);
    filer.readUInt32(&stored.classIndex);
    filer.readUInt64(&stored.extensionDictionary);
    if (filer.filerStatus() != Acad::eOk || stored.handle == 0 || stored.classIndex >= classCount)
        return kBad;
    if (readSpan(filer, stored.xdata, record.data, kBad) != Acad::eOk ||
        readSpan(filer, stored.graphics, record.data, kBad) != Acad::eOk ||
        readSpan(filer, stored.fields, record.data, kBad) != Acad::eOk)
        return kBad;
    Adesk::UInt32 slotCount = 0;
    if (filer.readUInt32(&slotCount) != Acad::eOk || slotCount > filer.remaining() / kSlotBytes)
        return kBad;
    stored.slots.reserve(slotCount);
    for (Adesk::UInt32 index = 0; index < slotCount; ++index) {
        IdSlot slot{};
        Adesk::UInt8 kind = 0;
        filer.readUInt32(&slot.offset);
        filer.readUInt8(&kind);
        if (kind >= kIdKindCount)
            return kBad;
        slot.kind = static_cast<IdKind>(kind);
        stored.slots.push_back(slot);
    }
    if (filer.filerStatus() != Acad::eOk || filer.remaining() != 0)
        return kBad;
    ProxyRecord layout;
    layout.fields.resize(stored.fields.size);
    layout.slots = stored.slots;
    return layout.slotsAreSound() ? Acad::eOk : kBad;
}

template <class Visit> Acad::ErrorStatus parseObjects(Span section, std::size_t classCount, Visit visit)
{
    DwgBufferFiler filer(AcDb::kFileFiler, nullptr);
    filer.startReading(section.data, section.size);
    Adesk::UInt32 count = 0;
    if (filer.readUInt32(&count) != Acad::eOk || count > filer.remaining() / kMinRecordBytes)
        return Acad::eDwgObjectImproperlyRead;
    for (Adesk::UInt32 index = 0; index < count; ++index) {
        StoredObject stored;
        Span record;
        if (readSpan(filer, record, section.data, Acad::eDwgObjectImproperlyRead) != Acad::eOk)
            return Acad::eDwgObjectImproperlyRead;
        if (Acad::ErrorStatus status = parseRecord(record, classCount, stored); status != Acad::eOk)
            return status;
        if (Acad::ErrorStatus status = visit(std::move(stored)); status != Acad::eOk)
            return status;
    }
    return filer.remaining() == 0 ? Acad::eOk : Acad::eDwgObjectImproperlyRead;
}

AcRxClass* registeredClass(const std::wstring& name)
{
    return static_cast<AcRxClass*>(acrxClassDictionary->at(name.c_str()));
}

// An entry is an entity when it says so, or when its parents (in the file or registered) lead to
// AcDbEntity.
bool entryIsEntity(const std::vector<ClassEntry>& classes, std::size_t index)
{
    const ClassEntry* entry = &classes[index];
    for (std::size_t depth = 0; depth <= classes.size(); ++depth) {
        if (entry->isEntity)
            return true;
        if (AcRxClass* parent = registeredClass(entry->parentName))
            return parent->isDerivedFrom(AcDbEntity::desc());
        auto next = std::find_if(classes.begin(), classes.end(),
                                 [&](const ClassEntry& candidate) { return candidate.name == entry->parentName; });
        if (next == classes.end())
            return false;
        entry = &*next;
    }
    return false;
}

class DrawingReader {
public:
    explicit DrawingReader(AcDbImpDatabase& database) : m_database(database), m_codec(database) {}

    Acad::ErrorStatus read(const Adesk::UInt8* data, std::size_t size)
    {
        std::array<Span, 3> sections;
        if (Acad::ErrorStatus status = splitSections(data, size, sections); status != Acad::eOk)
            return status;
        DwgBufferFiler header(AcDb::kFileFiler, &m_codec);
        header.startReading(sections[0].data, sections[0].size);
        Adesk::UInt32 version = 0;
        Adesk::UInt64 handseed = 0;
        if (header.readUInt32(&version) != Acad::eOk || header.readUInt64(&handseed) != Acad::eOk)
            return Acad::eBadDwgHeader;
        if (!isSavedVersion(version))
            return Acad::eInvalidDwgVersion;
        m_version = static_cast<AcDb::AcDbDwgVersion>(version);
        if (Acad::ErrorStatus status = parseClasses(sections[1], m_classes); status != Acad::eOk)
            return status;

        std::vector<StoredObject> objects;
        Acad::ErrorStatus status = parseObjects(sections[2], m_classes.size(), [&](StoredObject&& stored) {
            if (m_database.findStub(AcDbHandle(stored.handle)) != nullptr)
                return Acad::eDwgObjectImproperlyRead;
            m_database.stubFor(AcDbHandle(stored.handle));
            objects.push_back(std::move(stored));
            return Acad::eOk;
        });
        if (status != Acad::eOk)
            return status;
        m_database.setHandseed(AcDbHandle(handseed));

        for (const StoredObject& stored : objects) {
            if (status = instantiate(stored); status != Acad::eOk)
                return status;
        }

        FieldIo io(&header, FieldIo::kIn);
        m_database.header.file(io);
        if (!io.ok() || header.remaining() != 0)
            return Acad::eBadDwgHeader;
        if (status = checkHeader(); status != Acad::eOk)
            return status;
        m_database.readFromFile = true;
        m_database.lastSavedAsVersion = m_version;
        m_database.originalFileVersion = m_version;
        m_database.modified = false;
        return Acad::eOk;
    }

private:
    AcDbObject* newProxy(const StoredObject& stored) const
    {
        ProxyRecord* record = nullptr;
        AcDbObject* proxy = nullptr;
        if (entryIsEntity(m_classes, stored.classIndex)) {
            auto* entity = new AcDbProxyEntity();
            record = &entity->record();
            proxy = entity;
        } else {
            auto* object = new AcDbProxyObject();
            record = &object->record();
            proxy = object;
        }
        record->classEntry = m_classes[stored.classIndex];
        record->fields.assign(stored.fields.data, stored.fields.data + stored.fields.size);
        record->slots = stored.slots;
        record->graphics.assign(stored.graphics.data, stored.graphics.data + stored.graphics.size);
        return proxy;
    }

    // Files the object in from its stored fields; every byte must be read.
    Acad::ErrorStatus fileIn(AcDbObject* object, const StoredObject& stored)
    {
        DwgBufferFiler filer(AcDb::kFileFiler, &m_codec, m_version);
        filer.startReading(stored.fields.data, stored.fields.size);
        Acad::ErrorStatus status = object->dwgInFields(&filer);
        if (status == Acad::eOk && filer.remaining() != 0)
            status = Acad::eDwgObjectImproperlyRead;
        return status;
    }

    Acad::ErrorStatus instantiate(const StoredObject& stored)
    {
        const ClassEntry& entry = m_classes[stored.classIndex];
        AcDbObject* object = nullptr;
        if (AcRxClass* rxClass = registeredClass(entry.name)) {
            if (!rxClass->isDerivedFrom(AcDbObject::desc()))
                return Acad::eNotThatKindOfClass;
            AcRxObject* created = rxClass->create();
            object = AcDbObject::cast(created);
            if (object == nullptr) {
                delete created;
            } else {
                Acad::ErrorStatus status = fileIn(object, stored);
                if (status == Acad::eMakeMeProxy) {
                    delete object;
                    object = nullptr;
                } else if (status != Acad::eOk) {
                    delete object;
                    return Acad::eDwgObjectImproperlyRead;
                }
            }
        }
        if (object == nullptr) {
            object = newProxy(stored);
            if (fileIn(object, stored) != Acad::eOk) {
                delete object;
                return Acad::eDwgObjectImproperlyRead;
            }
        }
        AcDbObjectId id;
        if (m_database.addObject(object, id, AcDbHandle(stored.handle)) != Acad::eOk) {
            delete object;
            return Acad::eDwgObjectImproperlyRead;
        }
        AcDbImpObject* imp = object->imp();
        imp->ownerId = m_codec.decode(stored.owner, IdKind::kSoftPointer);
        imp->extensionDictionary = m_codec.decode(stored.extensionDictionary, IdKind::kHardOwnership);
        imp->writeOpen = false;
        imp->isNew = false;
        imp->modified = false;
        if (stored.xdata.size > 0) {
            DwgBufferFiler filer(AcDb::kFileFiler, &m_codec, m_version);
            filer.startReading(stored.xdata.data, stored.xdata.size);
            if (imp->xdata.dwgIn(&filer) != Acad::eOk || filer.remaining() != 0)
                return Acad::eDwgObjectImproperlyRead;
        }
        return Acad::eOk;
    }

    template <class T> static void keepIfKind(AcDbObjectId& id, AcDbObjectId fallback)
    {
        if (peekObject<T>(id) == nullptr)
            id = fallback;
    }

    Acad::ErrorStatus checkHeader()
    {
        DatabaseHeader& header = m_database.header;
        if (peekObject<AcDbBlockTable>(header.blockTable) == nullptr ||
            peekObject<AcDbLayerTable>(header.layerTable) == nullptr ||
            peekObject<AcDbLinetypeTable>(header.linetypeTable) == nullptr ||
            peekObject<AcDbTextStyleTable>(header.textStyleTable) == nullptr ||
            peekObject<AcDbDimStyleTable>(header.dimStyleTable) == nullptr ||
            peekObject<AcDbRegAppTable>(header.regAppTable) == nullptr ||
            peekObject<AcDbDictionary>(header.namedObjects) == nullptr)
            return Acad::eBadDwgHeader;
        sweepContainers();
        m_database.refreshWellKnownIds();
        if (m_database.modelSpace.isNull() || m_database.layerZero.isNull())
            return Acad::eBadDwgHeader;
        keepIfKind<AcDbLayerTableRecord>(header.clayer, m_database.layerZero);
        keepIfKind<AcDbLinetypeTableRecord>(header.celtype, m_database.byLayer);
        keepIfKind<AcDbTextStyleTableRecord>(header.textstyle, AcDbObjectId::kNull);
        keepIfKind<AcDbSymbolTableRecord>(header.dimstyle, AcDbObjectId::kNull);
        return Acad::eOk;
    }

    // Containers keep only members of the kind they hold; damaged references are dropped.
    void sweepContainers()
    {
        for (const AcDbStub& stub : m_database.stubs()) {
            AcDbObject* object = stub.object();
            if (object == nullptr)
                continue;
            if (AcDbObjectId& dictionary = object->imp()->extensionDictionary; !dictionary.isNull())
                keepIfKind<AcDbDictionary>(dictionary, AcDbObjectId::kNull);
            if (auto* table = AcDbSymbolTable::cast(object)) {
                bool blocks = AcDbBlockTable::cast(table) != nullptr;
                std::erase_if(table->impTable()->records, [&](const AcDbObjectId& id) {
                    return blocks ? peekObject<AcDbBlockTableRecord>(id) == nullptr
                                  : peekObject<AcDbSymbolTableRecord>(id) == nullptr ||
                                        peekObject<AcDbBlockTableRecord>(id) != nullptr;
                });
                table->impTable()->forgetNames();
            } else if (auto* block = AcDbBlockTableRecord::cast(object)) {
                std::erase_if(block->impBlock()->entities,
                              [](const AcDbObjectId& id) { return peekObject<AcDbEntity>(id) == nullptr; });
            }
        }
    }

    AcDbImpDatabase& m_database;
    HandleReader m_codec;
    AcDb::AcDbDwgVersion m_version = AcDb::kDHL_CURRENT;
    std::vector<ClassEntry> m_classes;
};

std::filesystem::path backupPath(const std::filesystem::path& target)
{
    std::filesystem::path backup = target;
    backup.replace_extension(".bak");
    return backup;
}
} // namespace

Acad::ErrorStatus encodeDrawing(AcDbImpDatabase& database, AcDb::AcDbDwgVersion version,
                                std::vector<Adesk::UInt8>& bytes)
{
    if (!isSavedVersion(static_cast<Adesk::UInt32>(version)))
        return Acad::eInvalidDwgVersion;
    DrawingWriter writer(database, version);
    return writer.write(bytes);
}

Acad::ErrorStatus decodeDrawing(AcDbImpDatabase& database, const Adesk::UInt8* data, std::size_t size)
{
    DrawingReader reader(database);
    return reader.read(data, size);
}

Acad::ErrorStatus objectRecords(const std::vector<Adesk::UInt8>& file,
                                std::vector<std::pair<Adesk::UInt64, std::vector<Adesk::UInt8>>>& records)
{
    records.clear();
    std::array<Span, 3> sections;
    if (Acad::ErrorStatus status = splitSections(file.data(), file.size(), sections); status != Acad::eOk)
        return status;
    std::vector<ClassEntry> classes;
    if (Acad::ErrorStatus status = parseClasses(sections[1], classes); status != Acad::eOk)
        return status;
    return parseObjects(sections[2], classes.size(), [&](StoredObject&& stored) {
        records.emplace_back(stored.handle,
                             std::vector<Adesk::UInt8>(stored.record.data, stored.record.data + stored.record.size));
        return Acad::eOk;
    });
}

Acad::ErrorStatus writeDrawingFile(AcDbImpDatabase& database, const std::wstring& path, AcDb::AcDbDwgVersion version,
                                   bool bakAndRename)
{
    std::vector<Adesk::UInt8> bytes;
    if (Acad::ErrorStatus status = encodeDrawing(database, version, bytes); status != Acad::eOk)
        return status;
    const std::filesystem::path target = nativePath(path);
    ReplacementFile file(target);
    if (!file.write(bytes.data(), bytes.size()))
        return Acad::eFileAccessErr;
    std::error_code error;
    const bool backUp = bakAndRename && std::filesystem::exists(target, error);
    if (backUp) {
        std::filesystem::rename(target, backupPath(target), error);
        if (error)
            return Acad::eFileSystemErr;
    }
    if (file.commit())
        return Acad::eOk;
    // The previous drawing goes back under its own name rather than being left only as the backup.
    if (backUp)
        std::filesystem::rename(backupPath(target), target, error);
    return Acad::eFileSystemErr;
}

Acad::ErrorStatus readDrawingFile(AcDbImpDatabase& database, const std::wstring& path)
{
    std::filesystem::path source = nativePath(path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(source, error))
        return Acad::eFileNotFound;
    std::uintmax_t size = std::filesystem::file_size(source, error);
    std::ifstream stream(source, std::ios::binary);
    if (error || !stream)
        return Acad::eFileAccessErr;
    std::vector<Adesk::UInt8> bytes(static_cast<std::size_t>(size));
    stream.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::uintmax_t>(stream.gcount()) != size)
        return Acad::eFileAccessErr;
    Acad::ErrorStatus status = decodeDrawing(database, bytes.data(), bytes.size());
    if (status == Acad::eOk)
        database.fileName = path;
    return status;
}
} // namespace cadhost
