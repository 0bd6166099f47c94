#include "dbsymtb.h"

#include "DwgBufferFiler.h"
#include "FieldIo.h"
#include "SymbolName.h"
#include "dbimpobject.h"
#include "dbimpsymtb.h"

#include <cmath>
#include <cwctype>

namespace {
// The record class a table holds. Dimension styles are looked up by name: their class lives with
// the dimension entities.
AcRxClass* recordClassOf(const AcDbSymbolTable* table)
{
    if (AcDbBlockTable::cast(table) != nullptr)
        return AcDbBlockTableRecord::desc();
    if (AcDbLayerTable::cast(table) != nullptr)
        return AcDbLayerTableRecord::desc();
    if (AcDbLinetypeTable::cast(table) != nullptr)
        return AcDbLinetypeTableRecord::desc();
    if (AcDbTextStyleTable::cast(table) != nullptr)
        return AcDbTextStyleTableRecord::desc();
    if (AcDbRegAppTable::cast(table) != nullptr)
        return AcDbRegAppTableRecord::desc();
    if (AcDbDimStyleTable::cast(table) != nullptr)
        return static_cast<AcRxClass*>(acrxClassDictionary->at(ACRX_T("AcDbDimStyleTableRecord")));
    return AcDbSymbolTableRecord::desc();
}

std::wstring_view recordName(const AcDbObjectId& id)
{
    const AcDbSymbolTableRecord* record = peekObject<AcDbSymbolTableRecord>(id);
    if (record == nullptr)
        return {};
    const ACHAR* name = nullptr;
    record->getName(name);
    return name;
}

// Tells the table that owns the record, if any, that its names changed.
void forgetNamesOfOwner(const AcDbSymbolTableRecord& record)
{
    if (const AcDbSymbolTable* table = peekObject<AcDbSymbolTable>(record.ownerId()))
        table->impTable()->forgetNames();
}

// An anonymous block name is '*' and one letter; the table numbers it ("*U" becomes "*U1", "*U2" ...).
bool isAnonymousStem(const std::wstring& name)
{
    return name.size() == 2 && name[0] == L'*' && std::iswalpha(static_cast<wint_t>(name[1]));
}
} // namespace

// ---- Records ----

Acad::ErrorStatus AcDbSymbolTableRecord::getName(ACHAR*& name) const
{
    assertReadEnabled();
    return acutNewString(m_name.c_str(), name);
}

