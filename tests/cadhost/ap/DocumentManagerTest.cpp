#include "DocumentTestSupport.h"

#include <fstream>
#include <iterator>

namespace {
std::string fileBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

int modelSpaceCount(AcDbDatabase* database)
{
    AcDbObjectPointer<AcDbBlockTableRecord> modelSpace(database->modelSpaceId(), AcDb::kForRead);
    return modelSpace.openStatus() == Acad::eOk ? modelSpace->entityIds().length() : -1;
}

class DocumentManagerTest : public DocumentFixture {
protected:
    void SetUp() override
    {
        source = folder / "plan.dwg";
        saveLines(source, 3);
    }

    std::filesystem::path source;
};

TEST_F(DocumentManagerTest, OpenedDocumentIsCurrentActiveAndTheWorkingDatabase)
{
    AcApDocument* document = open(source);

    ASSERT_NE(document, nullptr);
    EXPECT_EQ(acDocManager->mdiActiveDocument(), document);
    EXPECT_EQ(acDocManager->documentCount(), 1);
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), document->database());
    EXPECT_EQ(std::wstring(document->fileName()), source.wstring());
    EXPECT_EQ(std::wstring(document->docTitle()), L"plan.dwg");
    EXPECT_EQ(modelSpaceCount(document->database()), 3);
    EXPECT_EQ(document->lockMode(), AcAp::kNotLocked);
}

TEST_F(DocumentManagerTest, LockedChangedSavedUnderAnotherNameAndClosedLeavesTheSourceUntouched)
{
    const std::string before = fileBytes(source);
    const std::filesystem::path target = folder / "plan_G.dwg";
    AcApDocument* document = open(source);

    ASSERT_EQ(acDocManager->lockDocument(document, AcAp::kWrite), Acad::eOk);
    EXPECT_EQ(document->lockMode(), AcAp::kWrite);
    EXPECT_EQ(document->myLockMode(), AcAp::kWrite);
    {
        AcDbObjectPointer<AcDbBlockTableRecord> modelSpace(document->database()->modelSpaceId(), AcDb::kForWrite);
        auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(5, 5, 0));
        line->setDatabaseDefaults(document->database());
        ASSERT_EQ(modelSpace->appendAcDbEntity(line), Acad::eOk);
        line->close();
    }
    ASSERT_EQ(document->database()->saveAs(target.wstring().c_str()), Acad::eOk);
    ASSERT_EQ(acDocManager->unlockDocument(document), Acad::eOk);
    ASSERT_EQ(acDocManager->closeDocument(document), Acad::eOk);

    EXPECT_EQ(acDocManager->documentCount(), 0);
    EXPECT_EQ(acDocManager->curDocument(), nullptr);
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), nullptr);
    EXPECT_EQ(fileBytes(source), before);
    AcApDocument* saved = open(target);
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(modelSpaceCount(saved->database()), 4);
}

TEST_F(DocumentManagerTest, OpeningAndClosingInALoopLeavesNothingBehind)
{
    for (int i = 0; i < 200; ++i) {
        AcApDocument* document = open(source);
        ASSERT_NE(document, nullptr);
        ASSERT_EQ(acDocManager->lockDocument(document, AcAp::kWrite), Acad::eOk);
        ASSERT_EQ(acDocManager->unlockDocument(document), Acad::eOk);
        ASSERT_EQ(acDocManager->closeDocument(document), Acad::eOk);
    }
    EXPECT_EQ(acDocManager->documentCount(), 0);
}

TEST_F(DocumentManagerTest, MissingFileIsNotOpened)
{
    EXPECT_EQ(acDocManager->appContextOpenDocument((folder / "missing.dwg").wstring().c_str()), Acad::eFileNotFound);
    EXPECT_EQ(acDocManager->appContextOpenDocument(L""), Acad::eInvalidInput);
    EXPECT_EQ(acDocManager->documentCount(), 0);
}

