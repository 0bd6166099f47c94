#include "CloseProtectedDocument.h"

#include "app/DiagnosticLog.h"

#include "AutomationDocuments.h"
#include "CommandString.h"
#include "acadi.h"
#include "acdocman.h"
#include "aced.h"
#include "rxmfcapi.h"

#include <memory>

namespace {

// The command string that cancels whatever runs in the document about to be closed.
constexpr ULONG_PTR kCommandStringCode = 100;

void cancelRunningCommand()
{
    static const wchar_t kCancel[] = {cadhost::kCancelCharacter, cadhost::kCancelCharacter, L'\0'};
    COPYDATASTRUCT data{kCommandStringCode, sizeof(kCancel), const_cast<wchar_t*>(kCancel)};
    acedGetAcadFrame()->SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

void closeThroughAutomation(const CString& fileName)
{
    IDispatch* dispatch = acedGetAcadWinApp()->GetIDispatch(TRUE);
    if (dispatch == nullptr)
        return;
    CComPtr<IAcadApplication> application;
    const HRESULT queried = dispatch->QueryInterface(IID_IAcadApplication, reinterpret_cast<void**>(&application));
    dispatch->Release();
    CComPtr<IAcadDocuments> documents;
    long count = 0;
    if (FAILED(queried) || FAILED(application->get_Documents(&documents)) || FAILED(documents->get_Count(&count)))
        return;
    for (long index = count - 1; index >= 0; --index) {
        CComPtr<IAcadDocument> document;
        CComBSTR fullName;
        if (FAILED(documents->Item(index, &document)) || FAILED(document->get_FullName(&fullName)))
            continue;
        if (fileName.CompareNoCase(fullName) != 0)
            continue;
        document->Activate();
        cancelRunningCommand();
        document->Close(false, nullptr);
    }
}

} // namespace

void closeProtectedDocument(AcApDocument* document)
{
    const CString fileName = document->fileName();
    closeThroughAutomation(fileName);

    bool existed = false;
    bool other = false;
    const std::unique_ptr<AcApDocumentIterator> documents(acDocManager->newAcApDocumentIterator());
    for (; !documents->done(); documents->step()) {
        if (documents->document() == document)
            existed = true;
        else
            other = true;
    }
    logLine(L"关闭文档bExisted=%s,bOther=%s", existed ? L"True" : L"False", other ? L"True" : L"False");
    if (!existed || !other)
        return;
    acdbSetDbmod(document->database(), 0);
    const Acad::ErrorStatus status = acDocManager->closeDocument(document);
    logLine(L"closeDocument:%s", acadErrorStatusText(status));
}
