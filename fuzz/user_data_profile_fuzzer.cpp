// The settings profile on arbitrary file content: every value the dialogs restore, the copyright
// notes with their extra lines, the profile functions' own truncation, and one write over the file.
#include "FuzzTempFolder.h"
#include "PluginInstallRoot.h"

#include "settings/GUserDataProfile.h"
#include "ui/GCopyrightOption.h"

#include "profile.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace {

struct FlagKey {
    const wchar_t* section;
    const wchar_t* key;
};

constexpr std::array<FlagKey, 5> kFlags{{
    {L"GGuardFileDialog", L"Floder"},
    {L"GGuardFloerDialog", L"KeepFloderTree"},
    {L"GGuardFloerDialog", L"Rar"},
    {L"GConverFileDialog", L"Conver"},
    {L"GConverFileDialog", L"NextSame"},
}};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    pluginInstallRoot();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzTempFolder::write("root/config/UserData.ini", data, size);
    GUserDataProfile& profile = userDataProfile();

    GCopyrightOption copyright;
    copyright.loadFromSettings();
    for (const FlagKey& flag : kFlags)
        profile.readFlag(flag.section, flag.key, false);
    profile.readInt(L"GGuardFileDialog", L"SaveType", 32766);
    profile.readInt(L"GGuardPowerDialog", L"GuardTypes", 0);
    profile.readString(L"GGuardFloerDialog", L"RarType", 128, L"zip");

    const std::wstring file = profile.path();
    std::array<wchar_t, 4> shortBuffer{};
    GetPrivateProfileStringW(L"CopyrightOption_Owner", L"Text", L"", shortBuffer.data(), shortBuffer.size(),
                             file.c_str());
    GetPrivateProfileIntW(L"CopyrightOption", L"Row", 10, file.c_str());
    profile.writeFlag(L"GGuardFileDialog", L"Floder", true);
    return 0;
}
