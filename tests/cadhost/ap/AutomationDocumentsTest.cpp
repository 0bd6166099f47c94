#include "AutomationDocuments.h"
#include "AutomationModel.h"
#include "DocumentTestSupport.h"
#include "aced.h"

namespace {
class AutomationDocumentsTest : public DocumentFixture {
protected:
    void SetUp() override
    {
        cadhost::AutomationModel::instance().reset();
        first = folder / "first.dwg";
        second = folder / "second.dwg";
        saveLines(first, 1);
        saveLines(second, 2);
    }
    void TearDown() override
    {
        EXPECT_EQ(cadhost::liveDocumentObjects(), 0);
        DocumentFixture::TearDown();
    }

    // The collection as a plug-in reaches it: from the application object of the host's CWinApp.
    static CComPtr<IAcadDocuments> documents()
    {
        CComPtr<IDispatch> dispatch;
        dispatch.Attach(acedGetAcadWinApp()->GetIDispatch(TRUE));
        CComPtr<IAcadApplication> application;
        EXPECT_EQ(dispatch->QueryInterface(IID_IAcadApplication, reinterpret_cast<void**>(&application)), S_OK);
        CComPtr<IAcadDocuments> collection;
        EXPECT_EQ(application->get_Documents(&collection), S_OK);
        return collection;
    }

    static std::wstring fullName(IAcadDocument* document)
    {
        CComBSTR name;
        EXPECT_EQ(document->get_FullName(&name), S_OK);
        return std::wstring(static_cast<const wchar_t*>(name));
    }

    std::filesystem::path first;
    std::filesystem::path second;
};

TEST_F(AutomationDocumentsTest, CollectionListsTheOpenDocumentsWithTheirFullNames)
{
    open(first);
    open(second);
    CComPtr<IAcadDocuments> collection = documents();
    long count = 0;
    ASSERT_EQ(collection->get_Count(&count), S_OK);
    ASSERT_EQ(count, 2);

    CComPtr<IAcadDocument> item;
    ASSERT_EQ(collection->Item(1, &item), S_OK);
    EXPECT_EQ(fullName(item), second.wstring());
    CComBSTR name;
    ASSERT_EQ(item->get_Name(&name), S_OK);
    EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(name)), L"second.dwg");

    CComPtr<IAcadDocument> missing;
    EXPECT_EQ(collection->Item(2, &missing), E_INVALIDARG);
    EXPECT_EQ(collection->Item(-1, &missing), E_INVALIDARG);
}

TEST_F(AutomationDocumentsTest, ActivateMakesTheDocumentActiveAndCurrent)
{
    AcApDocument* firstDocument = open(first);
    open(second);
    CComPtr<IAcadDocument> item;
    ASSERT_EQ(documents()->Item(0, &item), S_OK);

    ASSERT_EQ(item->Activate(), S_OK);

    EXPECT_EQ(acDocManager->mdiActiveDocument(), firstDocument);
    EXPECT_EQ(acDocManager->curDocument(), firstDocument);
}

TEST_F(AutomationDocumentsTest, CloseWithoutSavingLeavesTheFileAsItWas)
{
    AcApDocument* document = open(second);
    const auto size = std::filesystem::file_size(second);
    appendToModelSpace(*document->database(), new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)));
    CComPtr<IAcadDocument> item;
    ASSERT_EQ(documents()->Item(0, &item), S_OK);

    ASSERT_EQ(item->Close(false, nullptr), S_OK);

    EXPECT_EQ(acDocManager->documentCount(), 0);
    EXPECT_EQ(std::filesystem::file_size(second), size);
    EXPECT_EQ(item->Activate(), E_FAIL);
    EXPECT_EQ(item->Close(false, nullptr), E_FAIL);
    CComBSTR name;
    EXPECT_EQ(item->get_FullName(&name), E_FAIL);
}

TEST_F(AutomationDocumentsTest, CloseWithSavingWritesTheNamedFile)
{
    open(first);
    const std::filesystem::path copy = folder / "copy.dwg";
    CComPtr<IAcadDocument> item;
    ASSERT_EQ(documents()->Item(0, &item), S_OK);

    ASSERT_EQ(item->Close(true, copy.wstring().c_str()), S_OK);

    EXPECT_TRUE(std::filesystem::exists(copy));
    EXPECT_EQ(acDocManager->documentCount(), 0);
}

TEST_F(AutomationDocumentsTest, LockedDocumentIsNotClosed)
{
    AcApDocument* document = open(first);
    ASSERT_EQ(acDocManager->lockDocument(document), Acad::eOk);
    CComPtr<IAcadDocument> item;
    ASSERT_EQ(documents()->Item(0, &item), S_OK);

    EXPECT_EQ(item->Close(false, nullptr), E_FAIL);
    EXPECT_EQ(acDocManager->documentCount(), 1);
}
} // namespace
