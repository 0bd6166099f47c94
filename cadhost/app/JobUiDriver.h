// The person in front of the plug-in's dialogs during the main job: fills the main dialog from a job
// description through its controls, answers the questions as the job says, prints every message box it
// meets, and keeps what went wrong. It knows the dialogs by their template and control ids, as a person
// knows them by their labels.
#pragma once

#include "JobDescription.h"
#include "UiDriver.h"

#include <functional>
#include <optional>

namespace cadhost {
class DialogUser;
}

namespace cadhost::app {

class JobUiDriver : public UiDriver {
public:
    using Printer = std::function<void(const std::wstring&)>;

    JobUiDriver(const JobDescription& job, Printer print);

    // Why the job could not be carried out, if it could not.
    const std::optional<std::wstring>& failure() const { return m_failure; }
    // The batch summary, once it was shown.
    const std::optional<std::wstring>& summary() const { return m_summary; }
    // The archive type the folder page showed at OK while packing was on; none when it did not pack.
    const std::optional<std::wstring>& packedArchiveType() const { return m_packedArchiveType; }
    // The summary said that every drawing was protected.
    bool everyDrawingProtected() const;

    void runModal(CDialog& dialog) override;
    int answerMessageBox(const MessageBoxRequest& request) override;
    std::vector<std::wstring> chooseFiles(const FileDialogRequest& request) override;
    std::vector<std::wstring> chooseNavigationFiles(const FileNavigationRequest& request) override;
    std::optional<std::wstring> chooseFolder(const FolderBrowseRequest& request) override;

private:
    void fillMainDialog(DialogUser& user);
    void fillFilePage(DialogUser& user);
    void fillKindsPage(DialogUser& user);
    void fillCopyrightPage(DialogUser& user);
    void answerOverwriteQuestion(DialogUser& user);
    void fail(const std::wstring& why);

    const JobDescription& m_job;
    Printer m_print;
    std::optional<std::wstring> m_folderAnswer;
    std::wstring m_lastMessage;
    std::optional<std::wstring> m_failure;
    std::optional<std::wstring> m_summary;
    std::optional<std::wstring> m_packedArchiveType;
};

} // namespace cadhost::app
