#include "InstallRoot.h"

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace {
std::optional<std::filesystem::path> gOverride;

bool isModuleName(const std::string& fileName)
{
    const std::string wanted = "tessaril.arx";
    return std::equal(fileName.begin(), fileName.end(), wanted.begin(), wanted.end(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

int findModule(dl_phdr_info* info, std::size_t, void* found)
{
    if (info->dlpi_name == nullptr || *info->dlpi_name == 0)
        return 0;
    std::filesystem::path path(info->dlpi_name);
    if (!isModuleName(path.filename().string()))
        return 0;
    *static_cast<std::filesystem::path*>(found) = std::move(path);
    return 1;
}

std::filesystem::path ownModule()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&InstallRoot), &info) != 0 && info.dli_fname != nullptr &&
        *info.dli_fname == '/')
        return info.dli_fname;
    // The code lies in the program itself, whose name the loader may know only as it was typed.
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error);
}

std::filesystem::path modulePath()
{
    std::filesystem::path found;
    dl_iterate_phdr(findModule, &found);
    if (found.empty())
        found = ownModule();
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(found, error);
    return error ? found : absolute.lexically_normal();
}
} // namespace

std::filesystem::path InstallRoot()
{
    if (gOverride)
        return *gOverride;
    return modulePath().parent_path().parent_path();
}

void setInstallRootOverride(std::optional<std::filesystem::path> root)
{
    gOverride = std::move(root);
}
