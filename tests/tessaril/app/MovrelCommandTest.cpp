#include "app/MovrelCommand.h"
#include "ScriptedUiDriver.h"
#include "TempInstallRoot.h"
#include "codepage.h"
#include "pipeline/GFileResult.h"
#include "pipeline/GGuardOption.h"
#include "pipeline/OverwriteAnswer.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kMainDialog = 102;

TEST(MovrelCommand, CancellingTheDialogLeavesTheJobStateAsItWas)
{
    const TempInstallRoot install;
    FileResults.RemoveAll();
    addFileResult(L"/d/earlier.dwg", false, L"打开文档失败", Acad::eFileNotFound);
    GuardOption.outputFolder = L"/d/earlier-results";
    OverwriteAnswer.applyToAll = true;

    cadhost::ScriptedUiDriver ui;
    ui.expectDialog(kMainDialog, [](cadhost::DialogUser& user) {
        EXPECT_EQ(user.caption(), L"图纸外发保护(Tessaril)_版本:V");
        user.pressEscape();
    });
    {
        const cadhost::UiDriverScope scope(ui);
        movrel();
    }
    EXPECT_TRUE(ui.finished()) << cadhost::toUtf8(ui.pending());
    ASSERT_EQ(FileResults.GetSize(), 1);
    EXPECT_EQ(FileResults[0].sourcePath, L"/d/earlier.dwg");
    EXPECT_EQ(GuardOption.outputFolder, L"/d/earlier-results");
    EXPECT_TRUE(OverwriteAnswer.applyToAll);

    FileResults.RemoveAll();
    GuardOption = GGuardOption();
    OverwriteAnswer = OverwriteAnswerState();
}

} // namespace
