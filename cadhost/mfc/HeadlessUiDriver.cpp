#include "HeadlessUiDriver.h"

#include "afxdialog.h"
#include "codepage.h"

#include <cstdio>

namespace cadhost {

void HeadlessUiDriver::runModal(CDialog& dialog)
{
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

int HeadlessUiDriver::answerMessageBox(const MessageBoxRequest& request)
{
    std::fprintf(stderr, "[%s] %s\n", toUtf8(request.caption).c_str(), toUtf8(request.text).c_str());
    return safeMessageBoxAnswer(request.type);
}

std::vector<std::wstring> HeadlessUiDriver::chooseFiles(const FileDialogRequest&)
{
    return {};
}

std::vector<std::wstring> HeadlessUiDriver::chooseNavigationFiles(const FileNavigationRequest&)
{
    return {};
}

std::optional<std::wstring> HeadlessUiDriver::chooseFolder(const FolderBrowseRequest&)
{
    return std::nullopt;
}

} // namespace cadhost