TEST_F(DocumentManagerTest, DamagedFileIsNotOpened)
{
    const std::string bytes = fileBytes(source);
    const std::filesystem::path damaged = folder / "damaged.dwg";
    std::ofstream(damaged, std::ios::binary) << bytes.substr(0, bytes.size() / 2);

    EXPECT_NE(acDocManager->appContextOpenDocument(damaged.wstring().c_str()), Acad::eOk);
    EXPECT_EQ(acDocManager->documentCount(), 0);
    EXPECT_EQ(acDocManager->curDocument(), nullptr);
}

TEST_F(DocumentManagerTest, LocksNestAndAnUnlockWithoutALockFails)
{
    AcApDocument* document = open(source);

    ASSERT_EQ(acDocManager->lockDocument(document, AcAp::kRead), Acad::eOk);
    ASSERT_EQ(acDocManager->lockDocument(document, AcAp::kWrite), Acad::eOk);
    EXPECT_EQ(document->lockMode(), AcAp::kWrite);
    ASSERT_EQ(acDocManager->unlockDocument(document), Acad::eOk);
    EXPECT_EQ(document->lockMode(), AcAp::kRead);
    ASSERT_EQ(acDocManager->unlockDocument(document), Acad::eOk);
    EXPECT_EQ(document->lockMode(), AcAp::kNotLocked);
    EXPECT_EQ(acDocManager->unlockDocument(document), Acad::eLockViolation);
    EXPECT_EQ(acDocManager->lockDocument(nullptr), Acad::eNoDocument);
    EXPECT_EQ(acDocManager->lockDocument(document, AcAp::kNone), Acad::eInvalidInput);
}

TEST_F(DocumentManagerTest, LockedDocumentIsNotClosed)
{
    AcApDocument* document = open(source);
    ASSERT_EQ(acDocManager->lockDocument(document, AcAp::kWrite), Acad::eOk);

    EXPECT_EQ(acDocManager->closeDocument(document), Acad::eLockViolation);
    EXPECT_EQ(acDocManager->documentCount(), 1);
}

TEST_F(DocumentManagerTest, WorkingDatabaseFollowsTheCurrentDocument)
{
    AcApDocument* first = open(source);
    AcApDocument* second = open(source);
    ASSERT_NE(first, second);
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), second->database());

    ASSERT_EQ(acDocManager->activateDocument(first), Acad::eOk);
    EXPECT_EQ(acDocManager->curDocument(), first);
    EXPECT_EQ(acDocManager->mdiActiveDocument(), first);
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), first->database());

    ASSERT_EQ(acDocManager->setCurDocument(second, AcAp::kWrite), Acad::eOk);
    EXPECT_EQ(acDocManager->curDocument(), second);
    EXPECT_EQ(acDocManager->mdiActiveDocument(), first);
    EXPECT_EQ(second->lockMode(), AcAp::kWrite);
    ASSERT_EQ(acDocManager->unlockDocument(second), Acad::eOk);

    ASSERT_EQ(acDocManager->closeDocument(first), Acad::eOk);
    EXPECT_EQ(acDocManager->curDocument(), second);
    EXPECT_EQ(acDocManager->mdiActiveDocument(), second);
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), second->database());
}

TEST_F(DocumentManagerTest, IteratorWalksTheDocumentsInOpeningOrder)
{
    AcApDocument* first = open(source);
    AcApDocument* second = open(source);
    std::vector<AcApDocument*> walked;
    std::unique_ptr<AcApDocumentIterator> iterator(acDocManager->newAcApDocumentIterator());
    for (; !iterator->done(); iterator->step())
        walked.push_back(iterator->document());

    EXPECT_EQ(walked, (std::vector<AcApDocument*>{first, second}));
    EXPECT_EQ(acDocManager->document(second->database()), second);
    EXPECT_EQ(acDocManager->document(nullptr), nullptr);
}

TEST_F(DocumentManagerTest, DocumentsThatAreNotOpenAreRefused)
{
    AcApDocument* document = open(source);
    ASSERT_EQ(acDocManager->closeDocument(document), Acad::eOk);

    EXPECT_EQ(acDocManager->activateDocument(document), Acad::eInvalidInput);
    EXPECT_EQ(acDocManager->closeDocument(document), Acad::eInvalidInput);
    EXPECT_EQ(acDocManager->setCurDocument(nullptr), Acad::eInvalidInput);
}
} // namespace
