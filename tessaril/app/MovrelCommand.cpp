#include "MovrelCommand.h"

#include "DiagnosticLog.h"
#include "pipeline/GFileResult.h"
#include "pipeline/GGuardOption.h"
#include "pipeline/OverwriteAnswer.h"
#include "pipeline/RunBatch.h"
#include "rxmfcapi.h"
#include "settings/GUpdateInfo.h"
#include "ui/GGuardDialog.h"

namespace {

GuardDialogVersions dialogVersions(const GUpdateInfo& update)
{
    GuardDialogVersions versions;
    versions.localVersion = update.captionVersion();
    versions.newerVersion = update.showDownloadLink();
    if (versions.newerVersion) {
        versions.serverVersion = update.serverVersion();
        versions.downloadAddress = update.downloadAddress();
    }
    return versions;
}

} // namespace

void movrel()
{
    updateInfo().runUpdateCheck();
    GGuardDialog dialog(acedGetAcadFrame(), dialogVersions(updateInfo()));
    if (dialog.DoModal() != IDOK)
        return;
    GuardOption = dialog.guardOption();
    logLine(L"启动定时器");
    OverwriteAnswer.applyToAll = false;
    FileResults.RemoveAll();
    runBatch();
}
