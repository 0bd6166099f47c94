// An installation folder for tests of the plug-in: a temporary folder with an empty config/ that
// InstallRoot() answers while the object lives. The settings store is pointed at it and back.
#pragma once

#include "ScopedTempFolder.h"
#include "app/InstallRoot.h"
#include "settings/GUserDataProfile.h"

class TempInstallRoot {
public:
    TempInstallRoot()
    {
        std::filesystem::create_directory(m_folder / "config");
        setInstallRootOverride(m_folder.path());
        userDataProfile().resetPath();
    }
    ~TempInstallRoot()
    {
        setInstallRootOverride(std::nullopt);
        userDataProfile().resetPath();
    }
    TempInstallRoot(const TempInstallRoot&) = delete;
    TempInstallRoot& operator=(const TempInstallRoot&) = delete;

    const std::filesystem::path& path() const { return m_folder.path(); }
    std::filesystem::path settingsFile() const { return m_folder / "config" / "UserData.ini"; }

private:
    ScopedTempFolder m_folder;
};
