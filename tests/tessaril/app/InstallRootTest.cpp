#include "app/InstallRoot.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

namespace {
namespace fs = std::filesystem;

TEST(InstallRootTest, WithoutALoadedTessarilItIsTheFolderAboveThisProgramsFolder)
{
    const fs::path program = fs::read_symlink("/proc/self/exe");
    EXPECT_EQ(InstallRoot(), program.parent_path().parent_path());
}

TEST(InstallRootTest, IsTheFolderAboveTheFolderOfTheLoadedTessarilModule)
{
    const fs::path root = fs::temp_directory_path() / ("tessaril-root-" + std::to_string(::getpid()));
    fs::create_directories(root / "bin");
    fs::copy_file(fs::path(TESSARIL_TEST_MODULE_DIR) / "ProbeModule.arx", root / "bin" / "Tessaril.arx");
    void* module = dlopen((root / "bin" / "Tessaril.arx").c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(module, nullptr) << dlerror();
    EXPECT_EQ(InstallRoot(), root);
    dlclose(module);
    fs::remove_all(root);
}

TEST(InstallRootTest, TestsMayPutItElsewhere)
{
    setInstallRootOverride(fs::path("/srv/tessaril"));
    EXPECT_EQ(InstallRoot(), fs::path("/srv/tessaril"));
    setInstallRootOverride(std::nullopt);
    EXPECT_NE(InstallRoot(), fs::path("/srv/tessaril"));
}
} // namespace
