#include "AcExtensionModule.h"
#include "ScriptedUiDriver.h"
#include "acui.h"
#include "afxwin.h"

#include <gtest/gtest.h>

using cadhost::DialogUser;
using cadhost::ScriptedUiDriver;

namespace {

constexpr UINT kShared = 9101;

HINSTANCE fakeModule(std::uintptr_t address)
{
    return reinterpret_cast<HINSTANCE>(address);
}

DialogTemplate captioned(const wchar_t* caption)
{
    DialogTemplate dialogTemplate;
    dialogTemplate.id = kShared;
    dialogTemplate.caption = caption;
    dialogTemplate.rect = rc::box(0, 0, 100, 50);
    dialogTemplate.controls = {rc::defPushButton(L"OK", IDOK, 10, 10, 50, 14)};
    return dialogTemplate;
}

TEST(ResourceModule, TheCurrentModulesTemplateWins)
{
    const cadhost::DialogTemplateRegistration host(captioned(L"host"), fakeModule(0x1000));
    const cadhost::DialogTemplateRegistration plugin(captioned(L"plug-in"), fakeModule(0x2000));
    EXPECT_EQ(cadhost::findDialogTemplate(kShared)->caption, L"plug-in");
    {
        const CAcModuleResourceOverride resources(fakeModule(0x1000));
        EXPECT_EQ(AfxGetResourceHandle(), fakeModule(0x1000));
        EXPECT_EQ(cadhost::findDialogTemplate(kShared)->caption, L"host");
        EXPECT_EQ(cadhost::findDialogTemplate(kShared, fakeModule(0x2000))->caption, L"plug-in");
    }
    EXPECT_EQ(cadhost::findDialogTemplate(kShared)->caption, L"plug-in");
}

TEST(ResourceModule, ARegistrationEndsWithItsObject)
{
    {
        const cadhost::DialogTemplateRegistration temporary(captioned(L"temporary"));
        EXPECT_NE(cadhost::findDialogTemplate(kShared), nullptr);
    }
    EXPECT_EQ(cadhost::findDialogTemplate(kShared), nullptr);
}

TEST(ResourceModule, WithoutAnArgumentTheOverrideTakesTheCallersModule)
{
    const HINSTANCE before = AfxGetResourceHandle();
    {
        const CAcModuleResourceOverride resources;
        EXPECT_EQ(AfxGetResourceHandle(), cadhost::moduleOf(reinterpret_cast<const void*>(&fakeModule)));
    }
    EXPECT_EQ(AfxGetResourceHandle(), before);
}

class KeepFocusDialog : public CAcUiDialog {
public:
    KeepFocusDialog() : CAcUiDialog(kShared, nullptr, fakeModule(0x1000)) {}

protected:
    LRESULT OnAcadKeepFocus(WPARAM, LPARAM) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(KeepFocusDialog, CAcUiDialog)
ON_MESSAGE(WM_ACAD_KEEPFOCUS, &KeepFocusDialog::OnAcadKeepFocus)
END_MESSAGE_MAP()

TEST(HostDialog, UsesItsResourceModuleAndKeepsTheFocus)
{
    const cadhost::DialogTemplateRegistration host(captioned(L"host"), fakeModule(0x1000));
    const cadhost::DialogTemplateRegistration plugin(captioned(L"plug-in"), fakeModule(0x2000));
    ScriptedUiDriver ui;
    KeepFocusDialog dialog;
    ui.expectDialog(kShared, [&](DialogUser& user) {
        EXPECT_EQ(user.caption(), L"host");
        EXPECT_EQ(dialog.SendMessage(WM_ACAD_KEEPFOCUS), TRUE);
        EXPECT_EQ(dialog.SendMessage(WM_USER + 1), 0);
        user.pressEnter();
    });
    const cadhost::UiDriverScope scope(ui);
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

} // namespace
