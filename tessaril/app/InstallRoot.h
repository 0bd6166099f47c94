// The installation folder: the parent of the folder that holds the loaded "Tessaril.arx" (bin/), or of
// the module holding this code when none of that name is loaded. It holds config/, 3rd/ and Log/.
#pragma once

#include <filesystem>
#include <optional>

std::filesystem::path InstallRoot();

// Puts the installation folder elsewhere (tests); nothing returns to the module's own.
void setInstallRootOverride(std::optional<std::filesystem::path> root);
