// The driver used when none is installed: nobody is in front of the screen. Modal dialogs are cancelled
// as with Esc, message boxes are written to stderr and get their safe answer, file and folder dialogs are
// cancelled. Nothing waits for input.
#pragma once

#include "UiDriver.h"

namespace cadhost {

class CADHOST_EXPORT HeadlessUiDriver : public UiDriver {
public:
    void runModal(CDialog& dialog) override;
    int answerMessageBox(const MessageBoxRequest& request) override;
    std::vector<std::wstring> chooseFiles(const FileDialogRequest& request) override;
    std::vector<std::wstring> chooseNavigationFiles(const FileNavigationRequest& request) override;
    std::optional<std::wstring> chooseFolder(const FolderBrowseRequest& request) override;
};

} // namespace cadhost
