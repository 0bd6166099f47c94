// Drawings on disk and open documents for the document tests; every document still open is closed
// when the fixture ends.
#pragma once

#include "ScopedTempFolder.h"
#include "acdocman.h"
#include "dbapserv.h"
#include "dbents.h"
#include "dbobjptr.h"

#include <gtest/gtest.h>

#include <functional>

// Saves a drawing whose model space holds what fill appends.
inline void saveDrawing(const std::filesystem::path& path, const std::function<void(AcDbDatabase&)>& fill)
{
    AcDbDatabase database;
    AcDbDatabase* previous = acdbHostApplicationServices()->workingDatabase();
    acdbHostApplicationServices()->setWorkingDatabase(&database);
    fill(database);
    EXPECT_EQ(database.saveAs(path.wstring().c_str()), Acad::eOk);
    acdbHostApplicationServices()->setWorkingDatabase(previous);
}

inline void appendToModelSpace(AcDbDatabase& database, AcDbEntity* entity)
{
    AcDbObjectPointer<AcDbBlockTableRecord> modelSpace(database.modelSpaceId(), AcDb::kForWrite);
    ASSERT_EQ(modelSpace.openStatus(), Acad::eOk);
    entity->setDatabaseDefaults(&database);
    ASSERT_EQ(modelSpace->appendAcDbEntity(entity), Acad::eOk);
    entity->close();
}

// A drawing with lines from (0, i) to (10, i) for i = 0 .. count - 1.
inline void saveLines(const std::filesystem::path& path, int count)
{
    saveDrawing(path, [count](AcDbDatabase& database) {
        for (int i = 0; i < count; ++i)
            appendToModelSpace(database, new AcDbLine(AcGePoint3d(0, i, 0), AcGePoint3d(10, i, 0)));
    });
}

class DocumentFixture : public ::testing::Test {
protected:
    void TearDown() override
    {
        while (acDocManager->documentCount() > 0) {
            std::unique_ptr<AcApDocumentIterator> iterator(acDocManager->newAcApDocumentIterator());
            AcApDocument* document = iterator->document();
            while (document->lockMode() != AcAp::kNotLocked)
                acDocManager->unlockDocument(document);
            acDocManager->closeDocument(document);
        }
    }

    AcApDocument* open(const std::filesystem::path& path)
    {
        EXPECT_EQ(acDocManager->appContextOpenDocument(path.wstring().c_str()), Acad::eOk);
        return acDocManager->curDocument();
    }

    ScopedTempFolder folder;
};
