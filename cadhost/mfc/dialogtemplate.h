// Dialog templates: what a resource script says about a dialog (caption, size and font in dialog units,
// and its controls with class, id, text, style and position). A module registers its templates while it
// is loaded; CDialog finds them by id. The rc:: functions read like the statements of a resource script.
#pragma once

#include "afxrect.h"
#include "commctrl.h"

#include <memory>
#include <string>
#include <vector>

constexpr int IDC_STATIC = -1;

struct CADHOST_EXPORT DialogControlTemplate {
    std::wstring text;
    UINT id = 0;
    std::wstring className;
    DWORD style = 0;
    CRect rect;

    // Modifiers for the styles a script adds or removes with "NOT".
    DialogControlTemplate& hidden();
    DialogControlTemplate& disabled();
    DialogControlTemplate& withStyle(DWORD add);
};

struct CADHOST_EXPORT DialogTemplate {
    UINT id = 0;
    std::wstring caption;
    CRect rect; // x, y, width and height as a rectangle
    DWORD style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    std::wstring font = L"MS Shell Dlg";
    int pointSize = 8;
    std::vector<DialogControlTemplate> controls;
};

namespace rc {
CADHOST_EXPORT CRect box(int x, int y, int width, int height);
CADHOST_EXPORT DialogControlTemplate control(const std::wstring& text, int id, const std::wstring& className,
                                             DWORD style, int x, int y, int width, int height);
CADHOST_EXPORT DialogControlTemplate defPushButton(const std::wstring& text, int id, int x, int y, int width,
                                                   int height, DWORD style = 0);
CADHOST_EXPORT DialogControlTemplate pushButton(const std::wstring& text, int id, int x, int y, int width, int height,
                                                DWORD style = 0);
CADHOST_EXPORT DialogControlTemplate autoCheckBox(const std::wstring& text, int id, int x, int y, int width, int height,
                                                  DWORD style = 0);
CADHOST_EXPORT DialogControlTemplate autoRadioButton(const std::wstring& text, int id, int x, int y, int width,
                                                     int height, DWORD style = 0);
CADHOST_EXPORT DialogControlTemplate groupBox(const std::wstring& text, int id, int x, int y, int width, int height,
                                              DWORD style = 0);
CADHOST_EXPORT DialogControlTemplate lText(const std::wstring& text, int id, int x, int y, int width, int height,
                                           DWORD style = 0);
CADHOST_EXPORT DialogControlTemplate editText(int id, int x, int y, int width, int height,
                                              DWORD style = ES_AUTOHSCROLL);
CADHOST_EXPORT DialogControlTemplate comboBox(int id, int x, int y, int width, int height, DWORD style);
} // namespace rc

namespace cadhost {

// Keeps a template registered for its lifetime, as a resource of a module (by default the module whose
// code registers it). A later registration of the same id in the same module takes precedence until it
// ends.
class CADHOST_EXPORT DialogTemplateRegistration {
public:
    explicit DialogTemplateRegistration(DialogTemplate dialogTemplate, HINSTANCE module = nullptr);
    ~DialogTemplateRegistration();
    DialogTemplateRegistration(const DialogTemplateRegistration&) = delete;
    DialogTemplateRegistration& operator=(const DialogTemplateRegistration&) = delete;

private:
    std::shared_ptr<const DialogTemplate> m_template;
    HINSTANCE m_module;
};

// The template with the id among the resources of the module (null: the current resource module), else
// among those of any module; nothing when no module has it.
CADHOST_EXPORT std::shared_ptr<const DialogTemplate> findDialogTemplate(UINT id, HINSTANCE module = nullptr);

// Builds the window of a dialog and its controls as the template describes them.
CADHOST_EXPORT std::unique_ptr<HWND__> createDialogWindow(const DialogTemplate& dialogTemplate);

} // namespace cadhost
