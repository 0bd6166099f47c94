#include "DefaultDrawing.h"

#include "dbdict.h"
#include "dbimpdatabase.h"
#include "dblayout.h"
#include "dbsymtb.h"

namespace cadhost {
namespace {
template <class TTable> AcDbObjectId addTable(AcDbDatabase* database)
{
    AcDbObjectId id;
    auto* table = new TTable();
    database->addAcDbObject(id, table);
    table->close();
    return id;
}

// Adds a record to a table and hands it, still open for write, to the caller's setup.
template <class TRecord, class Setup> AcDbObjectId addRecord(AcDbObjectId tableId, const ACHAR* name, Setup setup)
{
    AcDbSymbolTable* table = nullptr;
    AcDbObjectId id;
    if (acdbOpenObject(table, tableId, AcDb::kForWrite) != Acad::eOk)
        return id;
    auto* record = new TRecord();
    record->setName(name);
    if (table->add(id, record) == Acad::eOk) {
        setup(record);
        record->close();
    } else {
        delete record;
    }
    table->close();
    return id;
}

constexpr auto kNoSetup = [](auto*) {};

void addLayout(AcDbObjectId dictionaryId, AcDbObjectId blockId, const ACHAR* name, int tabOrder)
{
    AcDbDictionary* dictionary = nullptr;
    if (acdbOpenObject(dictionary, dictionaryId, AcDb::kForWrite) != Acad::eOk)
        return;
    auto* layout = new AcDbLayout();
    layout->setLayoutName(name);
    layout->setTabOrder(tabOrder);
    layout->setBlockTableRecordId(blockId);
    AcDbObjectId layoutId;
    if (dictionary->setAt(name, layout, layoutId) == Acad::eOk) {
        layout->close();
        AcDbBlockTableRecord* block = nullptr;
        if (acdbOpenObject(block, blockId, AcDb::kForWrite) == Acad::eOk) {
            block->setLayoutId(layoutId);
            block->close();
        }
    } else {
        delete layout;
    }
    dictionary->close();
}
} // namespace

void buildDefaultDrawing(AcDbDatabase* database)
{
    DatabaseHeader& header = database->imp()->header;
    header.blockTable = addTable<AcDbBlockTable>(database);
    header.layerTable = addTable<AcDbLayerTable>(database);
    header.linetypeTable = addTable<AcDbLinetypeTable>(database);
    header.textStyleTable = addTable<AcDbTextStyleTable>(database);
    header.dimStyleTable = addTable<AcDbDimStyleTable>(database);
    header.regAppTable = addTable<AcDbRegAppTable>(database);
    header.namedObjects = addTable<AcDbDictionary>(database);

    addRecord<AcDbLinetypeTableRecord>(header.linetypeTable, ACRX_T("ByBlock"), kNoSetup);
    AcDbObjectId byLayer = addRecord<AcDbLinetypeTableRecord>(header.linetypeTable, ACRX_T("ByLayer"), kNoSetup);
    AcDbObjectId continuous = addRecord<AcDbLinetypeTableRecord>(
        header.linetypeTable, ACRX_T("Continuous"),
        [](AcDbLinetypeTableRecord* record) { record->setComments(ACRX_T("Solid line")); });
    header.clayer = addRecord<AcDbLayerTableRecord>(header.layerTable, ACRX_T("0"), [&](AcDbLayerTableRecord* layer) {
        AcCmColor white;
        white.setColorIndex(7);
        layer->setColor(white);
        layer->setLinetypeObjectId(continuous);
    });
    header.celtype = byLayer;
    header.textstyle = addRecord<AcDbTextStyleTableRecord>(header.textStyleTable, ACRX_T("Standard"), kNoSetup);
    addRecord<AcDbRegAppTableRecord>(header.regAppTable, ACRX_T("ACAD"), kNoSetup);
    if (auto* dimStyleClass = static_cast<AcRxClass*>(acrxClassDictionary->at(ACRX_T("AcDbDimStyleTableRecord")))) {
        AcDbSymbolTable* table = nullptr;
        if (acdbOpenObject(table, header.dimStyleTable, AcDb::kForWrite) == Acad::eOk) {
            AcRxObject* created = dimStyleClass->create();
            auto* record = AcDbSymbolTableRecord::cast(created);
            if (record != nullptr && record->setName(ACRX_T("Standard")) == Acad::eOk &&
                table->add(header.dimstyle, record) == Acad::eOk)
                record->close();
            else
                delete created;
            table->close();
        }
    }

    AcDbObjectId modelSpace = addRecord<AcDbBlockTableRecord>(header.blockTable, ACRX_T("*Model_Space"), kNoSetup);
    AcDbObjectId paperSpace = addRecord<AcDbBlockTableRecord>(header.blockTable, ACRX_T("*Paper_Space"), kNoSetup);

    AcDbDictionary* named = nullptr;
    AcDbObjectId layoutDictionary;
    if (acdbOpenObject(named, header.namedObjects, AcDb::kForWrite) == Acad::eOk) {
        auto* layouts = new AcDbDictionary();
        if (named->setAt(ACRX_T("ACAD_LAYOUT"), layouts, layoutDictionary) == Acad::eOk)
            layouts->close();
        else
            delete layouts;
        named->close();
    }
    addLayout(layoutDictionary, modelSpace, ACRX_T("Model"), 0);
    addLayout(layoutDictionary, paperSpace, ACRX_T("Layout1"), 1);

    database->imp()->refreshWellKnownIds();
    database->imp()->modified = false;
}
} // namespace cadhost
