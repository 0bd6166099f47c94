#include "ProcessDrawingFile.h"

#include "CloseProtectedDocument.h"
#include "DocumentWriteLock.h"
#include "FileSize32.h"
#include "GFileResult.h"
#include "OutputPath.h"
#include "OverwriteAnswer.h"
#include "PathText.h"
#include "ProtectDatabase.h"
#include "SaveAsVersion.h"

#include "app/DiagnosticLog.h"
#include "app/ErrorStatusMessage.h"
#include "app/TempFileList.h"
#include "ui/GConverFileDialog.h"
#include "ui/UniqueFileName.h"

#include "acdocman.h"
#include "acedads.h"
#include "actrans.h"
#include "acutads.h"
#include "dbapserv.h"
#include "fileops.h"
#include "guid.h"
#include "rxmfcapi.h"
#include "tempfolder.h"

#include <memory>

namespace {

CString newTemporaryDrawingPath()
{
    wchar_t folder[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, folder);
    GUID guid{};
    CoCreateGuid(&guid);
    wchar_t guidText[64] = {};
    StringFromGUID2(guid, guidText, 64);
    CString name;
    name.Format(L"%s.dwg", guidText);
    return pathtext::join(folder, name);
}

CString statusMessage(Acad::ErrorStatus status)
{
    return errorStatusMessage(status);
}

AcApDocument* findOpenDocument(const CString& path)
{
    const std::unique_ptr<AcApDocumentIterator> documents(acDocManager->newAcApDocumentIterator());
    for (; !documents->done(); documents->step()) {
        AcApDocument* document = documents->document();
        if (path.CompareNoCase(document->fileName()) == 0 || path.CompareNoCase(document->docTitle()) == 0)
            return document;
    }
    return nullptr;
}

void refreshScreen()
{
    if (AcApDocument* document = acDocManager->curDocument(); document != nullptr) {
        if (AcTransactionManager* transactions = document->transactionManager(); transactions != nullptr) {
            transactions->queueForGraphicsFlush();
            transactions->flushGraphics();
        }
    }
    acedUpdateDisplay();
}

void askOverwrite(const CString& outputPath)
{
    GConverFileDialog question(acedGetAcadFrame());
    question.setPath(outputPath);
    question.DoModal();
    OverwriteAnswer.overwrite = question.overwrite();
    OverwriteAnswer.applyToAll = question.applyToRest();
}

// Whether the path resolves to a drawing of the batch, the file being protected included.
bool isBatchSource(const CString& path, const CString& sourcePath, const GGuardOption& options)
{
    if (pathtext::samePlace(path, sourcePath))
        return true;
    for (INT_PTR i = 0; i < options.sourcePaths.GetSize(); ++i)
        if (pathtext::samePlace(path, options.sourcePaths[i]))
            return true;
    return false;
}

} // namespace

