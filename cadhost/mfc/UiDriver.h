// The UI driver: whoever sits in front of the headless dialogs. It receives every modal dialog (and
// operates it through a DialogUser until a handler ends it), every message box and every file, file
// navigation and folder dialog, and answers them as a person would. Tests install a ScriptedUiDriver,
// cadhost's job runner its own driver; without one, the headless default cancels dialogs and gives
// message boxes their safe answer.
#pragma once

#include "adesk.h"
#include "winuser.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

class CDialog;

namespace cadhost {

struct MessageBoxRequest {
    std::wstring text;
    std::wstring caption;
    UINT type = MB_OK;
};

struct FileDialogRequest {
    bool open = true;
    std::wstring title;
    std::wstring filter; // "Description|*.ext||"
    std::wstring defaultExtension;
    std::wstring fileName;
    DWORD flags = 0;
};

struct FileNavigationRequest {
    std::wstring title;
    std::wstring defaultName;
    std::wstring extension;
    std::wstring dialogName;
    int flags = 0;
};

struct FolderBrowseRequest {
    std::wstring title;
    UINT flags = 0;
};

class CADHOST_EXPORT UiDriver {
public:
    virtual ~UiDriver() = default;

    // The dialog is shown and initialised; return once it has ended (DoModal cancels it otherwise).
    virtual void runModal(CDialog& dialog) = 0;
    // One of the buttons of request.type: IDOK, IDCANCEL, IDYES or IDNO.
    virtual int answerMessageBox(const MessageBoxRequest& request) = 0;
    // The chosen files; none means cancelled.
    virtual std::vector<std::wstring> chooseFiles(const FileDialogRequest& request) = 0;
    // The chosen files of the host's navigation dialog; none means cancelled.
    virtual std::vector<std::wstring> chooseNavigationFiles(const FileNavigationRequest& request) = 0;
    // The chosen folder; nothing means cancelled, an empty path a choice outside the file system.
    virtual std::optional<std::wstring> chooseFolder(const FolderBrowseRequest& request) = 0;
};

// A driver met something it cannot answer: an unexpected dialog or message box, or a step of its script
// that does not fit. The text names the dialog or message box.
class CADHOST_EXPORT UiScriptError : public std::runtime_error {
public:
    explicit UiScriptError(const std::wstring& text);
    const std::wstring& text() const { return m_text; }

private:
    std::wstring m_text;
};

// The installed driver, or the headless default.
CADHOST_EXPORT UiDriver& currentUiDriver();

// Installs a driver for its lifetime; scopes nest.
class CADHOST_EXPORT UiDriverScope {
public:
    explicit UiDriverScope(UiDriver& driver);
    ~UiDriverScope();
    UiDriverScope(const UiDriverScope&) = delete;
    UiDriverScope& operator=(const UiDriverScope&) = delete;

private:
    UiDriver* m_previous;
};

// Whether answer is one of the buttons of a message box of this type.
CADHOST_EXPORT bool isMessageBoxAnswer(UINT type, int answer);
// The answer that commits to nothing: OK for an OK box, No for Yes/No, Cancel otherwise.
CADHOST_EXPORT int safeMessageBoxAnswer(UINT type);
// The host application's name, the caption of AfxMessageBox.
CADHOST_EXPORT const wchar_t* applicationName();

} // namespace cadhost
