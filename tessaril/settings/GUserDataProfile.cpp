#include "GUserDataProfile.h"

#include <cwchar>

#include "app/InstallRoot.h"
#include "nativepath.h"
#include "profile.h"

#include <algorithm>
#include <string_view>
#include <vector>

int GUserDataProfile::readInt(const wchar_t* section, const wchar_t* key, int defaultValue)
{
    const auto value = static_cast<int>(GetPrivateProfileIntW(section, key, defaultValue, path().c_str()));
    return value == defaultValue || value >= 0 ? value : 0;
}

bool GUserDataProfile::writeInt(const wchar_t* section, const wchar_t* key, int value)
{
    CString text;
    text.Format(L"%d", value);
    return writeString(section, key, text);
}

CString GUserDataProfile::readString(const wchar_t* section, const wchar_t* key, int bufferLength,
                                     const wchar_t* defaultValue)
{
    if (bufferLength <= 0)
        return {};
    std::vector<wchar_t> buffer(static_cast<std::size_t>(bufferLength));
    const DWORD length = GetPrivateProfileStringW(section, key, defaultValue, buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), path().c_str());
    return CString(buffer.data(), static_cast<int>(length));
}

std::vector<CString> GUserDataProfile::readKeys(const wchar_t* section)
{
    // A list that does not fit is answered with the buffer's size less two: try again with more room.
    std::vector<wchar_t> buffer(1024);
    DWORD length = 0;
    for (;;) {
        length = GetPrivateProfileStringW(section, nullptr, L"", buffer.data(), static_cast<DWORD>(buffer.size()),
                                          path().c_str());
        if (length + 2 < buffer.size())
            break;
        buffer.resize(buffer.size() * 2);
    }
    std::vector<CString> keys;
    for (const wchar_t* key = buffer.data(); key < buffer.data() + length && *key != L'\0'; key += std::wcslen(key) + 1)
        keys.emplace_back(key);
    return keys;
}

bool GUserDataProfile::writeString(const wchar_t* section, const wchar_t* key, const wchar_t* value)
{
    return WritePrivateProfileStringW(section, key, value, path().c_str()) != FALSE;
}

bool GUserDataProfile::writeSection(const wchar_t* section,
                                    const std::vector<std::pair<CString, CString>>& keysAndValues)
{
    // Keys the section holds besides the given ones stay, in their place, as single key writes would leave them.
    std::vector<wchar_t> buffer(4096);
    DWORD length = 0;
    for (;;) {
        length = GetPrivateProfileSectionW(section, buffer.data(), static_cast<DWORD>(buffer.size()), path().c_str());
        if (length + 2 < buffer.size())
            break;
        buffer.resize(buffer.size() * 2);
    }
    std::vector<bool> written(keysAndValues.size(), false);
    std::wstring list;
    const auto append = [&list](const wchar_t* key, const wchar_t* value) {
        list.append(key).append(L"=").append(value);
        list += L'\0';
    };
    for (const wchar_t* entry = buffer.data(); entry < buffer.data() + length && *entry != L'\0';
         entry += std::wcslen(entry) + 1) {
        const std::wstring_view line(entry);
        const std::size_t equals = line.find(L'=');
        const CString key(entry, static_cast<int>(std::min(equals, line.size())));
        const auto given = std::find_if(keysAndValues.begin(), keysAndValues.end(),
                                        [&key](const auto& pair) { return pair.first.CompareNoCase(key) == 0; });
        if (given == keysAndValues.end()) {
            list.append(line);
            list += L'\0';
        } else if (!written[static_cast<std::size_t>(given - keysAndValues.begin())]) {
            written[static_cast<std::size_t>(given - keysAndValues.begin())] = true;
            append(given->first, given->second);
        }
    }
    for (std::size_t i = 0; i < keysAndValues.size(); ++i) {
        if (!written[i])
            append(keysAndValues[i].first, keysAndValues[i].second);
    }
    list += L'\0';
    return WritePrivateProfileSectionW(section, list.c_str(), path().c_str()) != FALSE;
}

bool GUserDataProfile::readFlag(const wchar_t* section, const wchar_t* key, bool defaultValue, int bufferLength)
{
    return isTrueText(readString(section, key, bufferLength, flagText(defaultValue)));
}

bool GUserDataProfile::writeFlag(const wchar_t* section, const wchar_t* key, bool value)
{
    return writeString(section, key, flagText(value));
}

const std::wstring& GUserDataProfile::path()
{
    if (!m_pathComputed) {
        m_path = cadhost::widePath(InstallRoot() / "config" / "UserData.ini");
        m_pathComputed = true;
    }
    return m_path;
}

void GUserDataProfile::resetPath()
{
    m_path.clear();
    m_pathComputed = false;
}

GUserDataProfile& userDataProfile()
{
    static GUserDataProfile profile;
    return profile;
}

const wchar_t* flagText(bool value)
{
    return value ? L"True" : L"False";
}

bool isTrueText(const wchar_t* text)
{
    return CString(text).CompareNoCase(L"True") == 0;
}
