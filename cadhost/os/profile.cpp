#include "profile.h"

#include "codepage.h"
#include "nativepath.h"

#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <algorithm>
#include <cwchar>
#include <optional>
#include <string>
#include <string_view>

namespace {

using ProfileFile = CSimpleIniTempl<char, SI_GenericNoCase<char>, SI_ConvertA<char>>;

std::string pathOf(LPCWSTR fileName)
{
    return cadhost::nativePath(fileName).string();
}

// Fills profile from the file; a missing or unreadable file leaves it empty.
bool load(ProfileFile& profile, LPCWSTR fileName)
{
    profile.SetUnicode(true);
    profile.SetSpaces(false);
    return profile.LoadFile(pathOf(fileName).c_str()) >= 0;
}

std::optional<std::wstring> readValue(LPCWSTR section, LPCWSTR key, LPCWSTR fileName)
{
    if (section == nullptr || key == nullptr || fileName == nullptr)
        return std::nullopt;
    ProfileFile profile;
    if (!load(profile, fileName))
        return std::nullopt;
    const char* value =
        profile.GetValue(cadhost::toUtf8(section).c_str(), cadhost::toUtf8(key).c_str(), nullptr, nullptr);
    if (value == nullptr)
        return std::nullopt;
    return cadhost::fromUtf8(value);
}

// The section's keys, alone or as "key=value", each followed by a null.
std::wstring keyList(LPCWSTR section, LPCWSTR fileName, bool withValues = false)
{
    ProfileFile profile;
    if (section == nullptr || fileName == nullptr || !load(profile, fileName))
        return {};
    const std::string sectionName = cadhost::toUtf8(section);
    ProfileFile::TNamesDepend keys;
    profile.GetAllKeys(sectionName.c_str(), keys);
    keys.sort(ProfileFile::Entry::LoadOrder());
    std::wstring list;
    for (const auto& key : keys) {
        list += cadhost::fromUtf8(key.pItem);
        if (withValues) {
            list += L'=';
            list += cadhost::fromUtf8(profile.GetValue(sectionName.c_str(), key.pItem, ""));
        }
        list += L'\0';
    }
    return list;
}

// Copies a list of null-terminated entries and the closing null; one that does not fit is cut, and then
// size - 2 is answered.
DWORD copyList(const std::wstring& list, LPWSTR buffer, DWORD size)
{
    if (size < 2) {
        buffer[0] = L'\0';
        return 0;
    }
    const bool fits = list.size() + 1 <= size;
    const std::size_t count = fits ? list.size() : size - 2;
    std::copy_n(list.begin(), count, buffer);
    buffer[count] = L'\0';
    if (!fits)
        buffer[count + 1] = L'\0';
    return static_cast<DWORD>(fits ? count : size - 2);
}

} // namespace

DWORD GetPrivateProfileStringW(LPCWSTR section, LPCWSTR key, LPCWSTR defaultValue, LPWSTR buffer, DWORD size,
                               LPCWSTR fileName)
{
    if (buffer == nullptr || size == 0)
        return 0;
    if (key == nullptr)
        return copyList(keyList(section, fileName), buffer, size);
    const std::wstring value = readValue(section, key, fileName).value_or(defaultValue != nullptr ? defaultValue : L"");
    const std::size_t count = std::min<std::size_t>(value.size(), size - 1);
    std::copy_n(value.begin(), count, buffer);
    buffer[count] = L'\0';
    return static_cast<DWORD>(count);
}

UINT GetPrivateProfileIntW(LPCWSTR section, LPCWSTR key, int defaultValue, LPCWSTR fileName)
{
    const std::optional<std::wstring> value = readValue(section, key, fileName);
    if (!value)
        return static_cast<UINT>(defaultValue);
    UINT number = 0;
    for (auto it = value->begin(); it != value->end() && *it >= L'0' && *it <= L'9'; ++it)
        number = number * 10 + static_cast<UINT>(*it - L'0');
    return number;
}

BOOL WritePrivateProfileStringW(LPCWSTR section, LPCWSTR key, LPCWSTR value, LPCWSTR fileName)
{
    if (section == nullptr || fileName == nullptr)
        return FALSE;
    ProfileFile profile;
    load(profile, fileName);
    const std::string sectionName = cadhost::toUtf8(section);
    if (key == nullptr) {
        profile.Delete(sectionName.c_str(), nullptr);
    } else if (value == nullptr) {
        profile.Delete(sectionName.c_str(), cadhost::toUtf8(key).c_str());
    } else if (profile.SetValue(sectionName.c_str(), cadhost::toUtf8(key).c_str(), cadhost::toUtf8(value).c_str()) <
               0) {
        return FALSE;
    }
    return profile.SaveFile(pathOf(fileName).c_str(), false) >= 0 ? TRUE : FALSE;
}

DWORD GetPrivateProfileSectionW(LPCWSTR section, LPWSTR buffer, DWORD size, LPCWSTR fileName)
{
    if (buffer == nullptr || size == 0)
        return 0;
    return copyList(keyList(section, fileName, true), buffer, size);
}

BOOL WritePrivateProfileSectionW(LPCWSTR section, LPCWSTR keysAndValues, LPCWSTR fileName)
{
    if (section == nullptr || keysAndValues == nullptr || fileName == nullptr)
        return FALSE;
    ProfileFile profile;
    load(profile, fileName);
    const std::string sectionName = cadhost::toUtf8(section);
    ProfileFile::TNamesDepend keys;
    profile.GetAllKeys(sectionName.c_str(), keys);
    for (const auto& key : keys)
        profile.Delete(sectionName.c_str(), std::string(key.pItem).c_str(), false);
    if (profile.SetValue(sectionName.c_str(), nullptr, nullptr) < 0)
        return FALSE;
    for (const wchar_t* entry = keysAndValues; *entry != L'\0'; entry += std::wcslen(entry) + 1) {
        const std::wstring_view line(entry);
        const std::size_t equals = line.find(L'=');
        if (equals == std::wstring_view::npos)
            continue;
        const std::string key = cadhost::toUtf8(line.substr(0, equals));
        const std::string value = cadhost::toUtf8(line.substr(equals + 1));
        if (profile.SetValue(sectionName.c_str(), key.c_str(), value.c_str()) < 0)
            return FALSE;
    }
    return profile.SaveFile(pathOf(fileName).c_str(), false) >= 0 ? TRUE : FALSE;
}
