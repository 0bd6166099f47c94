#include "app/TempFileList.h"
#include "app/TessarilApp.h"

#include "AutomationModel.h"
#include "EventLoop.h"
#include "accmd.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {
class LifecycleTest : public testing::Test {
protected:
    void SetUp() override
    {
        cadhost::EventLoop::instance().reset();
        cadhost::AutomationModel::instance().reset();
    }
    void TearDown() override
    {
        acrxEntryPoint(AcRx::kUnloadAppMsg, &appId);
        cadhost::EventLoop::instance().reset();
        cadhost::AutomationModel::instance().reset();
        std::filesystem::remove_all(folder);
    }

    std::filesystem::path makeFile(const char* name)
    {
        std::filesystem::create_directories(folder);
        const std::filesystem::path path = folder / name;
        std::ofstream(path) << "copy";
        return path;
    }

    int appId = 0;
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tessaril-lifecycle-" + std::to_string(::getpid()));
};

TEST_F(LifecycleTest, AnswersTheHostApiVersion)
{
    EXPECT_EQ(acrxGetApiVersion(), 0x130000);
}

TEST_F(LifecycleTest, LoadAddsTheCommandAndStartsTheMenuTimer)
{
    ASSERT_EQ(acrxEntryPoint(AcRx::kInitAppMsg, &appId), AcRx::kRetOK);
    const AcEdCommand* command = acedRegCmds->lookupGlobalCmd(L"movrel");
    ASSERT_NE(command, nullptr);
    EXPECT_STREQ(command->groupName(), L"Tessaril");
    EXPECT_STREQ(command->localName(), L"movrel");
    EXPECT_EQ(command->commandFlags(), 0x210000);
    EXPECT_EQ(command->functionCode(), -1);
    EXPECT_EQ(command->UIContext(), nullptr);
    EXPECT_EQ(command->resourceHandle(), nullptr);
    EXPECT_FALSE(acrxDynamicLinker->isApplicationLocked(&appId));
    EXPECT_TRUE(acrxDynamicLinker->isAppMDIAware(&appId));
    EXPECT_EQ(cadhost::EventLoop::instance().timerCount(), 1u);
    EXPECT_EQ(cadhost::EventLoop::instance().nextDueTime(), 1000);
    EXPECT_EQ(cadhost::runCommand(L"movrel"), Acad::eOk);
}

TEST_F(LifecycleTest, OtherMessagesAnswerOkAndDoNothing)
{
    for (int message : {0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15})
        EXPECT_EQ(acrxEntryPoint(static_cast<AcRx::AppMsgCode>(message), &appId), AcRx::kRetOK) << message;
    EXPECT_EQ(acedRegCmds->lookupGlobalCmd(L"movrel"), nullptr);
    EXPECT_EQ(cadhost::EventLoop::instance().timerCount(), 0u);
}

TEST_F(LifecycleTest, UnloadRemovesTheGroupStopsTheTimerAndDeletesTemporaryFiles)
{
    ASSERT_EQ(acrxEntryPoint(AcRx::kInitAppMsg, &appId), AcRx::kRetOK);
    const std::filesystem::path first = makeFile("first.dwg");
    const std::filesystem::path second = makeFile("second.dwg");
    const std::filesystem::path kept = makeFile("kept.dwg");
    TempFileList.Add(CString(first.c_str()));
    TempFileList.Add(CString((folder / "missing.dwg").c_str()));
    TempFileList.Add(CString(second.c_str()));

    ASSERT_EQ(acrxEntryPoint(AcRx::kUnloadAppMsg, &appId), AcRx::kRetOK);
    EXPECT_EQ(acedRegCmds->lookupGlobalCmd(L"movrel"), nullptr);
    EXPECT_EQ(cadhost::EventLoop::instance().timerCount(), 0u);
    EXPECT_FALSE(std::filesystem::exists(first));
    EXPECT_FALSE(std::filesystem::exists(second));
    EXPECT_TRUE(std::filesystem::exists(kept));
    EXPECT_EQ(TempFileList.GetSize(), 0);
}

TEST_F(LifecycleTest, LoadsAgainAfterAnUnload)
{
    ASSERT_EQ(acrxEntryPoint(AcRx::kInitAppMsg, &appId), AcRx::kRetOK);
    ASSERT_EQ(acrxEntryPoint(AcRx::kUnloadAppMsg, &appId), AcRx::kRetOK);
    ASSERT_EQ(acrxEntryPoint(AcRx::kInitAppMsg, &appId), AcRx::kRetOK);
    EXPECT_NE(acedRegCmds->lookupGlobalCmd(L"movrel"), nullptr);
    EXPECT_EQ(cadhost::EventLoop::instance().timerCount(), 1u);
    EXPECT_EQ(cadhost::runCommand(L"MOVREL"), Acad::eOk);
}
} // namespace
