// Drawings for the pipeline tests: the module's classes registered for the whole program, a database
// that is the working database while it lives, and helpers that build and inspect its content.
#pragma once

#include "entities/AcDbWatermark.h"
#include "entities/CustomClasses.h"

#include "ResbufType.h"
#include "dbapserv.h"
#include "dbobjptr.h"
#include "dbsymtb.h"
#include "rxobject.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class PipelineClasses : public ::testing::Environment {
public:
    void SetUp() override
    {
        registerCustomClasses();
        // The watermark joins the module's registration only where that already lists it.
        AcRxDictionary* classes = AcRxDictionary::cast(acrxSysRegistry()->at(ACRX_CLASS_DICTIONARY));
        m_watermarkHere = classes->at(AcDbWatermark::className()) == nullptr;
        if (m_watermarkHere)
            AcDbWatermark::rxInit();
        acrxBuildClassHierarchy();
    }
    void TearDown() override
    {
        if (m_watermarkHere)
            deleteAcRxClass(AcDbWatermark::desc());
        deleteCustomClasses();
    }

private:
    bool m_watermarkHere = false;
};

class WorkingDatabase {
public:
    WorkingDatabase() : m_previous(acdbHostApplicationServices()->workingDatabase())
    {
        acdbHostApplicationServices()->setWorkingDatabase(&database);
    }
    ~WorkingDatabase() { acdbHostApplicationServices()->setWorkingDatabase(m_previous); }
    WorkingDatabase(const WorkingDatabase&) = delete;
    WorkingDatabase& operator=(const WorkingDatabase&) = delete;

    AcDbDatabase database;

private:
    AcDbDatabase* m_previous;
};

inline AcDbObjectId appendTo(AcDbObjectId blockId, AcDbEntity* entity)
{
    AcDbObjectPointer<AcDbBlockTableRecord> block(blockId, AcDb::kForWrite);
    EXPECT_EQ(block.openStatus(), Acad::eOk);
    entity->setDatabaseDefaults(block->database());
    AcDbObjectId id;
    EXPECT_EQ(block->appendAcDbEntity(id, entity), Acad::eOk);
    entity->close();
    return id;
}

// The class names of the block's live entities, in their stored order.
inline std::vector<std::wstring> classNames(AcDbObjectId blockId)
{
    AcDbObjectPointer<AcDbBlockTableRecord> block(blockId, AcDb::kForRead);
    std::vector<std::wstring> names;
    for (const AcDbObjectId& id : block->entityIds()) {
        AcDbEntityPointer entity(id, AcDb::kForRead);
        names.emplace_back(entity->isA()->name());
    }
    return names;
}

inline AcDbObjectIdArray entityIds(AcDbObjectId blockId)
{
    AcDbObjectPointer<AcDbBlockTableRecord> block(blockId, AcDb::kForRead);
    return block->entityIds();
}

// The strings of the entity's extended data for one application, name first; empty without any.
inline std::vector<std::wstring> xdataStrings(AcDbObjectId entityId, const wchar_t* application)
{
    AcDbEntityPointer entity(entityId, AcDb::kForRead);
    cadhost::ResbufChain chain(entity->xData(application));
    std::vector<std::wstring> strings;
    for (const resbuf* item = chain.get(); item != nullptr; item = item->rbnext)
        strings.emplace_back(std::to_wstring(item->restype) + L":" + item->resval.rstring);
    return strings;
}
