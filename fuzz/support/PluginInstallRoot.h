// Points the plug-in's installation folder (settings, presets, descriptors, diagnostic log) at the
// fuzzer's temporary folder, so that nothing is read from or written to the build tree.
#pragma once

#include "FuzzTempFolder.h"

#include "app/InstallRoot.h"
#include "settings/GUserDataProfile.h"

#include <filesystem>

inline const std::filesystem::path& pluginInstallRoot()
{
    static const std::filesystem::path root = [] {
        const std::filesystem::path folder = FuzzTempFolder::path() / "root";
        std::filesystem::create_directories(folder / "config");
        setInstallRootOverride(folder);
        userDataProfile().resetPath();
        return folder;
    }();
    return root;
}
