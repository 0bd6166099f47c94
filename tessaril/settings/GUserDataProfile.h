// The user's last choices in the dialogs, kept in config/UserData.ini under the installation folder.
// Every read goes to the file and every write changes it at once; failures are silent and reads fall
// back to their defaults.
#pragma once

#include <vector>

#include "afxstr.h"

#include <string>
#include <utility>

class GUserDataProfile {
public:
    // The key's value as a decimal number; the default when the key or the file is missing; 0 when the
    // value is not a number or is negative.
    int readInt(const wchar_t* section, const wchar_t* key, int defaultValue);
    bool writeInt(const wchar_t* section, const wchar_t* key, int value);
    // At most bufferLength - 1 characters of the value; the default when the key is missing.
    CString readString(const wchar_t* section, const wchar_t* key, int bufferLength, const wchar_t* defaultValue);
    // The names of the section's keys, in the order of the file.
    std::vector<CString> readKeys(const wchar_t* section);
    bool writeString(const wchar_t* section, const wchar_t* key, const wchar_t* value);
    // Replaces the section's keys with the given ones, in order, in one write of the file.
    bool writeSection(const wchar_t* section, const std::vector<std::pair<CString, CString>>& keysAndValues);

    // Flags are stored as "True" or "False" and read as true exactly when the text is "True" in any case.
    bool readFlag(const wchar_t* section, const wchar_t* key, bool defaultValue, int bufferLength = 128);
    bool writeFlag(const wchar_t* section, const wchar_t* key, bool value);

    // The file's full path, computed from the installation folder on first use and kept.
    const std::wstring& path();
    // Forgets the computed path so that the next use computes it again (tests that move the installation
    // folder).
    void resetPath();

private:
    std::wstring m_path;
    bool m_pathComputed = false;
};

// The process-wide store.
GUserDataProfile& userDataProfile();

// The flag texts of the settings file.
const wchar_t* flagText(bool value);
bool isTrueText(const wchar_t* text);
