#include "dialogtemplate.h"

#include "resourcehandle.h"
#include "windowstate.h"

#include <algorithm>
#include <mutex>

namespace {

constexpr DWORD kControlStyle = WS_CHILD | WS_VISIBLE;

UINT controlId(int id)
{
    return static_cast<UINT>(static_cast<WORD>(id));
}

std::mutex& registryMutex()
{
    static std::mutex mutex;
    return mutex;
}

struct RegisteredTemplate {
    std::shared_ptr<const DialogTemplate> dialogTemplate;
    HINSTANCE module;
};

std::vector<RegisteredTemplate>& registry()
{
    static std::vector<RegisteredTemplate> templates;
    return templates;
}

} // namespace

DialogControlTemplate& DialogControlTemplate::hidden()
{
    style &= ~WS_VISIBLE;
    return *this;
}

DialogControlTemplate& DialogControlTemplate::disabled()
{
    style |= WS_DISABLED;
    return *this;
}

DialogControlTemplate& DialogControlTemplate::withStyle(DWORD add)
{
    style |= add;
    return *this;
}

namespace rc {

CRect box(int x, int y, int width, int height)
{
    return CRect(x, y, x + width, y + height);
}

DialogControlTemplate control(const std::wstring& text, int id, const std::wstring& className, DWORD style, int x,
                              int y, int width, int height)
{
    return DialogControlTemplate{text, controlId(id), className, kControlStyle | style, box(x, y, width, height)};
}

DialogControlTemplate defPushButton(const std::wstring& text, int id, int x, int y, int width, int height, DWORD style)
{
    return control(text, id, WC_BUTTONW, BS_DEFPUSHBUTTON | WS_TABSTOP | style, x, y, width, height);
}

DialogControlTemplate pushButton(const std::wstring& text, int id, int x, int y, int width, int height, DWORD style)
{
    return control(text, id, WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP | style, x, y, width, height);
}

DialogControlTemplate autoCheckBox(const std::wstring& text, int id, int x, int y, int width, int height, DWORD style)
{
    return control(text, id, WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP | style, x, y, width, height);
}

DialogControlTemplate autoRadioButton(const std::wstring& text, int id, int x, int y, int width, int height,
                                      DWORD style)
{
    return control(text, id, WC_BUTTONW, BS_AUTORADIOBUTTON | style, x, y, width, height);
}

DialogControlTemplate groupBox(const std::wstring& text, int id, int x, int y, int width, int height, DWORD style)
{
    return control(text, id, WC_BUTTONW, BS_GROUPBOX | style, x, y, width, height);
}

DialogControlTemplate lText(const std::wstring& text, int id, int x, int y, int width, int height, DWORD style)
{
    return control(text, id, WC_STATICW, SS_LEFT | WS_GROUP | style, x, y, width, height);
}

DialogControlTemplate editText(int id, int x, int y, int width, int height, DWORD style)
{
    return control(L"", id, WC_EDITW, ES_LEFT | WS_BORDER | WS_TABSTOP | style, x, y, width, height);
}

DialogControlTemplate comboBox(int id, int x, int y, int width, int height, DWORD style)
{
    return control(L"", id, WC_COMBOBOXW, WS_TABSTOP | style, x, y, width, height);
}

} // namespace rc

namespace cadhost {

DialogTemplateRegistration::DialogTemplateRegistration(DialogTemplate dialogTemplate, HINSTANCE module)
    : m_template(std::make_shared<const DialogTemplate>(std::move(dialogTemplate))),
      m_module(module != nullptr ? module : moduleOf(__builtin_return_address(0)))
{
    const std::lock_guard lock(registryMutex());
    registry().push_back(RegisteredTemplate{m_template, m_module});
}

DialogTemplateRegistration::~DialogTemplateRegistration()
{
    const std::lock_guard lock(registryMutex());
    std::erase_if(registry(), [this](const RegisteredTemplate& entry) { return entry.dialogTemplate == m_template; });
}

std::shared_ptr<const DialogTemplate> findDialogTemplate(UINT id, HINSTANCE module)
{
    const HINSTANCE preferred = module != nullptr ? module : AfxGetResourceHandle();
    const std::lock_guard lock(registryMutex());
    const auto& templates = registry();
    const auto inModule = std::find_if(templates.rbegin(), templates.rend(), [&](const RegisteredTemplate& entry) {
        return entry.dialogTemplate->id == id && entry.module == preferred;
    });
    if (inModule != templates.rend())
        return inModule->dialogTemplate;
    const auto anywhere = std::find_if(templates.rbegin(), templates.rend(), [id](const RegisteredTemplate& entry) {
        return entry.dialogTemplate->id == id;
    });
    return anywhere != templates.rend() ? anywhere->dialogTemplate : nullptr;
}

std::unique_ptr<HWND__> createDialogWindow(const DialogTemplate& dialogTemplate)
{
    auto dialog = std::make_unique<HWND__>(WindowKind::Dialog, L"#32770", 0, dialogTemplate.style,
                                           dialogTemplate.caption, dialogTemplate.rect);
    dialog->templateId = dialogTemplate.id;
    dialog->ownFont = std::make_unique<CFont>();
    LOGFONTW font = dialogFont(dialogTemplate.font.c_str());
    font.lfHeight = dialogTemplate.pointSize;
    dialog->ownFont->CreateFontIndirect(&font);
    dialog->font = dialog->ownFont.get();
    for (const DialogControlTemplate& control : dialogTemplate.controls) {
        HWND child =
            dialog->addChild(std::make_unique<HWND__>(cadhost::windowKindOf(control.className), control.className,
                                                      control.id, control.style, control.text, control.rect));
        child->font = dialog->font;
    }
    return dialog;
}

} // namespace cadhost