Acad::ErrorStatus AcDbSymbolTableRecord::getName(AcString& name) const
{
    assertReadEnabled();
    name = AcString(m_name);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::getName(const ACHAR*& name) const
{
    name = m_name.c_str();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::setName(const ACHAR* name)
{
    if (name == nullptr)
        return Acad::eNullPtr;
    bool isBlock = AcDbBlockTableRecord::cast(this) != nullptr;
    if (!cadhost::isValidSymbolName(name, isBlock))
        return Acad::eInvalidSymbolTableName;
    if (const AcDbSymbolTable* table = peekObject<AcDbSymbolTable>(ownerId())) {
        AcDbObjectId existing;
        if (table->getAt(name, existing) == Acad::eOk && existing != objectId())
            return Acad::eDuplicateRecordName;
    }
    assertWriteEnabled();
    m_name = name;
    forgetNamesOfOwner(*this);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::dwgOutFields(AcDbDwgFiler* filer) const
{
    if (Acad::ErrorStatus status = AcDbObject::dwgOutFields(filer); status != Acad::eOk)
        return status;
    return filer->writeString(m_name.c_str());
}

Acad::ErrorStatus AcDbSymbolTableRecord::dwgInFields(AcDbDwgFiler* filer)
{
    if (Acad::ErrorStatus status = AcDbObject::dwgInFields(filer); status != Acad::eOk)
        return status;
    AcString name;
    if (Acad::ErrorStatus status = filer->readString(name); status != Acad::eOk)
        return status;
    m_name = name.str();
    forgetNamesOfOwner(*this);
    return Acad::eOk;
}

// ---- Tables ----

AcDbSymbolTable::AcDbSymbolTable() : m_table(std::make_unique<AcDbImpSymbolTable>())
{
}

AcDbSymbolTable::~AcDbSymbolTable() = default;

bool AcDbSymbolTable::has(const ACHAR* name) const
{
    AcDbObjectId id;
    return getAt(name, id) == Acad::eOk;
}

bool AcDbSymbolTable::has(AcDbObjectId id) const
{
    for (const AcDbObjectId& record : m_table->records) {
        if (record == id)
            return !id.isErased();
    }
    return false;
}

const std::vector<AcDbObjectId>& AcDbSymbolTable::recordsNamed(const ACHAR* name) const
{
    AcDbImpSymbolTable& table = *m_table;
    if (!table.namesKnown) {
        table.byName.clear();
        // A record not in memory yet has no name to file it under: every record is then a candidate.
        bool complete = true;
        for (const AcDbObjectId& record : table.records) {
            if (peekObject<AcDbSymbolTableRecord>(record) == nullptr)
                complete = false;
            else
                table.byName[cadhost::foldName(recordName(record))].push_back(record);
        }
        if (!complete) {
            table.byName.clear();
            return table.records;
        }
        table.namesKnown = true;
    }
    static const std::vector<AcDbObjectId> kNone;
    const auto found = table.byName.find(cadhost::foldName(name));
    return found == table.byName.end() ? kNone : found->second;
}

Acad::ErrorStatus AcDbSymbolTable::getAt(const ACHAR* name, AcDbObjectId& id, bool getErasedRecord) const
{
    if (name == nullptr)
        return Acad::eNullPtr;
    // Of several records with one name (erased ones among them) the live one wins.
    AcDbObjectId erasedMatch;
    for (const AcDbObjectId& record : recordsNamed(name)) {
        if (!cadhost::sameName(recordName(record), name))
            continue;
        if (!record.isErased()) {
            id = record;
            return Acad::eOk;
        }
        if (erasedMatch.isNull())
            erasedMatch = record;
    }
    if (getErasedRecord && !erasedMatch.isNull()) {
        id = erasedMatch;
        return Acad::eOk;
    }
    return Acad::eKeyNotFound;
}

Acad::ErrorStatus AcDbSymbolTable::getAt(const ACHAR* name, AcDbSymbolTableRecord*& record, AcDb::OpenMode mode,
                                         bool openErasedRecord) const
{
    record = nullptr;
    AcDbObjectId id;
    if (Acad::ErrorStatus status = getAt(name, id, openErasedRecord); status != Acad::eOk)
        return status;
    return acdbOpenObject(record, id, mode, openErasedRecord);
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbSymbolTableRecord* record)
{
    AcDbObjectId id;
    return add(id, record);
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbObjectId& id, AcDbSymbolTableRecord* record)
{
    if (record == nullptr)
        return Acad::eNullObjectPointer;
    if (database() == nullptr)
        return Acad::eNoDatabase;
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    if (!record->objectId().isNull())
        return Acad::eAlreadyInDb;
    AcRxClass* recordClass = recordClassOf(this);
    if (recordClass == nullptr || !record->isKindOf(recordClass))
        return Acad::eWrongObjectType;
    const ACHAR* name = nullptr;
    record->getName(name);
    bool isBlockTable = AcDbBlockTable::cast(this) != nullptr;
    std::wstring finalName = name;
    if (isBlockTable && isAnonymousStem(finalName)) {
        for (int number = 1;; ++number) {
            std::wstring candidate = finalName + std::to_wstring(number);
            if (!has(candidate.c_str())) {
                finalName = candidate;
                break;
            }
        }
    }
    if (!cadhost::isValidSymbolName(finalName, isBlockTable))
        return Acad::eInvalidSymbolTableName;
    if (has(finalName.c_str()))
        return Acad::eDuplicateRecordName;
    Acad::ErrorStatus status = database()->addAcDbObject(id, record);
    if (status != Acad::eOk)
        return status;
    // Named before it has an owner, so that the table's name index need not be rebuilt.
    if (finalName != name)
        record->setName(finalName.c_str());
    record->setOwnerId(objectId());
    m_table->records.push_back(id);
    if (m_table->namesKnown)
        m_table->byName[cadhost::foldName(finalName)].push_back(id);
    assertWriteEnabled();
    return Acad::eOk;
}

AcDbObjectIdArray AcDbSymbolTable::recordIds() const
{
    AcDbObjectIdArray ids;
    for (const AcDbObjectId& record : m_table->records) {
        if (record.isValid() && !record.isErased())
            ids.append(record);
    }
    return ids;
}

Acad::ErrorStatus AcDbSymbolTable::newIterator(AcDbSymbolTableIterator*& iterator, bool atBeginning,
                                               bool skipDeleted) const
{
    AcDbObjectIdArray ids;
    for (const AcDbObjectId& record : m_table->records) {
        if (record.isValid() && (!skipDeleted || !record.isErased()))
            ids.append(record);
    }
    iterator = new AcDbSymbolTableIterator(ids);
    iterator->start(atBeginning, skipDeleted);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::dwgOutFields(AcDbDwgFiler* filer) const
{
    if (Acad::ErrorStatus status = AcDbObject::dwgOutFields(filer); status != Acad::eOk)
        return status;
    AcDbObjectIdArray ids = recordIds();
    filer->writeUInt32(static_cast<Adesk::UInt32>(ids.length()));
    for (const AcDbObjectId& id : ids)
        filer->writeHardOwnershipId(id);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbSymbolTable::dwgInFields(AcDbDwgFiler* filer)
{
    if (Acad::ErrorStatus status = AcDbObject::dwgInFields(filer); status != Acad::eOk)
        return status;
    cadhost::FieldIo io(filer, cadhost::FieldIo::kIn);
    Adesk::UInt32 count = 0;
    io.count(count, cadhost::kIdBytes);
    if (!io.ok())
        return io.status();
    m_table->records.clear();
    m_table->forgetNames();
    for (Adesk::UInt32 index = 0; index < count && io.ok(); ++index) {
        AcDbObjectId id;
        io.hardOwnership(id);
        if (io.ok() && !id.isNull())
            m_table->records.push_back(id);
    }
    return io.status();
}

// ---- Iterator ----

void AcDbSymbolTableIterator::start(bool atBeginning, bool skipDeleted)
{
    m_index = atBeginning ? 0 : m_ids.length() - 1;
    while (skipDeleted && !done() && m_ids[m_index].isErased())
        m_index += atBeginning ? 1 : -1;
}

void AcDbSymbolTableIterator::step(bool forward, bool skipDeleted)
{
    do {
        m_index += forward ? 1 : -1;
    } while (skipDeleted && !done() && m_ids[m_index].isErased());
}

Acad::ErrorStatus AcDbSymbolTableIterator::getRecordId(AcDbObjectId& id) const
{
    if (done())
        return Acad::eIteratorDone;
    id = m_ids[m_index];
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableIterator::getRecord(AcDbSymbolTableRecord*& record, AcDb::OpenMode mode,
                                                     bool openErased) const
{
    record = nullptr;
    AcDbObjectId id;
    if (Acad::ErrorStatus status = getRecordId(id); status != Acad::eOk)
        return status;
    return acdbOpenObject(record, id, mode, openErased);
}

// ---- Typed tables ----

namespace {
template <class TTable, class TRecord>
Acad::ErrorStatus typedGetAt(const TTable* table, const ACHAR* name, TRecord*& record, AcDb::OpenMode mode,
                             bool openErased)
{
    record = nullptr;
    AcDbObjectId id;
    if (Acad::ErrorStatus status = table->getAt(name, id, openErased); status != Acad::eOk)
        return status;
    return acdbOpenObject(record, id, mode, openErased);
}

template <class TRecord>
Acad::ErrorStatus typedIterator(const AcDbSymbolTable* table, AcDbTypedSymbolTableIterator<TRecord>*& iterator,
                                bool atBeginning, bool skipDeleted)
{
    AcDbSymbolTableIterator* plain = nullptr;
    table->newIterator(plain, atBeginning, skipDeleted);
    AcDbObjectIdArray ids;
    for (plain->start(true, skipDeleted); !plain->done(); plain->step(true, skipDeleted)) {
        AcDbObjectId id;
        plain->getRecordId(id);
        ids.append(id);
    }
    delete plain;
    iterator = new AcDbTypedSymbolTableIterator<TRecord>(ids);
    iterator->start(atBeginning, skipDeleted);
    return Acad::eOk;
}
} // namespace

Acad::ErrorStatus AcDbBlockTable::getAt(const ACHAR* name, AcDbBlockTableRecord*& record, AcDb::OpenMode mode,
                                        bool openErasedRecord) const
{
    return typedGetAt(this, name, record, mode, openErasedRecord);
}

Acad::ErrorStatus AcDbBlockTable::newIterator(AcDbTypedSymbolTableIterator<AcDbBlockTableRecord>*& iterator,
                                              bool atBeginning, bool skipDeleted) const
{
    return typedIterator(this, iterator, atBeginning, skipDeleted);
}

Acad::ErrorStatus AcDbLayerTable::getAt(const ACHAR* name, AcDbLayerTableRecord*& record, AcDb::OpenMode mode,
                                        bool openErasedRecord) const
{
    return typedGetAt(this, name, record, mode, openErasedRecord);
}

Acad::ErrorStatus AcDbLayerTable::newIterator(AcDbTypedSymbolTableIterator<AcDbLayerTableRecord>*& iterator,
                                              bool atBeginning, bool skipDeleted) const
{
    return typedIterator(this, iterator, atBeginning, skipDeleted);
}

// ---- Layers ----

Acad::ErrorStatus AcDbLayerTableRecord::setIsFrozen(bool frozen)
{
    assertWriteEnabled();
    m_frozen = frozen;
    return Acad::eOk;
}

void AcDbLayerTableRecord::setIsOff(bool off)
{
    assertWriteEnabled();
    m_off = off;
}

void AcDbLayerTableRecord::setIsLocked(bool locked)
{
    assertWriteEnabled();
    m_locked = locked;
}

Acad::ErrorStatus AcDbLayerTableRecord::setIsPlottable(bool plottable)
{
    assertWriteEnabled();
    m_plottable = plottable;
    return Acad::eOk;
}

void AcDbLayerTableRecord::setVPDFLT(bool frozen)
{
    assertWriteEnabled();
    m_frozenInNewViewports = frozen;
}

void AcDbLayerTableRecord::setColor(const AcCmColor& color)
{
    assertWriteEnabled();
    m_color = color;
}

Acad::ErrorStatus AcDbLayerTableRecord::setLinetypeObjectId(AcDbObjectId id)
{
    if (peekObject<AcDbLinetypeTableRecord>(id) == nullptr)
        return Acad::eKeyNotFound;
    assertWriteEnabled();
    m_linetypeId = id;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTableRecord::setLineWeight(AcDb::LineWeight weight)
{
    if (weight == AcDb::kLnWtByLayer || weight == AcDb::kLnWtByBlock)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_lineWeight = weight;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTableRecord::setTransparency(const AcCmTransparency& transparency)
{
    assertWriteEnabled();
    m_transparency = transparency;
    return Acad::eOk;
}

void AcDbLayerTableRecord::fileFields(cadhost::FieldIo& io)
{
    io(m_frozen)(m_off)(m_locked)(m_plottable)(m_frozenInNewViewports)(m_color).hardPointer(m_linetypeId);
    io.enumeration(m_lineWeight)(m_transparency);
}

Acad::ErrorStatus AcDbLayerTableRecord::dwgOutFields(AcDbDwgFiler* filer) const
{
    if (Acad::ErrorStatus status = AcDbSymbolTableRecord::dwgOutFields(filer); status != Acad::eOk)
        return status;
    cadhost::FieldIo io(filer, cadhost::FieldIo::kOut);
    const_cast<AcDbLayerTableRecord*>(this)->fileFields(io);
    return io.status();
}

Acad::ErrorStatus AcDbLayerTableRecord::dwgInFields(AcDbDwgFiler* filer)
{
    if (Acad::ErrorStatus status = AcDbSymbolTableRecord::dwgInFields(filer); status != Acad::eOk)
        return status;
    cadhost::FieldIo io(filer, cadhost::FieldIo::kIn);
    fileFields(io);
    return io.status();
}

// ---- Linetypes ----

Acad::ErrorStatus AcDbLinetypeTableRecord::comments(ACHAR*& comments) const
{
    assertReadEnabled();
    return acutNewString(m_comments.c_str(), comments);
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setComments(const ACHAR* comments)
{
    assertWriteEnabled();
    m_comments = comments != nullptr ? comments : L"";
    return Acad::eOk;
}

void AcDbLinetypeTableRecord::setNumDashes(int count)
{
    assertWriteEnabled();
    m_dashes.setLogicalLength(std::max(count, 0));
}

void AcDbLinetypeTableRecord::setDashLengthAt(int index, double length)
{
    if (index < 0 || index >= m_dashes.length())
        return;
    assertWriteEnabled();
    m_dashes[index] = length;
}

double AcDbLinetypeTableRecord::patternLength() const
{
    double total = 0.0;
    for (double dash : m_dashes)
        total += std::fabs(dash);
    return total;
}

void AcDbLinetypeTableRecord::fileFields(cadhost::FieldIo& io)
{
    io(m_comments);
    auto count = static_cast<Adesk::UInt32>(m_dashes.length());
    io.count(count, sizeof(double));
    if (!io.ok())
        return;
    if (!io.writing())
        m_dashes.setLogicalLength(static_cast<int>(count));
    for (double& dash : m_dashes)
        io(dash);
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dwgOutFields(AcDbDwgFiler* filer) const
{
    if (Acad::ErrorStatus status = AcDbSymbolTableRecord::dwgOutFields(filer); status != Acad::eOk)
        return status;
    cadhost::FieldIo io(filer, cadhost::FieldIo::kOut);
    const_cast<AcDbLinetypeTableRecord*>(this)->fileFields(io);
    return io.status();
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dwgInFields(AcDbDwgFiler* filer)
{
    if (Acad::ErrorStatus status = AcDbSymbolTableRecord::dwgInFields(filer); status != Acad::eOk)
        return status;
    cadhost::FieldIo io(filer, cadhost::FieldIo::kIn);
    fileFields(io);
    return io.status();
}

// ---- Text styles ----

Acad::ErrorStatus AcDbTextStyleTableRecord::setTextSize(double size)
{
    if (size < 0.0)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_textSize = size;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setXScale(double scale)
{
    if (!(scale > 0.0))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_xScale = scale;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setObliquingAngle(double angle)
{
    assertWriteEnabled();
    m_oblique = angle;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::fileName(ACHAR*& name) const
{
    assertReadEnabled();
    return acutNewString(m_fileName.c_str(), name);
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setFileName(const ACHAR* name)
{
    assertWriteEnabled();
    m_fileName = name != nullptr ? name : L"";
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::bigFontFileName(ACHAR*& name) const
{
    assertReadEnabled();
    return acutNewString(m_bigFontFileName.c_str(), name);
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setBigFontFileName(const ACHAR* name)
{
    assertWriteEnabled();
    m_bigFontFileName = name != nullptr ? name : L"";
    return Acad::eOk;
}

void AcDbTextStyleTableRecord::fileFields(cadhost::FieldIo& io)
{
    io(m_textSize)(m_xScale)(m_oblique)(m_fileName)(m_bigFontFileName);
}

Acad::ErrorStatus AcDbTextStyleTableRecord::dwgOutFields(AcDbDwgFiler* filer) const
{
    if (Acad::ErrorStatus status = AcDbSymbolTableRecord::dwgOutFields(filer); status != Acad::eOk)
        return status;
    cadhost::FieldIo io(filer, cadhost::FieldIo::kOut);
    const_cast<AcDbTextStyleTableRecord*>(this)->fileFields(io);
    return io.status();
}

Acad::ErrorStatus AcDbTextStyleTableRecord::dwgInFields(AcDbDwgFiler* filer)
{
    if (Acad::ErrorStatus status = AcDbSymbolTableRecord::dwgInFields(filer); status != Acad::eOk)
        return status;
    cadhost::FieldIo io(filer, cadhost::FieldIo::kIn);
    fileFields(io);
    return io.status();
}
