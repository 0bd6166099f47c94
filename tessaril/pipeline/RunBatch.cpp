#include "RunBatch.h"

#include "ArchiveCommand.h"
#include "BatchSummary.h"
#include "EnsureFolder.h"
#include "GFileResult.h"
#include "GGuardOption.h"
#include "PathText.h"
#include "ProcessDrawingFile.h"

#include "app/DiagnosticLog.h"
#include "app/InstallRoot.h"

#include "afxmsgbox.h"
#include "codepage.h"
#include "fileops.h"
#include "process.h"

namespace {

// Paths are joined as text: a wide name converted by std::filesystem would depend on the C locale.
CString installFile(const wchar_t* relative)
{
    return pathtext::join(CString(cadhost::fromUtf8(InstallRoot().string())), relative);
}

void processSources(CStringArray& archiveList)
{
    const GGuardOption& options = GuardOption;
    for (INT_PTR i = 0; i < options.sourcePaths.GetSize(); ++i) {
        const CString outputPath = i < options.outputPaths.GetSize() ? options.outputPaths[i] : CString();
        const CString& sourcePath = options.sourcePaths[i];
        if (sourcePath.IsEmpty())
            continue;
        if (!outputPath.IsEmpty()) {
            const CString folder = pathtext::folderOf(outputPath);
            if (!ensureFolder(folder)) {
                // Reported, so that the summary does not count the batch as a full success.
                CString reason;
                reason.Format(L"创建结果文件夹失败:%s", folder);
                addFileResult(sourcePath, false, reason, Acad::eCreateFailed);
                continue;
            }
        }
        // A size the dialog did not list can only fail the tolerance check.
        const Adesk::UInt32 listedSize =
            static_cast<std::size_t>(i) < options.listedSizes.size() ? options.listedSizes[i] : 0;
        logLine(L"movrel(\"%s\")开始", sourcePath);
        processDrawingFile(sourcePath, outputPath, archiveList, listedSize);
        logLine(L"movrel(\"%s\")完成", sourcePath);
    }
}

void copyRecipientFiles(CStringArray& archiveList)
{
    const CString& outputFolder = GuardOption.outputFolder;
    const CString installer = pathtext::join(outputFolder, kInstallerName);
    CopyFileW(installFile(kInstallerName).GetString(), installer.GetString(), FALSE);
    archiveList.Add(installer);

    const CString readmeSource = installFile(kReadmeName);
    if (cadhost::pathExists(readmeSource.GetString())) {
        const CString readme = pathtext::join(outputFolder, kReadmeName);
        CopyFileW(readmeSource.GetString(), readme.GetString(), FALSE);
        archiveList.Add(readme);
    }
}

void startArchiver(const CStringArray& archiveList)
{
    const CString archiver = installFile(L"3rd/Rar.exe");
    if (!GuardOption.pack || !cadhost::pathExists(archiver.GetString()))
        return;
    const ArchiveCommand command =
        makeArchiveCommand(archiver, GuardOption.outputFolder, GuardOption.archiveType, archiveList);
    logLine(L"%s", command.commandLine());
    cadhost::startProcess(command.arguments());
}

} // namespace

void runBatch()
{
    CStringArray archiveList;
    processSources(archiveList);
    AfxMessageBox(batchSummary(FileResults).GetString(), MB_OK);
    copyRecipientFiles(archiveList);
    startArchiver(archiveList);
}
