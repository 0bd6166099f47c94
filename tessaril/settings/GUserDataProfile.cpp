#include "GUserDataProfile.h"

#include <cstdint>
#include <cwchar>
#include <limits>
#include <optional>

#include "app/InstallRoot.h"
#include "nativepath.h"
#include "profile.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

// Read back in place of a missing key: a stored value is one line, so it can never hold a line break.
constexpr const wchar_t* kMissing = L"\n";
// Enough digits for every int and one more, so that a longer run is still seen as out of range.
constexpr int kNumberLength = 16;

// The decimal number the text starts with; none when it starts with no digit or exceeds an int.
std::optional<int> leadingNumber(const CString& text)
{
    std::int64_t number = 0;
    int digits = 0;
    for (; digits < text.GetLength() && text[digits] >= L'0' && text[digits] <= L'9'; ++digits) {
        number = number * 10 + (text[digits] - L'0');
        if (number > std::numeric_limits<int>::max())
            return std::nullopt;
    }
    return digits == 0 ? std::nullopt : std::optional<int>(static_cast<int>(number));
}

// Line breaks would end the value early and make the rest of it keys and sections of their own.
CString oneLine(const wchar_t* value)
{
    CString text(value);
    text.Replace(L'\r', L' ');
    text.Replace(L'\n', L' ');
    return text;
}

} // namespace

int GUserDataProfile::readInt(const wchar_t* section, const wchar_t* key, int defaultValue)
{
    const CString text = readString(section, key, kNumberLength, kMissing);
    if (text == kMissing)
        return defaultValue;
    return leadingNumber(text).value_or(0);
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
    if (value == nullptr)
        return WritePrivateProfileStringW(section, key, nullptr, path().c_str()) != FALSE;
    return WritePrivateProfileStringW(section, key, oneLine(value), path().c_str()) != FALSE;
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
