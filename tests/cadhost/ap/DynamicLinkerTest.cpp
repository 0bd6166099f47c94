#include "CommandLine.h"
#include "accmd.h"
#include "rxdlinkr.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <string>

namespace {
const std::wstring kModuleDir = L"" TESSARIL_TEST_MODULE_DIR;
const std::wstring kProbe = kModuleDir + L"/ProbeModule.arx";

std::wstring hostLibrary()
{
    Dl_info info{};
    dladdr(reinterpret_cast<const void*>(&acutPrintf), &info);
    // The loader may know the library by a path with ".." in it; the linker names modules by normal paths.
    const std::string path = std::filesystem::absolute(info.dli_fname).lexically_normal().string();
    return std::wstring(path.begin(), path.end());
}

class DynamicLinkerTest : public testing::Test {
protected:
    void SetUp() override { cadhost::clearCommandLine(); }
    void TearDown() override
    {
        linker->unloadAllModules();
        cadhost::clearCommandLine();
    }

    static std::wstring runProbe()
    {
        cadhost::clearCommandLine();
        if (cadhost::runCommand(L"probe") != Acad::eOk)
            return L"(no probe)";
        return cadhost::takeCommandLineText();
    }

    AcRxDynamicLinker* linker = acrxDynamicLinker;
};

TEST_F(DynamicLinkerTest, IsRegisteredInTheSystemRegistry)
{
    ASSERT_NE(linker, nullptr);
    EXPECT_EQ(linker, acrxSysRegistry()->at(L"DynamicLinker"));
}

TEST_F(DynamicLinkerTest, LoadsUnloadsAndLoadsAgain)
{
    ASSERT_TRUE(linker->loadModule(kProbe.c_str(), false)) << linker->lastError();
    EXPECT_EQ(linker->loadedModules(), std::vector<std::wstring>{kProbe});
    EXPECT_EQ(runProbe(), L"\nprobe loaded 1 time(s)");

    ASSERT_TRUE(linker->unloadModule(L"probemodule.ARX", false)) << linker->lastError();
    EXPECT_TRUE(linker->loadedModules().empty());
    EXPECT_EQ(runProbe(), L"(no probe)");

    // The module really left the process: its static count starts again.
    ASSERT_TRUE(linker->loadModule(kProbe.c_str(), false)) << linker->lastError();
    EXPECT_EQ(runProbe(), L"\nprobe loaded 1 time(s)");
    EXPECT_STREQ(linker->lastError(), L"");
}

TEST_F(DynamicLinkerTest, DoesNotLoadAModuleTwice)
{
    ASSERT_TRUE(linker->loadModule(kProbe.c_str(), false));
    EXPECT_FALSE(linker->loadModule(kProbe.c_str(), false));
    EXPECT_EQ(linker->lastError(), L"module \"" + kProbe + L"\" is already loaded");
    EXPECT_EQ(runProbe(), L"\nprobe loaded 1 time(s)");
}

struct LoadFailure {
    const char* name;
    std::wstring file;
    std::wstring message;
};

class DynamicLinkerLoadFailureTest : public DynamicLinkerTest, public testing::WithParamInterface<LoadFailure> {};

TEST_P(DynamicLinkerLoadFailureTest, ExplainsWhy)
{
    const std::wstring file = GetParam().file.empty() ? hostLibrary() : GetParam().file;
    EXPECT_FALSE(linker->loadModule(file.c_str(), false));
    std::wstring expected = GetParam().message;
    expected.replace(expected.find(L"FILE"), 4, file);
    EXPECT_EQ(linker->lastError(), expected);
    EXPECT_TRUE(linker->loadedModules().empty());
    EXPECT_EQ(cadhost::commandLineText(), L"");
}

INSTANTIATE_TEST_SUITE_P(
    Modules, DynamicLinkerLoadFailureTest,
    testing::Values(LoadFailure{"Missing", kModuleDir + L"/Missing.arx", L"cannot find module \"FILE\""},
                    LoadFailure{"NotAPlugin", L"",
                                L"\"FILE\" is not a plug-in: it does not export acrxEntryPoint and acrxGetApiVersion"},
                    LoadFailure{"WrongVersion", kModuleDir + L"/WrongVersionModule.arx",
                                L"\"FILE\" was built for API version 0x120000, this host needs 0x130000"}),
    [](const testing::TestParamInfo<LoadFailure>& info) { return info.param.name; });

TEST_F(DynamicLinkerTest, PrintsTheFailureWhenAsked)
{
    EXPECT_FALSE(linker->loadModule((kModuleDir + L"/Missing.arx").c_str(), true));
    EXPECT_EQ(cadhost::commandLineText(), L"\ncannot find module \"" + kModuleDir + L"/Missing.arx\"");
}

TEST_F(DynamicLinkerTest, RefusesToLoadAFolderOrNothing)
{
    EXPECT_FALSE(linker->loadModule(kModuleDir.c_str(), false));
    EXPECT_FALSE(linker->loadModule(L"", false));
    EXPECT_STREQ(linker->lastError(), L"no module file name given");
}

TEST_F(DynamicLinkerTest, ModulesTellWhetherTheyMayBeUnloaded)
{
    ASSERT_TRUE(linker->loadModule(kProbe.c_str(), false));
    ASSERT_EQ(cadhost::runCommand(L"probelock"), Acad::eOk);
    EXPECT_FALSE(linker->unloadModule(kProbe.c_str(), false));
    EXPECT_EQ(linker->lastError(), L"module \"" + kProbe + L"\" is locked and cannot be unloaded");
    EXPECT_EQ(runProbe(), L"\nprobe loaded 1 time(s)");
    // Quitting unloads locked modules too.
    linker->unloadAllModules();
    EXPECT_TRUE(linker->loadedModules().empty());
    EXPECT_EQ(runProbe(), L"(no probe)");
}

TEST_F(DynamicLinkerTest, UnloadingAModuleThatIsNotLoadedFails)
{
    EXPECT_FALSE(linker->unloadModule(L"ProbeModule.arx", false));
    EXPECT_STREQ(linker->lastError(), L"module \"ProbeModule.arx\" is not loaded");
}

TEST_F(DynamicLinkerTest, ApplicationsStartLockedAndUnawareOfDocuments)
{
    // The linker remembers every application it has heard of for the life of the process, so a
    // repeated run needs an application (an address) no earlier run has used.
    static std::deque<int> applications;
    int& application = applications.emplace_back();
    EXPECT_TRUE(linker->isApplicationLocked(&application));
    EXPECT_FALSE(linker->isAppMDIAware(&application));
    EXPECT_TRUE(linker->unlockApplication(&application));
    EXPECT_TRUE(linker->registerAppMDIAware(&application));
    EXPECT_FALSE(linker->isApplicationLocked(&application));
    EXPECT_TRUE(linker->isAppMDIAware(&application));
    EXPECT_TRUE(linker->lockApplication(&application));
    EXPECT_TRUE(linker->isApplicationLocked(&application));
}
} // namespace