void protectAndSave(const CString& sourcePath, CString outputPath, Adesk::UInt32 fileSize, CStringArray& archiveList,
                    const GGuardOption& options)
{
    TempFileList.Add(newTemporaryDrawingPath());
    DocumentWriteLock lock;
    AcDbDatabase* database = acdbHostApplicationServices()->workingDatabase();
    acutPrintf(L"\n开始保护文件,文件名:%s\n", outputPath.GetString());
    database->setSaveproxygraphics(0);

    if (Acad::ErrorStatus status = protectDatabase(database, fileSize, options); status != Acad::eOk) {
        const CString message = statusMessage(status);
        CString reason;
        reason.Format(L"保护DWG文件失败:%s", message);
        addFileResult(sourcePath, false, reason, status);
        acutPrintf(L"\n保护DWG文件:%s，发生错误:%s\n", outputPath.GetString(), message.GetString());
        return;
    }
    refreshScreen();

    if (cadhost::pathExists(outputPath.GetString()) && !OverwriteAnswer.applyToAll)
        askOverwrite(outputPath);
    if (!OverwriteAnswer.overwrite)
        outputPath = uniqueFileName(outputPath);

    if (isBatchSource(outputPath, sourcePath, options)) {
        CString reason;
        reason.Format(L"结果文件是源文件,未保存:%s", outputPath);
        addFileResult(sourcePath, false, reason, Acad::eFileAccessErr);
        acutPrintf(L"\n%s\n", reason.GetString());
        return;
    }

    if (Acad::ErrorStatus status = saveAsVersion(database, outputPath, options.outputVersion, nullptr);
        status != Acad::eOk) {
        const CString message = statusMessage(status);
        CString reason;
        reason.Format(L"保存DWG文件失败:%s", message);
        addFileResult(sourcePath, false, reason, status);
        acutPrintf(L"\n保存DWG文件:%s，发生错误:%s\n", outputPath.GetString(), message.GetString());
        return;
    }
    archiveList.Add(outputPath);
    acutPrintf(L"\n保护DWG文件:%s成功\n", outputPath.GetString());
    addFileResult(sourcePath, true, CString(), Acad::eOk);
}

void processDrawingFile(const CString& sourcePath, CString outputPath, CStringArray& archiveList,
                        Adesk::UInt32 listedSize)
{
    const CString temporaryPath = newTemporaryDrawingPath();
    if (outputPath.IsEmpty())
        outputPath = deriveOutputPath(sourcePath, GuardOption);
    TempFileList.Add(temporaryPath);
    CopyFileW(sourcePath.GetString(), temporaryPath.GetString(), FALSE);

    const Adesk::UInt32 measuredSize = getFileSize32(temporaryPath);
    const Adesk::UInt32 difference = measuredSize > listedSize ? measuredSize - listedSize : listedSize - measuredSize;
    if (difference > kSizeToleranceBytes) {
        const int measured = static_cast<int>(measuredSize);
        const int listed = static_cast<int>(listedSize);
        const int differs = static_cast<int>(difference);
        acutPrintf(L"\n文件大小容错失败:%d,%d,%d\n", measured, listed, differs);
        logLine(L"文件大小容错失败:%d,%d,%d", measured, listed, differs);
        DeleteFileW(temporaryPath.GetString());
        // Without a row the summary could call the batch a full success although this drawing was
        // not protected.
        CString reason;
        reason.Format(L"文件大小容错失败:%d,%d,%d", measured, listed, differs);
        addFileResult(sourcePath, false, reason, Acad::eInvalidInput);
        return;
    }

    if (AcApDocument* open = findOpenDocument(temporaryPath); open != nullptr) {
        if (acDocManager->mdiActiveDocument() != open)
            acDocManager->activateDocument(open);
        protectAndSave(sourcePath, outputPath, measuredSize, archiveList, GuardOption);
        return;
    }

    logLine(L"打开文件(\"%s\")开始", outputPath);
    const Acad::ErrorStatus opened = acDocManager->appContextOpenDocument(temporaryPath.GetString());
    logLine(L"打开文件(\"%s\")完成", outputPath);
    if (opened != Acad::eOk) {
        const CString message = statusMessage(opened);
        acutPrintf(L"\n打开文档失败:%s", message.GetString());
        DeleteFileW(temporaryPath.GetString());
        CString reason;
        reason.Format(L"打开文件失败:%s", message);
        addFileResult(sourcePath, false, reason, opened);
        return;
    }

    AcApDocument* document = acDocManager->curDocument();
    logLine(L"加密文件(\"%s\")开始", outputPath);
    protectAndSave(sourcePath, outputPath, measuredSize, archiveList, GuardOption);
    logLine(L"加密文件(\"%s\")完成", outputPath);

    logLine(L"关闭文件(\"%s\")开始", outputPath);
    closeProtectedDocument(document);
    logLine(L"关闭文件(\"%s\")完成", outputPath);

    DeleteFileW(temporaryPath.GetString());
}
