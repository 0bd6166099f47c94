// The driver for tests: a queue of expected events in the order they happen, each with its answer.
// A dialog expectation runs its actions on the dialog; expectations added while those actions run (for
// the message boxes a click raises, say) come before everything queued later. Anything that does not
// match the head of the queue throws UiScriptError with the dialog's or message box's text, which fails
// the test with that text.
//
//     ScriptedUiDriver ui;
//     ui.expectDialog(102, [&](DialogUser& user) {
//         ui.expectMessageBox(L"请输入结果文件目录", IDOK);
//         user.click(IDOK);
//         user.pressEscape();
//     });
//     UiDriverScope scope(ui);
#pragma once

#include "DialogUser.h"
#include "UiDriver.h"

#include <deque>
#include <functional>
#include <variant>

namespace cadhost {

class CADHOST_EXPORT ScriptedUiDriver : public UiDriver {
public:
    using DialogActions = std::function<void(DialogUser&)>;

    ScriptedUiDriver();
    ~ScriptedUiDriver() override;

    void expectDialog(UINT templateId, DialogActions actions);
    void expectMessageBox(const std::wstring& text, int answer);
    // The chosen files of an open-file dialog; none cancels it.
    void expectFileDialog(std::vector<std::wstring> files);
    // The chosen files of the host's navigation dialog; none cancels it.
    void expectNavigationDialog(std::vector<std::wstring> files);
    // The chosen folder; nothing cancels the browser.
    void expectFolderBrowser(std::optional<std::wstring> folder);

    // Every expectation was met.
    bool finished() const;
    // What is still expected, one line each, for a failure message.
    std::wstring pending() const;
    // Every message box text seen so far, in order.
    const std::vector<std::wstring>& messageBoxes() const { return m_messageBoxes; }
    // Every dialog request seen so far (file, navigation and folder dialogs).
    const std::vector<FileDialogRequest>& fileDialogs() const { return m_fileDialogs; }
    const std::vector<FileNavigationRequest>& navigationDialogs() const { return m_navigationDialogs; }
    const std::vector<FolderBrowseRequest>& folderBrowsers() const { return m_folderBrowsers; }

    void runModal(CDialog& dialog) override;
    int answerMessageBox(const MessageBoxRequest& request) override;
    std::vector<std::wstring> chooseFiles(const FileDialogRequest& request) override;
    std::vector<std::wstring> chooseNavigationFiles(const FileNavigationRequest& request) override;
    std::optional<std::wstring> chooseFolder(const FolderBrowseRequest& request) override;

private:
    struct DialogStep {
        UINT templateId;
        DialogActions actions;
    };
    struct MessageBoxStep {
        std::wstring text;
        int answer;
    };
    struct FileStep {
        std::vector<std::wstring> files;
    };
    struct NavigationStep {
        std::vector<std::wstring> files;
    };
    struct FolderStep {
        std::optional<std::wstring> folder;
    };
    using Step = std::variant<DialogStep, MessageBoxStep, FileStep, NavigationStep, FolderStep>;

    void enqueue(Step step);
    // Takes the head of the queue when it is of the wanted kind; otherwise fails with what came instead.
    template <class Wanted> Wanted take(const std::wstring& arrived);
    static std::wstring describe(const Step& step);

    std::deque<Step> m_steps;
    std::vector<std::size_t> m_insertPositions; // one per dialog whose actions are running
    std::vector<std::wstring> m_messageBoxes;
    std::vector<FileDialogRequest> m_fileDialogs;
    std::vector<FileNavigationRequest> m_navigationDialogs;
    std::vector<FolderBrowseRequest> m_folderBrowsers;
};

} // namespace cadhost
