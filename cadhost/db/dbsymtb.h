// Symbol tables and their records: blocks, layers, linetypes, text styles, dimension styles,
// registered applications.
#pragma once

#include "dbmain.h"

#include <memory>

class AcDbSymbolTableIterator;
class AcDbBlockTableRecordIterator;
class AcDbBlockReferenceIdIterator;
class AcDbSortentsTable;
class AcDbImpSymbolTable;
class AcDbImpBlockTableRecord;
namespace cadhost {
class FieldIo;
}

class CADHOST_EXPORT AcDbSymbolTableRecord : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbSymbolTableRecord);
    AcDbSymbolTableRecord() = default;

    Acad::ErrorStatus getName(ACHAR*& name) const;
    Acad::ErrorStatus getName(AcString& name) const;
    Acad::ErrorStatus getName(const ACHAR*& name) const;
    virtual Acad::ErrorStatus setName(const ACHAR* name);
    bool isDependent() const { return false; }
    bool isResolved() const { return true; }

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    std::wstring m_name;
};

// A table owns its records; names compare without regard to case.
class CADHOST_EXPORT AcDbSymbolTable : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbSymbolTable);
    AcDbSymbolTable();
    ~AcDbSymbolTable() override;

    bool has(const ACHAR* name) const;
    bool has(AcDbObjectId id) const;
    Acad::ErrorStatus getAt(const ACHAR* name, AcDbObjectId& id, bool getErasedRecord = false) const;
    Acad::ErrorStatus getAt(const ACHAR* name, AcDbSymbolTableRecord*& record, AcDb::OpenMode mode,
                            bool openErasedRecord = false) const;
    Acad::ErrorStatus add(AcDbSymbolTableRecord* record);
    Acad::ErrorStatus add(AcDbObjectId& id, AcDbSymbolTableRecord* record);
    Acad::ErrorStatus newIterator(AcDbSymbolTableIterator*& iterator, bool atBeginning = true,
                                  bool skipDeleted = true) const;
    // The record ids in table order (erased records left out).
    AcDbObjectIdArray recordIds() const;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

    AcDbImpSymbolTable* impTable() const { return m_table.get(); }

private:
    // The records that may have the name, in table order.
    const std::vector<AcDbObjectId>& recordsNamed(const ACHAR* name) const;

    std::unique_ptr<AcDbImpSymbolTable> m_table;
};

class CADHOST_EXPORT AcDbSymbolTableIterator {
public:
    explicit AcDbSymbolTableIterator(AcDbObjectIdArray ids) : m_ids(std::move(ids)) {}
    virtual ~AcDbSymbolTableIterator() = default;
    void start(bool atBeginning = true, bool skipDeleted = true);
    bool done() const { return m_index < 0 || m_index >= m_ids.length(); }
    void step(bool forward = true, bool skipDeleted = true);
    Acad::ErrorStatus getRecordId(AcDbObjectId& id) const;
    Acad::ErrorStatus getRecord(AcDbSymbolTableRecord*& record, AcDb::OpenMode mode, bool openErased = false) const;

private:
    AcDbObjectIdArray m_ids;
    int m_index = 0;
};

template <class TRecord> class AcDbTypedSymbolTableIterator : public AcDbSymbolTableIterator {
public:
    using AcDbSymbolTableIterator::AcDbSymbolTableIterator;
    using AcDbSymbolTableIterator::getRecord;
    Acad::ErrorStatus getRecord(TRecord*& record, AcDb::OpenMode mode, bool openErased = false) const
    {
        AcDbObjectId id;
        Acad::ErrorStatus status = getRecordId(id);
        if (status != Acad::eOk)
            return status;
        return acdbOpenObject(record, id, mode, openErased);
    }
};

// ---- Blocks ----

class CADHOST_EXPORT AcDbBlockTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbBlockTableRecord);
    AcDbBlockTableRecord();
    ~AcDbBlockTableRecord() override;

    // Takes ownership of a new entity and gives it an id and handle, at the end of the entity order.
    Acad::ErrorStatus appendAcDbEntity(AcDbEntity* entity);
    Acad::ErrorStatus appendAcDbEntity(AcDbObjectId& id, AcDbEntity* entity);
    Acad::ErrorStatus newIterator(AcDbBlockTableRecordIterator*& iterator, bool atBeginning = true,
                                  bool skipDeleted = true) const;

    bool isLayout() const;
    AcDbObjectId getLayoutId() const;
    Acad::ErrorStatus setLayoutId(AcDbObjectId layoutId);
    bool isAnonymous() const;
    bool hasAttributeDefinitions() const;
    bool isFromExternalReference() const { return false; }
    AcGePoint3d origin() const;
    Acad::ErrorStatus setOrigin(const AcGePoint3d& origin);
    Acad::ErrorStatus comments(ACHAR*& comments) const;
    Acad::ErrorStatus setComments(const ACHAR* comments);
    // The block references (and their subclasses) that use this block, directly or nested.
    Acad::ErrorStatus getBlockReferenceIds(AcDbObjectIdArray& ids, bool directOnly = true,
                                           bool forceValidity = false) const;
    // The draw-order table of this block, kept in its extension dictionary as "ACAD_SORTENTS".
    Acad::ErrorStatus getSortentsTable(AcDbSortentsTable*& table, AcDb::OpenMode mode, bool createIfNecessary = false);
    // Entity ids in their stored order (erased entities left out).
    AcDbObjectIdArray entityIds() const;

    Acad::ErrorStatus setName(const ACHAR* name) override;
    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

    AcDbImpBlockTableRecord* impBlock() const { return m_block.get(); }

private:
    std::unique_ptr<AcDbImpBlockTableRecord> m_block;
};

class CADHOST_EXPORT AcDbBlockTableRecordIterator {
public:
    explicit AcDbBlockTableRecordIterator(AcDbObjectIdArray ids) : m_ids(std::move(ids)) {}
    void start(bool atBeginning = true, bool skipDeleted = true);
    bool done() const { return m_index < 0 || m_index >= m_ids.length(); }
    void step(bool forward = true, bool skipDeleted = true);
    Acad::ErrorStatus getEntityId(AcDbObjectId& id) const;
    Acad::ErrorStatus getEntity(AcDbEntity*& entity, AcDb::OpenMode mode, bool openErased = false) const;

private:
    AcDbObjectIdArray m_ids;
    int m_index = 0;
};

class CADHOST_EXPORT AcDbBlockTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbBlockTable);
    using AcDbSymbolTable::getAt;
    using AcDbSymbolTable::newIterator;
    Acad::ErrorStatus getAt(const ACHAR* name, AcDbBlockTableRecord*& record, AcDb::OpenMode mode,
                            bool openErasedRecord = false) const;
    Acad::ErrorStatus newIterator(AcDbTypedSymbolTableIterator<AcDbBlockTableRecord>*& iterator,
                                  bool atBeginning = true, bool skipDeleted = true) const;
};
using AcDbBlockTableIterator = AcDbTypedSymbolTableIterator<AcDbBlockTableRecord>;

// ---- Layers ----

class CADHOST_EXPORT AcDbLayerTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbLayerTableRecord);
    AcDbLayerTableRecord() = default;

    bool isFrozen() const { return m_frozen; }
    Acad::ErrorStatus setIsFrozen(bool frozen);
    bool isOff() const { return m_off; }
    void setIsOff(bool off);
    bool isLocked() const { return m_locked; }
    void setIsLocked(bool locked);
    bool isPlottable() const { return m_plottable; }
    Acad::ErrorStatus setIsPlottable(bool plottable);
    bool VPDFLT() const { return m_frozenInNewViewports; }
    void setVPDFLT(bool frozen);
    bool isHidden() const { return false; }
    AcCmColor color() const { return m_color; }
    void setColor(const AcCmColor& color);
    AcDbObjectId linetypeObjectId() const { return m_linetypeId; }
    Acad::ErrorStatus setLinetypeObjectId(AcDbObjectId id);
    AcDb::LineWeight lineWeight() const { return m_lineWeight; }
    Acad::ErrorStatus setLineWeight(AcDb::LineWeight weight);
    AcCmTransparency transparency() const { return m_transparency; }
    Acad::ErrorStatus setTransparency(const AcCmTransparency& transparency);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    void fileFields(cadhost::FieldIo& io);

    bool m_frozen = false;
    bool m_off = false;
    bool m_locked = false;
    bool m_plottable = true;
    bool m_frozenInNewViewports = false;
    AcCmColor m_color;
    AcDbObjectId m_linetypeId;
    AcDb::LineWeight m_lineWeight = AcDb::kLnWtByLwDefault;
    AcCmTransparency m_transparency;
};

class CADHOST_EXPORT AcDbLayerTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbLayerTable);
    using AcDbSymbolTable::getAt;
    using AcDbSymbolTable::newIterator;
    Acad::ErrorStatus getAt(const ACHAR* name, AcDbLayerTableRecord*& record, AcDb::OpenMode mode,
                            bool openErasedRecord = false) const;
    Acad::ErrorStatus newIterator(AcDbTypedSymbolTableIterator<AcDbLayerTableRecord>*& iterator,
                                  bool atBeginning = true, bool skipDeleted = true) const;
};
using AcDbLayerTableIterator = AcDbTypedSymbolTableIterator<AcDbLayerTableRecord>;

// ---- Linetypes, text styles, dimension styles, registered applications ----

class CADHOST_EXPORT AcDbLinetypeTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbLinetypeTableRecord);
    Acad::ErrorStatus comments(ACHAR*& comments) const;
    Acad::ErrorStatus setComments(const ACHAR* comments);
    // Dash lengths: positive draws, negative is a gap, zero is a dot.
    int numDashes() const { return m_dashes.length(); }
    double dashLengthAt(int index) const { return m_dashes[index]; }
    void setNumDashes(int count);
    void setDashLengthAt(int index, double length);
    double patternLength() const;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    void fileFields(cadhost::FieldIo& io);

    std::wstring m_comments;
    AcArray<double> m_dashes;
};

class CADHOST_EXPORT AcDbLinetypeTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbLinetypeTable);
};

class CADHOST_EXPORT AcDbTextStyleTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbTextStyleTableRecord);
    double textSize() const { return m_textSize; }
    Acad::ErrorStatus setTextSize(double size);
    double xScale() const { return m_xScale; }
    Acad::ErrorStatus setXScale(double scale);
    double obliquingAngle() const { return m_oblique; }
    Acad::ErrorStatus setObliquingAngle(double angle);
    Acad::ErrorStatus fileName(ACHAR*& name) const;
    Acad::ErrorStatus setFileName(const ACHAR* name);
    Acad::ErrorStatus bigFontFileName(ACHAR*& name) const;
    Acad::ErrorStatus setBigFontFileName(const ACHAR* name);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    void fileFields(cadhost::FieldIo& io);

    double m_textSize = 0.0;
    double m_xScale = 1.0;
    double m_oblique = 0.0;
    std::wstring m_fileName = L"txt";
    std::wstring m_bigFontFileName;
};

class CADHOST_EXPORT AcDbTextStyleTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbTextStyleTable);
};

class AcDbDimStyleTableRecord;

class CADHOST_EXPORT AcDbDimStyleTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbDimStyleTable);
};

class CADHOST_EXPORT AcDbRegAppTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbRegAppTableRecord);
};

class CADHOST_EXPORT AcDbRegAppTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbRegAppTable);
};
